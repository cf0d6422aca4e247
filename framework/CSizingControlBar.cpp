// CSizingControlBar.cpp: creation, sizing style, sizes and their settings,
// the docked and floating layouts, focus and caption state, and the
// message handlers that are not about rows, painting or dragging.
#include "framework/CSizingControlBar.h"

#include <algorithm>

#include "framework/CSCBDockContext.h"
#include "platform/AfxIds.h"
#include "platform/CDC.h"
#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"
#include "platform/CMiniDockFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBar, CHelpButtonControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETTINGCHANGE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCMOUSELEAVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_NCHITTEST()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_COMMAND(ID_HELP, OnHelpCommand)
END_MESSAGE_MAP()

BOOL CSizingControlBar::s_bClassicDocking = FALSE;

namespace {

int CALLBACK FindTahoma(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lp)
{
    *(bool*)lp = true;
    return 0;
}

// The caption font: Tahoma where it exists, else Arial. Looked for once: the
// main window makes all its bars at start-up, and each search of the screen's
// fonts costs a device context and a font enumeration.
const char* CaptionFace()
{
    static const char* const s_pszFace = [] {
        bool bTahoma = false;
        CClientDC screen(nullptr);
        ::EnumFontFamiliesA(screen, "Tahoma", FindTahoma, (LPARAM)&bTahoma);
        return bTahoma ? "Tahoma" : "Arial";
    }();
    return s_pszFace;
}

}  // namespace

CSizingControlBar::CSizingControlBar()
{
    s_bClassicDocking = FALSE;
    ReadSystemSettings();
    m_strCaptionFace = CaptionFace();
}

BOOL CSizingControlBar::Create(LPCSTR pszTitle, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                          ::GetSysColorBrush(COLOR_BTNFACE), nullptr);
    // Neighbours in a row overlap by their borders: clipped, the overlap is
    // always the upper one's, however the bars are painted.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (!CreateEx(0, pszClass, pszTitle, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_nBarID = nID;
    return TRUE;
}

int CSizingControlBar::OnCreate(LPCREATESTRUCT pcs)
{
    if (CHelpButtonControlBar::OnCreate(pcs) == -1)
        return -1;
    m_nDockBarID = (UINT)::GetDlgCtrlID(::GetParent(m_hWnd));
    return 0;
}

void CSizingControlBar::EnableDocking(DWORD dwDockStyle)
{
    if (m_dwSCBStyle & SCBS_FIXED_HEIGHT)
        dwDockStyle &= ~(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    if (m_dwSCBStyle & SCBS_FIXED_WIDTH)
        dwDockStyle &= ~(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    if (s_bClassicDocking) {
        CControlBar::EnableDocking(dwDockStyle);
        return;
    }
    // The bar's owner, to which its commands and updates go, is its dock site
    // (m_pDockSite, the frame it was made on) for its whole life.
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (!m_pDockContext)
        m_pDockContext = new CSCBDockContext(this);
}

void CSizingControlBar::SetBarSizingStyle(DWORD dwStyle)
{
    if ((dwStyle & SCBS_FIXED_HEIGHT) && (m_dwDockStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)))
        dwStyle &= ~SCBS_FIXED_HEIGHT;
    if ((dwStyle & SCBS_FIXED_WIDTH) && (m_dwDockStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)))
        dwStyle &= ~SCBS_FIXED_WIDTH;
    m_dwSCBStyle = (m_dwSCBStyle & SCBS_SIZABLE_ANY) | (dwStyle & ~(SCBS_SIZABLE_ANY | SCBS_CLASSIC_DOCKING));
    s_bClassicDocking = (dwStyle & SCBS_CLASSIC_DOCKING) != 0;
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

DWORD CSizingControlBar::ModifyBarSizingStyle(DWORD dwRemove, DWORD dwAdd)
{
    SetBarSizingStyle((GetBarSizingStyle() & ~dwRemove) | dwAdd);
    return GetBarSizingStyle();
}

DWORD CSizingControlBar::GetBarSizingStyle() const
{
    return m_dwSCBStyle | (s_bClassicDocking ? SCBS_CLASSIC_DOCKING : 0);
}

BOOL CSizingControlBar::IsDockedHorizontally() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CSizingControlBar::IsDockedVertically() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_LEFT || m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
}

BOOL CSizingControlBar::IsTrackingInRow() const
{
    if (m_nDragEdge == HTLEFT || m_nDragEdge == HTRIGHT)
        return IsDockedHorizontally();
    return IsDockedVertically();
}

BOOL CSizingControlBar::HasCaption() const
{
    return !s_bClassicDocking || !IsFloatingBar();
}

// ---- sizes -----------------------------------------------------------

namespace {

bool LockedWidth(DWORD dwStyle)
{
    return !CSizingControlBar::s_bClassicDocking && (dwStyle & SCBS_FIXED_WIDTH);
}

bool LockedHeight(DWORD dwStyle)
{
    return !CSizingControlBar::s_bClassicDocking && (dwStyle & SCBS_FIXED_HEIGHT);
}

// The least docked size of any bar: its caption with the close and help buttons.
const int kMinDockedCx = 33;
const int kMinDockedCy = 32;

}  // namespace

CSize CSizingControlBar::SetDockedSize(BOOL bHorz, int cx, int cy)
{
    CSize size = bHorz ? m_szHorz : m_szVert;
    const CSize& minSize = bHorz ? m_szFloorHorz : m_szFloorVert;
    if (!LockedWidth(m_dwSCBStyle))
        size.cx = std::max(cx, (int)minSize.cx);
    if (!LockedHeight(m_dwSCBStyle))
        size.cy = std::max(cy, (int)minSize.cy);
    GiveDockedSize(bHorz, size);
    return size;
}

void CSizingControlBar::GiveDockedSize(BOOL bHorz, CSize size)
{
    (bHorz ? m_szHorz : m_szVert) = size;
    (bHorz ? m_szHorzOwn : m_szVertOwn) = size;
}

CSize CSizingControlBar::SetMinDockedSize(BOOL bHorz, int cx, int cy)
{
    CSize& floor = bHorz ? m_szFloorHorz : m_szFloorVert;
    CSize& size = bHorz ? m_szMinHorz : m_szMinVert;
    if (!LockedWidth(m_dwSCBStyle))
        size.cx = floor.cx = std::max(cx, kMinDockedCx);
    if (!LockedHeight(m_dwSCBStyle))
        size.cy = floor.cy = std::max(cy, kMinDockedCy);
    return size;
}

CSize CSizingControlBar::GetFloatingSize() const
{
    return CSize(std::max(m_szFloat.cx, m_szMinFloat.cx), std::max(m_szFloat.cy, m_szMinFloat.cy));
}

CSize CSizingControlBar::SetFloatingSize(int cx, int cy)
{
    if (!LockedWidth(m_dwSCBStyle))
        m_szFloat.cx = std::max(cx, (int)m_szFloorFloat.cx);
    if (!LockedHeight(m_dwSCBStyle))
        m_szFloat.cy = std::max(cy, (int)m_szFloorFloat.cy);
    return GetFloatingSize();
}

CSize CSizingControlBar::SetMinFloatingSize(int cx, int cy)
{
    if (!LockedWidth(m_dwSCBStyle))
        m_szMinFloat.cx = m_szFloorFloat.cx = std::max(cx, 37);
    if (!LockedHeight(m_dwSCBStyle))
        m_szMinFloat.cy = m_szFloorFloat.cy = std::max(cy, 32);
    return m_szMinFloat;
}

CSize CSizingControlBar::GetWantedDockedSize(BOOL bHorz)
{
    const CSize own = GetOwnDockedSize(bHorz), minSize = GetMinDockedSize(bHorz);
    CSize size(std::max(own.cx, minSize.cx), std::max(own.cy, minSize.cy));
    const std::vector<int> rows = GetWholeRowHeights(bHorz);
    if (bHorz && !rows.empty() && !m_bRowsGoOn && !LockedHeight(m_dwSCBStyle))
        size.cy = std::max(rows.back(), (int)minSize.cy);
    return size;
}

// ---- the settings store ----------------------------------------------

namespace {

struct SizeKey {
    const char* cx;
    const char* cy;
};
const SizeKey kHorzKeys = {"sizeHorzCX", "sizeHorzCY"};
const SizeKey kVertKeys = {"sizeVertCX", "sizeVertCY"};
const SizeKey kFloatKeys = {"sizeFloatCX", "sizeFloatCY"};

CString StateSection(LPCSTR pszProfileName, UINT nID)
{
    CString s;
    s.Format("%s-SCBar-%d", pszProfileName, (int)nID);
    return s;
}

// Opens the application's settings store when none is open yet.
void EnsureStore(const CString& section)
{
    if (!GetSettingsStore() && AfxGetApp())
        AfxGetApp()->GetProfileInt(section, kHorzKeys.cx, 0);
}

void LoadSize(const CString& section, const SizeKey& keys, CSize& size, const CSize& minSize)
{
    size.cx = std::max((int)ProfileGetInt(section, keys.cx, size.cx), (int)minSize.cx);
    size.cy = std::max((int)ProfileGetInt(section, keys.cy, size.cy), (int)minSize.cy);
}

void SaveSize(const CString& section, const SizeKey& keys, const CSize& size)
{
    ProfileWriteInt(section, keys.cx, size.cx);
    ProfileWriteInt(section, keys.cy, size.cy);
}

}  // namespace

void CSizingControlBar::LoadState(LPCSTR pszProfileName)
{
    CString section = StateSection(pszProfileName, (UINT)GetDlgCtrlID());
    EnsureStore(section);
    // The sizes the user gave, at least the minimums the owner set.
    LoadSize(section, kHorzKeys, m_szHorzOwn, m_szFloorHorz);
    LoadSize(section, kVertKeys, m_szVertOwn, m_szFloorVert);
    LoadSize(section, kFloatKeys, m_szFloat, m_szFloorFloat);
    m_szHorz = m_szHorzOwn;
    m_szVert = m_szVertOwn;
}

void CSizingControlBar::SaveState(LPCSTR pszProfileName)
{
    CString section = StateSection(pszProfileName, (UINT)GetDlgCtrlID());
    EnsureStore(section);
    // The sizes the bar was given: the next start shares its rows out from them.
    SaveSize(section, kHorzKeys, m_szHorzOwn);
    SaveSize(section, kVertKeys, m_szVertOwn);
    SaveSize(section, kFloatKeys, m_szFloat);
}

void CSizingControlBar::GlobalLoadState(CFrameWnd* pFrame, LPCSTR pszProfileName)
{
    for (CControlBar* pBar : std::vector<CControlBar*>(pFrame->m_listControlBars)) {
        CSizingControlBar* p = DYNAMIC_DOWNCAST(CSizingControlBar, pBar);
        if (!p)
            continue;
        p->LoadState(pszProfileName);
        // The sizes take effect at the next layout, floating frames included.
        CFrameWnd* pDockingFrame = p->m_hWnd ? p->GetDockingFrame() : nullptr;
        if (pDockingFrame && pDockingFrame != pFrame)
            pDockingFrame->DelayRecalcLayout();
    }
    pFrame->DelayRecalcLayout();
}

void CSizingControlBar::GlobalSaveState(CFrameWnd* pFrame, LPCSTR pszProfileName)
{
    for (CControlBar* pBar : pFrame->m_listControlBars)
        if (CSizingControlBar* p = DYNAMIC_DOWNCAST(CSizingControlBar, pBar))
            p->SaveState(pszProfileName);
}

// ---- layouts -----------------------------------------------------------

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? m_szHorz : m_szVert;
    CSCBArray arrBars;
    GetRowBars(arrBars);
    for (CSizingControlBar* pBar : arrBars)
        pBar->RecalcDelayShow();
    if (IsVisible() && IsDockedBar() && m_bParentSizing && m_pDockBar && !arrBars.empty() && arrBars[0] == this) {
        // The room its dock bar was offered (none at all in a window too
        // small for the rows beside it); the frame's client area before the
        // dock bar was ever laid out.
        CRect rc = m_pDockBar->m_rectLayout;
        if (rc.IsRectNull() && m_pDockSite)
            m_pDockSite->GetClientRect(&rc);
        int nTotal = bHorz ? rc.Width() + 2 : rc.Height() - 2;
        int nResult = ShareRowLength(nTotal, bHorz);
        if (nResult == 0) {
            AlignRowBars();
        } else if (nResult == 2) {
            m_bParentSizing = FALSE;
            if (m_pDockSite)
                m_pDockSite->DelayRecalcLayout();
            return CSize(0, 0);
        }
    }
    m_bParentSizing = FALSE;
    CSize size = bHorz ? m_szHorz : m_szVert;
    CSize minSize = bHorz ? m_szMinHorz : m_szMinVert;
    // Along its row the length the row's sharing gave counts, cut or
    // squeezed: the row ends where its dock bar does.
    (bHorz ? minSize.cx : minSize.cy) = 0;
    return CSize(std::max(size.cx, minSize.cx), std::max(size.cy, minSize.cy));
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        if (nLength == -1)
            m_bParentSizing = TRUE;
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if (dwMode & (LM_MRUWIDTH | LM_COMMIT))
        return GetFloatingSize();
    const bool bCorner = s_bClassicDocking && IsFloatingBar() && m_pDockContext && SizeFromClassicCorner();
    if (!bCorner && (dwMode & LM_LENGTHY))
        m_szFloat.cy = nLength;
    else if (!bCorner)
        m_szFloat.cx = nLength;
    m_szFloat.cx = std::max(m_szFloat.cx, m_szMinFloat.cx);
    m_szFloat.cy = std::max(m_szFloat.cy, m_szMinFloat.cy);
    return m_szFloat;
}

CSize CSizingControlBar::CalcMinimumLayout(BOOL bHorz)
{
    CSize size = GetMinDockedSize(bHorz);
    if (!m_bCuttable)
        return size;
    // A bar with rows of text keeps its first row whole, else its caption
    // with the buttons.
    const std::vector<int> rows = GetWholeRowHeights(bHorz);
    const int cyLeast = rows.empty() ? kMinDockedCy : std::max(kMinDockedCy, rows.front());
    if (LockedWidth(m_dwSCBStyle))
        size.cx = kMinDockedCx;
    if (LockedHeight(m_dwSCBStyle))
        size.cy = std::min((int)size.cy, cyLeast);
    // Along its row a bar gives way to the caption with its buttons too.
    if (bHorz)
        size.cx = kMinDockedCx;
    else
        size.cy = std::min((int)size.cy, cyLeast);
    return size;
}

void CSizingControlBar::SetRowStops(const std::vector<int>& stops, bool bRowsGoOn)
{
    if (stops == m_rowStops && bRowsGoOn == m_bRowsGoOn)
        return;
    m_rowStops = stops;
    m_bRowsGoOn = bRowsGoOn;
    // The rows decide the bar's place: its frame lays its bars out again.
    if (m_hWnd && m_pDockSite && (GetStyle() & WS_VISIBLE))
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->DelayRecalcLayout();
}

std::vector<int> CSizingControlBar::GetWholeRowHeights(BOOL bHorz)
{
    std::vector<int> heights;
    const int cyFrame = NonClientSize(bHorz ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT).cy;
    for (int cy : m_rowStops)
        heights.push_back(cy + cyFrame);
    return heights;
}

CSize CSizingControlBar::NonClientSize(UINT nDockBarID)
{
    // The client area's calculation also places the caption's buttons and
    // marks the sizable edges for that dock bar: those of the bar's real
    // place are kept.
    const DWORD dwSizable = m_dwSCBStyle & SCBS_SIZABLE_ANY;
    const CPoint ptClose = m_ptClose, ptHelp = m_ptHelp;
    CRect rc(0, 0, 0, 0);
    CalcClientArea(rc, nDockBarID);
    m_dwSCBStyle = (m_dwSCBStyle & ~SCBS_SIZABLE_ANY) | dwSizable;
    m_ptClose = ptClose;
    m_ptHelp = ptHelp;
    return CSize(rc.left - rc.right, rc.top - rc.bottom);
}

// In classic docking the framework's floating frame is sized by its corners
// as well: both extents follow the cursor, and the outline's leading edge
// stops where the bar would fall below its minimum. False for an edge.
bool CSizingControlBar::SizeFromClassicCorner()
{
    const int nHit = m_pDockContext->m_nHitTest;
    if (nHit != HTTOPLEFT && nHit != HTTOPRIGHT && nHit != HTBOTTOMLEFT && nHit != HTBOTTOMRIGHT)
        return false;
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcFrame, rcBar;
    ::GetWindowRect(::GetParent(::GetParent(m_hWnd)), &rcFrame);
    GetWindowRect(&rcBar);
    CRect& rcDrag = m_pDockContext->m_rectFrameDragHorz;
    if (nHit == HTTOPLEFT || nHit == HTBOTTOMLEFT) {
        m_szFloat.cx = rcBar.Width() + rcFrame.left - pt.x;
        rcDrag.left = std::min(pt.x, rcFrame.left + rcBar.Width() - m_szMinFloat.cx);
    } else {
        m_szFloat.cx = rcBar.Width() + pt.x - rcFrame.right;
    }
    if (nHit == HTTOPLEFT || nHit == HTTOPRIGHT) {
        m_szFloat.cy = rcBar.Height() + rcFrame.top - pt.y;
        rcDrag.top = std::min(pt.y, rcFrame.top + rcBar.Height() - m_szMinFloat.cy);
    } else {
        m_szFloat.cy = rcBar.Height() + pt.y - rcFrame.bottom;
    }
    return true;
}

// ---- focus and caption state ---------------------------------------------

CWnd* CSizingControlBar::GetFocusScopeWnd()
{
    if (IsFloatingBar()) {
        CWnd* pFrame = GetDockingFrame();
        if (pFrame)
            return pFrame;
    }
    return this;
}

BOOL CSizingControlBar::IsCaptionActive()
{
    HWND hFocus = ::GetFocus();
    CWnd* pScope = GetFocusScopeWnd();
    return hFocus && (hFocus == pScope->m_hWnd || ::IsChild(pScope->m_hWnd, hFocus));
}

void CSizingControlBar::ShowCaptionActive(BOOL bActive, BOOL bRepaint)
{
    if (bRepaint)
        m_bActivePainted = !bActive;
    m_bActive = bActive;
    if (m_bActive != m_bActivePainted)
        SendMessage(WM_NCPAINT);
}

void CSizingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    UpdateCaptionState();
}

// The caption's active look and its buttons' hot and pushed looks, from the
// focus, the cursor and the left button: at idle time (after a click or a
// key) and as the mouse moves over and leaves the bar's non-client area
// (mouse moves do not run the idle step).
void CSizingControlBar::UpdateCaptionState()
{
    if (!HasCaption())
        return;
    HWND hCapture = ::GetCapture();
    if (hCapture && hCapture != m_hWnd)
        return;
    BOOL bActive = IsCaptionActive();
    CPoint pt;
    ::GetCursorPos(&pt);
    LRESULT nHit = HitTestBar(pt, FALSE);
    BOOL bDown = ::GetKeyState(VK_LBUTTON) < 0;
    BOOL bClosePushed = nHit == HTCLOSE && bDown, bCloseHot = nHit == HTCLOSE && !bDown;
    BOOL bHelp = (m_dwSCBStyle & SCBS_HELP_BUTTON) != 0;
    BOOL bHelpPushed = bHelp && nHit == HTHELP && bDown, bHelpHot = bHelp && nHit == HTHELP && !bDown;
    if (bActive != m_bActive || bClosePushed != m_bClosePushed || bCloseHot != m_bCloseHot ||
        bHelpPushed != m_bHelpPushed || bHelpHot != m_bHelpHot) {
        m_bActive = bActive;
        m_bClosePushed = bClosePushed;
        m_bCloseHot = bCloseHot;
        m_bHelpPushed = bHelpPushed;
        m_bHelpHot = bHelpHot;
        SendMessage(WM_NCPAINT);
    }
}

void CSizingControlBar::FocusFirstChild()
{
    HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
    if (hChild)
        ::SetFocus(hChild);
}

void CSizingControlBar::OnSetFocus(CWnd* pOldWnd)
{
    if (pOldWnd && ::IsChild(m_hWnd, pOldWnd->m_hWnd))
        m_hWndLastFocus = pOldWnd->m_hWnd;
    CHelpButtonControlBar::OnSetFocus(pOldWnd);
}

void CSizingControlBar::OnKillFocus(CWnd* pNewWnd)
{
    if (pNewWnd && ::IsChild(GetFocusScopeWnd()->m_hWnd, pNewWnd->m_hWnd))
        m_hWndLastFocus = pNewWnd->m_hWnd;
    CHelpButtonControlBar::OnKillFocus(pNewWnd);
}

// ---- other messages -------------------------------------------------------

void CSizingControlBar::OnPaint()
{
    // The client area is the hosted dialog's: nothing to paint here.
    CPaintDC dc(this);
}

// A new frame (the non-client area calculated and drawn again, which
// erases the bar with every control in it) only when the bar's place asks
// for one. Every layout of the frame puts each bar where it is: a frame
// changed each time erased every bar at once, and in a flood, where
// paints wait, they stayed blank for seconds.
void CSizingControlBar::OnWindowPosChanging(WINDOWPOS* pPos)
{
    const UINT nOldDockBarID = m_nDockBarID;
    m_nDockBarID = (UINT)::GetDlgCtrlID(::GetParent(m_hWnd));
    if (NeedsNewFrame(*pPos, nOldDockBarID))
        pPos->flags |= SWP_FRAMECHANGED;
    CHelpButtonControlBar::OnWindowPosChanging(pPos);
}

// The caption's side and buttons follow the dock bar, the sizable edges the
// bar's place in its row, the client area the size: a bar shown or hidden,
// moved to another side, moved or resized, or with new neighbours at its
// ends, gets a new frame; one put back where it stands does not.
bool CSizingControlBar::NeedsNewFrame(const WINDOWPOS& pos, UINT nOldDockBarID)
{
    if ((pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) || m_nDockBarID != nOldDockBarID)
        return true;
    CRect rc;
    GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), (POINT*)&rc, 2);
    if (!(pos.flags & SWP_NOMOVE) && (pos.x != rc.left || pos.y != rc.top))
        return true;
    if (!(pos.flags & SWP_NOSIZE) && (pos.cx != rc.Width() || pos.cy != rc.Height()))
        return true;
    return SizableEdges() != (m_dwSCBStyle & SCBS_SIZABLE_ANY);
}

DWORD CSizingControlBar::SizableEdges()
{
    // The edge facing the frame's interior, and those towards the
    // neighbours in the row (CalcClientArea adds the first too).
    static const struct {
        UINT nDockBarID;
        DWORD dwEdge;
    } kInterior[] = {{AFX_IDW_DOCKBAR_TOP, SCBS_SIZABLE_BOTTOM}, {AFX_IDW_DOCKBAR_LEFT, SCBS_SIZABLE_RIGHT},
                     {AFX_IDW_DOCKBAR_RIGHT, SCBS_SIZABLE_LEFT}, {AFX_IDW_DOCKBAR_BOTTOM, SCBS_SIZABLE_TOP}};
    DWORD dwEdges = 0;
    for (const auto& side : kInterior)
        if (m_nDockBarID == side.nDockBarID)
            dwEdges = side.dwEdge;
    if (IsDockedBar() && m_pDockBar) {
        CSCBArray arrBars;
        int nThis = -1;
        GetRowBarsAndIndex(arrBars, nThis);
        if (nThis > 0)
            dwEdges |= IsDockedHorizontally() ? SCBS_SIZABLE_LEFT : SCBS_SIZABLE_TOP;
        if (nThis >= 0 && nThis < (int)arrBars.size() - 1)
            dwEdges |= IsDockedHorizontally() ? SCBS_SIZABLE_RIGHT : SCBS_SIZABLE_BOTTOM;
    }
    return dwEdges;
}

void CSizingControlBar::OnSettingChange(UINT uFlags, LPCSTR pszSection)
{
    ReadSystemSettings();
    CHelpButtonControlBar::OnSettingChange(uFlags, pszSection);
}

void CSizingControlBar::OnSize(UINT nType, int cx, int cy)
{
    CHelpButtonControlBar::OnSize(nType, cx, cy);
    HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
    if ((m_dwSCBStyle & SCBS_FILL_CHILD) && hChild)
        ::MoveWindow(hChild, 0, 0, cx, cy, TRUE);
}

LRESULT CSizingControlBar::OnSetTextMsg(WPARAM, LPARAM lp)
{
    LRESULT lResult = Default();
    if (!(m_dwSCBStyle & SCBS_GRIPPER_LINES))
        SendMessage(WM_NCPAINT);
    CMiniDockFrameWnd* pMini = IsFloating() ? DYNAMIC_DOWNCAST(CMiniDockFrameWnd, GetDockingFrame()) : nullptr;
    if (pMini) {
        pMini->m_wndDockBar.SetWindowText((LPCSTR)lp);
        pMini->SetWindowText((LPCSTR)lp);
        pMini->DelayRecalcLayout();
    }
    return lResult;
}

void CSizingControlBar::OnHelpCommand()
{
    DWORD dwContext = 0;
    HWND hFocus = ::GetFocus();
    if (hFocus)
        dwContext = ((DWORD)m_nBarID << 16) | ((DWORD)::GetDlgCtrlID(hFocus) & 0xFFFF);
    if (dwContext)
        ShowHtmlHelp(kHHHelpContext, dwContext, m_hWnd);
    else
        ShowHtmlHelp(kHHDisplayToc, 0, m_hWnd);
}
