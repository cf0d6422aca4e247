// CHexEditTest.cpp: the hex edit control under Wine, over a callback that
// records every read and write: typing in both panes by WM_CHAR/WM_KEYDOWN
// writes the right bytes at the right addresses, caret moves, selection by
// keys and by mouse, replace-selection, the context menu's items and
// commands, scrolling, and no GDI objects left behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Afx.h"
#include "platform/CClipBoard.h"
#include "platform/CHexEdit.h"
#include "tests/platform/ShotFile.h"

namespace {

// Data of a chosen size behind the two callbacks, with a record of writes.
struct Storage {
    std::vector<BYTE> bytes;
    std::vector<std::string> writes;  // "address:hex bytes"
    int nReads = 0;

    static const BYTE* Read(void* pContext, UINT64 nAddress, UINT nLength)
    {
        Storage* s = (Storage*)pContext;
        s->nReads++;
        if (nAddress + nLength > s->bytes.size())
            return nullptr;
        return s->bytes.data() + nAddress;
    }
    static void Write(void* pContext, UINT64 nAddress, const BYTE* pData, UINT nLength)
    {
        Storage* s = (Storage*)pContext;
        char buf[32];
        snprintf(buf, sizeof(buf), "%llX:", (unsigned long long)nAddress);
        std::string rec = buf;
        for (UINT i = 0; i < nLength; i++) {
            snprintf(buf, sizeof(buf), "%02X", pData[i]);
            rec += buf;
            s->bytes[nAddress + i] = pData[i];
        }
        s->writes.push_back(rec);
    }
};

// A hex edit whose context menu and commands the test can reach.
class CTestHexEdit : public CHexEdit {
    DECLARE_MESSAGE_MAP()
public:
    std::vector<UINT> commands;
    using CHexEdit::BuildContextMenu;
    using CHexEdit::RunContextMenuCommand;

protected:
    void AddContextMenuItems(CMenu& popup) override
    {
        popup.AppendMenu(MF_SEPARATOR);
        popup.AppendMenu(MF_STRING, 33130, "Close");
    }
    void OnClose33130() { commands.push_back(33130); }
};

BEGIN_MESSAGE_MAP(CTestHexEdit, CHexEdit)
    ON_COMMAND(33130, OnClose33130)
END_MESSAGE_MAP()

void PressKey(CWnd& wnd, UINT vk, bool bShift = false, bool bCtrl = false)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = bShift ? 0x80 : 0;
    keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    wnd.SendMessage(WM_KEYDOWN, vk, 1);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

void Type(CWnd& wnd, const char* psz)
{
    for (; *psz; psz++)
        wnd.SendMessage(WM_CHAR, (BYTE)*psz, 1);
}

class HexEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.bytes.resize(1000);
        for (size_t i = 0; i < store.bytes.size(); i++)
            store.bytes[i] = (BYTE)i;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "hex", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    CRect(0, 0, 700, 300), nullptr, 0));
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 680, 260), &parent, 1600));
        HEPARMS p;
        p.dwMask = HEPM_DATASIZE | HEPM_CALLBACKS;
        p.nDataSize = store.bytes.size();
        p.pfnRead = &Storage::Read;
        p.pfnWrite = &Storage::Write;
        p.pContext = &store;
        ASSERT_TRUE(edit.SetParms(p));
        edit.SetFocus();
    }
    void TearDown() override { parent.DestroyWindow(); }

    // The client point of a cell of the row showing address nRowAddress.
    CPoint Cell(UINT nColumn, UINT64 nAddress)
    {
        CSize cell = edit.GetCellSize();
        UINT64 nRow = nAddress / edit.GetLayout().nBytesPerRow - edit.GetTopAddress() / edit.GetLayout().nBytesPerRow;
        return CPoint((int)nColumn * cell.cx + cell.cx / 2, (int)nRow * cell.cy + cell.cy / 2);
    }

    Storage store;
    CWnd parent;
    CTestHexEdit edit;
};

}  // namespace

TEST_F(HexEditTest, RowFitsTheWidthInWholeGroups)
{
    const HexEditLayout& layout = edit.GetLayout();
    EXPECT_EQ(layout.nAddrDigits, 8u);
    EXPECT_EQ(layout.nBytesPerRow % 4, 0u);
    EXPECT_GE(layout.nBytesPerRow, 16u);
    CRect rc;
    edit.GetClientRect(&rc);
    EXPECT_LE((int)layout.TotalColumns() * edit.GetCellSize().cx, rc.Width());
}

TEST_F(HexEditTest, TypingHexDigitsWritesNibblesAtTheCaret)
{
    edit.SetSel(0x10, 0x10);
    Type(edit, "A5b");
    ASSERT_EQ(store.writes.size(), 3u);
    EXPECT_EQ(store.writes[0], "10:A0");  // 0x10 with its high digit A
    EXPECT_EQ(store.writes[1], "10:A5");
    EXPECT_EQ(store.writes[2], "11:B1");  // 0x11 with its high digit B
    EXPECT_EQ(edit.GetCaretAddress(), 0x11u);
    Type(edit, "g ");  // not hex digits: nothing written
    EXPECT_EQ(store.writes.size(), 3u);
}

TEST_F(HexEditTest, TypingInTheCharPaneWritesWholeBytes)
{
    edit.SetSel(0x20, 0x20);
    PressKey(edit, VK_TAB);
    EXPECT_EQ(edit.GetActivePane(), HexPane::Char);
    Type(edit, "Hi!");
    ASSERT_EQ(store.writes.size(), 3u);
    EXPECT_EQ(store.writes[0], "20:48");
    EXPECT_EQ(store.writes[1], "21:69");
    EXPECT_EQ(store.writes[2], "22:21");
    EXPECT_EQ(edit.GetCaretAddress(), 0x23u);
}

TEST_F(HexEditTest, DialogTabLeavesTheControlAndCtrlTabStays)
{
    MSG msg = {};
    msg.hwnd = edit;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    LRESULT plain = edit.SendMessage(WM_GETDLGCODE, VK_TAB, (LPARAM)&msg);
    EXPECT_FALSE(plain & DLGC_WANTTAB);
    EXPECT_TRUE(plain & DLGC_WANTARROWS);
    EXPECT_TRUE(plain & DLGC_WANTCHARS);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    LRESULT ctrl = edit.SendMessage(WM_GETDLGCODE, VK_TAB, (LPARAM)&msg);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(ctrl & DLGC_WANTTAB);
}

TEST_F(HexEditTest, EbcdicCharPaneTranslatesTypedCharacters)
{
    HEPARMS p;
    p.dwMask = HEPM_FLAGS;
    p.dwFlags = HEF_EBCDIC;
    edit.SetParms(p);
    edit.SetActivePane(HexPane::Char);
    edit.SetSel(5, 5);
    Type(edit, "A1");
    ASSERT_EQ(store.writes.size(), 2u);
    EXPECT_EQ(store.writes[0], "5:C1");
    EXPECT_EQ(store.writes[1], "6:F1");
}

TEST_F(HexEditTest, ReadOnlyAndDisabledRefuseTyping)
{
    edit.EnableWindow(FALSE);
    Type(edit, "12");
    BYTE b = 0xEE;
    EXPECT_FALSE(edit.ReplaceSel(&b, 1));
    edit.EnableWindow(TRUE);
    HEPARMS p;
    p.dwMask = HEPM_FLAGS;
    p.dwFlags = HEF_READONLY;
    edit.SetParms(p);
    Type(edit, "12");
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(HexEditTest, ArrowsStepDigitsAndRowsAndCrossPanes)
{
    UINT nPerRow = edit.GetLayout().nBytesPerRow;
    edit.SetSel(3, 3);
    PressKey(edit, VK_RIGHT);  // low digit of 3
    PressKey(edit, VK_RIGHT);  // byte 4
    EXPECT_EQ(edit.GetCaretAddress(), 4u);
    PressKey(edit, VK_DOWN);
    EXPECT_EQ(edit.GetCaretAddress(), 4u + nPerRow);
    PressKey(edit, VK_LEFT);
    EXPECT_EQ(edit.GetCaretAddress(), 3u + nPerRow);  // high digit of 4 -> low digit of 3
    Type(edit, "F");
    char want[16];
    snprintf(want, sizeof(want), "%X:%02X", 3 + nPerRow, ((3 + nPerRow) & 0xF0) | 0x0F);
    EXPECT_EQ(store.writes.back(), want);  // the low digit of byte 3 one row down
    PressKey(edit, VK_TAB);
    PressKey(edit, VK_LEFT);
    EXPECT_EQ(edit.GetCaretAddress(), 3u + nPerRow);  // the char pane steps by bytes
    PressKey(edit, VK_HOME);
    EXPECT_EQ(edit.GetCaretAddress(), (UINT64)nPerRow);
    PressKey(edit, VK_END);
    EXPECT_EQ(edit.GetCaretAddress(), 2u * nPerRow - 1);
    PressKey(edit, VK_END, false, true);
    EXPECT_EQ(edit.GetCaretAddress(), 999u);
    PressKey(edit, VK_RIGHT);
    EXPECT_EQ(edit.GetCaretAddress(), 999u);  // stays at the end
    PressKey(edit, VK_HOME, false, true);
    EXPECT_EQ(edit.GetCaretAddress(), 0u);
    PressKey(edit, VK_UP);
    EXPECT_EQ(edit.GetCaretAddress(), 0u);
}

TEST_F(HexEditTest, ShiftArrowsAndCtrlASelect)
{
    UINT64 s, e;
    edit.SetSel(10, 10);
    PressKey(edit, VK_RIGHT, true);
    PressKey(edit, VK_RIGHT, true);
    edit.GetSel(s, e);
    EXPECT_EQ(s, 10u);
    EXPECT_EQ(e, 12u);
    PressKey(edit, VK_LEFT, true);
    PressKey(edit, VK_LEFT, true);
    PressKey(edit, VK_LEFT, true);
    edit.GetSel(s, e);
    EXPECT_EQ(s, 9u);
    EXPECT_EQ(e, 10u);
    PressKey(edit, 'A', false, true);
    edit.GetSel(s, e);
    EXPECT_EQ(s, 0u);
    EXPECT_EQ(e, 1000u);
    PressKey(edit, VK_END, false, true);
    PressKey(edit, VK_RIGHT, true);  // the last byte can be selected
    edit.GetSel(s, e);
    EXPECT_EQ(s, 999u);
    EXPECT_EQ(e, 1000u);
}

TEST_F(HexEditTest, SetSelClampsAndTypingStartsAtTheSelection)
{
    UINT64 s, e;
    edit.SetSel(990, 5000);
    edit.GetSel(s, e);
    EXPECT_EQ(s, 990u);
    EXPECT_EQ(e, 1000u);
    edit.SetSel(5000, 6000);
    edit.GetSel(s, e);
    EXPECT_EQ(s, 999u);
    EXPECT_EQ(e, 1000u);
    edit.SetSel(40, 44);
    Type(edit, "7");
    EXPECT_EQ(store.writes.back(), "28:78");  // 0x28 = 40, high digit 7 over 0x28
    edit.GetSel(s, e);
    EXPECT_EQ(s, e);  // typing leaves no selection
}

TEST_F(HexEditTest, ReplaceSelWritesAndSelectsWhatWasWritten)
{
    const BYTE rep[] = {0xC1, 0xC2, 0xC3};
    edit.SetSel(100, 102);
    ASSERT_TRUE(edit.ReplaceSel(rep, 3));
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0], "64:C1C2C3");
    UINT64 s, e;
    edit.GetSel(s, e);
    EXPECT_EQ(s, 100u);
    EXPECT_EQ(e, 103u);
    edit.SetSel(998, 1000);  // only what fits before the end
    ASSERT_TRUE(edit.ReplaceSel(rep, 3));
    EXPECT_EQ(store.writes[1], "3E6:C1C2");
    EXPECT_FALSE(edit.ReplaceSel(rep, 0));
}

TEST_F(HexEditTest, MouseClicksPickPaneByteAndDigit)
{
    const HexEditLayout& layout = edit.GetLayout();
    edit.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(Cell(layout.HexColumnOf(5) + 1, 0).x, Cell(0, 0).y));
    edit.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(edit.GetActivePane(), HexPane::Hex);
    EXPECT_EQ(edit.GetCaretAddress(), 5u);
    Type(edit, "E");
    EXPECT_EQ(store.writes.back(), "5:0E");  // the low digit
    CPoint pt = Cell(layout.CharColumn() + 2, layout.nBytesPerRow);
    edit.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
    edit.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(edit.GetActivePane(), HexPane::Char);
    EXPECT_EQ(edit.GetCaretAddress(), layout.nBytesPerRow + 2u);
}

TEST_F(HexEditTest, MouseDragSelectsWholeBytes)
{
    const HexEditLayout& layout = edit.GetLayout();
    CPoint a = Cell(layout.HexColumnOf(2), 0);
    CPoint b = Cell(layout.HexColumnOf(6) + 1, 0);
    edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.x, a.y));
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(b.x, b.y));
    edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(b.x, b.y));
    UINT64 s, e;
    edit.GetSel(s, e);
    EXPECT_EQ(s, 2u);
    EXPECT_EQ(e, 7u);
}

TEST_F(HexEditTest, ScrollingFollowsTheCaretAndTheScrollBar)
{
    EXPECT_EQ(edit.GetTopAddress(), 0u);
    edit.SetSel(900, 900);
    UINT nPerRow = edit.GetLayout().nBytesPerRow;
    EXPECT_GT(edit.GetTopAddress(), 0u);
    EXPECT_LE(edit.GetTopAddress(), 900u);
    edit.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(edit.GetTopAddress(), 0u);
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(edit.GetTopAddress(), (UINT64)nPerRow);
    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
    EXPECT_EQ(edit.GetTopAddress(), 4ull * nPerRow);
    edit.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    UINT64 nTop = edit.GetTopAddress();
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(edit.GetTopAddress(), nTop);  // the last page stays full
    EXPECT_LT(nTop, 1000u);
}

TEST_F(HexEditTest, WideAddressesAndLargeData)
{
    HEPARMS p;
    p.dwMask = HEPM_FLAGS | HEPM_DATASIZE;
    p.dwFlags = HEF_WIDEADDRESS;
    p.nDataSize = 0x200000000ULL;  // 8 GiB: the callback refuses what it lacks
    edit.SetParms(p);
    EXPECT_EQ(edit.GetLayout().nAddrDigits, 16u);
    edit.SetSel(0x1FFFFFFF0ULL, 0x1FFFFFFF0ULL);
    EXPECT_EQ(edit.GetCaretAddress(), 0x1FFFFFFF0ULL);
    edit.UpdateWindow();  // painting rows the callback cannot read
    Type(edit, "1");
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(HexEditTest, ContextMenuHoldsOwnAndAddedItemsAndRunsThem)
{
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    edit.SetSel(4, 4);
    edit.BuildContextMenu(popup);
    ASSERT_EQ(popup.GetMenuItemCount(), 4);
    EXPECT_EQ(popup.GetMenuItemID(0), (UINT)ID_HEXEDIT_COPY);
    EXPECT_TRUE(popup.GetMenuState(ID_HEXEDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);  // nothing selected
    EXPECT_EQ(popup.GetMenuItemID(1), (UINT)ID_HEXEDIT_SELECTALL);
    EXPECT_EQ(popup.GetMenuItemID(3), 33130u);
    edit.RunContextMenuCommand(33130);
    ASSERT_EQ(edit.commands.size(), 1u);
    edit.RunContextMenuCommand(ID_HEXEDIT_SELECTALL);
    UINT64 s, e;
    edit.GetSel(s, e);
    EXPECT_EQ(e - s, 1000u);
}

TEST_F(HexEditTest, CopyTakesHexOrCharactersByPane)
{
    store.bytes[0x41] = 'A';
    store.bytes[0x42] = 0x00;
    edit.SetSel(0x41, 0x44);
    edit.RunContextMenuCommand(ID_HEXEDIT_COPY);
    CString str;
    ASSERT_TRUE(CClipBoard().GetText(str));
    EXPECT_STREQ(str, "410043");
    edit.SetActivePane(HexPane::Char);
    PressKey(edit, 'C', false, true);
    ASSERT_TRUE(CClipBoard().GetText(str));
    EXPECT_STREQ(str, "A.C");
}

TEST_F(HexEditTest, PictureOfBothPanesWithASelection)
{
    HEPARMS p;
    p.dwMask = HEPM_FLAGS;
    p.dwFlags = HEF_NOHIDESEL;
    edit.SetParms(p);
    memcpy(&store.bytes[0x40], "Hello, storage!", 15);
    edit.SetSel(0x40, 0x4F);
    parent.SetForegroundWindow();
    parent.UpdateWindow();
    edit.UpdateWindow();
    EXPECT_EQ(edit.GetTopAddress(), 0u);
    SCROLLBARINFO sbi = {};
    sbi.cbSize = sizeof(sbi);
    ASSERT_TRUE(::GetScrollBarInfo(edit, OBJID_VSCROLL, &sbi));
    EXPECT_FALSE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_GT(sbi.rcScrollBar.right - sbi.rcScrollBar.left, 0);
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveWindowShot(parent, "hexedit.bmp");
}

TEST(HexEdit, CreateAndDestroyLeavesNoGdiObjects)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200),
                                nullptr, 0));
    std::vector<BYTE> data(256);
    auto create = [&]() {
        CHexEdit edit;
        ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 380, 180), &parent, 1));
        HEPARMS p;
        p.dwMask = HEPM_DATA | HEPM_DATASIZE | HEPM_FONT;
        p.pData = data.data();
        p.nDataSize = data.size();
        p.lfFont.lfHeight = -16;
        strcpy(p.lfFont.lfFaceName, "Courier New");
        edit.SetParms(p);
        edit.SetFocus();
        edit.UpdateWindow();
        edit.DestroyWindow();
    };
    create();  // the first round may load fonts and caches
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 20; i++)
        create();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
    parent.DestroyWindow();
}

TEST(HexEdit, AControlOfATemplateWorksOnceSubclassed)
{
    ASSERT_TRUE(CHexEdit::RegisterClass());
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200),
                                nullptr, 0));
    // As a dialog creates the controls its template names.
    HWND hItem = ::CreateWindowExA(0, CHexEdit::kClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 380, 180,
                                   parent, (HMENU)1600, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hItem, nullptr);
    CHexEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(1600, &parent));
    BYTE data[64] = {};
    HEPARMS p;
    p.dwMask = HEPM_DATA | HEPM_DATASIZE;
    p.pData = data;
    p.nDataSize = sizeof(data);
    ASSERT_TRUE(edit.SetParms(p));
    EXPECT_NE(edit.SendMessage(WM_GETFONT), 0);
    EXPECT_GT(edit.GetCellSize().cx, 1);
    edit.SetSel(3, 3);
    edit.SendMessage(WM_CHAR, '7', 1);
    edit.SendMessage(WM_CHAR, 'e', 1);
    EXPECT_EQ(data[3], 0x7E);  // fixed data is written in place
    parent.DestroyWindow();
}

TEST(HexEdit, SetParmsRefusesARecordOfAnotherSize)
{
    CHexEdit edit;
    HEPARMS p;
    p.cbSize = 112;
    p.dwMask = HEPM_DATASIZE;
    p.nDataSize = 5;
    EXPECT_FALSE(edit.SetParms(p));
    EXPECT_EQ(edit.GetParms().nDataSize, 0u);
}
