// cdxCDynamicBarDlg.cpp: the bar dialog's tooltips, fly-by status prompts,
// menu prompts and idle update.
#include "framework/cdxCDynamicBarDlg.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "framework/CSizingControlBar.h"
#include "framework/DialogTemplateResource.h"
#include "platform/CFrameWnd.h"
#include "platform/CXBalloonMsg.h"
#include "platform/Trace.h"

BEGIN_MESSAGE_MAP(cdxCDynamicBarDlg, cdxCDynamicChildDlg)
    ON_MESSAGE(WM_INITDIALOG, OnInitBarDialogMsg)
    ON_WM_CLOSE()
    // The tooltip asks for the text of any control (the id is the control's handle).
    if (msg == WM_NOTIFY && ((NMHDR*)lp)->code == TTN_NEEDTEXTA) {
        *pResult = 0;
        OnNeedText((NMHDR*)lp, pResult);
        return true;
    }
    ON_WM_TIMER()
    ON_WM_MENUSELECT()
END_MESSAGE_MAP()

UINT cdxCDynamicBarDlg::s_nLastFlyBy = 0;
UINT cdxCDynamicBarDlg::s_nPrevFlyBy = 0;
DWORD cdxCDynamicBarDlg::s_dwFlyByFlags = 0;

namespace {

const UINT kIdsIdleMessage = 0xE001;  // "Ready"
const UINT kIdsScFirst = 0xEF00;      // prompts of the system menu's commands

// The prompt (before the newline) and the tooltip (after it) of string nID.
void LoadPromptAndTip(UINT nID, CString& strPrompt, CString& strTip)
{
    strPrompt.Empty();
    strTip.Empty();
    CString s;
    if (nID == 0 || !s.LoadString(nID))
        return;
    int nl = s.Find('\n');
    strPrompt = nl >= 0 ? s.Left(nl) : s;
    strTip = nl >= 0 ? s.Mid(nl + 1) : CString();
    strPrompt.Trim();
    strTip.Trim();
}

}  // namespace

bool cdxCDynamicBarDlg::Create(CSizingControlBar* pHostBar)
{
    m_pHostBar = pHostBar;
    m_nIDHelpDialog = m_nIDTemplate;
    m_later.clear();
    return CDialog::Create(m_nIDTemplate, pHostBar) != FALSE;
}

bool cdxCDynamicBarDlg::MakeStep(CSizingControlBar* pHostBar)
{
    const int nPerStep = GetControlsPerStep();
    if (m_hWnd)
        return MakeLaterControls((size_t)std::max(nPerStep, 1));
    if (nPerStep <= 0 || !ReadTemplate())
        return Create(pHostBar);
    std::vector<UINT> later;
    for (const SDialogTemplateItem& item : m_template.Items())
        later.push_back((UINT)item.nId);
    later.erase(later.begin(), later.begin() + std::min(later.size(), (size_t)nPerStep));
    m_later = later;
    auto bLater = [&later](UINT nID) { return std::find(later.begin(), later.end(), nID) != later.end(); };
    if (CreateWithout(pHostBar, bLater))
        return true;
    m_later.clear();
    return false;
}

bool cdxCDynamicBarDlg::MakeRemainingControls()
{
    return MakeLaterControls(m_later.size());
}

bool cdxCDynamicBarDlg::MakeLaterControls(size_t nCount)
{
    for (; nCount > 0 && !m_later.empty(); --nCount) {
        const UINT nID = m_later.front();
        HWND hCtrl = MakeTemplateControl(nID);
        if (!hCtrl)
            return false;
        m_later.erase(m_later.begin());
        OnLaterControl(nID, hCtrl);
    }
    return true;
}

// The dialog manager maps the template's dialog units in its font: a hidden
// copy of the template without its controls is made and destroyed, once for
// all templates that differ only in their size, and its base units kept.
bool cdxCDynamicBarDlg::MeasureTemplate(CWnd* pParent, SIZE& size)
{
    if (!ReadTemplate())
        return false;
    std::vector<BYTE> empty = m_template.HiddenEmptyCopy();
    const size_t kSizeOffset = 22;  // cx and cy, after the style, item count, x and y
    short cx = 0, cy = 0;
    std::memcpy(&cx, &empty[kSizeOffset], sizeof cx);
    std::memcpy(&cy, &empty[kSizeOffset + 2], sizeof cy);
    std::vector<BYTE> key = empty;
    std::fill(key.begin() + kSizeOffset, key.begin() + kSizeOffset + 4, 0);
    static std::map<std::vector<BYTE>, RECT> s_baseUnits;  // GUI thread
    auto it = s_baseUnits.find(key);
    if (it == s_baseUnits.end()) {
        HWND h = CreateMeasuringDialog(empty, pParent ? pParent->m_hWnd : nullptr);
        if (!h)
            return false;
        RECT rcUnits = {0, 0, 4, 8};
        ::MapDialogRect(h, &rcUnits);
        ::DestroyWindow(h);
        it = s_baseUnits.emplace(std::move(key), rcUnits).first;
    }
    m_sizeBaseUnits = SIZE{it->second.right, it->second.bottom};
    size = SIZE{::MulDiv(cx, m_sizeBaseUnits.cx, 4), ::MulDiv(cy, m_sizeBaseUnits.cy, 8)};
    return true;
}

// As the dialog manager maps them: each coordinate times the base unit,
// over 4 across and 8 down.
void cdxCDynamicBarDlg::MapTemplateRect(RECT* pRect) const
{
    if (m_hWnd) {
        ::MapDialogRect(m_hWnd, pRect);
        return;
    }
    pRect->left = ::MulDiv(pRect->left, m_sizeBaseUnits.cx, 4);
    pRect->right = ::MulDiv(pRect->right, m_sizeBaseUnits.cx, 4);
    pRect->top = ::MulDiv(pRect->top, m_sizeBaseUnits.cy, 8);
    pRect->bottom = ::MulDiv(pRect->bottom, m_sizeBaseUnits.cy, 8);
}

bool cdxCDynamicBarDlg::ReadTemplate()
{
    return !m_template.Items().empty() || LoadDialogTemplate(m_nIDTemplate, m_template);
}

bool cdxCDynamicBarDlg::CreateWithout(CSizingControlBar* pHostBar, const std::function<bool(UINT nID)>& bLater)
{
    m_pHostBar = pHostBar;
    m_nIDHelpDialog = m_nIDTemplate;
    if (!ReadTemplate())
        return false;
    std::vector<BYTE> now = m_template.Filtered([&](const SDialogTemplateItem& item) { return !bLater(item.nId); });
    return CDialog::CreateIndirect(now.data(), pHostBar) != FALSE;
}

bool cdxCDynamicBarDlg::ShownControlRect(UINT nID, RECT& rc)
{
    HWND hCtrl = ::GetDlgItem(m_hWnd, (int)nID);
    if (!hCtrl || !(::GetWindowLongA(hCtrl, GWL_STYLE) & WS_VISIBLE))
        return false;
    ::GetWindowRect(hCtrl, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rc, 2);
    return true;
}

void cdxCDynamicBarDlg::SetHostRowStops(UINT nFirstId, int nCount)
{
    m_nRowFirstId = nFirstId;
    m_nRowControls = nCount;
    UpdateHostRowStops();
}

void cdxCDynamicBarDlg::UpdateHostRowStops()
{
    if (!m_pHostBar || !m_hWnd)
        return;
    if (m_nRowControls <= 0) {
        // A dialog laid out for its fonts without rows of its own (a list
        // that scrolls, under what stands above it) is whole from its least
        // size on, and shows nothing below that.
        if (m_bLayoutSizes)
            m_pHostBar->SetRowStops({0, (int)m_szMin.cy}, true);
        return;
    }
    std::vector<RECT> controls;
    RECT rc;
    for (int i = 0; i < m_nRowControls; i++)
        if (ShownControlRect(m_nRowFirstId + (UINT)i, rc))
            controls.push_back(rc);
    std::sort(controls.begin(), controls.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    std::vector<RECT> rows;  // each row's top and bottom
    for (const RECT& r : controls) {
        if (rows.empty() || r.top >= rows.back().bottom)
            rows.push_back(r);
        else
            rows.back().bottom = std::max(rows.back().bottom, r.bottom);
    }
    // No row shown (no processor yet): the bar shows nothing, whole.
    std::vector<int> stops = {0};
    if (!rows.empty()) {
        stops.clear();
        // The gap below a row never reaches the next row (dialog units map
        // to gaps a pixel apart), nor, below the last, past the dialog.
        const int nGap = std::max(0L, rows.size() > 1 ? rows[1].top - rows[0].bottom : rows[0].top);
        for (size_t i = 0; i < rows.size(); i++) {
            int nEnd = i + 1 < rows.size() ? (int)rows[i + 1].top : std::max((int)rows[i].bottom, (int)m_szInitial.cy);
            stops.push_back(std::min((int)rows[i].bottom + nGap, nEnd));
        }
    }
    m_pHostBar->SetRowStops(stops);
}

HWND cdxCDynamicBarDlg::MakeTemplateControl(UINT nID)
{
    const SDialogTemplateItem* pItem = m_hWnd ? m_template.Find(nID) : nullptr;
    HWND hCtrl = pItem ? CreateTemplateControl(m_hWnd, *pItem) : nullptr;
    if (!hCtrl)
        return nullptr;
    if (IsActive())
        AddSzControlFromMap(hCtrl, nID);
    if (m_wndToolTip.m_hWnd && (m_dwBarStyle & (CBRS_TOOLTIPS | CBRS_FLYBY)))
        m_wndToolTip.AddWindowTool(CWnd::FromHandle(hCtrl), LPSTR_TEXTCALLBACKA);
    m_controls.clear();  // listed afresh at the next idle update
    return hCtrl;
}

void cdxCDynamicBarDlg::UpdateControlsUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    bool bListed = !m_controls.empty();
    for (const SDialogControl& control : m_controls)
        bListed = bListed && ::IsWindow(control.hWnd) && ::GetParent(control.hWnd) == m_hWnd;
    if (!bListed)
        m_controls = GetDialogControls();
    UpdateDialogControls(m_controls, pTarget, bDisableIfNoHndler);
}

DWORD cdxCDynamicBarDlg::GetHostBarStyle()
{
    return m_pHostBar ? m_pHostBar->GetBarStyle() : 0;
}

void cdxCDynamicBarDlg::UpdateToolTips()
{
    m_dwBarStyle = GetHostBarStyle();
    bool bTools = (m_dwBarStyle & (CBRS_TOOLTIPS | CBRS_FLYBY)) != 0;
    if (!m_hWnd || (!m_wndToolTip.m_hWnd && !(bTools && ::IsWindowVisible(m_hWnd) && MakeToolTip())))
        return;
    // No tools to remove: no walk over the controls (a server call each
    // under Wine); a bar is made without the tooltip style and gets it next.
    if (!bTools && m_wndToolTip.GetToolCount() == 0)
        return;
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (bTools) {
            m_wndToolTip.AddWindowTool(CWnd::FromHandle(h), LPSTR_TEXTCALLBACKA);
            continue;
        }
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = m_hWnd;
        ti.uId = (UINT_PTR)h;
        ::SendMessageA(m_wndToolTip.m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
    }
}

// The dialog manager gives the focus to the first control when
// WM_INITDIALOG answers TRUE. A bar's dialog is made beside the window the
// user works in (a saved layout's bars as the main window shows, a hidden
// bar's in the background, a bar the View menu shows): it leaves the focus
// where it is. Else the keys typed from the window's first moment went into
// the bar, and a floating bar's frame took the activation from the main
// window. A click or a key gives a bar the focus.
LRESULT cdxCDynamicBarDlg::OnInitBarDialogMsg(WPARAM, LPARAM)
{
    OnInitDialog();
    return FALSE;
}

BOOL cdxCDynamicBarDlg::OnInitDialog()
{
    cdxCDynamicChildDlg::OnInitDialog();
    m_controls.clear();
    UpdateToolTips();
    return TRUE;
}

// A tooltip window costs as much as a few controls: a dialog made inside a
// window not yet shown (the main window's bars while it is built) makes it
// with the first mouse message that reaches it.
bool cdxCDynamicBarDlg::MakeToolTip()
{
    if (!m_wndToolTip.Create(this))
        return false;
    ::SetWindowPos(m_wndToolTip.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    m_wndToolTip.SetDelayTime(TTDT_INITIAL, 50);
    m_wndToolTip.SetDelayTime(TTDT_RESHOW, 50);
    m_nAutoPopDelay = (UINT)::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0);
    return true;
}

BOOL cdxCDynamicBarDlg::PreTranslateMessage(MSG* pMsg)
{
    UINT m = pMsg->message;
    bool bMouse = m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE || m == WM_MOUSEHOVER || m == WM_NCMOUSEHOVER ||
                  m == WM_MOUSELEAVE || m == WM_NCMOUSELEAVE;
    if (bMouse && !m_wndToolTip.m_hWnd && (m_dwBarStyle & (CBRS_TOOLTIPS | CBRS_FLYBY)))
        UpdateToolTips();
    if (m_wndToolTip.m_hWnd) {
        MSG msg = *pMsg;
        if (bMouse) {
            // The tool is the window under the point, with the point in its client coordinates.
            POINT pt = pMsg->pt;
            HWND hFound = (HWND)::SendMessageA(m_wndToolTip.m_hWnd, TTM_WINDOWFROMPOINT, 0, (LPARAM)&pt);
            if (hFound) {
                msg.hwnd = hFound;
                ::ScreenToClient(hFound, &pt);
                msg.lParam = MAKELPARAM(pt.x, pt.y);
            }
        }
        m_wndToolTip.RelayEvent(&msg);
    }
    return cdxCDynamicChildDlg::PreTranslateMessage(pMsg);
}

void cdxCDynamicBarDlg::ShowStatusText(UINT nID, bool bAutoClear)
{
    CString strPrompt, strTip;
    LoadPromptAndTip(nID, strPrompt, strTip);
    CFrameWnd* pFrame = m_pHostBar ? m_pHostBar->m_pDockSite : nullptr;
    if (!pFrame)
        pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetTopLevelParent());
    if (pFrame)
        pFrame->SetMessageText(strPrompt);
    if (bAutoClear) {
        s_dwFlyByFlags &= ~kFlyByMenuFlag;
        SetTimer(IDT_BARDLG_FLYBY, m_nAutoPopDelay);
    } else {
        s_dwFlyByFlags |= kFlyByMenuFlag;
    }
}

void cdxCDynamicBarDlg::OnNeedText(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
    UINT nID = (pInfo->uFlags & TTF_IDISHWND) ? (UINT)::GetDlgCtrlID((HWND)pNMHDR->idFrom) : (UINT)pNMHDR->idFrom;
    CString strPrompt, strTip;
    LoadPromptAndTip(nID, strPrompt, strTip);
    if (strPrompt.IsEmpty())
        nID = 0;
    m_dwBarStyle = GetHostBarStyle();
    // A balloon that shows (What's This, a field's error) is never covered:
    // without a text the tooltip stays hidden, and shows again once the
    // balloon has gone.
    if ((m_dwBarStyle & CBRS_TOOLTIPS) && !strTip.IsEmpty() && !CXBalloonMsg::GetShowing()) {
        lstrcpynA(pInfo->szText, strTip.Left(79), (int)sizeof(pInfo->szText));
        pInfo->lpszText = pInfo->szText;
        ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if ((m_dwBarStyle & CBRS_FLYBY) && nID != s_nLastFlyBy) {
        s_nLastFlyBy = nID;
        ShowStatusText(nID ? nID : kIdsIdleMessage, true);
    }
    *pResult = 0;
}

void cdxCDynamicBarDlg::OnTimer(UINT_PTR nIDEvent)
{
    OnLayoutTimer(nIDEvent);
    if (nIDEvent != IDT_BARDLG_FLYBY)
        return;
    KillTimer(IDT_BARDLG_FLYBY);
    if (!(GetHostBarStyle() & CBRS_FLYBY) || s_nPrevFlyBy == s_nLastFlyBy)
        return;
    s_nPrevFlyBy = s_nLastFlyBy;
    if (!(s_dwFlyByFlags & kFlyByMenuFlag)) {
        CString strPrompt, strTip;
        LoadPromptAndTip(kIdsIdleMessage, strPrompt, strTip);
        CFrameWnd* pFrame = m_pHostBar ? m_pHostBar->m_pDockSite : nullptr;
        if (pFrame)
            pFrame->SetMessageText(strPrompt);
    }
    s_dwFlyByFlags = 0;
    s_nLastFlyBy = s_nPrevFlyBy = 0;
}

void cdxCDynamicBarDlg::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && !hSysMenu)
        ShowStatusText(kIdsIdleMessage, false);
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        ShowStatusText(((nItemID - 0xF000) >> 4) + kIdsScFirst, false);
    else if (nFlags & (MF_POPUP | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK))
        ShowStatusText(0, false);
    else
        ShowStatusText(nItemID, false);
}
