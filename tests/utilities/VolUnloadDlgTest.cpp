// VolUnloadDlgTest.cpp: the VOLUNLOAD dialog under Wine without the view:
// the command lines by unload option, shadow and output folder (one
// trailing separator removed, a root kept whole), each refusal, and a PDS
// name of any syntax passed on.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolUnloadDlg.h"

namespace {

struct VolUnloadDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strImage = dir.Write("mvs.cckd", vorntest::DiskImageBytes("CKD_C370"));

    void TearDown() override { ErrorBalloonHide(); }

    vorntest::SUtilityOk Run(CVolUnloadDlg& dlg, const std::string& strInput, const std::string& strShadow,
                             const char* pszPds, const char* pszFolder, bool bBinary)
    {
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_VOLUNLOAD_SHADOW, strShadow.c_str());
            ::SetDlgItemTextA(h, IDC_VOLUNLOAD_PDS, pszPds);
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_DIR, pszFolder);
            ::CheckRadioButton(h, IDC_VOLUNLOAD_BINARY, IDC_VOLUNLOAD_ASCII,
                               bBinary ? IDC_VOLUNLOAD_BINARY : IDC_VOLUNLOAD_ASCII);
        });
    }
};

TEST_F(VolUnloadDialog, CommandLinesByOptionShadowAndFolder)
{
    std::string strShadow = dir.Write("mvs_1.shd", "s");
    const struct {
        std::string strShadow;
        const char* pszPds;
        const char* pszFolder;
        bool bBinary;
        std::string strCommand;
    } cases[] = {
        {"", "SYS1.MACLIB", "C:\\out\\", false, "VOLUNLOAD " + strImage + " SYS1.MACLIB ascii C:\\out"},
        {"", "SYS1.MACLIB", "C:\\", false, "VOLUNLOAD " + strImage + " SYS1.MACLIB ascii C:\\"},
        {"", "SYS1.MACLIB", "", true, "VOLUNLOAD " + strImage + " SYS1.MACLIB"},
        {strShadow, "SYS1.MACLIB", "C:\\out", true, "VOLUNLOAD " + strImage + " sf=" + strShadow + " SYS1.MACLIB C:\\out"},
        {"  ", " my pds(x) ", "C:\\my out\\", false, "VOLUNLOAD " + strImage + " \"my pds(x)\" ascii \"C:\\my out\""},
    };
    for (const auto& c : cases) {
        CVolUnloadDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strImage, c.strShadow, c.pszPds, c.pszFolder, c.bBinary);
        ASSERT_EQ(IDOK, ok.nResult) << c.strCommand << " " << ok.strBalloon;
        EXPECT_EQ(c.strCommand, std::string(dlg.m_strCommandLine));
        EXPECT_EQ(1024, dlg.m_nExpectedTotal);
    }
    CVolUnloadDlg last;
    ASSERT_EQ(IDOK, Run(last, strImage, "", "SYS1.MACLIB", "C:\\out\\", true).nResult);
    EXPECT_EQ("VOLUNLOAD SYS1.MACLIB", std::string(last.m_strTitle));
    EXPECT_EQ("C:\\out\\", std::string(ProfileGetString("VOLUNLOAD", "strOutputDirectory", "")));
    EXPECT_EQ("1", std::string(ProfileGetString("VOLUNLOAD", "nUnloadOption", "")));
}

TEST_F(VolUnloadDialog, EachRefusalShowsItsBalloonAndSavesNothing)
{
    std::string strText = dir.Write("notes.txt", std::string(2000, 'x'));
    const struct {
        std::string strInput, strShadow;
        const char* pszPds;
        const char* pszBalloon;
    } cases[] = {
        {"", "", "A", "Input DASD Image: You must specify an input file."},
        {strText, "", "A", "Input DASD Image: Unknown/unsupported Vornamic dasd image format! (Possibly because of a "
                           "sharing violation perhaps?)"},
        {strImage, dir.Path("none.shd"), "A", "Shadow Filename: File not found."},
        {strImage, "", "", "PDS Name: You must specify the name of the Partitioned Dataset to be unloaded."},
        {strImage, "", "   ", "PDS Name: You must specify the name of the Partitioned Dataset to be unloaded."},
    };
    for (const auto& c : cases) {
        CVolUnloadDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, c.strInput, c.strShadow, c.pszPds, "", false);
        EXPECT_EQ(IDCANCEL, ok.nResult) << c.pszBalloon;
        EXPECT_EQ(c.pszBalloon, ok.strBalloon);
    }
    EXPECT_EQ(std::string::npos, vorntest::ReadWholeFile(strIni).find("[VOLUNLOAD]"));
}

TEST_F(VolUnloadDialog, FirstOpeningUnloadsAsAsciiText)
{
    bool bAscii = false, bBinary = true;
    CVolUnloadDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        bAscii = ::IsDlgButtonChecked(h, IDC_VOLUNLOAD_ASCII) == BST_CHECKED;
        bBinary = ::IsDlgButtonChecked(h, IDC_VOLUNLOAD_BINARY) == BST_CHECKED;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(bAscii);
    EXPECT_FALSE(bBinary);
}

}  // namespace

namespace {

// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLUNLOAD build/win32/bin/utilities_tests.exe
//     --gtest_filter=VolUnloadDialog.DISABLED_ShowForPicture
TEST_F(VolUnloadDialog, DISABLED_ShowForPicture)
{
    CVolUnloadDlg dlg;
    dlg.m_strInputFile = strImage.c_str();
    dlg.m_strPDSName = "SYS1.MACLIB";
    dlg.m_strOutputDirectory = dir.Folder().c_str();
    if (!vorntest::HoldUtilityForPicture(dlg, {}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
