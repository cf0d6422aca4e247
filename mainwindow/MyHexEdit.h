// MyHexEdit.h: CMyHexEdit, the storage bar's hex view: the companion
// library's hex edit with the bar's own items in its context menu. While the
// emulator process exists the menu is the control's (Copy, Select All) with
// a separator, "Close" and "Properties..." appended, and those two commands
// go on to the bar; otherwise the bar's own menu shows. The main frame's
// Copy and Select All reach it as WM_COMMAND while it has the focus.
#pragma once

#include "platform/CHexEdit.h"

class CMyHexEdit : public CHexEdit {
    DECLARE_MESSAGE_MAP()
public:
    // The menu the control would show (for tests: its items are counted).
    void BuildMenu(CMenu& popup) { BuildContextMenu(popup); }

protected:
    void AddContextMenuItems(CMenu& popup) override;
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnBarCommand(UINT nID);
    // The main frame's Edit > Copy and Select All while the view has the focus.
    void OnEditCopy() { RunContextMenuCommand(ID_HEXEDIT_COPY); }
    void OnEditSelectAll() { RunContextMenuCommand(ID_HEXEDIT_SELECTALL); }
};
