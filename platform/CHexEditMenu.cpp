// CHexEditMenu.cpp: the hex edit control's context menu and its commands:
// Copy puts the selection on the clipboard as hex digits from the hex pane or
// as characters from the character pane; Select All.
#include <algorithm>

#include "platform/CClipBoard.h"
#include "platform/CHexEdit.h"
#include "platform/CMenu.h"
#include "platform/HexRender.h"
#include "platform/WindowHelpers.h"

namespace {

// The most bytes Copy takes, so a select-all of gigabytes stays sane.
const UINT64 kMaxCopyBytes = 0x100000;

}  // namespace

void CHexEdit::AddContextMenuItems(CMenu&)
{
}

void CHexEdit::BuildContextMenu(CMenu& popup)
{
    UINT64 nStart, nEnd;
    GetSel(nStart, nEnd);
    popup.AppendMenu(MF_STRING | (nStart == nEnd ? MF_GRAYED : 0), ID_HEXEDIT_COPY, "&Copy\tCtrl+C");
    popup.AppendMenu(MF_STRING | (m_parms.nDataSize ? 0 : MF_GRAYED), ID_HEXEDIT_SELECTALL,
                     "Select &All\tCtrl+A");
    AddContextMenuItems(popup);
}

void CHexEdit::RunContextMenuCommand(UINT nID)
{
    if (nID == ID_HEXEDIT_COPY)
        CopySelection();
    else if (nID == ID_HEXEDIT_SELECTALL)
        SetSel(0, m_parms.nDataSize);
    else if (nID != 0)
        SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

// A menu asked for from the keyboard opens at the caret.
void CHexEdit::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1) {
        point = GetCaretPoint();
        point.y += m_cell.cy;
        ClientToScreen(&point);
    }
    point = CalcContextMenuPoint(this, point);
    CMenu popup;
    if (!popup.CreatePopupMenu())
        return;
    BuildContextMenu(popup);
    UINT nID = (UINT)::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x,
                                      point.y, 0, m_hWnd, nullptr);
    RunContextMenuCommand(nID);
}

void CHexEdit::CopySelection()
{
    UINT64 nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart == nEnd)
        return;
    UINT n = (UINT)std::min(nEnd - nStart, kMaxCopyBytes);
    const BYTE* p = ReadBytes(nStart, n);
    if (!p)
        return;
    CString str = m_pane == HexPane::Hex ? MakeHex(p, n)
                                         : MakePrt(p, n, (m_parms.dwFlags & HEF_EBCDIC) != 0);
    CClipBoard(m_hWnd).SetText(str);
}
