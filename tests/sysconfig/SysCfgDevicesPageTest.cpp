// SysCfgDevicesPageTest.cpp: the Devices page in the real dialog, with a
// double standing for the device definition dialogs: additions by class at
// their proposed numbers and places, edits, removals with their queued
// "detach" commands, the context line and menu (from the mouse and the
// keyboard), the load unit shared with the Options page, and the page's own
// check.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "platform/CDC.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "tests/support/ShownMenu.h"
#include "tests/support/StalePixels.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

// Stands for the device definition dialogs: records what it was given and
// answers as a dialog closed with OK (a command, and an edit of the
// device) or with Cancel.
struct DeviceDialogDouble {
    struct Call {
        CVornDevice dev;
        SysCfgDeviceDialogRun run;
        std::string strCwd;  // the current directory the dialog opened in
    };
    std::vector<Call> calls;
    bool bOk = true;
    std::function<void(CVornDevice&)> edit;  // what the user changes

    bool operator()(CVornDevice& dev, CString& strCommand, const SysCfgDeviceDialogRun& run)
    {
        char sz[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, sz);
        calls.push_back({dev, run, sz});
        if (!bOk)
            return false;
        if (edit)
            edit(dev);
        if (run.bAdd)
            strCommand.Format("attach %s %04X %s", (LPCSTR)FormatDevnum(dev.GetKey()), dev.m_wDevType,
                              (LPCSTR)dev.m_strFirstArg);
        else
            strCommand.Format("devinit %s %s", (LPCSTR)FormatDevnum(dev.GetKey()), (LPCSTR)dev.m_strFirstArg);
        return true;
    }
};

struct SysCfgDevices : SysCfgDialogFixture {
    std::shared_ptr<DeviceDialogDouble> dialogs = std::make_shared<DeviceDialogDouble>();

    SysCfgDevices()
    {
        CString strError;
        dlg->m_config.AddDevice("0190 3505 deck.txt", strError);
        dlg->m_config.AddDevice("1:0190 3505 deck1.txt", strError);
        dlg->m_config.AddDevice("0E20 OSA iface 192.168.0.2", strError);
        dlg->m_config.m_strLoadUnit = "0120";
        dlg->m_nStartPage = kSysCfgDevicesPage;
        auto d = dialogs;
        dlg->m_defineDevice = [d](CVornDevice& dev, CString& strCommand, const SysCfgDeviceDialogRun& run) {
            return (*d)(dev, strCommand, run);
        };
    }

    CSysCfgDevicesPage& Page() { return dlg->m_DevicesPage; }
    HWND PageWnd() { return dlg->m_DevicesPage.m_hWnd; }
    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        CListBox& list = Page().List();
        for (int i = 0; i < list.GetCount(); ++i) {
            CString str;
            list.GetText(i, str);
            char sz[16];
            snprintf(sz, sizeof sz, "%X", (unsigned)list.GetItemData(i));
            // The statement's columns collapsed to single blanks.
            std::string strLine = std::string(sz) + " ";
            for (const char* p = str.GetString(); *p; ++p)
                if (*p != ' ' || strLine.back() != ' ')
                    strLine += *p;
            lines.push_back(strLine);
        }
        return lines;
    }
    std::vector<std::string> Pending()
    {
        std::vector<std::string> commands;
        for (const CString& str : Page().Pending().Commands())
            commands.push_back(str.GetString());
        return commands;
    }
    void SelectOnly(std::initializer_list<int> lines)
    {
        CListBox& list = Page().List();
        list.SetSel(-1, FALSE);
        for (int n : lines)
            list.SetSel(n, TRUE);
        ::SendMessageA(PageWnd(), WM_COMMAND, MAKEWPARAM(IDC_DEVICES_LIST, LBN_SELCHANGE), (LPARAM)list.m_hWnd);
    }
    // A right-click on line nLine as the list reports it to the page.
    void RightClickLine(int nLine)
    {
        CListBox& list = Page().List();
        RECT rc = {};
        ::SendMessageA(list.m_hWnd, LB_GETITEMRECT, (WPARAM)nLine, (LPARAM)&rc);
        POINT pt = {rc.left + 5, (rc.top + rc.bottom) / 2};
        ::MapWindowPoints(list.m_hWnd, PageWnd(), &pt, 1);
        ::SendMessageA(PageWnd(), WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(pt.x, pt.y));
    }
    // The context menu's state as the page sets it when the menu opens.
    std::string MenuState()
    {
        CMenu menu;
        menu.LoadMenu(IDR_DEVICES_MENU);
        HMENU hPopup = ::GetSubMenu(menu.m_hMenu, 0);
        ::SendMessageA(PageWnd(), WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
        std::string str;
        for (UINT nID : {ID_DEVICES_MANUAL_EDIT, ID_DEVICES_PROPERTIES, ID_DEVICES_SET_LOAD_UNIT}) {
            UINT n = ::GetMenuState(hPopup, nID, MF_BYCOMMAND);
            str += (n & MF_GRAYED) ? "-" : "E";
            str += (n & MF_CHECKED) ? "v" : "";
        }
        return str;
    }
    void Command(UINT nID) { ::SendMessageA(PageWnd(), WM_COMMAND, nID, 0); }
};

}  // namespace

TEST_F(SysCfgDevices, LinesByClassThenKeyWithItemData)
{
    Run([&](HWND) {
        EXPECT_EQ(Lines(), (std::vector<std::string>{"190 0190 3505 deck.txt", "10190 1:0190 3505 deck1.txt",
                                                     "120 0120 3390 disk.cckd", "E20 0E20 OSA iface 192.168.0.2"}));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(PageWnd(), IDC_DEVICES_REMOVE)));
        // The last reader in list order is the reader prototype.
        EXPECT_EQ(Page().Prototype(DEVCLASS_RDR).GetKey(), 0x10190u);
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        // The list's font.
        HFONT hFont = (HFONT)::SendMessageA(Page().List().m_hWnd, WM_GETFONT, 0, 0);
        LOGFONTA lf = {};
        ::GetObjectA(hFont, sizeof lf, &lf);
        EXPECT_STREQ(lf.lfFaceName, "Courier New");
        EXPECT_TRUE(Page().List().m_bHasHighlight);
        EXPECT_EQ(Page().List().m_wHighlightDevnum, 0x0120);
    });
}

TEST_F(SysCfgDevices, AddsAtTheProposedNumberAndPlace)
{
    Run([&](HWND) {
        Press(PageWnd(), IDC_DEVICES_PUNCH);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        const auto& call = dialogs->calls[0];
        EXPECT_TRUE(call.run.bAdd);
        EXPECT_FALSE(call.run.bManualEdit);
        ASSERT_TRUE(call.run.pRouter != nullptr);
        EXPECT_TRUE(call.run.pRouter->IsDevNumDefined(0x0120));
        EXPECT_FALSE(call.run.pRouter->IsDevNumDefined(0x000E));
        // The default punch is 000C; 000D is free.
        EXPECT_EQ(call.dev.GetKey(), 0x000Du);
        EXPECT_EQ(call.dev.m_wClass, DEVCLASS_PCH);
        EXPECT_EQ(Lines()[2].rfind("D 000D 3525 ", 0), 0u) << Lines()[2];
        EXPECT_EQ(Page().List().GetSel(2), 1);
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        // Adapters: the next even number.
        Press(PageWnd(), IDC_DEVICES_COMM);
        EXPECT_EQ(dialogs->calls.back().dev.GetKey(), 0x0E22u);
        // Cancelled: nothing changes, nothing is queued.
        dialogs->bOk = false;
        Press(PageWnd(), IDC_DEVICES_READER);
        EXPECT_EQ(dialogs->calls.back().dev.GetKey(), 0x10191u);
        EXPECT_EQ(Lines().size(), 6u);
        ASSERT_EQ(Pending().size(), 2u);
        EXPECT_EQ(Pending()[0], "attach 000D 3525 " + std::string(dialogs->calls[0].dev.m_strFirstArg));
        EXPECT_EQ(Pending()[1].rfind("attach 0E22 ", 0), 0u) << Pending()[1];
    });
    EXPECT_EQ(dialogs->calls.size(), 3u);
}

// The last terminal is the SYSG console, of which there is only one: a new
// terminal is proposed as a 3270 at a free number.
TEST_F(SysCfgDevices, ATerminalAfterTheSysgConsoleIsA3270)
{
    CString strError;
    dlg->m_config.AddDevice("0000 SYSG", strError);
    Run([&](HWND) {
        EXPECT_TRUE(Page().Prototype(DEVCLASS_3270).m_bSysg);
        Press(PageWnd(), IDC_DEVICES_TERMINAL);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        const CVornDevice& dev = dialogs->calls[0].dev;
        EXPECT_FALSE(dev.m_bSysg);
        EXPECT_STREQ(dev.m_strTypeWord, "3270");
        EXPECT_EQ(dev.m_wDevType, 0x3270);
        EXPECT_EQ(dev.GetKey(), 0x0001u);
    });
}

// A new disk starts from the last disk, but not from its serial number or
// its shadow file.
TEST_F(SysCfgDevices, ANewDiskTakesNeitherSerialNorShadowFile)
{
    CString strError;
    ASSERT_TRUE(dlg->m_config.AddDevice("0121 3390 d2.cckd cu=3990-6 sf=d2_Shadow_0.cckd ser=000000012345", strError));
    Run([&](HWND) {
        Press(PageWnd(), IDC_DEVICES_DISK);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        const CVornDevice& dev = dialogs->calls[0].dev;
        EXPECT_EQ(dev.GetKey(), 0x0122u);
        EXPECT_STREQ(dev.m_strFirstArg, "d2.cckd");
        EXPECT_STREQ(dev.m_strOtherArgs, "cu=3990-6");
        ASSERT_TRUE(dev.GetDasdParms() != nullptr);
        EXPECT_STREQ(dev.GetDasdParms()->m_strSerial, "");
        EXPECT_FALSE(dev.GetDasdParms()->m_bHasShadowFile);
        // The disk it started from keeps both.
        CVornDevice first;
        ASSERT_TRUE(dlg->m_config.m_devices.Lookup(0x0121, first));
        EXPECT_STREQ(first.m_strOtherArgs, "cu=3990-6 sf=d2_Shadow_0.cckd ser=000000012345");
    });
}

// A dialog that hands back a number already in the list: its line is
// replaced, so no device shows twice.
TEST_F(SysCfgDevices, AnAddOfATakenNumberReplacesItsLine)
{
    dialogs->edit = [](CVornDevice& dev) {
        dev.m_bLcss = 0;
        dev.m_wDevnum = 0x0190;
        dev.m_strFirstArg = "other.txt";
    };
    Run([&](HWND) {
        Press(PageWnd(), IDC_DEVICES_READER);
        std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], "190 0190 3505 other.txt");
        EXPECT_EQ(dlg->m_config.m_devices.GetCount(), 4);
    });
}

// A dialog that hands back another number: the old line goes, the new one
// stands where its number sorts, and the list shows them as a fresh paint.
TEST_F(SysCfgDevices, AnEditToAnotherNumberMovesItsLine)
{
    dialogs->edit = [](CVornDevice& dev) { dev.m_wDevnum = 0x0121; };
    Run([&](HWND) {
        SelectOnly({2});
        ::SendMessageA(PageWnd(), WM_COMMAND, MAKEWPARAM(IDC_DEVICES_LIST, LBN_DBLCLK), (LPARAM)Page().List().m_hWnd);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        EXPECT_EQ(Lines()[2], "121 0121 3390 disk.cckd");
        EXPECT_EQ(Lines().size(), 4u);
        CVornDevice old;
        EXPECT_FALSE(dlg->m_config.m_devices.Lookup(0x0120, old));
        RECT rcList;
        ::GetWindowRect(Page().List().m_hWnd, &rcList);
        EXPECT_EQ(vorntest::StalePixelsIn(Page().List().m_hWnd, rcList), "");
    });
}

TEST_F(SysCfgDevices, RemovalQueuesDetachLastFirst)
{
    Run([&](HWND hDlg) {
        SelectOnly({0, 1, 3});
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(PageWnd(), IDC_DEVICES_REMOVE)));
        Press(PageWnd(), IDC_DEVICES_REMOVE);
        EXPECT_EQ(Pending(), (std::vector<std::string>{"detach 0E20", "detach 1:0190", "detach 0190"}));
        EXPECT_EQ(Lines(), (std::vector<std::string>{"120 0120 3390 disk.cckd"}));
        EXPECT_EQ(Page().List().GetSel(0), 1);
        EXPECT_EQ(dlg->m_config.m_devices.GetCount(), 1);
        // The last one: the page refuses its apply.
        SelectOnly({0});
        Press(PageWnd(), IDC_DEVICES_REMOVE);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(PageWnd(), IDC_DEVICES_REMOVE)));
        EXPECT_EQ(Apply(hDlg), "Devices: Configuration contains no devices");
    });
    // The emulator does not run: nothing was sent, nothing applied.
    EXPECT_TRUE(view.m_received.empty());
}

// A range with the widest line: the lines and devices after it stay, the
// detach commands go last line first, the line at the range's end is
// selected, the list scrolls only as far as its widest line left, and a
// line's menu still acts on its own device.
TEST_F(SysCfgDevices, RemovingARangeLeavesTheRightDevicesAndCommands)
{
    CString strError;
    dlg->m_config.AddDevice("000E 1403 printer_file_with_a_long_name_\xe9t\xe9.txt", strError);
    for (int n = 0; n < 12; ++n) {
        CString strStmt;
        strStmt.Format("%04X 3270", 0x0A00 + n);
        dlg->m_config.AddDevice(strStmt, strError);
    }
    Run([&](HWND) {
        CListBox& list = Page().List();
        auto WidestPlus5 = [&] {
            CClientDC dc(&list);
            CDCSelect font(dc, (HFONT)list.SendMessage(WM_GETFONT));
            LONG nWidest = 0;
            for (int i = 0; i < list.GetCount(); ++i) {
                CString str;
                list.GetText(i, str);
                SIZE size = {};
                ::GetTextExtentPoint32A(dc, str, str.GetLength(), &size);
                nWidest = std::max(nWidest, size.cx);
            }
            return nWidest + 5;
        };
        ASSERT_EQ(Lines().size(), 17u);
        EXPECT_EQ(Lines()[2].rfind("E 000E 1403 ", 0), 0u) << Lines()[2];
        EXPECT_EQ(list.SendMessage(LB_GETHORIZONTALEXTENT), WidestPlus5());
        SelectOnly({2, 3, 4, 5, 6, 7, 8});
        Press(PageWnd(), IDC_DEVICES_REMOVE);
        EXPECT_EQ(Pending(), (std::vector<std::string>{"detach 0A05", "detach 0A04", "detach 0A03", "detach 0A02",
                                                        "detach 0A01", "detach 0A00", "detach 000E"}));
        EXPECT_EQ(Lines(), (std::vector<std::string>{"190 0190 3505 deck.txt", "10190 1:0190 3505 deck1.txt",
                                                     "A06 0A06 3270", "A07 0A07 3270", "A08 0A08 3270",
                                                     "A09 0A09 3270", "A0A 0A0A 3270", "A0B 0A0B 3270",
                                                     "120 0120 3390 disk.cckd", "E20 0E20 OSA iface 192.168.0.2"}));
        EXPECT_EQ(dlg->m_config.m_devices.GetCount(), 10);
        EXPECT_EQ(list.GetSelCount(), 1);
        EXPECT_EQ(list.GetSel(8), 1);
        EXPECT_EQ(list.SendMessage(LB_GETHORIZONTALEXTENT), WidestPlus5());
        EXPECT_TRUE(IsPageMarkedModified(*dlg, kSysCfgDevicesPage));
        RightClickLine(7);
        Command(ID_DEVICES_PROPERTIES);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        EXPECT_EQ(dialogs->calls[0].dev.GetKey(), 0x0A0Bu);
    });
}

// The Options page made only when it is shown (it is made for the load
// unit, and shows it as a change).
TEST_F(SysCfgDevices, ContextLineMenuAndLoadUnit)
{
    dlg->MakePageWhenShown(&dlg->m_DevOptsPage);
    Run([&](HWND) {
        EXPECT_EQ(MenuState(), "---");
        RightClickLine(1);
        EXPECT_EQ(Page().ContextIndex(), 1);
        EXPECT_EQ(Page().List().GetSelCount(), 1);
        EXPECT_EQ(MenuState(), "EEE");
        Command(ID_DEVICES_SET_LOAD_UNIT);
        // Device 1:0190: the load unit is 0190, shown on the Options page,
        // which is modified; the Devices page is not.
        EXPECT_EQ(dlg->m_config.m_strLoadUnit, "0190");
        EXPECT_EQ(ItemText(dlg->m_DevOptsPage.m_hWnd, IDC_DEVOPTS_LOADUNIT), "0190");
        EXPECT_TRUE(IsPageMarkedModified(*dlg, kSysCfgDevOptsPage));
        EXPECT_FALSE(IsPageMarkedModified(*dlg, kSysCfgDevicesPage));
        EXPECT_EQ(Page().List().m_wHighlightDevnum, 0x0190);
        EXPECT_EQ(MenuState(), "EE-v");
        // Line 0190 of channel subsystem 0 is the load unit as well.
        RightClickLine(0);
        EXPECT_EQ(MenuState(), "EE-v");
        // Typed on the Options page, the load unit reaches the list.
        TypeText(dlg->m_DevOptsPage.m_hWnd, IDC_DEVOPTS_LOADUNIT, "0E20");
        EXPECT_EQ(Page().List().m_wHighlightDevnum, 0x0E20);
        EXPECT_EQ(MenuState(), "EEE");
        // A click below the last line: no context line.
        CListBox& list = Page().List();
        RECT rc = {};
        list.GetClientRect(&rc);
        POINT pt = {5, rc.bottom - 3};
        ::MapWindowPoints(list.m_hWnd, PageWnd(), &pt, 1);
        ::SendMessageA(PageWnd(), WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(Page().ContextIndex(), -1);
        EXPECT_EQ(list.GetSelCount(), 0);
        EXPECT_EQ(MenuState(), "---");
    });
}

// Shift+F10 and the menu key open the menu of the selected line beside it,
// with Edit, Properties and Set Load Unit offered for its device, which
// Properties then edits.
TEST_F(SysCfgDevices, KeyboardMenuIsOfTheSelectedLineBesideIt)
{
    CWinApp app("SysCfgDevicesTest");  // the program's thread: its loop takes the keys first
    Run([&](HWND) {
        CListBox& list = Page().List();
        const int nLine = 1;  // 1:0190, not the load unit
        for (bool bShiftF10 : {true, false}) {
            SelectOnly({nLine});
            list.SendMessage(LB_SETCARETINDEX, nLine, FALSE);
            ::SetFocus(list.m_hWnd);
            SShownMenu menu = ReadShownMenu([&] { PressContextMenuKey(list.m_hWnd, bShiftF10); });
            ASSERT_TRUE(menu.bShown) << bShiftF10;
            for (UINT nID : {ID_DEVICES_MANUAL_EDIT, ID_DEVICES_PROPERTIES, ID_DEVICES_SET_LOAD_UNIT})
                EXPECT_TRUE(menu.IsEnabled(nID)) << bShiftF10 << " " << nID;
            EXPECT_EQ(Page().ContextIndex(), nLine) << bShiftF10;
            RECT rcLine = {};
            list.SendMessage(LB_GETITEMRECT, nLine, (LPARAM)&rcLine);
            ::MapWindowPoints(list.m_hWnd, nullptr, (POINT*)&rcLine, 2);
            EXPECT_NEAR(menu.rc.top, rcLine.bottom, 2) << bShiftF10;  // right under the line
            EXPECT_GE(menu.rc.left, rcLine.left) << bShiftF10;
        }
        Command(ID_DEVICES_PROPERTIES);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        EXPECT_EQ(dialogs->calls[0].dev.GetKey(), (DWORD)list.GetItemData(nLine));
    });
}

// After a removal the old context line is gone: the menu, until opened on
// a line again, offers nothing, Properties edits no other device and Set
// Load Unit stores nothing.
TEST_F(SysCfgDevices, StaleContextLineIsForgotten)
{
    Run([&](HWND) {
        RightClickLine(3);
        SelectOnly({0});
        Press(PageWnd(), IDC_DEVICES_REMOVE);
        EXPECT_EQ(Page().ContextIndex(), -1);
        EXPECT_EQ(MenuState(), "---");
        Command(ID_DEVICES_PROPERTIES);
        Command(ID_DEVICES_SET_LOAD_UNIT);
        EXPECT_TRUE(dialogs->calls.empty());
        EXPECT_EQ(dlg->m_config.m_strLoadUnit, "0120");
        // After an addition as well.
        RightClickLine(2);
        Press(PageWnd(), IDC_DEVICES_TAPE);
        EXPECT_EQ(Page().ContextIndex(), -1);
        Command(ID_DEVICES_MANUAL_EDIT);
        EXPECT_EQ(dialogs->calls.size(), 1u);
    });
}

TEST_F(SysCfgDevices, EditsReplaceTheirOwnLine)
{
    dialogs->edit = [](CVornDevice& dev) { dev.m_strFirstArg = "new.cckd"; };
    TempDir disks;
    dlg->m_deviceFolders.strDisk = disks.Folder().c_str();
    Run([&](HWND) {
        SelectOnly({2});
        ::SendMessageA(PageWnd(), WM_COMMAND, MAKEWPARAM(IDC_DEVICES_LIST, LBN_DBLCLK), (LPARAM)Page().List().m_hWnd);
        ASSERT_EQ(dialogs->calls.size(), 1u);
        EXPECT_FALSE(dialogs->calls[0].run.bAdd);
        EXPECT_FALSE(dialogs->calls[0].run.bManualEdit);
        EXPECT_EQ(dialogs->calls[0].dev.GetKey(), 0x0120u);
        // A disk's dialog opens in the disk files' folder.
        EXPECT_EQ(dialogs->calls[0].strCwd + "\\", disks.Folder());
        EXPECT_EQ(Lines()[2], "120 0120 3390 new.cckd");
        EXPECT_EQ(Lines().size(), 4u);
        // The lines change with the list's redraw off: it shows them all the same.
        RECT rcList;
        ::GetWindowRect(Page().List().m_hWnd, &rcList);
        EXPECT_EQ(vorntest::StalePixelsIn(Page().List().m_hWnd, rcList), "");
        RightClickLine(0);
        Command(ID_DEVICES_MANUAL_EDIT);
        ASSERT_EQ(dialogs->calls.size(), 2u);
        EXPECT_TRUE(dialogs->calls[1].run.bManualEdit);
        EXPECT_EQ(Pending(), (std::vector<std::string>{"devinit 0120 new.cckd", "devinit 0190 new.cckd"}));
        // The prototype follows additions only.
        EXPECT_EQ(Page().Prototype(DEVCLASS_DISK).m_strFirstArg, "disk.cckd");
        // A device is the running emulator's only while it runs (its
        // reinitialisation then keeps its kind).
        EXPECT_FALSE(dialogs->calls[0].run.bRunningDevice);
        dlg->m_isEmulatorRunning = [] { return true; };
        RightClickLine(0);
        Command(ID_DEVICES_PROPERTIES);
        ASSERT_EQ(dialogs->calls.size(), 3u);
        EXPECT_TRUE(dialogs->calls[2].run.bRunningDevice);
        dlg->m_isEmulatorRunning = nullptr;
    });
}
