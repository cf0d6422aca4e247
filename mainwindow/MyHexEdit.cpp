// MyHexEdit.cpp: the storage bar's hex view and its context menu.
#include "mainwindow/MyHexEdit.h"

#include "platform/CMenu.h"
#include "resource.h"
#include "session/VornGUIView.h"

namespace {

bool IsEmulatorRunning()
{
    return g_pView && g_pView->IsEmulatorRunning();
}

}  // namespace

BEGIN_MESSAGE_MAP(CMyHexEdit, CHexEdit)
    ON_WM_CONTEXTMENU()
    ON_COMMAND_RANGE(ID_BAR_CLOSE, ID_BAR_CLOSE, OnBarCommand)
    ON_COMMAND_RANGE(ID_BAR_PROPERTIES, ID_BAR_PROPERTIES, OnBarCommand)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
END_MESSAGE_MAP()

void CMyHexEdit::AddContextMenuItems(CMenu& popup)
{
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, ID_BAR_CLOSE, "Close");
    popup.AppendMenu(MF_STRING, ID_BAR_PROPERTIES, "Properties...");
}

// Without an emulator there is nothing to copy: the bar shows its own menu.
void CMyHexEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!IsEmulatorRunning()) {
        if (CWnd* pParent = GetParent())
            pParent->PostMessage(WM_CONTEXTMENU, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
        return;
    }
    CHexEdit::OnContextMenu(pWnd, point);
}

void CMyHexEdit::OnBarCommand(UINT nID)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}
