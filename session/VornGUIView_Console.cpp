// VornGUIView_Console.cpp: the console pane's finer points: the time stamp
// of a line the view adds itself, the keyboard scroll commands that keep scrolling while their keys are held, the
// background erase that fills only what a size change exposed, and the
// shell command's target folder (command 1547).
#include "session/VornGUIView.h"

#include <algorithm>

#include "platform/BrowseForDirectory.h"
#include "platform/CDC.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "session/ConsoleCommands.h"
#include "session/ConsoleLineFormat.h"
#include "session/ConsolePaneErase.h"
#include "session/VornGUIDoc.h"

// The same stamp as the child processes' lines get on their way in.
void CVornGUIView::FormatTimestamp(CString& strText)
{
    CVornGUIDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    const CLoggingSettings& log = pDoc->GetSettings();
    strText = ::FormatTimestamp(strText.GetString(), log.m_bLogDates, log.m_bLogTimes, LocalTime()).c_str();
}

// ---- keyboard scrolling ------------------------------------------------------

bool CVornGUIView::ScrollKeysHeld(UINT nID) const
{
    switch (nID) {
    case ID_SCROLL_LINE_UP: return KeyDown(VK_CONTROL) && KeyDown(VK_UP);
    case ID_SCROLL_LINE_DOWN: return KeyDown(VK_CONTROL) && KeyDown(VK_DOWN);
    case ID_SCROLL_PAGE_UP: return KeyDown(VK_PRIOR);
    case ID_SCROLL_PAGE_DOWN: return KeyDown(VK_NEXT);
    case ID_SCROLL_COLUMN_LEFT: return KeyDown(VK_CONTROL) && KeyDown(VK_LEFT);
    case ID_SCROLL_COLUMN_RIGHT: return KeyDown(VK_CONTROL) && KeyDown(VK_RIGHT);
    case ID_SCROLL_PAGE_LEFT: return KeyDown(VK_CONTROL) && KeyDown(VK_PRIOR);
    case ID_SCROLL_PAGE_RIGHT: return KeyDown(VK_CONTROL) && KeyDown(VK_NEXT);
    default: return false;  // top and bottom go there at once
    }
}

bool CVornGUIView::ForwardArrowToCommandLine(UINT nID)
{
    if ((nID != ID_SCROLL_COLUMN_LEFT && nID != ID_SCROLL_COLUMN_RIGHT) || !m_hCmdLine ||
        ::GetFocus() != m_hCmdLine || ::GetWindowTextLengthA(m_hCmdLine) == 0)
        return false;
    ::SendMessageA(m_hCmdLine, WM_KEYDOWN, nID == ID_SCROLL_COLUMN_LEFT ? VK_LEFT : VK_RIGHT, 0);
    return true;
}

void CVornGUIView::OnScrollCommand(UINT nID)
{
    if (ForwardArrowToCommandLine(nID))
        return;
    if (nID == ID_SCROLL_PAGE_UP || nID == ID_SCROLL_PAGE_DOWN || nID == ID_SCROLL_TOP || nID == ID_SCROLL_BOTTOM)
        ClearSelection(true);
    if (!ScrollOnePass(nID)) {
        ::MessageBeep(MB_OK);
        return;
    }
    // Each pass scrolls once and looks at the keys again: holding them
    // scrolls on, with the pane brought up to date in between.
    while (ScrollKeysHeld(nID)) {
        UpdateWindow();
        if (!ScrollOnePass(nID))
            break;
    }
    RecomputeFollowEnd();
}

// ---- erasing -----------------------------------------------------------------

BOOL CVornGUIView::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    ConsoleEraseState state = {m_rcPrevErase, rc, m_nEraseMode, m_crPrevErase != m_settings.m_crBackground,
                               m_nLineHeight};
    for (const RECT& rcPart : ConsoleEraseRects(state))
        EraseRows(pDC, rcPart);
    m_rcPrevErase = rc;
    m_crPrevErase = m_settings.m_crBackground;
    m_nEraseMode = 0;
    return TRUE;
}

// Fills rcPart row by row: whole rows of selected lines take the plain
// text colour, the others (and the part row below them) the background.
// Neighbouring rows of one colour are filled in one go: each fill is a
// request to the display (under Wine, to the X server), and a flooded
// console repaints the whole pane often.
void CVornGUIView::EraseRows(CDC* pDC, const RECT& rcPart)
{
    if (m_nLineHeight <= 0 || rcPart.right <= rcPart.left)
        return;
    DWORD crSel = m_settings.m_styles[kMsgPlain].crColor;
    int yRun = 0, yRunEnd = 0;
    DWORD crRun = 0;
    for (int nRow = std::max(0, (int)rcPart.top) / m_nLineHeight; nRow * m_nLineHeight < rcPart.bottom; ++nRow) {
        int y0 = std::max(nRow * m_nLineHeight, (int)rcPart.top);
        int y1 = std::min((nRow + 1) * m_nLineHeight, (int)rcPart.bottom);
        int nLine = m_nTopLine + nRow;
        bool bSel = nRow < m_nLinesFit && nLine < m_nLineCount && m_sel.IsSelected(nLine);
        DWORD cr = bSel ? crSel : m_settings.m_crBackground;
        if (yRunEnd > yRun && cr != crRun) {
            pDC->FillSolidRect(rcPart.left, yRun, rcPart.right - rcPart.left, yRunEnd - yRun, crRun);
            yRun = yRunEnd;
        }
        if (yRunEnd == yRun)
            yRun = y0;
        crRun = cr;
        yRunEnd = y1;
    }
    if (yRunEnd > yRun)
        pDC->FillSolidRect(rcPart.left, yRun, rcPart.right - rcPart.left, yRunEnd - yRun, crRun);
}

// ---- the shell command's target folder -----------------------------------------

void CVornGUIView::OnShellTargetDirButton()
{
    CString strFolder;
    if (BrowseForDirectoryEx(m_hWnd, "Select target working directory for 'sh' (shell) command",
                             m_settings.m_strCmdTargetDir, strFolder) &&
        !strFolder.IsEmpty()) {
        m_settings.m_strCmdTargetDir = strFolder;
        ProfileWriteString("Settings", "CmdTargetDir", strFolder);
        SendCommand("]SCD=" + WindowsizedDirectory(strFolder));
        if (m_receivers.hShellDirEdit && ::IsWindow(m_receivers.hShellDirEdit))
            ::SetWindowTextA(m_receivers.hShellDirEdit, strFolder);
    }
    if (m_hCmdLine)
        ::SetFocus(m_hCmdLine);
}
