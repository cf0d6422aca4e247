// ScreenCover.cpp: a picture of the screen over the screen, while what is
// under it is drawn.
#include "framework/ScreenCover.h"

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

BEGIN_MESSAGE_MAP(CScreenCover, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_NCHITTEST()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

void LetScreenCatchUp()
{
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

CScreenCover::CScreenCover(HWND hOwner, const RECT& rcScreen, bool bShow) : m_hOwner(hOwner), m_rcScreen(rcScreen)
{
    const int cx = rcScreen.right - rcScreen.left, cy = rcScreen.bottom - rcScreen.top;
    {
        CClientDC screen(nullptr);
        CDC mem;
        if (!mem.CreateCompatibleDC(&screen) || !CreateDrawingBitmap(m_shot, cx, cy))
            return;
        CDCSelect shot(mem, m_shot);
        ::BitBlt(mem, 0, 0, cx, cy, screen, rcScreen.left, rcScreen.top, SRCCOPY);
    }
    if (bShow)
        Show();
}

void CScreenCover::Show()
{
    if (m_hWnd || !m_shot.m_hObject)
        return;
    const RECT& rc = m_rcScreen;
    LPCSTR pszClass = RegisterNamedWndClass(kScreenCoverClass, 0, ::LoadCursorA(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, pszClass, "", WS_POPUP, rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top, m_hOwner, nullptr))
        return;
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow();
}

CScreenCover::~CScreenCover()
{
    if (!m_hWnd)
        return;
    DestroyWindow();
    RECT rcOwner;
    if (!::IsWindow(m_hOwner) || !::GetWindowRect(m_hOwner, &rcOwner))
        return;
    // Copied onto itself, the part counts as drawn: the next flush takes all
    // of it.
    CWindowDC dc(m_hOwner, DCX_WINDOW | DCX_CACHE);
    const int x = m_rcScreen.left - rcOwner.left, y = m_rcScreen.top - rcOwner.top;
    ::BitBlt(dc, x, y, m_rcScreen.right - m_rcScreen.left, m_rcScreen.bottom - m_rcScreen.top, dc, x, y, SRCCOPY);
    LetScreenCatchUp();
}

void CScreenCover::DrawOnOwner()
{
    RECT rcOwner;
    if (!m_shot.m_hObject || !::GetWindowRect(m_hOwner, &rcOwner))
        return;
    CWindowDC dc(m_hOwner, DCX_WINDOW | DCX_CACHE);
    CDC mem;
    if (!mem.CreateCompatibleDC(&dc))
        return;
    CDCSelect shot(mem, m_shot);
    ::BitBlt(dc, m_rcScreen.left - rcOwner.left, m_rcScreen.top - rcOwner.top, m_rcScreen.right - m_rcScreen.left,
             m_rcScreen.bottom - m_rcScreen.top, mem, 0, 0, SRCCOPY);
}

void CScreenCover::OnPaint()
{
    CPaintDC dc(this);
    CDC mem;
    if (!mem.CreateCompatibleDC(&dc))
        return;
    CDCSelect shot(mem, m_shot);
    CRect rc;
    GetClientRect(&rc);
    ::BitBlt(dc, 0, 0, rc.Width(), rc.Height(), mem, 0, 0, SRCCOPY);
}
