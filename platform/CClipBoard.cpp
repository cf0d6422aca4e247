// CClipBoard.cpp: clipboard text in and out (see CClipBoard.h).
#include "platform/CClipBoard.h"

#include <cstring>

#include "platform/Trace.h"

namespace {

const int kOpenTries = 20;
const DWORD kOpenRetryMs = 10;

// Closes the clipboard at the end of a scope.
class ClipboardCloser {
public:
    ClipboardCloser() = default;
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;
    ~ClipboardCloser() { ::CloseClipboard(); }
};

}  // namespace

// Another program may hold the clipboard open for a moment: retry.
BOOL CClipBoard::Open()
{
    for (int i = 0; i < kOpenTries; i++) {
        if (::OpenClipboard(m_hOwner))
            return TRUE;
        ::Sleep(kOpenRetryMs);
    }
    TRACE_FAILED_CALL("OpenClipboard");
    return FALSE;
}

BOOL CClipBoard::SetText(LPCSTR pszText)
{
    if (!pszText)
        pszText = "";
    size_t nBytes = strlen(pszText) + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hMem)
        return FALSE;
    void* p = ::GlobalLock(hMem);
    memcpy(p, pszText, nBytes);
    ::GlobalUnlock(hMem);
    if (!Open()) {
        ::GlobalFree(hMem);
        return FALSE;
    }
    ClipboardCloser closer;
    ::EmptyClipboard();
    if (!::SetClipboardData(CF_TEXT, hMem)) {
        TRACE_FAILED_CALL("SetClipboardData");
        ::GlobalFree(hMem);  // still ours when the clipboard refused it
        return FALSE;
    }
    return TRUE;
}

BOOL CClipBoard::GetText(CString& str)
{
    str.Empty();
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !Open())
        return FALSE;
    ClipboardCloser closer;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (!hData)
        return FALSE;
    const char* p = (const char*)::GlobalLock(hData);
    if (!p)
        return FALSE;
    // The block may be larger than the text and need not hold a NUL at all.
    size_t nMax = ::GlobalSize(hData);
    str = CString(p, (int)strnlen(p, nMax));
    ::GlobalUnlock(hData);
    return TRUE;
}
