// SafeFileReplaceWin.cpp: SafeReplaceFile with a temporary file that
// MoveFileEx puts in place of the target.
#include "platform/SafeFileReplace.h"

#include "platform/Trace.h"

namespace {

SafeReplaceResult Failed(SafeReplaceStage eStage, DWORD dwError)
{
    return SafeReplaceResult{eStage, dwError ? dwError : ERROR_GEN_FAILURE};
}

// Writes and flushes the whole text into the (empty) temporary file.
SafeReplaceResult WriteAll(const char* pszTemp, const CString& strContents)
{
    HANDLE h = ::CreateFileA(pszTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return Failed(kReplaceOpenFailed, TRACE_FAILED_CALL("CreateFileA(pszTemp, GENERIC_WRITE, ...)"));
    const char* p = strContents.GetString();
    DWORD dwLeft = (DWORD)strContents.GetLength();
    SafeReplaceResult r{kReplaceOk, 0};
    while (dwLeft > 0 && r.eStage == kReplaceOk) {
        DWORD dwDone = 0;
        if (!::WriteFile(h, p, dwLeft, &dwDone, nullptr) || dwDone == 0)
            r = Failed(kReplaceWriteFailed, TRACE_FAILED_CALL("WriteFile(h, p, dwLeft, &dwDone, nullptr)"));
        p += dwDone;
        dwLeft -= dwDone;
    }
    if (r.eStage == kReplaceOk && !::FlushFileBuffers(h))
        r = Failed(kReplaceWriteFailed, TRACE_FAILED_CALL("FlushFileBuffers(h)"));
    if (!::CloseHandle(h) && r.eStage == kReplaceOk)
        r = Failed(kReplaceWriteFailed, TRACE_FAILED_CALL("CloseHandle(h)"));
    return r;
}

// The folder part of a path, with its trailing separator; "." for a bare name.
CString FolderOf(const CString& strPath)
{
    int n = -1;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
            n = i;
    return n < 0 ? CString(".") : strPath.Left(n + 1);
}

}  // namespace

SafeReplaceResult SafeReplaceFile(const char* pszPath, const CString& strContents)
{
    // Windows refuses to replace a read-only file or a folder with MoveFileEx,
    // which keeps the old file; asking first gives the clearer error code.
    DWORD dwAttr = ::GetFileAttributesA(pszPath);
    if (dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return Failed(kReplaceOpenFailed, ERROR_ACCESS_DENIED);

    CString strFolder = FolderOf(pszPath);
    char szTemp[MAX_PATH + 16] = {};
    if (!::GetTempFileNameA(strFolder, "vcf", 0, szTemp))
        return Failed(kReplaceOpenFailed, TRACE_FAILED_CALL("GetTempFileNameA(strFolder, \"vcf\", 0, szTemp)"));
    SafeReplaceResult r = WriteAll(szTemp, strContents);
    if (r.eStage == kReplaceOk &&
        !::MoveFileExA(szTemp, pszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        r = Failed(kReplaceOpenFailed, TRACE_FAILED_CALL("MoveFileExA(szTemp, pszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)"));
    if (r.eStage != kReplaceOk)
        ::DeleteFileA(szTemp);
    return r;
}
