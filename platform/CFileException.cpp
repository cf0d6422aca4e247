// CFileException.cpp: file error causes and their texts.
#include "platform/CFileException.h"

#include <cstring>

namespace {

// The Windows error codes that have their own cause.
struct CodeCause {
    LONG code;
    int cause;
};
const CodeCause kCodeCauses[] = {
    {2, CFileException::fileNotFound},      {3, CFileException::badPath},
    {4, CFileException::tooManyOpenFiles},  {5, CFileException::accessDenied},
    {6, CFileException::invalidFile},       {18, CFileException::directoryFull},
    {25, CFileException::badSeek},          {23, CFileException::hardIO},
    {32, CFileException::sharingViolation}, {33, CFileException::lockViolation},
    {112, CFileException::diskFull},        {38, CFileException::endOfFile},
    {123, CFileException::badPath},         {161, CFileException::badPath},
};

const char* CauseText(int cause)
{
    switch (cause) {
    case CFileException::none: return "No error occurred with the file \"%s\".";
    case CFileException::fileNotFound: return "The file \"%s\" was not found.";
    case CFileException::badPath: return "The path of \"%s\" is invalid or does not exist.";
    case CFileException::tooManyOpenFiles: return "Too many files are open to open \"%s\".";
    case CFileException::accessDenied: return "Access to \"%s\" was denied.";
    case CFileException::invalidFile: return "An invalid file handle was used with \"%s\".";
    case CFileException::directoryFull: return "There are no more directory entries for \"%s\".";
    case CFileException::badSeek: return "An error occurred while setting the position in \"%s\".";
    case CFileException::hardIO: return "A hardware error occurred while accessing \"%s\".";
    case CFileException::sharingViolation: return "A sharing violation occurred while accessing \"%s\".";
    case CFileException::lockViolation: return "A locking violation occurred while accessing \"%s\".";
    case CFileException::diskFull: return "The disk is full while accessing \"%s\".";
    case CFileException::endOfFile: return "An attempt was made to access \"%s\" past its end.";
    default: return "An unexpected error occurred while accessing \"%s\".";
    }
}

}  // namespace

int CFileException::OsErrorToCause(LONG lOsError)
{
    for (const CodeCause& cc : kCodeCauses)
        if (cc.code == lOsError)
            return cc.cause;
    return lOsError == 0 ? none : genericException;
}

void CFileException::SetFromOsError(LONG lOsError, const char* pszFileName)
{
    m_cause = OsErrorToCause(lOsError);
    m_lOsError = lOsError;
    m_strFileName = pszFileName;
}

CString CFileException::GetErrorText() const
{
    CString s;
    s.Format(CauseText(m_cause), m_strFileName.GetString());
    return s;
}

BOOL CFileException::GetErrorMessage(char* pszError, UINT nMaxError) const
{
    if (!pszError || nMaxError == 0)
        return FALSE;
    CString s = GetErrorText();
    size_t n = std::strlen(s);
    if (n >= nMaxError)
        n = nMaxError - 1;
    std::memcpy(pszError, s.GetString(), n);
    pszError[n] = '\0';
    return TRUE;
}
