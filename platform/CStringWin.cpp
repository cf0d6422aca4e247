// CStringWin.cpp: the members of CString that need the program's resources.
#include "platform/CString.h"

#include "platform/AfxResource.h"

// The string table holds entries of at most a few hundred characters; the
// buffer grows until the text fits.
BOOL CString::LoadString(UINT nID)
{
    const char* pText = nullptr;
    // With a zero buffer size LoadStringW hands back a read-only pointer into
    // the resource; its length is the return value.
    int n = ::LoadStringW(AfxGetResourceHandle(), nID, (LPWSTR)&pText, 0);
    if (n <= 0) {
        Empty();
        return FALSE;
    }
    const wchar_t* pw = (const wchar_t*)pText;
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, pw, n, nullptr, 0, nullptr, nullptr);
    char* p = GetBufferSetLength(bytes);
    ::WideCharToMultiByte(CP_ACP, 0, pw, n, p, bytes, nullptr, nullptr);
    return TRUE;
}
