// MainFrameEdit.cpp: Copy and Select All of the console pane, or of the
// storage bar's hex view while it has the focus. Cut, Paste, Clear, Undo and
// Redo have nothing to act on and stay greyed.
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

// The storage bar's hex view, when it has the focus (it takes the command).
HWND CMainFrame::FocusedStorageEdit()
{
    HWND hEdit = m_wndStorageBar.m_dlg.HexEdit().m_hWnd;
    return hEdit && ::GetFocus() == hEdit ? hEdit : nullptr;
}

void CMainFrame::OnEditCopy()
{
    if (HWND hEdit = FocusedStorageEdit()) {
        ::SendMessageA(hEdit, WM_COMMAND, ID_EDIT_COPY, 0);
        return;
    }
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
    if (FocusedStorageEdit()) {
        UINT64 nStart, nEnd;
        m_wndStorageBar.m_dlg.HexEdit().GetSel(nStart, nEnd);
        pCmdUI->Enable(nStart != nEnd);
        return;
    }
    const CLineSelection* pSel = g_pView ? &g_pView->GetSelection() : nullptr;
    pCmdUI->Enable(pSel && CanCopyConsole(pSel->m_nAnchor, pSel->m_nCaret, ConsoleLineCount()));
}

void CMainFrame::OnEditSelectAll()
{
    if (HWND hEdit = FocusedStorageEdit())
        ::SendMessageA(hEdit, WM_COMMAND, ID_EDIT_SELECT_ALL, 0);
    else if (g_pView)
        g_pView->SetSelection(0, ConsoleLineCount());
}

void CMainFrame::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    if (FocusedStorageEdit()) {
        pCmdUI->Enable(m_wndStorageBar.m_dlg.HexEdit().GetParms().nDataSize != 0);
        return;
    }
    const CLineSelection* pSel = g_pView ? &g_pView->GetSelection() : nullptr;
    pCmdUI->Enable(pSel && CanSelectAllConsole(pSel->m_nAnchor, pSel->m_nCaret, ConsoleLineCount()));
}

void CMainFrame::OnUpdateAlwaysDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}
