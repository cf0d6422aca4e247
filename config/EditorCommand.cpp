// EditorCommand.cpp: the editor command line.
#include "config/EditorCommand.h"

#include "platform/TextFunctions.h"

CString BuildEditorCommandLine(const char* pszEditor, const char* pszPath)
{
    CString strEditor = pszEditor ? pszEditor : "";
    if (strEditor.IsEmpty())
        strEditor = "notepad";
    CString strPath = pszPath ? pszPath : "";
    strPath.Replace('/', '\\');
    return QuoteIfNeeded(strEditor, '"') + " " + QuoteIfNeeded(strPath, '"');
}
