// VornGUIView_Panels.cpp: the console's line selection with the mouse and
// its auto-scroll timers, copying the selected lines, and find.
#include "session/VornGUIView.h"

#include "framework/MyFindRepDlg.h"
#include "platform/CCmdUI.h"
#include "platform/MessageBoxes.h"
#include "session/ConsoleCommands.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"

int CVornGUIView::LineFromPoint(int x, int y) const
{
    CPaneLines pane;
    pane.nTopLine = m_nTopLine;
    pane.nLinesFit = m_nLinesFit;
    pane.nLineCount = m_nLineCount;
    pane.nLineHeight = m_nLineHeight;
    return LineFromY(y, m_rcClient.top, m_rcClient.bottom, pane);
}

bool CVornGUIView::IsPointInSelection(int x, int y) const
{
    return m_sel.IsSelected(LineFromPoint(x, y));
}

void CVornGUIView::InvalidateLines(int nFirst, int nLast)
{
    if (nFirst > nLast)
        std::swap(nFirst, nLast);
    int nTop = std::max(nFirst, m_nTopLine) - m_nTopLine;
    int nBottom = std::min(nLast, m_nTopLine + m_nLinesFit) - m_nTopLine;
    if (nBottom < nTop)
        return;
    CRect rc(0, nTop * m_nLineHeight, m_rcClient.right, (nBottom + 1) * m_nLineHeight);
    RedrawWindow(&rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVornGUIView::UpdateSelection()
{
    m_selStored = m_sel;
    m_bMultiLine = m_sel.GetLineCount() >= 2;
    m_findOpt.bWithinSelection = m_bMultiLine;
    m_nSearchFirst = m_bMultiLine ? m_sel.GetFirst() : 0;
    m_nSearchLast = m_bMultiLine ? m_sel.GetLast() : m_nLineCount - 1;
    if (m_hFindDlg && ::IsWindow(m_hFindDlg))
        ::SendMessageA(m_hFindDlg, WM_FINDREP_REFRESH, m_bMultiLine, 0);
}

void CVornGUIView::ClearSelection(bool bUpdate)
{
    int nFirst = m_sel.GetFirst(), nLast = m_sel.GetLast();
    m_sel.Clear();
    if (nFirst >= 0)
        InvalidateLines(nFirst, nLast);
    if (bUpdate)
        UpdateSelection();
}

void CVornGUIView::ExtendSelection(int nLine, bool bUpdate)
{
    int nOldFirst = m_sel.GetFirst(), nOldLast = m_sel.GetLast();
    m_sel.ExtendTo(nLine);
    int nFirst = std::min(m_sel.GetFirst(), nOldFirst < 0 ? m_sel.GetFirst() : nOldFirst);
    int nLast = std::max(m_sel.GetLast(), nOldLast);
    InvalidateLines(nFirst, nLast);
    if (bUpdate)
        UpdateSelection();
}

LRESULT CVornGUIView::OnMouseActivateMsg(WPARAM, LPARAM)
{
    m_bHadFocus = ::GetFocus() == m_hWnd;
    return Default();
}

void CVornGUIView::OnLButtonDown(UINT, CPoint pt)
{
    m_ptDown = pt;
    KillTimer(kTimerAutoScrollFirst);
    KillTimer(kTimerAutoScrollRepeat);
    m_bAutoScrollArmed = m_bAutoScrollActive = false;
    SetFocus();
    if (m_nLineCount == 0)
        return;
    int nLine = LineFromPoint(pt.x, pt.y);
    bool bShift = (::GetKeyState(VK_LSHIFT) | ::GetKeyState(VK_RSHIFT)) & 0x8000;
    if (!m_sel.HasSelection()) {
        m_sel.SetEmptyAt(nLine);
    } else if (bShift) {
        ExtendSelection(nLine, true);
    } else if (!m_bHadFocus && IsPointInSelection(pt.x, pt.y)) {
        // The activating click keeps the selection.
        m_bHadFocus = true;
    } else {
        ClearSelection(true);
        m_sel.SetEmptyAt(nLine);
    }
}

void CVornGUIView::HandleMouseMove(CPoint pt)
{
    if (m_nLineCount == 0)
        return;
    if (::GetCapture() != m_hWnd) {
        if (!(::GetKeyState(VK_LBUTTON) & 0x8000))
            return;
        ::SetCapture(m_hWnd);
    }
    if (!m_sel.HasSelection())
        m_sel.m_nAnchor = LineFromPoint(m_ptDown.x, m_ptDown.y);
    if (m_rcClient.PtInRect(pt)) {
        ExtendSelection(LineFromPoint(pt.x, pt.y), true);
    } else if (!m_bAutoScrollArmed) {
        UINT nDelay = 0;
        ::SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &nDelay, 0);
        SetTimer(kTimerAutoScrollFirst, AutoScrollDelayMs(nDelay));
        m_bAutoScrollArmed = true;
    }
}

void CVornGUIView::OnMouseMove(UINT nFlags, CPoint pt)
{
    if (!m_bAutoScrollActive && (nFlags & MK_LBUTTON))
        HandleMouseMove(pt);
}

void CVornGUIView::OnLButtonUp(UINT, CPoint)
{
    KillTimer(kTimerAutoScrollFirst);
    KillTimer(kTimerAutoScrollRepeat);
    m_bAutoScrollArmed = m_bAutoScrollActive = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CVornGUIView::OnAutoScrollTimer()
{
    KillTimer(kTimerAutoScrollFirst);
    KillTimer(kTimerAutoScrollRepeat);
    m_bAutoScrollArmed = false;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    m_bAutoScrollActive = true;
    if (pt.y < 0 && m_nTopLine >= 1)
        SetTopLine(m_nTopLine - 1);
    else if (pt.y > m_rcClient.Height() && m_nTopLine < m_nLineCount - 1)
        SetTopLine(m_nTopLine + 1);
    if (pt.x < 0 && m_nFirstColumn >= 1) {
        --m_nFirstColumn;
        ScrollColumns(-1);
    } else if (pt.x > m_rcClient.Width() && m_nFirstColumn < m_nLongest - 1) {
        ++m_nFirstColumn;
        ScrollColumns(1);
    }
    ExtendSelection(LineFromPoint(pt.x, pt.y), true);
    if (!m_rcClient.PtInRect(pt)) {
        UINT nSpeed = 31;
        ::SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &nSpeed, 0);
        SetTimer(kTimerAutoScrollRepeat, AutoScrollRepeatMs(nSpeed));
    } else {
        m_bAutoScrollActive = false;
    }
}

void CVornGUIView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerAutoScrollFirst || nIDEvent == kTimerAutoScrollRepeat)
        OnAutoScrollTimer();
    else if (nIDEvent == kTimerShutdownWatchdog)
        OnShutdownWatchdog();
    else if (nIDEvent == kTimerFollowEndRedraw)
        OnFollowEndRedrawTimer();
    else if (nIDEvent == kTimerIplAfterLoadParm)
        OnIplTimer();
    else if (nIDEvent == kTimerFocusCmdLine)
        OnFocusCommandLineTimer();
    else if (nIDEvent == kTimerLogRetry)
        OnLogRetryTimer();
}

CString CVornGUIView::GetSelectedText() const
{
    std::string s;
    // A selection may reach one line past the document (Select All puts the
    // caret at the line count): only stored lines are copied.
    int nCount = (int)GetDocument()->GetLineCount();
    for (int i = m_sel.GetFirst(); i >= 0 && i <= m_sel.GetLast() && i < nCount; ++i) {
        s += GetDocument()->GetLine(i).str();
        s += "\r\n";
    }
    return CString(s);
}

void CVornGUIView::SetSelection(int nAnchor, int nCaret)
{
    m_sel.m_nAnchor = nAnchor;
    m_sel.m_nCaret = nCaret;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CVornGUIView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_sel.HasSelection());
}

void CVornGUIView::OnEditCopy()
{
    CString str = GetSelectedText();
    if (str.IsEmpty() || !::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)str.GetLength() + 1);
    if (h) {
        memcpy(::GlobalLock(h), str.GetString(), (size_t)str.GetLength() + 1);
        ::GlobalUnlock(h);
        if (!::SetClipboardData(CF_TEXT, h))
            ::GlobalFree(h);
    }
    ::CloseClipboard();
}

void CVornGUIView::OnUpdateFind(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nLineCount > 0);
}

// Shows the find dialog, or makes it: find only, titled "Find Message",
// with the view's text and options; no hex or regular-expression search;
// "Selection only" while two or more lines are selected.
void CVornGUIView::OnEditFind()
{
    if (m_nLineCount == 0) {
        ::MessageBeep(MB_OK);
        return;
    }
    if (m_sel.HasSelection()) {
        int nTop = TopLineShowing(m_sel.GetFirst(), m_nTopLine, m_nLinesFit);
        if (nTop != m_nTopLine)
            SetTopLine(nTop);
    }
    UpdateSelection();
    if (m_hFindDlg && ::IsWindow(m_hFindDlg)) {
        ::ShowWindow(m_hFindDlg, SW_SHOWNORMAL);
        ::SetFocus(m_hFindDlg);
        return;
    }
    CMyFindRepDlg* pDlg = new CMyFindRepDlg(this, true, kFindRepSection);
    pDlg->m_strCaption = "Find Message";
    pDlg->m_strFindText = m_strFindText;
    pDlg->m_nDirection = m_findOpt.bForward ? 1 : 0;
    pDlg->m_bMatchWord = m_findOpt.bMatchWholeWord;
    pDlg->m_bMatchCase = m_findOpt.bMatchCase;
    pDlg->m_bWrapAround = m_findOpt.bWrapAround;
    pDlg->m_bHexSearch = pDlg->m_bRegEx = FALSE;
    pDlg->m_wHideMask |= CMyFindRepDlg::kHideHexSearch | CMyFindRepDlg::kHideRegEx;
    pDlg->m_bSelectionOnly = m_bMultiLine;
    if (m_bMultiLine)
        pDlg->m_wHideMask &= (WORD)~CMyFindRepDlg::kHideSelectionOnly;
    else
        pDlg->m_wHideMask |= CMyFindRepDlg::kHideSelectionOnly;
    if (!pDlg->Create()) {
        delete pDlg;
        return;
    }
    m_hFindDlg = pDlg->m_hWnd;
    pDlg->ShowWindow(SW_SHOW);
}

void CVornGUIView::RunFind(bool bForward)
{
    m_findOpt.bForward = bForward;
    m_settings.m_bSearchFwd = bForward;
    m_strFindTitle = bForward ? "Find Next" : "Find Previous";
    if (m_nLineCount == 0) {
        ::MessageBeep(MB_OK);
        return;
    }
    if (m_strFindText.IsEmpty())
        OnEditFind();
    else
        FindInConsole();
}

void CVornGUIView::OnFindNext() { RunFind(true); }
void CVornGUIView::OnFindPrevious() { RunFind(false); }

void CVornGUIView::CloseFindDialog()
{
    if (m_hFindDlg && ::IsWindow(m_hFindDlg))
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepDestroy, 0);
    m_hFindDlg = nullptr;
}

// Find Next from the dialog takes its text and options; the dialog closes
// unless AutoHide is off, and its direction picks Next or Previous.
LRESULT CVornGUIView::OnFindReplaceNotify(WPARAM wp, LPARAM lp)
{
    if (wp == kFindRepClosing) {
        CloseFindDialog();
        SetFocus();
    } else if (wp == kFindRepFindNext && lp) {
        const CMyFindRepDlg* pDlg = (const CMyFindRepDlg*)lp;
        m_strFindText = pDlg->m_strFindText;
        m_findOpt.bMatchWholeWord = pDlg->m_bMatchWord != FALSE;
        m_findOpt.bMatchCase = pDlg->m_bMatchCase != FALSE;
        m_findOpt.bWithinSelection = pDlg->m_bSelectionOnly != FALSE;
        m_findOpt.bWrapAround = pDlg->m_bWrapAround != FALSE;
        bool bForward = pDlg->m_nDirection != 0;
        if (!(pDlg->m_wHideMask & CMyFindRepDlg::kNoAutoHide))
            CloseFindDialog();
        RunFind(bForward);
    }
    return 1;
}

// After a search the focus goes back to the find dialog when it is open.
void CVornGUIView::FocusFindDialog()
{
    SetFocus();
    if (m_hFindDlg && ::IsWindow(m_hFindDlg))
        ::SetFocus(m_hFindDlg);
}

void CVornGUIView::ShowFoundLine(int nLine)
{
    ClearSelection(false);
    int nTop = TopLineShowing(nLine, m_nTopLine, m_nLinesFit);
    if (nTop != m_nTopLine)
        SetTopLine(nTop);
    m_sel.SelectOne(nLine);
    InvalidateLines(nLine, nLine);
    SetFocus();
}

bool CVornGUIView::FindInConsole()
{
    if (m_nLineCount == 0 || m_strFindText.IsEmpty()) {
        ::MessageBeep(MB_OK);
        return false;
    }
    HCURSOR hOld = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    CFindOptions opt = m_findOpt;
    opt.bWithinSelection = opt.bWithinSelection && m_selStored.GetLineCount() >= 2;
    const CLineSelection& sel = opt.bWithinSelection ? m_selStored : m_sel;
    CFindScope scope = MakeFindScope(m_nLineCount, sel.GetFirst(), sel.GetLast(), opt);
    CVornGUIDoc* pDoc = GetDocument();
    int nFound = FindInLines([pDoc](int i) { return pDoc->GetLine(i); }, scope, m_strFindText, opt);
    ::SetCursor(hOld);
    if (m_hFindDlg && ::IsWindow(m_hFindDlg))
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepSearchDone, 0);
    if (nFound >= 0) {
        ShowFoundLine(nFound);
        FocusFindDialog();
        return true;
    }
    TDMessageBox(FindNotFoundText(m_strFindText, opt), nullptr, m_strFindTitle, MB_OK | MB_ICONINFORMATION);
    FocusFindDialog();
    if (opt.bWithinSelection) {
        m_sel = m_selStored;
        InvalidateLines(m_sel.GetFirst(), m_sel.GetLast());
    }
    return false;
}
