// WindowHelpers.cpp: window placement, visibility, list boxes and the wait
// with a message loop.
#include "config/WindowHelpers.h"

#include "config/ProfileHelpers.h"
#include "platform/CModalLoop.h"
#include "platform/CWnd.h"
#include "platform/CDC.h"
#include "platform/ListRowText.h"
#include "platform/Trace.h"
#include "resources/resource.h"

void PositionWindowOnDesktop(HWND hWnd)
{
    RECT rcDesk, rcWnd;
    if (!::GetWindowRect(::GetDesktopWindow(), &rcDesk) || !::GetWindowRect(hWnd, &rcWnd)) {
        TRACE_FAILED_CALL("GetWindowRect(...)");
        return;
    }
    int cx = rcWnd.right - rcWnd.left, cy = rcWnd.bottom - rcWnd.top;
    int x = (rcDesk.right - rcDesk.left) / 3 - cx / 3;
    int y = (rcDesk.bottom - rcDesk.top) / 3 - cy / 3;
    ::SetWindowPos(hWnd, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PositionWindowOnDesktop(CWnd* pWnd)
{
    if (pWnd)
        PositionWindowOnDesktop(pWnd->GetSafeHwnd());
}

void SetWindowVisibleStyle(HWND hWnd, bool bShow, bool bErase)
{
    LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    ::SetWindowLongA(hWnd, GWL_STYLE, bShow ? (lStyle | WS_VISIBLE) : (lStyle & ~WS_VISIBLE));
    if (bShow)
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | (bErase ? RDW_ERASE : RDW_NOERASE));
}

void SetWindowVisibleStyle(CWnd* pWnd, bool bShow, bool bErase)
{
    if (pWnd)
        SetWindowVisibleStyle(pWnd->GetSafeHwnd(), bShow, bErase);
}

bool MoveControl(HWND hCtl, const RECT& rc)
{
    RECT rcNow;
    if (!::GetWindowRect(hCtl, &rcNow))
        return false;
    ::MapWindowPoints(nullptr, ::GetParent(hCtl), (POINT*)&rcNow, 2);
    if (::EqualRect(&rcNow, &rc))
        return false;
    // Not the old pixels copied to the new place: a parent without
    // WS_CLIPCHILDREN (a dialog) paints what a neighbour's move uncovered
    // over them, and nothing draws the control again (an "S" cut for good).
    ::SetWindowPos(hCtl, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    return true;
}

bool ShowWindowText(HWND hWnd, const char* pszText)
{
    int nLength = ::GetWindowTextLengthA(hWnd);
    if (nLength == lstrlenA(pszText)) {
        CString strShown;
        ::GetWindowTextA(hWnd, strShown.GetBuffer(nLength + 1), nLength + 1);
        strShown.ReleaseBuffer();
        if (strShown == pszText)
            return false;
    }
    ::SetWindowTextA(hWnd, pszText);
    return true;
}

void SetListBoxHorizontalExtent(HWND hListBox)
{
    CClientDC dc(hListBox);
    CDCSelect selFont(dc, (HFONT)::SendMessageA(hListBox, WM_GETFONT, 0, 0));
    HDC hDC = dc;
    int nWidest = 0;
    int nCount = (int)::SendMessageA(hListBox, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; i++) {
        CString s = ListBoxGetText(hListBox, i);
        SIZE size = {};
        if (::GetTextExtentPoint32A(hDC, s, s.GetLength(), &size) && size.cx > nWidest)
            nWidest = size.cx;
    }
    ::SendMessageA(hListBox, LB_SETHORIZONTALEXTENT, (WPARAM)(nWidest + 5), 0);
}

void LoadListBoxFromProfile(HWND hListBox, const char* pszName, const char* pszSection)
{
    CStringArray items;
    ReadProfileListItems(pszSection, pszName, items);
    for (const CString& s : items)
        ::SendMessageA(hListBox, LB_ADDSTRING, 0, (LPARAM)s.GetString());
}

void SaveListBoxToProfile(HWND hListBox, const char* pszName, const char* pszSection)
{
    CStringArray items;
    int nCount = (int)::SendMessageA(hListBox, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; i++)
        items.Add(ListBoxGetText(hListBox, i));
    WriteProfileListItems(pszSection, pszName, items);
}

int WaitWithMessageLoop(HANDLE hObject)
{
    // Its caller goes on after it: a close waits for its end.
    CNestedLoopScope loop;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return -1;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        DWORD rc = ::MsgWaitForMultipleObjects(1, &hObject, FALSE, INFINITE, QS_ALLINPUT);
        if (rc != WAIT_OBJECT_0 + 1)
            return (int)rc;
    }
}

void KeepWindowHeight(HWND hWnd, WINDOWPOS* pPos)
{
    if (!(pPos->flags & SWP_NOSIZE) && hWnd) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        if (rect.bottom > rect.top)
            pPos->cy = rect.bottom - rect.top;
    }
}

void SetAppSmallIcon(HWND hWnd)
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    ::SendMessageA(hWnd, WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
}
