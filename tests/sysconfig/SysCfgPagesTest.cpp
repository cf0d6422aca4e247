// SysCfgPagesTest.cpp: the pages' own behaviour under Wine: the
// Identification checks as balloons, the tailoring boxes and ECPS:VM on the
// Architecture page, storage sizes and the CPU model list on the Processors
// page, the Clock page's drag factor, the Http Server page, typed minus
// signs in the number fields, and a picture of each page.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/Limits.h"
#include "platform/ErrorBalloon.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

struct SysCfgPages : SysCfgDialogFixture {
};

}  // namespace

TEST_F(SysCfgPages, IdentificationChecksShowTheirBalloons)
{
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_IdentPage.m_hWnd;
        const struct {
            int nId;
            const char* pszText;
            std::string expected;
        } rows[] = {
            {IDC_IDENT_LPARNAME, "vorn", "LPAR Name: Only uppercase alphanumeric characters 0-9 and/or A-Z are allowed"},
            {IDC_IDENT_LPARNAME, "", ""},
            {IDC_IDENT_LPARNUM, "40",
             "LPAR Number: Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the range 0-3F."},
            {IDC_IDENT_LPARNUM, "", "LPAR Number: Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the "
                                    "range 0-3F."},
            {IDC_IDENT_LPARNUM, "basic", ""},
            {IDC_IDENT_CPUIDFMT, "2", "CPU ID Format: Enter only the value 0 or 1 or the string \"BASIC\"."},
            {IDC_IDENT_CPUIDFMT, "", ""},
        };
        for (const auto& r : rows) {
            TypeText(hPage, r.nId, r.pszText);
            EXPECT_EQ(Apply(hDlg), r.expected) << r.nId << " " << r.pszText;
        }
        // The upper-case edits upper-case what is typed.
        EXPECT_EQ(dlg->m_config.m_strLparNum, "BASIC");
        EXPECT_EQ(dlg->m_config.m_strLparName, "");
    });
}

TEST_F(SysCfgPages, TailoringBoxesAndTheirWord)
{
    Run([&](HWND) {
        HWND hPage = dlg->m_ArchPage.m_hWnd;
        auto Checked = [&](int nId) { return ::IsDlgButtonChecked(hPage, nId) == BST_CHECKED; };
        EXPECT_TRUE(Checked(IDC_ARCH_LINUX));
        EXPECT_TRUE(Checked(IDC_ARCH_ZOS));
        EXPECT_TRUE(Checked(IDC_ARCH_ZARCH));
        ClickCheck(hPage, IDC_ARCH_QUIET, true);
        EXPECT_EQ(dlg->m_config.m_wOsTailor, 0x8005);
        EXPECT_FALSE(Checked(IDC_ARCH_LINUX));
        EXPECT_FALSE(Checked(IDC_ARCH_ZOS));
        ClickCheck(hPage, IDC_ARCH_VM, true);
        EXPECT_EQ(dlg->m_config.m_wOsTailor, 0x4005);
        EXPECT_FALSE(Checked(IDC_ARCH_QUIET));
        ClickCheck(hPage, IDC_ARCH_S370, true);
        ClickCheck(hPage, IDC_ARCH_ZARCH, false);
        EXPECT_EQ(dlg->m_config.m_nArchMode, 0);
        ClickCheck(hPage, IDC_ARCH_LEGACYSENSEID, true);
        EXPECT_EQ(ItemText(hPage, IDC_ARCH_SENSEID_STATUS), "(enable)");
        EXPECT_TRUE(dlg->m_config.m_bLegacySenseId);
    });
}

TEST_F(SysCfgPages, EcpsVmRemembersItsLevelAndTrapWhileOff)
{
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_ArchPage.m_hWnd;
        EXPECT_EQ(ItemText(hPage, IDC_ARCH_ECPSVM_LEVEL), "20");
        EXPECT_EQ(::SendDlgItemMessageA(hPage, IDC_ARCH_ECPSVM_LEVEL, EM_GETLIMITTEXT, 0, 0), 2);
        TypeText(hPage, IDC_ARCH_ECPSVM_LEVEL, "35");
        ClickCheck(hPage, IDC_ARCH_ECPSVM_TRAP, true);
        ClickCheck(hPage, IDC_ARCH_ECPSVM, false);
        EXPECT_EQ(dlg->m_config.m_nEcpsvmLevel, 20);
        EXPECT_FALSE(dlg->m_config.m_bEcpsvmTrap);
        EXPECT_EQ(ItemText(hPage, IDC_ARCH_ECPSVM_LEVEL), "20");
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_ARCH_ECPSVM_LEVEL)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_ARCH_ECPSVM_TRAP)));
        // A tailoring click reloads every control, the level edit too: that
        // write is not taken as the user's level.
        ClickCheck(hPage, IDC_ARCH_VSE, true);
        // On again: the chosen level and trap come back, also into the
        // edited configuration.
        ClickCheck(hPage, IDC_ARCH_ECPSVM, true);
        EXPECT_EQ(ItemText(hPage, IDC_ARCH_ECPSVM_LEVEL), "35");
        EXPECT_EQ(dlg->m_config.m_nEcpsvmLevel, 35);
        EXPECT_TRUE(dlg->m_config.m_bEcpsvmTrap);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_ARCH_ECPSVM_LEVEL)));
        TypeText(hPage, IDC_ARCH_ECPSVM_LEVEL, "100");
        dlg->SetActivePage(kSysCfgArchPage);
        EXPECT_EQ(Apply(hDlg), "ECPSVM Level: Please enter a value between 0 and 99");
    });
    EXPECT_TRUE(view.m_received.empty());
}

TEST_F(SysCfgPages, StorageSizes)
{
    dlg->m_config.m_ullMainSize = 2560 * 1024;  // MAINSIZE 2560K
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_ProcsPage.m_hWnd;
        EXPECT_EQ(ItemText(hPage, IDC_PROCS_MAINSIZE), "2");
        // Untouched, the size that is no whole number of megabytes is kept.
        EXPECT_EQ(Apply(hDlg), "");
        ASSERT_FALSE(view.m_received.empty());
        EXPECT_EQ(view.m_received.back().m_ullMainSize, 2560u * 1024);
        // A count that would wrap around to 2 MB is refused.
        TypeText(hPage, IDC_PROCS_MAINSIZE, "17592186044418");
        EXPECT_EQ(Apply(hDlg), "Main Storage: Please enter a value between 2M and 2G");
        TypeText(hPage, IDC_PROCS_MAINSIZE, "1");
        EXPECT_EQ(Apply(hDlg), "Main Storage: Please enter a value between 2M and 2G");
        TypeText(hPage, IDC_PROCS_MAINSIZE, "");
        EXPECT_EQ(Apply(hDlg), "Main Storage: Please enter a value between 2M and 2G");
        TypeText(hPage, IDC_PROCS_MAINSIZE, "128");
        TypeText(hPage, IDC_PROCS_XPNDSIZE, "1025");
        EXPECT_EQ(Apply(hDlg), "Expanded Storage: Please enter a value between 0M and 1G");
        TypeText(hPage, IDC_PROCS_XPNDSIZE, "1024");
        size_t nBefore = view.m_received.size();
        EXPECT_EQ(Apply(hDlg), "");
        ASSERT_GT(view.m_received.size(), nBefore);
        EXPECT_EQ(view.m_received.back().m_ullMainSize, 128ull << 20);
        EXPECT_EQ(view.m_received.back().m_ullXpndSize, 1024ull << 20);
    });
}

TEST_F(SysCfgPages, ProcessorChecksInOrder)
{
    dlg->m_nStartPage = kSysCfgProcsPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_ProcsPage.m_hWnd;
        TypeText(hPage, IDC_PROCS_NUMCPU, "5");
        EXPECT_EQ(Apply(hDlg), "Numbr of CPUs: Please enter a value between 0 and 4");
        TypeText(hPage, IDC_PROCS_MODEL, "209");
        EXPECT_EQ(Apply(hDlg), "CPU Model Number: 4-digit CPU Model number required");
        TypeText(hPage, IDC_PROCS_MODEL, "2094");
        TypeText(hPage, IDC_PROCS_NUMCPU, "4");
        TypeText(hPage, IDC_PROCS_NUMVEC, "65");
        EXPECT_EQ(Apply(hDlg), "Vector Facilities: Please enter a value between 0 and 64");
        TypeText(hPage, IDC_PROCS_NUMVEC, "0");
        // What the configuration reader would refuse on the next open.
        const struct {
            int nId;
            const char* pszText;
            const char* pszExpected;
        } rows[] = {
            {IDC_PROCS_SERIAL, "zzzzzz", "CPU Serial Number: Only hexadecimal digits 0-9 and A-F are allowed"},
            {IDC_PROCS_SERIAL, "00061a", ""},
            {IDC_PROCS_MODEL, "20G4", "CPU Model Number: Only hexadecimal digits 0-9 and A-F are allowed"},
            {IDC_PROCS_MODEL, "2094", ""},
            {IDC_PROCS_VERSION, "Q", "CPU Version Code: 2-digit CPU Version code required"},
            {IDC_PROCS_VERSION, "QQ", "CPU Version Code: Only hexadecimal digits 0-9 and A-F are allowed"},
            {IDC_PROCS_VERSION, "", ""},
            {IDC_PROCS_VERSION, "fd", ""},
        };
        for (const auto& r : rows) {
            TypeText(hPage, r.nId, r.pszText);
            EXPECT_EQ(Apply(hDlg), r.pszExpected) << r.pszText;
        }
    });
    ASSERT_FALSE(view.m_received.empty());
    // The edits upper-case what is typed.
    EXPECT_EQ(view.m_received.back().m_strCPUSerial, "00061A");
    EXPECT_EQ(view.m_received.back().m_strCPUVersion, "FD");
}

// A number of CPUs above the maximum on the Processors page while another
// page shows: showing the page for its balloon lowers the number to the
// maximum, and the apply goes through.
TEST_F(SysCfgPages, NumberOfCpusFollowsTheMaximumWhenItsPageShows)
{
    Run([&](HWND hDlg) {
        TypeText(dlg->m_ProcsPage.m_hWnd, IDC_PROCS_NUMCPU, "5");
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(dlg->GetActivePage(), &dlg->m_ProcsPage);
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_nNumCPUs, 4);
}

TEST_F(SysCfgPages, ModelListFromTheProgramFolder)
{
    TempDir programDir;
    programDir.Write("cpu-types.txt", "# comment\nZQC;x;Alpha;1111;01\n$$format2\nZQC;Be;ta;2094;0A\nZQC;;Gamma;2094;FD\n");
    std::string strFolder = programDir.Folder();
    dlg->m_strProgramDir = strFolder.substr(0, strFolder.size() - 1).c_str();
    Run([&](HWND) {
        HWND hPage = dlg->m_ProcsPage.m_hWnd;
        HWND hList = ::GetDlgItem(hPage, IDC_PROCS_MODEL_LIST);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hPage, IDC_PROCS_MODEL_PICK)) ||
                    !::IsWindowVisible(hPage));
        ASSERT_EQ(::SendMessageA(hList, CB_GETCOUNT, 0, 0), 3);
        dlg->SetActivePage(kSysCfgProcsPage);
        Press(hPage, IDC_PROCS_MODEL_PICK);
        EXPECT_TRUE(::IsWindowVisible(hList));
        // Model 2094 with version FD: the third entry.
        EXPECT_EQ(::SendMessageA(hList, CB_GETCURSEL, 0, 0), 2);
        PickItem(hPage, IDC_PROCS_MODEL_LIST, 1);
        EXPECT_FALSE(::IsWindowVisible(hList));
        EXPECT_EQ(ItemText(hPage, IDC_PROCS_MODEL), "2094");
        EXPECT_EQ(ItemText(hPage, IDC_PROCS_VERSION), "0A");
        // Remembered after both edits were written.
        EXPECT_EQ(dlg->m_ProcsPage.RememberedEntry(), "ZQC Beta");
        Press(hPage, IDC_PROCS_MODEL_PICK);
        EXPECT_EQ(::SendMessageA(hList, CB_GETCURSEL, 0, 0), 1);
        ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_PROCS_MODEL_LIST, CBN_SELENDCANCEL), (LPARAM)hList);
        // Typing forgets the pick.
        TypeText(hPage, IDC_PROCS_MODEL, "1111");
        EXPECT_EQ(dlg->m_ProcsPage.RememberedEntry(), "");
    });
}

namespace {

// The visible controls of a page that overlap, "id/id " each; a group box and
// what stands inside it, an up-down control and its buddy do not count.
std::string OverlappingControls(HWND hPage)
{
    auto Holds = [](HWND hOuter, HWND hInner, const RECT& rcBoth, const RECT& rcInner) {
        char szClass[32] = "";
        ::GetClassNameA(hOuter, szClass, sizeof szClass);
        if (!lstrcmpiA(szClass, UPDOWN_CLASSA))
            return (HWND)::SendMessageA(hOuter, UDM_GETBUDDY, 0, 0) == hInner;
        return !lstrcmpiA(szClass, "Button") && (::GetWindowLongA(hOuter, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
               ::EqualRect(&rcBoth, &rcInner);
    };
    std::string strFound;
    for (HWND a = ::GetWindow(hPage, GW_CHILD); a; a = ::GetWindow(a, GW_HWNDNEXT))
        for (HWND b = ::GetWindow(a, GW_HWNDNEXT); b && ::IsWindowVisible(a); b = ::GetWindow(b, GW_HWNDNEXT)) {
            RECT rcA, rcB, rcBoth;
            ::GetWindowRect(a, &rcA);
            ::GetWindowRect(b, &rcB);
            if (::IsWindowVisible(b) && ::IntersectRect(&rcBoth, &rcA, &rcB) && !Holds(a, b, rcBoth, rcB) &&
                !Holds(b, a, rcBoth, rcA))
                strFound += std::to_string(::GetDlgCtrlID(a)) + "/" + std::to_string(::GetDlgCtrlID(b)) + " ";
        }
    return strFound;
}

}  // namespace

// The Processors page's model list stood over the model field, "<" drawn over its
// text: no control covers another, at any size, and the drop-down shows names whole.
TEST_F(SysCfgPages, NoControlCoversAnother)
{
    dir.Write("cpu-types.txt", "$$format2\nVornamic;demonstration ;model 2090;2090;00\nZQC;;Alpha;1111;01\n");
    dlg->m_strConfigFilesDir = dir.Folder().c_str();
    Run([&](HWND hDlg) {
        HWND hProcs = dlg->m_ProcsPage.m_hWnd, hList = ::GetDlgItem(hProcs, IDC_PROCS_MODEL_LIST);
        for (int nGrowth : {0, 160}) {
            RECT rc;
            ::GetWindowRect(hDlg, &rc);
            ::MoveWindow(hDlg, rc.left, rc.top, rc.right - rc.left + nGrowth, rc.bottom - rc.top + nGrowth, TRUE);
            for (int i = 0; i < kSysCfgPageCount; ++i) {
                dlg->SetActivePage(i);
                EXPECT_EQ(OverlappingControls(dlg->PageAt(i)->m_hWnd), "") << dlg->m_strCaptions[i] << " +" << nGrowth;
            }
            dlg->SetActivePage(kSysCfgProcsPage);
            Press(hProcs, IDC_PROCS_MODEL_PICK);
            EXPECT_TRUE(::IsWindowVisible(hList));
            EXPECT_EQ(OverlappingControls(hProcs), "") << "the model list dropped, +" << nGrowth;
            HDC hdc = ::GetDC(hList);
            ::SelectObject(hdc, (HGDIOBJ)::SendMessageA(hList, WM_GETFONT, 0, 0));
            SIZE sz = {};
            ::GetTextExtentPoint32A(hdc, "Vornamic demonstration model 2090", 33, &sz);
            ::ReleaseDC(hList, hdc);
            EXPECT_GT(::SendMessageA(hList, CB_GETDROPPEDWIDTH, 0, 0), sz.cx + ::GetSystemMetrics(SM_CXVSCROLL))
                << "the drop-down cuts the longest name";
            ::SendMessageA(hList, CB_SHOWDROPDOWN, FALSE, 0);
        }
    });
}

TEST_F(SysCfgPages, NoModelListHidesTheButton)
{
    dlg->m_strProgramDir = dir.Folder().c_str();  // no cpu-types.txt there
    dlg->m_strConfigFilesDir = dir.Folder().c_str();
    dlg->m_nStartPage = kSysCfgProcsPage;
    Run([&](HWND) {
        HWND hPage = dlg->m_ProcsPage.m_hWnd;
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hPage, IDC_PROCS_MODEL_PICK)));
        EXPECT_TRUE(dlg->m_ProcsPage.CpuTypes().IsEmpty());
    });
}

TEST_F(SysCfgPages, DragFactorOutOfRangeOpensAsOne)
{
    dlg->m_config.m_dTodDrag = 20000.0;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_ClockPage.m_hWnd;
        EXPECT_EQ(ItemText(hPage, IDC_CLOCK_DRAG), "1.0000");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        UDACCEL accel[16] = {};
        LRESULT n = ::SendDlgItemMessageA(hPage, IDC_CLOCK_DRAG_SPIN, UDM_GETACCEL, 16, (LPARAM)accel);
        ASSERT_EQ(n, 7);
        EXPECT_EQ(accel[6].nSec, 21u);
        EXPECT_EQ(accel[6].nInc, 1000000u);
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_dTodDrag, 1.0);
}

TEST_F(SysCfgPages, ClockChecks)
{
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_ClockPage.m_hWnd;
        TypeText(hPage, IDC_CLOCK_EPOCH, "1800");
        EXPECT_EQ(Apply(hDlg), "Clock Epoch: Please enter a value between 1801 and 2099");
        TypeText(hPage, IDC_CLOCK_EPOCH, "1970");
        TypeText(hPage, IDC_CLOCK_INTERVAL, "0");
        EXPECT_EQ(Apply(hDlg), "Update Interval: Please enter a value between 1 and 1000000");
        TypeText(hPage, IDC_CLOCK_INTERVAL, "");
        EXPECT_EQ(Apply(hDlg), "Update Interval: Please enter a value between 1 and 1000000");
        TypeText(hPage, IDC_CLOCK_INTERVAL, "100");
        TypeText(hPage, IDC_CLOCK_DRAG, "x");
        EXPECT_EQ(Apply(hDlg), "Drag Factor: Please enter a value between 0.0001 and 10000.0000");
        TypeText(hPage, IDC_CLOCK_DRAG, "0.5");
        EXPECT_EQ(Apply(hDlg), "");
        for (const char* psz : {"UTC", "+100", "+2400", "+0060"}) {
            TypeText(hPage, IDC_CLOCK_TZOFFSET, psz);
            EXPECT_EQ(Apply(hDlg),
                      "Time Zone Offset: Enter the offset from UTC as +hhmm or -hhmm (hours 00-23, minutes 00-59)")
                << psz;
        }
        TypeText(hPage, IDC_CLOCK_TZOFFSET, "");
        EXPECT_EQ(Apply(hDlg), "");
        TypeText(hPage, IDC_CLOCK_TZOFFSET, "-0530");
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strTzOffset, "-0530");
}

// With VORN_KEEP_OPEN set, shows the page VORN_SYSCFG_PAGE (a tree index)
// until tools/screenshot closes the program; skipped otherwise. With
// VORN_SYSCFG_GROW ("200,100") the dialog is first made that much larger,
// and then shows the page VORN_SYSCFG_THEN when that is set. With
// VORN_SYSCFG_DEVICES the configuration has that many more disks.
TEST_F(SysCfgPages, DISABLED_ShowForPicture)
{
    if (!KeepOpenForScreenshot())
        GTEST_SKIP() << "set VORN_KEEP_OPEN to show the dialog";
    const char* pszPage = std::getenv("VORN_SYSCFG_PAGE");
    const char* pszGrow = std::getenv("VORN_SYSCFG_GROW");
    dlg->m_nStartPage = pszPage ? std::atoi(pszPage) : 0;
    const char* pszDevices = std::getenv("VORN_SYSCFG_DEVICES");
    for (int n = 0, nDevices = pszDevices ? std::atoi(pszDevices) : 0; n < nDevices; ++n) {
        CString strStmt, strError;
        strStmt.Format("%04X 3390 disk%d.cckd sf=shadow%d_*.cckd", 0x1000 + n, n, n);
        dlg->m_config.AddDevice(strStmt, strError);
    }
    bool bGrown = false;
    RunModal(*dlg, [&](HWND hDlg) {
        if (pszGrow && !bGrown) {
            bGrown = true;
            int dx = 0, dy = 0;
            std::sscanf(pszGrow, "%d,%d", &dx, &dy);
            RECT rc;
            ::GetWindowRect(hDlg, &rc);
            ::MoveWindow(hDlg, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top + dy, TRUE);
            if (const char* pszThen = std::getenv("VORN_SYSCFG_THEN"))
                dlg->SetActivePage(std::atoi(pszThen));
        }
        ::Sleep(100);
        return ::GetAsyncKeyState(VK_ESCAPE) == 0;
    });
}

// An engine type outside the four fails Apply, titled with the engine's
// number, on the page made for it (never shown before), where its combo
// box has no selection; a disabled combo box keeps its type.
TEST_F(SysCfgPages, UnknownEngineTypeFailsApply)
{
    dlg->m_config.m_dwEngineTypes[37] = 7;
    Run([&](HWND hDlg) {
        EXPECT_EQ(Apply(hDlg), "CPU 25: Invalid CPU Type");
        EXPECT_EQ(dlg->GetActivePage(), &dlg->m_Engines32Page);
        HWND hPage = dlg->m_Engines32Page.m_hWnd;
        EXPECT_EQ(::SendDlgItemMessageA(hPage, IDC_ENGINES_COMBO0 + 5, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_ENGINES_COMBO0 + 5)));
        EXPECT_EQ(ItemText(hPage, IDC_ENGINES_LABEL0 + 5), "CPU 25:");
    });
    EXPECT_TRUE(view.m_received.empty());
}

TEST_F(SysCfgPages, HttpServerEnablingAndChecks)
{
    CVornConfigFile& cfg = dlg->m_config;
    cfg.m_bHttpStart = false;
    cfg.m_nHttpPort = 80;
    cfg.m_strHttpUser = "  ";
    cfg.m_strHttpPassword = "";
    cfg.m_strHttpRoot = "";
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_HttpSrvrPage.m_hWnd;
        ASSERT_TRUE(::IsWindow(hPage));
        // Trimmed on opening, which is no change of the page.
        EXPECT_EQ(ItemText(hPage, IDC_HTTP_USER), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        const int ids[] = {IDC_HTTP_PORT, IDC_HTTP_PORT_SPIN, IDC_HTTP_USER, IDC_HTTP_ROOT_BROWSE, IDC_HTTP_ROOT,
                           IDC_HTTP_PASSWORD};
        for (int nId : ids)
            EXPECT_FALSE(IsEnabled(hPage, nId)) << nId;
        // Off: an empty root directory is accepted.
        EXPECT_EQ(Apply(hDlg), "");
        ClickCheck(hPage, IDC_HTTP_START, true);
        EXPECT_TRUE(IsEnabled(hPage, IDC_HTTP_PORT));
        EXPECT_TRUE(IsEnabled(hPage, IDC_HTTP_USER));
        EXPECT_FALSE(IsEnabled(hPage, IDC_HTTP_PASSWORD));
        EXPECT_EQ(Apply(hDlg), "Directory: HTTP root directory required");
        TypeText(hPage, IDC_HTTP_ROOT, (dir.Folder() + "missing").c_str());
        EXPECT_EQ(Apply(hDlg), "Directory: The specified directory was not found.");
        TypeText(hPage, IDC_HTTP_ROOT, dir.Folder().c_str());
        TypeText(hPage, IDC_HTTP_PORT, "500");
        EXPECT_EQ(Apply(hDlg), "Port Number: Invalid port number (must be 80 or 1024 to 65535)");
        TypeText(hPage, IDC_HTTP_PORT, "8080");
        TypeText(hPage, IDC_HTTP_USER, "vorn");
        EXPECT_TRUE(IsEnabled(hPage, IDC_HTTP_PASSWORD));
        EXPECT_EQ(Apply(hDlg), "Password: Password required for userid");
        EXPECT_EQ(dlg->GetActivePage(), &dlg->m_HttpSrvrPage);
        TypeText(hPage, IDC_HTTP_PASSWORD, "zqc");
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
    ASSERT_FALSE(view.m_received.empty());
    const CVornConfigFile& got = view.m_received.back();
    EXPECT_TRUE(got.m_bHttpStart);
    EXPECT_EQ(got.m_nHttpPort, 8080);
    EXPECT_EQ(got.m_strHttpUser, "vorn");
    EXPECT_EQ(got.m_strHttpPassword, "zqc");
    EXPECT_EQ(got.m_strHttpRoot, dir.Folder().c_str());
}

TEST_F(SysCfgPages, HttpServerPortSpinAndBlanks)
{
    dlg->m_config.m_bHttpStart = true;
    dlg->m_config.m_nHttpPort = 1024;
    Run([&](HWND) {
        HWND hPage = dlg->m_HttpSrvrPage.m_hWnd;
        const struct {
            int nDelta;
            const char* pszShown;
        } steps[] = {{-1, "80"}, {-1, "80"}, {1, "1024"}, {1, "1025"}, {-1, "1024"}, {-1, "80"}};
        for (const auto& s : steps) {
            StepSpin(hPage, IDC_HTTP_PORT_SPIN, s.nDelta);
            EXPECT_EQ(ItemText(hPage, IDC_HTTP_PORT), s.pszShown) << s.nDelta;
        }
        EXPECT_EQ(dlg->m_config.m_nHttpPort, 80);
        TypeText(hPage, IDC_HTTP_PORT, "3");
        StepSpin(hPage, IDC_HTTP_PORT_SPIN, -5);
        EXPECT_EQ(ItemText(hPage, IDC_HTTP_PORT), "80");
        // A blank typed into the user id or the password vanishes; the caret
        // stays after what was typed.
        const int edits[] = {IDC_HTTP_USER, IDC_HTTP_PASSWORD};
        for (int nId : edits) {
            HWND hEdit = ::GetDlgItem(hPage, nId);
            TypeText(hPage, nId, "vorn");
            ::SendMessageA(hEdit, EM_SETSEL, 2, 2);
            ::SendMessageA(hEdit, EM_REPLACESEL, TRUE, (LPARAM) " ");
            EXPECT_EQ(ItemText(hPage, nId), "vorn") << nId;
            DWORD dwStart = 0, dwEnd = 0;
            ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
            EXPECT_EQ(dwStart, 2u) << nId;
            EXPECT_EQ(dwEnd, 2u) << nId;
            ::SendMessageA(hEdit, EM_REPLACESEL, TRUE, (LPARAM) "x y");
            EXPECT_EQ(ItemText(hPage, nId), "voxyrn") << nId;
        }
        EXPECT_EQ(dlg->m_config.m_strHttpUser, "voxyrn");
        EXPECT_EQ(dlg->m_config.m_strHttpPassword, "voxyrn");
        // The directory keeps its blanks.
        TypeText(hPage, IDC_HTTP_ROOT, "C:\\vorn web");
        EXPECT_EQ(dlg->m_config.m_strHttpRoot, "C:\\vorn web");
    });
}

TEST_F(SysCfgPages, AdvancedTypedValuesAreApplied)
{
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_AdvancedPage.m_hWnd;
        ASSERT_TRUE(::IsWindow(hPage));
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        TypeText(hPage, IDC_ADV_MODPATH, "C:\\vorn\\mods");
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        TypeText(hPage, IDC_ADV_LDMOD, "zqc.dll \"vorn tape.dll\"");
        EXPECT_EQ(Apply(hDlg), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strModPath, "C:\\vorn\\mods");
    EXPECT_EQ(view.m_received.back().m_strLdMod, "zqc.dll \"vorn tape.dll\"");
}

// Keys typed over a number field's text: a minus goes in front of the
// digits only. A negative value is taken where the field's range has one
// and refused with the range where it has none, never made positive.
TEST_F(SysCfgPages, TypedMinusIsKeptAndJudgedByTheFieldsRange)
{
    dlg->m_config.m_cckd.m_nFREEPEND = 2;
    dlg->m_config.m_cckd.m_nRAT = 3;  // the statement stays with FREEPEND at its default
    dlg->m_config.m_bCCKDGiven = true;
    CWnd* pages[] = {&dlg->m_DasdParmsPage, &dlg->m_ProcsPage, &dlg->m_SettingsPage, &dlg->m_ClockPage};
    const struct {
        int nPage, nId;
        const char *pszKeys, *pszShown;
        const char* pszBalloon;  // its start; null: typing only
        int nTaken;              // FREEPEND or the year offset applied
    } rows[] = {
        {0, IDC_DASD_FREEPEND, "1-x2", "12", nullptr, 0},
        {0, IDC_DASD_FREEPEND, "-1", "-1", "", -1},
        {0, IDC_DASD_RAT, "-4", "-4", "Read-ahead Tracks: Please enter a value between 0 and ", 0},
        {1, IDC_PROCS_XPNDSIZE, "-1", "-1", "Expanded Storage: Please enter a value between 0M and ", 0},
        {2, IDC_SET_KPALV_IDLE, "-1", "-1", "Idle Seconds: ", 0},
        {3, IDC_CLOCK_YROFFSET, "-5", "-5", "", -5},
    };
    Run([&](HWND hDlg) {
        for (const auto& r : rows) {
            dlg->SetActivePage(pages[r.nPage]);
            HWND hEdit = ::GetDlgItem(pages[r.nPage]->m_hWnd, r.nId);
            std::string strOld = ItemText(pages[r.nPage]->m_hWnd, r.nId);
            ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
            for (const char* p = r.pszKeys; *p; ++p)
                ::SendMessageA(hEdit, WM_CHAR, (WPARAM)*p, 1);
            EXPECT_EQ(ItemText(pages[r.nPage]->m_hWnd, r.nId), r.pszShown) << r.nId << " " << r.pszKeys;
            size_t nReceived = view.m_received.size();
            if (r.pszBalloon) {
                EXPECT_EQ(Apply(hDlg).substr(0, strlen(r.pszBalloon)), r.pszBalloon) << r.nId;
            }
            if (r.pszBalloon && !*r.pszBalloon) {
                ASSERT_GT(view.m_received.size(), nReceived) << r.nId;
                const CVornConfigFile& cfg = view.m_received.back();
                EXPECT_EQ(r.nPage == 0 ? cfg.m_cckd.m_nFREEPEND : cfg.m_nYrOffset, r.nTaken) << r.nId;
            }
            TypeText(pages[r.nPage]->m_hWnd, r.nId, strOld.c_str());
        }
    });
}
