// SysCfgPickersTest.cpp: the folder and file pickers that the Http Server,
// Advanced and Settings pages open from their ">" buttons, answered from a
// driver while the dialog runs: where each starts, what a choice stores
// and shows, and that Cancel changes nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <functional>

#include "config/FileDialogPaths.h"
#include "platform/PathFunctions.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/platform/ModalDriver.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

std::string WindowText(HWND hWnd)
{
    char sz[256] = "";
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

// A folder in one form for comparing: backslashes, no trailing one, lower case.
std::string SameFolder(const std::string& str)
{
    CString s = WindowsizedDirectory(str.c_str(), false);
    s.MakeLower();
    return s.GetString();
}

// A folder for the folder picker: one the prefix has always had (under
// Wine the picker does not always find a folder made moments before, and
// then selects the user's folder instead).
std::string SystemFolder()
{
    char sz[MAX_PATH] = "";
    ::GetSystemDirectoryA(sz, MAX_PATH);
    return sz;
}

// The answers a picker gets.
void ChooseFolder(HWND hPicker, const std::string& strFolder)
{
    if (!strFolder.empty())
        ::SendMessageA(hPicker, BFFM_SETSELECTIONA, TRUE, (LPARAM)strFolder.c_str());
    ::PostMessageA(hPicker, WM_COMMAND, IDOK, 0);
}

void TypeFileNames(HWND hPicker, const std::string& strNames)
{
    ::SetDlgItemTextA(hPicker, 0x47C, strNames.c_str());  // the file-name box
    ::PostMessageA(hPicker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hPicker, IDOK));
}

void CancelPicker(HWND hPicker)
{
    ::PostMessageA(hPicker, WM_COMMAND, IDCANCEL, 0);
}

struct Pickers : SysCfgDialogFixture {
    TempDir other;
    char m_szCurrentDir[MAX_PATH] = "";
    CString m_strSavedInitialDir = g_strWindowsizedDefaultInitialDir;
    std::string m_strPickerTitle, m_strPickerTexts;

    Pickers() { ::GetCurrentDirectoryA(MAX_PATH, m_szCurrentDir); }
    // A chosen file becomes the process's current folder: put it back, so
    // that the settings store's file stays where it was.
    ~Pickers() override
    {
        ::SetCurrentDirectoryA(m_szCurrentDir);
        g_strWindowsizedDefaultInitialDir = m_strSavedInitialDir;
    }

    // Presses the page's button; the picker it opens gets the answer after
    // it has shown for a moment, as a user's would. The dialog itself,
    // disabled behind the picker, is passed over.
    void Pick(HWND hDlg, HWND hPage, int nButton, const std::function<void(HWND)>& answer)
    {
        m_strPickerTitle.clear();
        m_strPickerTexts.clear();
        int nSeen = 0;
        DialogDriver driver([&](HWND h) {
            if (h == hDlg || ++nSeen < 10)
                return true;
            m_strPickerTitle = WindowText(h);
            m_strPickerTexts = DialogTexts(h);
            answer(h);
            return false;
        });
        Press(hPage, nButton);
        EXPECT_TRUE(driver.SawDialog());
    }
};

}  // namespace

TEST_F(Pickers, HttpRootStartsAtTheRootDirectoryAndTakesTheChoice)
{
    std::string strRoot = SystemFolder();
    std::string strDrivers = strRoot + "\\drivers";
    dlg->m_config.m_bHttpStart = true;
    dlg->m_config.m_strHttpRoot = strRoot.c_str();
    m_pShowFirst = &dlg->m_HttpSrvrPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_HttpSrvrPage.m_hWnd;
        // OK at once: the start folder comes back.
        Pick(hDlg, hPage, IDC_HTTP_ROOT_BROWSE, [&](HWND h) { ChooseFolder(h, ""); });
        EXPECT_NE(m_strPickerTexts.find("Select root directory for HTTP Server."), std::string::npos)
            << m_strPickerTexts;
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_HTTP_ROOT)), SameFolder(strRoot));
        Pick(hDlg, hPage, IDC_HTTP_ROOT_BROWSE, [&](HWND h) { ChooseFolder(h, strDrivers); });
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_HTTP_ROOT)), SameFolder(strDrivers));
        EXPECT_EQ(SameFolder(dlg->m_config.m_strHttpRoot.GetString()), SameFolder(strDrivers));
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        // Cancel keeps the choice.
        Pick(hDlg, hPage, IDC_HTTP_ROOT_BROWSE, CancelPicker);
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_HTTP_ROOT)), SameFolder(strDrivers));
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(SameFolder(view.m_received.back().m_strHttpRoot.GetString()), SameFolder(strDrivers));
}

TEST_F(Pickers, HttpRootWithoutOneStartsAtTheConfigurationFolder)
{
    dlg->m_config.m_bHttpStart = true;
    dlg->m_config.m_strHttpRoot = "";
    dlg->m_strConfigFilesDir = (SystemFolder() + "\\").c_str();
    m_pShowFirst = &dlg->m_HttpSrvrPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_HttpSrvrPage.m_hWnd;
        Pick(hDlg, hPage, IDC_HTTP_ROOT_BROWSE, [&](HWND h) { ChooseFolder(h, ""); });
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_HTTP_ROOT)), SameFolder(SystemFolder()));
    });
}

TEST_F(Pickers, ModuleFolderStartsAtTheExecutablesFolder)
{
    dlg->m_config.m_strModPath = "";
    dlg->m_strExecutablesDir = SystemFolder().c_str();
    m_pShowFirst = &dlg->m_AdvancedPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_AdvancedPage.m_hWnd;
        Pick(hDlg, hPage, IDC_ADV_MODPATH_BROWSE, CancelPicker);
        EXPECT_NE(m_strPickerTexts.find("Select default dynamic modules load directory"), std::string::npos)
            << m_strPickerTexts;
        EXPECT_EQ(ItemText(hPage, IDC_ADV_MODPATH), "");
        EXPECT_EQ(FirstModifiedPage(*dlg), -1);
        Pick(hDlg, hPage, IDC_ADV_MODPATH_BROWSE, [&](HWND h) { ChooseFolder(h, ""); });
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_ADV_MODPATH)), SameFolder(SystemFolder()));
        EXPECT_EQ(SameFolder(dlg->m_config.m_strModPath.GetString()), SameFolder(SystemFolder()));
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        // Set, the module folder is where the picker starts.
        TypeText(hPage, IDC_ADV_MODPATH, (SystemFolder() + "\\drivers").c_str());
        Pick(hDlg, hPage, IDC_ADV_MODPATH_BROWSE, [&](HWND h) { ChooseFolder(h, ""); });
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_ADV_MODPATH)), SameFolder(SystemFolder() + "\\drivers"));
    });
}

TEST_F(Pickers, ModulesChosenTogetherStoreTheirNamesAndFolder)
{
    other.Write("zqc.dll", "MZ");
    other.Write("vorn tape.dll", "MZ");
    dlg->m_config.m_strModPath = "";
    dlg->m_config.m_strLdMod = "";
    dlg->m_strExecutablesDir = other.Folder().c_str();
    m_pShowFirst = &dlg->m_AdvancedPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_AdvancedPage.m_hWnd;
        Pick(hDlg, hPage, IDC_ADV_LDMOD_BROWSE, [&](HWND h) { TypeFileNames(h, "\"zqc.dll\" \"vorn tape.dll\""); });
        EXPECT_EQ(m_strPickerTitle, "Additional Dynmods");
        EXPECT_EQ(ItemText(hPage, IDC_ADV_LDMOD), "zqc.dll \"vorn tape.dll\"");
        EXPECT_EQ(dlg->m_config.m_strLdMod, "zqc.dll \"vorn tape.dll\"");
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_ADV_MODPATH)), SameFolder(other.Folder()));
        EXPECT_EQ(SameFolder(dlg->m_config.m_strModPath.GetString()), SameFolder(other.Folder()));
        // Cancelled: the modules as typed stay.
        TypeText(hPage, IDC_ADV_LDMOD, "zqc.dll");
        Pick(hDlg, hPage, IDC_ADV_LDMOD_BROWSE, CancelPicker);
        EXPECT_EQ(ItemText(hPage, IDC_ADV_LDMOD), "zqc.dll");
        EXPECT_EQ(dlg->m_config.m_strLdMod, "zqc.dll");
        EXPECT_EQ(Apply(hDlg), "");
    });
}

// A module given with its folder while no module folder is set: opening the
// picker makes that folder the module folder, shown at once, even when the
// picker is then cancelled.
TEST_F(Pickers, OpeningTheModulePickerSetsAnEmptyModuleFolder)
{
    std::string strModule = other.Write("zqc.dll", "MZ");
    dlg->m_config.m_strModPath = "";
    dlg->m_config.m_strLdMod = ("\"" + strModule + "\"").c_str();
    m_pShowFirst = &dlg->m_AdvancedPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_AdvancedPage.m_hWnd;
        Pick(hDlg, hPage, IDC_ADV_LDMOD_BROWSE, CancelPicker);
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_ADV_MODPATH)), SameFolder(other.Folder()));
        EXPECT_EQ(SameFolder(dlg->m_config.m_strModPath.GetString()), SameFolder(other.Folder()));
        EXPECT_NE(FirstModifiedPage(*dlg), -1);
        // The next exchange reads the shown folder back, not the old one.
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(SameFolder(view.m_received.back().m_strModPath.GetString()), SameFolder(other.Folder()));
}

TEST_F(Pickers, RunCommandAndLogoFilesStartAtTheConfigurationFolder)
{
    std::string strRc = other.Write("start.rc", "ipl 0120\n");
    std::string strLogo = other.Write("logo.txt", "Vornamic\n");
    dlg->m_strConfigFilesDir = other.Folder().c_str();
    m_pShowFirst = &dlg->m_SettingsPage;
    Run([&](HWND hDlg) {
        HWND hPage = dlg->m_SettingsPage.m_hWnd;
        Pick(hDlg, hPage, IDC_SET_RCFILE_BROWSE, [&](HWND h) { TypeFileNames(h, "start.rc"); });
        EXPECT_EQ(m_strPickerTitle, ".RC File");
        EXPECT_EQ(SameFolder(ItemText(hPage, IDC_SET_RCFILE)), SameFolder(strRc));
        EXPECT_EQ(SameFolder(dlg->m_config.m_strRCFile.GetString()), SameFolder(strRc));
        Pick(hDlg, hPage, IDC_SET_LOGOFILE_BROWSE, CancelPicker);
        EXPECT_EQ(m_strPickerTitle, "Logo File");
        EXPECT_EQ(ItemText(hPage, IDC_SET_LOGOFILE), "");
        Pick(hDlg, hPage, IDC_SET_LOGOFILE_BROWSE, [&](HWND h) { TypeFileNames(h, "logo.txt"); });
        EXPECT_EQ(SameFolder(dlg->m_config.m_strLogoFile.GetString()), SameFolder(strLogo));
        EXPECT_EQ(Apply(hDlg), "");
    });
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(SameFolder(view.m_received.back().m_strRCFile.GetString()), SameFolder(strRc));
}
