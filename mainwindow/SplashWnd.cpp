// SplashWnd.cpp: the splash window.
#include "mainwindow/SplashWnd.h"

#include "platform/AfxResource.h"
#include "platform/CDC.h"
#include "platform/Trace.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CSplashWnd, CWnd)
IMPLEMENT_DYNCREATE(CMySplashWnd, CSplashWnd)

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTestMsg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSplashWnd::CSplashWnd()
{
    HMODULE hUser = ::GetModuleHandleA("USER32.DLL");
    if (hUser)
        m_pfnSetLayeredWindowAttributes =
            (SetLayeredProc)(void*)::GetProcAddress(hUser, "SetLayeredWindowAttributes");
}

CSplashWnd::~CSplashWnd()
{
    if (m_wndOwner.m_hWnd)
        m_wndOwner.DestroyWindow();
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

void CSplashWnd::SetIcon(HICON hIcon)
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
}

void CSplashWnd::SetTransparency(COLORREF clrKey, BYTE nAlpha, DWORD dwFlags)
{
    if (!m_pfnSetLayeredWindowAttributes)
        return;
    m_clrKey = clrKey;
    m_nAlpha = nAlpha;
    m_dwLayeredFlags = dwFlags;
    m_bLayered = true;
}

BOOL CSplashWnd::LoadBitmap()
{
    HANDLE h;
    if (m_bFromFile)
        h = ::LoadImageA(nullptr, m_strBitmapFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    else
        h = ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nBitmapId), IMAGE_BITMAP, 0, 0,
                         LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
    if (!h) {
        TRACE_FAILED_CALL("LoadImageA(..., IMAGE_BITMAP, ...)");
        return FALSE;
    }
    m_bitmap.Attach((HBITMAP)h);
    BITMAP bm = {};
    m_bitmap.GetBitmap(&bm);
    m_nWidth = bm.bmWidth;
    m_nHeight = bm.bmHeight;
    return TRUE;
}

BOOL CSplashWnd::Create()
{
    if (!LoadBitmap())
        return FALSE;
    LPCSTR pszOwnerClass = AfxRegisterWndClass(0, nullptr, nullptr, m_hIcon);
    if (!m_wndOwner.CreateEx(0, pszOwnerClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr))
        return FALSE;
    HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    // Systems without drop shadows refuse the class style: register again without it.
    LPCSTR pszClass = m_bDropShadow ? AfxRegisterWndClass(CS_DROPSHADOW, hArrow, nullptr, m_hIcon) : nullptr;
    if (!pszClass)
        pszClass = AfxRegisterWndClass(0, hArrow, nullptr, m_hIcon);
    // Shown without the activation: a splash that took it held the keyboard
    // of its thread, and under Wine the display's as well, which then gave
    // the keys typed into the main window, once shown, to the splash until
    // the main window's thread had read its own showing, hundreds of
    // milliseconds later while its bars paint.
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, pszClass, "", WS_POPUP, 0, 0, m_nWidth, m_nHeight,
                  m_wndOwner.m_hWnd, nullptr))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    if (m_bLayered && m_pfnSetLayeredWindowAttributes) {
        ModifyStyleEx(0, WS_EX_LAYERED);
        m_pfnSetLayeredWindowAttributes(m_hWnd, m_clrKey, m_nAlpha, m_dwLayeredFlags);
    }
    MakePalette();
    return TRUE;
}

void CSplashWnd::MakePalette()
{
    DIBSECTION ds = {};
    if (::GetObjectA(m_bitmap.m_hObject, sizeof(ds), &ds) == sizeof(ds) && ds.dsBmih.biBitCount <= 8) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        RGBQUAD colors[256];
        UINT n = 0;
        {
            CDCSelect selBitmap(dc, m_bitmap.m_hObject);
            n = ::GetDIBColorTable(dc.m_hDC, 0, 256, colors);
        }
        if (n > 0) {
            struct {
                WORD version, count;
                PALETTEENTRY entries[256];
            } lp = {0x300, (WORD)n, {}};
            for (UINT i = 0; i < n; i++)
                lp.entries[i] = PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
            m_palette.Attach(::CreatePalette((LOGPALETTE*)&lp));
        }
    }
    CClientDC dc(this);
    if (!m_palette.m_hObject)
        m_palette.Attach(::CreateHalftonePalette(dc.m_hDC));
    if (!m_palette.m_hObject)
        return;
    HPALETTE hOld = ::SelectPalette(dc.m_hDC, m_palette.m_hObject, FALSE);
    if (::RealizePalette(dc.m_hDC) > 0)
        Invalidate(TRUE);
    ::SelectPalette(dc.m_hDC, hOld, FALSE);
}

int CSplashWnd::OnCreate(LPCREATESTRUCT pcs)
{
    if (CWnd::OnCreate(pcs) == -1)
        return -1;
    // Centred on the screen, not on the hidden owner.
    int x = (::GetSystemMetrics(SM_CXSCREEN) - pcs->cx) / 2;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - pcs->cy) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CSplashWnd::OnPaint()
{
    CPaintDC dc(this);
    HPALETTE hOldPal = nullptr;
    if (m_palette.m_hObject) {
        hOldPal = ::SelectPalette(dc.m_hDC, m_palette.m_hObject, FALSE);
        ::RealizePalette(dc.m_hDC);
    }
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    {
        CDCSelect selBitmap(mem, m_bitmap.m_hObject);
        dc.BitBlt(0, 0, m_nWidth, m_nHeight, &mem, 0, 0, SRCCOPY);
    }
    if (hOldPal)
        ::SelectPalette(dc.m_hDC, hOldPal, FALSE);
}

void CSplashWnd::OnClose()
{
    // Alt+F4 and the like are ignored: only the factory closes the splash,
    // through the hidden owner, which takes the splash with it.
    if (m_bClosing && m_wndOwner.m_hWnd)
        m_wndOwner.PostMessage(WM_CLOSE);
}

LRESULT CSplashWnd::OnNcHitTestMsg(WPARAM wp, LPARAM lp)
{
    // Reporting the caption lets the user drag the splash aside.
    if (m_bDraggable)
        return HTCAPTION;
    return Default();
}

void CSplashWnd::OnDestroy()
{
    CWnd::OnDestroy();
    ::PostQuitMessage(0);  // the splash thread's loop ends with its window
}

CMySplashWnd::CMySplashWnd()
{
    SetBitmap(IDB_SPLASH);
    SetDropShadow(true);
}
