// HelpButtonWndImpl.h: the members of CHelpButtonWnd<T> (included by
// HelpButtonWnd.h): message routing, the button's geometry, state and
// painting, and the help requests.
#pragma once

template <class T>
CHelpButtonWnd<T>::~CHelpButtonWnd()
{
    if (m_bCaptured)
        ::ReleaseCapture();
    if (m_hTheme)
        g_VisualStylesXP.CloseThemeData(m_hTheme);
}

// A dialog gets no WM_CREATE: the button is set up before the dialog's own
// initialisation.
BEGIN_TEMPLATE_MESSAGE_MAP(CHelpButtonWnd, T, T)
    ON_MESSAGE_WATCH(WM_INITDIALOG, InitHelpButton)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_HELPINFO()
    ON_SYSCOMMAND_ID(SC_CONTEXTHELP, OnContextHelpMode)
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChangedMsg)
    ON_MESSAGE(WM_DWMCOMPOSITIONCHANGED, OnCompositionChangedMsg)
    ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
    ON_COMMAND(kIdHelpCommand, OnHelp)
    ON_COMMAND(IDHELP, OnHelp)
END_MESSAGE_MAP()

template <class T>
void CHelpButtonWnd<T>::ResetHelpButtonState()
{
    m_rcHelpButton = RECT{0, 0, 0, 0};
    m_bActive = FALSE;
    m_bHelpButtonVisible = TRUE;
    m_bHelpButtonEnabled = TRUE;
    m_bCaptured = FALSE;
    m_bButtonUp = TRUE;
    m_bHot = FALSE;
    m_bContextHelpMode = 0;
    m_bNcPaintAllowed = 1;
    m_nHoverTimer = 0;
}

// ---- creation, theme, composition ----------------------------------------

template <class T>
void CHelpButtonWnd<T>::InitHelpButton()
{
    m_bNcPaintAllowed = 1;
    g_VisualStylesXP.BufferedPaintInit();
    if (!m_hTheme)
        OnThemeChangedMsg(0, 0);
    if (this->GetStyle() & WS_CHILD)
        m_bHelpButtonVisible = FALSE;  // a child window has no caption of its own
    if (!m_bHelpButtonVisible || !Composed())
        return;
    // Under composition the button is painted into the composited frame,
    // which needs non-client rendering and painting allowed.
    m_bNcPaintAllowed = 0;
    DWORD dwPolicy = DWMNCRP_ENABLED;
    HRESULT hr = g_VisualStylesXP.DwmSetWindowAttribute(this->m_hWnd, DWMWA_NCRENDERING_POLICY, &dwPolicy, sizeof(dwPolicy));
    if (hr != S_OK)
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "DwmSetWindowAttribute( DWMWA_NCRENDERING_POLICY ) FAILED! rc = %u (0x%08.8X): %s\n",
                          (unsigned)hr, (unsigned)hr, FormatLastError((DWORD)hr).GetString());
    HRESULT hr2 = S_OK;
    if (hr == S_OK) {
        BOOL bAllow = TRUE;
        hr2 = g_VisualStylesXP.DwmSetWindowAttribute(this->m_hWnd, DWMWA_ALLOW_NCPAINT, &bAllow, sizeof(bAllow));
        if (hr2 != S_OK)
            WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "DwmSetWindowAttribute( DWMWA_ALLOW_NCPAINT ) FAILED! rc = %u (0x%08.8X): %s\n",
                              (unsigned)hr2, (unsigned)hr2, FormatLastError((DWORD)hr2).GetString());
    }
    if (!FAILED(hr) && !FAILED(hr2))
        m_bNcPaintAllowed = 1;
}

template <class T>
int CHelpButtonWnd<T>::OnCreate(LPCREATESTRUCT lpcs)
{
    int nResult = T::OnCreate(lpcs);
    if (nResult == 0)
        InitHelpButton();
    return nResult;
}

template <class T>
void CHelpButtonWnd<T>::OnDestroy()
{
    if (m_nHoverTimer)
        this->KillTimer(m_nHoverTimer);
    m_nHoverTimer = 0;
    T::OnDestroy();
    g_VisualStylesXP.BufferedPaintUnInit();
}

template <class T>
void CHelpButtonWnd<T>::EndCapture()
{
    if (m_bCaptured)
        ::ReleaseCapture();
    m_bCaptured = FALSE;
}

template <class T>
LRESULT CHelpButtonWnd<T>::OnThemeChangedMsg(WPARAM, LPARAM)
{
    EndCapture();
    if (m_hTheme)
        g_VisualStylesXP.CloseThemeData(m_hTheme);
    m_hTheme = nullptr;
    if (!g_VisualStylesXP.IsThemeActive() || !g_VisualStylesXP.IsAppThemed())
        return 0;
    bool bComposed = Composed();
    m_hTheme = g_VisualStylesXP.OpenThemeData(this->m_hWnd, bComposed ? L"CompositedWindow::Window" : L"Window");
    if (!m_hTheme && bComposed)
        m_hTheme = g_VisualStylesXP.OpenThemeData(this->m_hWnd, L"Window");
    if (!m_hTheme)
        return 0;
    m_CaptionFont.DeleteObject();
    bool bTool = (this->GetExStyle() & WS_EX_TOOLWINDOW) != 0;
    LOGFONTW lfw = {};
    LOGFONTA lf = {};
    HRESULT hr = g_VisualStylesXP.GetThemeSysFont(m_hTheme, bTool ? TMT_SMALLCAPTIONFONT : TMT_CAPTIONFONT, &lfw);
    if (hr != S_OK) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "GetThemeSysFont() FAILED! rc = %u (0x%08.8X): %s\n", (unsigned)hr,
                          (unsigned)hr, FormatLastError((DWORD)hr).GetString());
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lstrcpynA(lf.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    } else {
        memcpy(&lf, &lfw, offsetof(LOGFONTA, lfFaceName));  // the fields before the face name match
        ::WideCharToMultiByte(CP_ACP, 0, lfw.lfFaceName, -1, lf.lfFaceName, LF_FACESIZE, nullptr, nullptr);
        lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    m_CaptionFont.CreateFontIndirect(&lf);
    return 0;
}

template <class T>
LRESULT CHelpButtonWnd<T>::OnCompositionChangedMsg(WPARAM, LPARAM)
{
    OnThemeChangedMsg(0, 0);
    return this->Default();
}

template <class T>
LRESULT CHelpButtonWnd<T>::OnSetTextMsg(WPARAM, LPARAM)
{
    LRESULT r = this->Default();
    // A hidden window's caption is painted when it shows (a caption
    // painted unseen cost the main window some milliseconds as it started).
    if (this->IsWindowVisible())
        this->SendMessage(WM_NCPAINT, 1);
    return r;
}

template <class T>
void CHelpButtonWnd<T>::SetCaptionText(LPCSTR pszText)
{
    ::SetWindowTextA(this->m_hWnd, pszText);
    this->SendMessage(WM_NCPAINT, 1);
}

// ---- show, enable, identity ------------------------------------------------

template <class T>
void CHelpButtonWnd<T>::ShowHelpButton(BOOL bShow)
{
    if (!CanDrawHelpButton() || !m_bHelpButtonVisible == !bShow)
        return;
    m_bHelpButtonVisible = bShow ? TRUE : FALSE;
    if (this->m_hWnd && this->IsWindowVisible())
        this->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

template <class T>
void CHelpButtonWnd<T>::EnableHelpButton(BOOL bEnable)
{
    if (!CanDrawHelpButton() || !m_bHelpButtonEnabled == !bEnable)
        return;
    m_bHelpButtonEnabled = bEnable ? TRUE : FALSE;
    if (!bEnable)
        EndCapture();
    RaiseHelpButton();
}

template <class T>
bool CHelpButtonWnd<T>::IsMainWindow()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain->m_hWnd == this->m_hWnd;
}

template <class T>
bool CHelpButtonWnd<T>::IsTopLevelWindow(HWND hWnd)
{
    if (!hWnd)
        return false;
    HWND hParent = ::GetParent(hWnd);
    return !hParent || hParent == ::GetDesktopWindow() || !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD);
}

#include "framework/HelpButtonWndButton.h"
#include "framework/HelpButtonWndComposed.h"
#include "framework/HelpButtonWndHelp.h"
