// CommSheetTestSupport.h: what the communication adapter sheet's tests
// share: a page chosen by its tab caption, an IP address control read and
// set, the sheet run with OK pressed (or only looked at), and a fixture
// with its own settings store, a router and one host adapter the test
// made (192.168.1.10, 02:00:5E:00:01:02) in place of the host's.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "devices/AddCOMMSheet.h"
#include "platform/CIniSettingsStore.h"
#include "platform/NetAddress.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/platform/ModalDriver.h"

namespace devtest {

// The sheet's current page.
inline HWND CurrentPage(HWND hSheet) { return (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0); }

inline std::string TabText(HWND hSheet, int i)
{
    HWND hTab = (HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0);
    char sz[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = sz;
    item.cchTextMax = sizeof sz;
    ::SendMessageA(hTab, TCM_GETITEMA, (WPARAM)i, (LPARAM)&item);
    return sz;
}

inline int TabCount(HWND hSheet)
{
    return (int)::SendMessageA((HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0), TCM_GETITEMCOUNT, 0, 0);
}

// Shows the page whose tab reads pszCaption (as a click on it would) and
// returns it; null when there is none.
inline HWND SelectPageByCaption(HWND hSheet, const char* pszCaption)
{
    for (int i = 0; i < TabCount(hSheet); ++i)
        if (TabText(hSheet, i) == pszCaption) {
            ::SendMessageA(hSheet, PSM_SETCURSEL, (WPARAM)i, 0);
            return CurrentPage(hSheet);
        }
    return nullptr;
}

// "a.b.c.d" with all four fields filled, else "".
inline std::string IPAddressText(HWND hDlg, int nID)
{
    DWORD dw = 0;
    if (::SendDlgItemMessageA(hDlg, nID, IPM_GETADDRESS, 0, (LPARAM)&dw) != 4)
        return "";
    char sz[20];
    ::wsprintfA(sz, "%d.%d.%d.%d", (int)FIRST_IPADDRESS(dw), (int)SECOND_IPADDRESS(dw), (int)THIRD_IPADDRESS(dw),
                (int)FOURTH_IPADDRESS(dw));
    return sz;
}

inline void SetIPAddress(HWND hDlg, int nID, BYTE a, BYTE b, BYTE c, BYTE d)
{
    ::SendDlgItemMessageA(hDlg, nID, IPM_SETADDRESS, 0, (LPARAM)MAKEIPADDRESS(a, b, c, d));
}

inline void ClearIPAddress(HWND hDlg, int nID) { ::SendDlgItemMessageA(hDlg, nID, IPM_CLEARADDRESS, 0, 0); }

inline CVornDevice Parsed(const char* pszStmt)
{
    CVornDevice dev;
    CString strError;
    CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError);
    return dev;
}

inline CHostAdapter Adapter(const char* pszIP, const char* pszMAC)
{
    CHostAdapter a;
    ParseIPAddress(pszIP, a.m_dwIPv4);
    ParseMACAddress(pszMAC, a.m_abyMAC);
    return a;
}

struct SSheetRun {
    INT_PTR nResult = 0;
    std::string strBalloon;   // "title: text" of a refusal
    bool bFlagAfterOk = true;  // the OK-in-progress flag after OK was handled
};

// Opens the sheet (the caller's steps: members set, page chosen), runs
// fill(hSheet, hPage) on the page it opens on, then OK. A sheet that stays
// open (a refusal, whose balloon is read, or a question answered No) is
// cancelled.
inline SSheetRun RunSheet(CAddCOMMSheet& sheet, const std::function<void(HWND, HWND)>& fill)
{
    SSheetRun out;
    sheet.PrepareToRun();
    out.nResult = vorntest::RunModal(sheet, [&](HWND h) {
        if (fill)
            fill(h, CurrentPage(h));
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        out.bFlagAfterOk = sheet.IsOkInProgress();
        out.strBalloon = TakeBalloon();
        if (::IsWindow(h))
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return out;
}

// Opens the sheet, runs inspect(hSheet, hPage) and cancels it.
inline void InspectSheet(CAddCOMMSheet& sheet, const std::function<void(HWND, HWND)>& inspect)
{
    sheet.PrepareToRun();
    vorntest::RunModal(sheet, [&](HWND h) {
        inspect(h, CurrentPage(h));
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

struct CommSheetFixture : ::testing::Test {
    TempDir dir;
    CHostAdapterArray savedAdapters;
    CSetRouter router;

    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("comm.ini").c_str()));
        savedAdapters.Copy(HostAdapters());
        HostAdapters().RemoveAll();
        HostAdapters().Add(Adapter("192.168.1.10", "02:00:5E:00:01:02"));
    }
    void TearDown() override
    {
        HostAdapters().Copy(savedAdapters);
        SetSettingsStore(nullptr);
    }
    void Open(CAddCOMMSheet& sheet, bool bAdd, const char* pszStmt)
    {
        sheet.m_bAdd = bAdd;
        sheet.m_Device = Parsed(pszStmt);
        sheet.m_pRouter = &router;
    }
};

}  // namespace devtest
