// MainFrameEdit.cpp: Copy and Select All of the console pane. Cut, Paste,
// Clear, Undo and Redo have nothing to act on and stay greyed.
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainFrameRules.h"
#include "platform/CClipBoard.h"
#include "platform/CCmdUI.h"
#include "platform/MessageBoxes.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

namespace {

int ConsoleLineCount()
{
    return g_pView && g_pView->GetDocument() ? (int)g_pView->GetDocument()->GetLineCount() : 0;
}

}  // namespace

void CMainFrame::OnEditCopy()
{
    if (!g_pView)
        return;
    const CLineSelection& sel = g_pView->GetSelection();
    if (sel.m_nAnchor == sel.m_nCaret) {
        MyMessageBeep();
        return;
    }
    LineRange r = ConsoleCopyRange(sel.m_nAnchor, sel.m_nCaret, ConsoleLineCount());
    CString text;
    for (int i = r.lo; i < r.hi; i++)
        text += g_pView->GetDocument()->GetLine(i) + "\r\n";
    CClipBoard(m_hWnd).SetText(text);
}

void CMainFrame::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    const CLineSelection* pSel = g_pView ? &g_pView->GetSelection() : nullptr;
    pCmdUI->Enable(pSel && CanCopyConsole(pSel->m_nAnchor, pSel->m_nCaret, ConsoleLineCount()));
}

void CMainFrame::OnEditSelectAll()
{
    if (g_pView)
        g_pView->SetSelection(0, ConsoleLineCount());
}

void CMainFrame::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    const CLineSelection* pSel = g_pView ? &g_pView->GetSelection() : nullptr;
    pCmdUI->Enable(pSel && CanSelectAllConsole(pSel->m_nAnchor, pSel->m_nCaret, ConsoleLineCount()));
}

void CMainFrame::OnUpdateAlwaysDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}
