// SysCfgDevOptsPageTest.cpp: the Options page under Devices in the real
// dialog: the load unit's check, the load parameter held padded, the
// shared-device port spin, the host adapter fields over an adapter list the
// test fills, and the tape options' status texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "config/CHostAdapterArray.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

struct SysCfgDevOpts : SysCfgDialogFixture {
    CHostAdapterArray savedAdapters;

    SysCfgDevOpts()
    {
        savedAdapters.Copy(HostAdapters());
        HostAdapters().RemoveAll();
        CHostAdapter a;
        const BYTE mac[6] = {0x02, 0x00, 0x4C, 0x4F, 0x4F, 0x50};
        std::copy(mac, mac + 6, a.m_abyMAC);
        a.m_dwIPv4 = 0x0302010A;  // 10.1.2.3, network byte order
        HostAdapters().Add(a);
        dlg->m_nStartPage = kSysCfgDevOptsPage;
    }
    ~SysCfgDevOpts() override { HostAdapters().Copy(savedAdapters); }

    HWND Page() const { return dlg->m_DevOptsPage.m_hWnd; }
};

// An address typed into the IP address control (0: all fields blank).
void TypeIp(HWND hPage, DWORD dwAddr)
{
    HWND hCtrl = ::GetDlgItem(hPage, IDC_DEVOPTS_IPADDR);
    ::SendMessageA(hCtrl, dwAddr ? IPM_SETADDRESS : IPM_CLEARADDRESS, 0, (LPARAM)dwAddr);
    NMIPADDRESS nm = {};
    nm.hdr.hwndFrom = hCtrl;
    nm.hdr.idFrom = IDC_DEVOPTS_IPADDR;
    nm.hdr.code = IPN_FIELDCHANGED;
    ::SendMessageA(hPage, WM_NOTIFY, IDC_DEVOPTS_IPADDR, (LPARAM)&nm);
}

}  // namespace

TEST_F(SysCfgDevOpts, LoadUnitAndLoadParm)
{
    dlg->m_config.m_strLoadUnit = "0120";
    Run([&](HWND hDlg) {
        HWND hPage = Page();
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_LOADUNIT), "0120");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        const struct {
            const char* pszUnit;
            std::string expected;
        } rows[] = {{"0A", "Load Unit: Value must be 4-digit hexadecimal number"},
                    {"00G1", "Load Unit: Value must be 4-digit hexadecimal number"},
                    {"", ""},
                    {"01A0", ""}};
        for (const auto& r : rows) {
            TypeText(hPage, IDC_DEVOPTS_LOADUNIT, r.pszUnit);
            EXPECT_EQ(Apply(hDlg), r.expected) << r.pszUnit;
        }
        EXPECT_EQ(view.m_received.back().m_strLoadUnit, "01A0");
        TypeText(hPage, IDC_DEVOPTS_LOADPARM, "AUTO");
        EXPECT_EQ(dlg->m_config.m_strLoadParm, "AUTO....");
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(view.m_received.back().m_strLoadParm, "AUTO");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
}

TEST_F(SysCfgDevOpts, NumbersAndSharedPortSpin)
{
    Run([&](HWND hDlg) {
        HWND hPage = Page();
        TypeText(hPage, IDC_DEVOPTS_DEVTMAX, "-2");
        EXPECT_EQ(Apply(hDlg), "Device Threads: Please enter a value between -1 and 999");
        TypeText(hPage, IDC_DEVOPTS_DEVTMAX, "-1");
        TypeText(hPage, IDC_DEVOPTS_SHUTDOWN, "");
        EXPECT_EQ(Apply(hDlg), "Shutdown Time: Please enter a value between 1 and 999");
        TypeText(hPage, IDC_DEVOPTS_SHUTDOWN, "30");
        const struct {
            int nDelta;
            const char* pszShown;
        } steps[] = {{1, "3990"}, {1, "3991"}, {-2, "3989"}, {-5000, "0"}, {-1, "0"}, {1, "3990"}};
        for (const auto& s : steps) {
            StepSpin(hPage, IDC_DEVOPTS_SHRDPORT_SPIN, s.nDelta);
            EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_SHRDPORT), s.pszShown) << s.nDelta;
        }
        // A small typed port stepped down gives 0, never 65535.
        TypeText(hPage, IDC_DEVOPTS_SHRDPORT, "3");
        EXPECT_EQ(Apply(hDlg), "Shared Port: Please enter a value between 1024 and 65535");
        StepSpin(hPage, IDC_DEVOPTS_SHRDPORT_SPIN, -5);
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_SHRDPORT), "0");
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_nDevTMax, -1);
    EXPECT_EQ(view.m_received.back().m_nMaxShutdownSecs, 30);
    EXPECT_EQ(view.m_received.back().m_nShrdPort, 0u);
}

TEST_F(SysCfgDevOpts, HostAdapterByIpOrMac)
{
    Run([&](HWND hDlg) {
        HWND hPage = Page();
        EXPECT_FALSE(IsEnabled(hPage, IDC_DEVOPTS_IPADDR));
        ClickCheck(hPage, IDC_DEVOPTS_ADAPTER, true);
        EXPECT_TRUE(IsEnabled(hPage, IDC_DEVOPTS_IPADDR));
        EXPECT_TRUE(IsEnabled(hPage, IDC_DEVOPTS_MACADDR));
        TypeIp(hPage, MAKEIPADDRESS(192, 0, 2, 1));
        EXPECT_EQ(dlg->m_config.m_strNetDev, "192.0.2.1");
        EXPECT_EQ(Apply(hDlg), "IP Address: No host adapter with this IP address exists");
        TypeIp(hPage, MAKEIPADDRESS(10, 1, 2, 3));
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(view.m_received.back().m_strNetDev, "10.1.2.3");
        // Typing a MAC address empties the IP address control.
        TypeText(hPage, IDC_DEVOPTS_MACADDR, "02-00-4C-4F-4F-51");
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_IPADDR), "0.0.0.0");
        EXPECT_EQ(dlg->m_config.m_strNetDev, "02-00-4C-4F-4F-51");
        EXPECT_EQ(Apply(hDlg), "MAC Address: No host adapter with this MAC address exists");
        TypeText(hPage, IDC_DEVOPTS_MACADDR, "02-00-4C-4F-4F-50");
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(view.m_received.back().m_strNetDev, "02-00-4C-4F-4F-50");
        // Emptied, the MAC edit gives the IP address back... which is empty
        // now, so the option goes off.
        TypeText(hPage, IDC_DEVOPTS_MACADDR, "");
        EXPECT_FALSE(::IsDlgButtonChecked(hPage, IDC_DEVOPTS_ADAPTER));
        EXPECT_FALSE(IsEnabled(hPage, IDC_DEVOPTS_MACADDR));
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(view.m_received.back().m_strNetDev, "");
    });
}

TEST_F(SysCfgDevOpts, NetdevOfTheFileOpensInItsField)
{
    const struct {
        const char* pszNetDev;
        bool bOn;
        const char* pszIP;
        const char* pszMAC;
    } rows[] = {
        {"10.1.2.3", true, "10.1.2.3", ""},
        {"02-00-4C-4F-4F-50", true, "0.0.0.0", "02-00-4C-4F-4F-50"},
        {"0.0.0.0", false, "0.0.0.0", ""},
        {"tap0", false, "0.0.0.0", ""},
    };
    for (const auto& r : rows) {
        dlg = std::make_unique<CSysCfgDialog>(&view);
        dlg->m_config = RichConfig(dir.Folder());
        dlg->m_config.m_strNetDev = r.pszNetDev;
        dlg->m_nStartPage = kSysCfgDevOptsPage;
        Run([&](HWND) {
            HWND hPage = Page();
            EXPECT_EQ(::IsDlgButtonChecked(hPage, IDC_DEVOPTS_ADAPTER) == BST_CHECKED, r.bOn) << r.pszNetDev;
            EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_IPADDR), r.pszIP) << r.pszNetDev;
            EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_MACADDR), r.pszMAC) << r.pszNetDev;
            EXPECT_EQ(FirstModifiedPage(*dlg), -1) << r.pszNetDev;
        });
    }
}

TEST_F(SysCfgDevOpts, TapeOptionsAndScsiSeconds)
{
    dlg->m_config.m_bAutoInit = true;
    dlg->m_config.m_bMountedTapeReinit = false;
    Run([&](HWND hDlg) {
        HWND hPage = Page();
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_REINIT_STATUS), "(disallow)");
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_AUTOINIT_STATUS), "(on)");
        ClickCheck(hPage, IDC_DEVOPTS_REINIT, true);
        ClickCheck(hPage, IDC_DEVOPTS_AUTOINIT, false);
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_REINIT_STATUS), "(allow)");
        EXPECT_EQ(ItemText(hPage, IDC_DEVOPTS_AUTOINIT_STATUS), "(off)");
        // Seconds are not checked while auto-detection is off.
        EXPECT_FALSE(IsEnabled(hPage, IDC_DEVOPTS_SCSI_SECS));
        TypeText(hPage, IDC_DEVOPTS_SCSI_SECS, "0");
        EXPECT_EQ(Apply(hDlg), "");
        ClickCheck(hPage, IDC_DEVOPTS_SCSI, true);
        EXPECT_TRUE(IsEnabled(hPage, IDC_DEVOPTS_SCSI_SECS));
        EXPECT_EQ(Apply(hDlg), "SCSI Mount: Please enter a value between 1 and 99");
        TypeText(hPage, IDC_DEVOPTS_SCSI_SECS, "12");
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    const CVornConfigFile& got = view.m_received.back();
    EXPECT_TRUE(got.m_bMountedTapeReinit);
    EXPECT_FALSE(got.m_bAutoInit);
    EXPECT_EQ(got.m_nScsiMountEnabled, 1);
    EXPECT_EQ(got.m_nScsiMountSecs, 12);
}
