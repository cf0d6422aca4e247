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
    *this = FromWide((const wchar_t*)pText, n);
    return TRUE;
}

CString CString::FromWide(const wchar_t* pw, int nLength)
{
    CString str;
    if (!pw)
        return str;
    if (nLength < 0)
        nLength = (int)::wcslen(pw);
    int nBytes = nLength > 0 ? ::WideCharToMultiByte(CP_ACP, 0, pw, nLength, nullptr, 0, nullptr, nullptr) : 0;
    if (nBytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, pw, nLength, str.GetBufferSetLength(nBytes), nBytes, nullptr, nullptr);
    return str;
}
