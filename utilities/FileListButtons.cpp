// FileListButtons.cpp: removing and moving items of a utility's file list.
#include "utilities/FileListButtons.h"

#include "config/WindowHelpers.h"
#include "platform/EnableDlgControl.h"
#include "platform/ListRowText.h"
#include "utilities/UtilityRules.h"

void CFileListButtons::Remove()
{
    HWND hList = List();
    int nSel = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nSel < 0)
        return;
    ::SendMessageA(hList, LB_DELETESTRING, (WPARAM)nSel, 0);
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)SelectionAfterRemove(nCount, nSel), 0);
    ItemsChanged();
}

void CFileListButtons::Move(int nDelta)
{
    HWND hList = List();
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    int nSel = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
    int nTarget = FileListMoveTarget(nCount, nSel, nDelta);
    if (nTarget < 0)
        return;
    CString strText = ListBoxGetText(hList, nSel);
    ::SendMessageA(hList, LB_DELETESTRING, (WPARAM)nSel, 0);
    ::SendMessageA(hList, LB_INSERTSTRING, (WPARAM)nTarget, (LPARAM)strText.GetString());
    ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)nTarget, 0);
    UpdateButtons();
}

void CFileListButtons::ItemsChanged()
{
    SetListBoxHorizontalExtent(List());
    UpdateButtons();
}

void CFileListButtons::UpdateButtons()
{
    HWND hList = List();
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    int nSel = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SFileListButtons s = FileListButtonStates(nCount, nSel);
    EnableDlgControl(::GetDlgItem(m_hDlg, (int)m_nRemove), s.bRemove);
    EnableDlgControl(::GetDlgItem(m_hDlg, (int)m_nUp), s.bMoveUp);
    EnableDlgControl(::GetDlgItem(m_hDlg, (int)m_nDown), s.bMoveDown);
}
