// MyProgCtl.cpp: the themed progress bar: its part and state, the theme data
// kept open over the window's life and reopened on theme changes, and the
// themed painting.
#include "framework/MyProgCtl.h"

#include "framework/ProgressFill.h"
#include "framework/VisualStylesXP.h"
#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

namespace {

// The bar colour drawn without a theme, per fill state.
COLORREF FillStateColor(int nFillState)
{
    switch (nFillState) {
    case PBFS_NORMAL: return RGB(0, 192, 0);
    case PBFS_ERROR: return RGB(255, 0, 0);
    case PBFS_PAUSED: return RGB(255, 255, 0);
    default: return CLR_DEFAULT;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CMyProgCtl, CProgressCtrl)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
    ON_MESSAGE(WM_DWMCOMPOSITIONCHANGED, OnCompositionChanged)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMyProgCtl::CMyProgCtl(int nBarPart, int nFillState)
{
    SetBarPart(nBarPart);
    SetFillState(nFillState);
}

CMyProgCtl::~CMyProgCtl()
{
    CloseTheme();
}

bool CMyProgCtl::SetBarPart(int nBarPart)
{
    if (nBarPart != PP_BAR && nBarPart != PP_BARVERT)
        return false;
    m_nBarPart = nBarPart;
    if (::IsWindow(m_hWnd))
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

bool CMyProgCtl::SetFillState(int nFillState)
{
    if (nFillState < PBFS_NORMAL || nFillState > PBFS_PARTIAL)
        return false;
    m_nFillState = nFillState;
    m_crBar = FillStateColor(nFillState);
    if (!::IsWindow(m_hWnd))
        return true;
    if (!DrawsThemed())
        SetBarColor(m_crBar);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

BOOL CMyProgCtl::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (m_nBarPart == PP_BAR)
        cs.style |= PBS_SMOOTH;
    else
        cs.style &= ~PBS_SMOOTH;
    return CProgressCtrl::PreCreateWindow(cs);
}

int CMyProgCtl::OnCreate(LPCREATESTRUCT pCreate)
{
    int nResult = CProgressCtrl::OnCreate(pCreate);
    if (nResult == -1)
        return -1;
    if (!m_bThemeOpened)
        OpenTheme();
    ::SendMessageA(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SetPos(0);
    return nResult;
}

// Its ground and the bar composed off the screen and copied at once
// (OneStepPaint.h): a new position never shows in part.
void CMyProgCtl::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    DrawInOneStep(dc, rc, [this](HDC hdc) {
        DefWindowProc(WM_ERASEBKGND, (WPARAM)hdc, 0);
        Draw(hdc);
    });
}

// A window that composes its children off the screen sees the bar as its
// paint shows it.
LRESULT CMyProgCtl::OnPrintClient(WPARAM wp, LPARAM)
{
    Draw((HDC)wp);
    return 0;
}

void CMyProgCtl::Draw(HDC hdc)
{
    if (DrawsThemed())
        DrawThemed(hdc);
    else
        DefWindowProc(WM_PRINTCLIENT, (WPARAM)hdc, PRF_CLIENT);
}

LRESULT CMyProgCtl::OnThemeChanged(WPARAM, LPARAM)
{
    CloseTheme();
    OpenTheme();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return 0;
}

LRESULT CMyProgCtl::OnCompositionChanged(WPARAM, LPARAM)
{
    CloseTheme();
    OpenTheme();
    return Default();
}

void CMyProgCtl::OnDestroy()
{
    Default();
    CloseTheme();
}

void CMyProgCtl::OpenTheme()
{
    m_hTheme = g_VisualStylesXP.OpenThemeData(m_hWnd, L"PROGRESS");
    m_bThemeOpened = true;
}

void CMyProgCtl::CloseTheme()
{
    if (m_hTheme != nullptr)
        g_VisualStylesXP.CloseThemeData(m_hTheme);
    m_hTheme = nullptr;
    m_bThemeOpened = false;
}

// Without a theme the answer stays null until the theme changes: it is not
// asked again on every paint and state change.
bool CMyProgCtl::DrawsThemed()
{
    if (!m_bThemeOpened)
        OpenTheme();
    return m_hTheme != nullptr && g_VisualStylesXP.IsAppThemed() && g_VisualStylesXP.IsThemeActive();
}

// The theme's bar, then the fill over the share of the content rectangle
// that the position covers, growing from the left for either bar part. The
// fill is painted in the state's own colour: themes give the fill states
// colours of their own (one draws "normal" blue and "partial" grey), and the
// colour chosen is the colour shown.
void CMyProgCtl::DrawThemed(HDC hdc)
{
    RECT rcClient, rcContent;
    ::GetClientRect(m_hWnd, &rcClient);
    if (FAILED(g_VisualStylesXP.GetThemeBackgroundContentRect(m_hTheme, hdc, m_nBarPart, 0, &rcClient, &rcContent)))
        rcContent = rcClient;
    int nLower = 0, nUpper = 0;
    GetRange(nLower, nUpper);
    rcContent.right = rcContent.left + ProgressFillWidth(nLower, nUpper, GetPos(), rcContent.right - rcContent.left);
    g_VisualStylesXP.DrawThemeBackground(m_hTheme, hdc, m_nBarPart, 0, &rcClient, nullptr);
    if (rcContent.right > rcContent.left)
        CDC(hdc).FillSolidRect(&rcContent, m_crBar == CLR_DEFAULT ? ::GetSysColor(COLOR_HIGHLIGHT) : m_crBar);
}
