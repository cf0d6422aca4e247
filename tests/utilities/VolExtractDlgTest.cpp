// VolExtractDlgTest.cpp: the VOLEXTRACT dialog under Wine without the view:
// the command lines by mode and shadow, the output folder made current only
// when the command line is built, the current folder on a first opening,
// each refusal, the modes excluding each other, the 44-character data set
// edit.
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
#include "utilities/VolExtractDlg.h"

namespace {

std::string CurrentFolder()
{
    char sz[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, sz);
    return sz;
}

struct VolExtractDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strImage = dir.Write("mvs.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strOut = dir.Path("out");
    std::string strStart = CurrentFolder();

    void SetUp() override
    {
        ::CreateDirectoryA(strOut.c_str(), nullptr);
        ::SetCurrentDirectoryA(dir.Folder().c_str());
    }
    void TearDown() override
    {
        ErrorBalloonHide();
        ::SetCurrentDirectoryA(strStart.c_str());
    }

    vorntest::SUtilityOk Run(CVolExtractDlg& dlg, const std::string& strInput, const std::string& strShadow,
                             const std::string& strFolder, const char* pszDataset, bool bAscii, bool bRecord)
    {
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_VOLEXTRACT_SHADOW, strShadow.c_str());
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_DIR, strFolder.c_str());
            ::SetDlgItemTextA(h, IDC_VOLEXTRACT_DATASET, pszDataset);
            ::CheckDlgButton(h, IDC_VOLEXTRACT_ASCII, bAscii ? BST_CHECKED : BST_UNCHECKED);
            ::CheckDlgButton(h, IDC_VOLEXTRACT_RECORD, bRecord ? BST_CHECKED : BST_UNCHECKED);
        });
    }
};

TEST_F(VolExtractDialog, CommandLinesByModeAndShadowRunInTheOutputFolder)
{
    std::string strShadow = dir.Write("mvs_1.shd", "s");
    std::string strBlankShadow = dir.Write("mvs 2.shd", "s");
    const struct {
        std::string strShadow;
        bool bAscii, bRecord;
        std::string strCommand;
    } cases[] = {
        {strShadow, true, false, "VOLEXTRACT -ascii " + strImage + " sf=" + strShadow + " SYS1.PARMLIB.DATA"},
        {"", false, true, "VOLEXTRACT -record " + strImage + " SYS1.PARMLIB.DATA"},
        {strBlankShadow, false, false, "VOLEXTRACT " + strImage + " \"sf=" + strBlankShadow + "\" SYS1.PARMLIB.DATA"},
    };
    for (const auto& c : cases) {
        ::SetCurrentDirectoryA(dir.Folder().c_str());
        CVolExtractDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strImage, c.strShadow, strOut, " sys1.parmlib.data ", c.bAscii, c.bRecord);
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ(c.strCommand, std::string(dlg.m_strCommandLine));
        EXPECT_EQ("VOLEXTRACT mvs.cckd SYS1.PARMLIB.DATA", std::string(dlg.m_strTitle));
        EXPECT_EQ(1024, dlg.m_nExpectedTotal);
        EXPECT_EQ(strOut, CurrentFolder());
    }
    EXPECT_EQ("SYS1.PARMLIB.DATA", std::string(ProfileGetString("VOLEXTRACT", "strDataset", "")));
    EXPECT_EQ(strOut, std::string(ProfileGetString("VOLEXTRACT", "strOutputDirectory", "")));
}

TEST_F(VolExtractDialog, FirstOpeningShowsTheCurrentFolder)
{
    std::string strShown;
    CVolExtractDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        char sz[MAX_PATH] = "";
        ::GetDlgItemTextA(h, IDC_UTIL_OUTPUT_DIR, sz, sizeof sz);
        strShown = sz;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(dir.Folder().substr(0, dir.Folder().size() - 1), strShown);
}

TEST_F(VolExtractDialog, EachRefusalKeepsTheCurrentFolder)
{
    const char kBoth[] = "ASCII Mode: ASCII mode and Record mode are mutually exclusive from one another. Choose one "
                         "or the other or neither.";
    const struct {
        std::string strInput, strShadow, strFolder;
        const char* pszDataset;
        bool bBoth;
        const char* pszBalloon;
    } cases[] = {
        {"", "", strOut, "A.B", false, "Dasd image file: You must specify an input file."},
        {strImage, dir.Path("none.shd"), strOut, "A.B", false, "Shadow file: File not found."},
        {strImage, "", dir.Path("nowhere"), "A.B", false, "Output directory: Directory does not exist or is invalid."},
        {strImage, "", "", "A.B", false, "Output directory: Directory does not exist or is invalid."},
        {strImage, "", strOut, "", false, "Dataset name: Invalid DSN syntax"},
        {strImage, "", strOut, "1SYS.A", false, "Dataset name: Invalid DSN syntax"},
        {strImage, "", strOut, "SYS1..A", false, "Dataset name: Invalid DSN syntax"},
        {strImage, "", strOut, "SYS1.A.", false, "Dataset name: Invalid DSN syntax"},
        {strImage, "", strOut, "ABCDEFGH.ABCDEFGH.ABCDEFGH.ABCDEFGH.ABCD.ABCD", false,
         "Dataset name: Invalid DSN syntax"},  // 45 characters, set rather than typed
        {strImage, "", strOut, "A.B", true, kBoth},
    };
    for (const auto& c : cases) {
        CVolExtractDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, c.strInput, c.strShadow, c.strFolder, c.pszDataset, c.bBoth, c.bBoth);
        EXPECT_EQ(IDCANCEL, ok.nResult) << c.pszBalloon;
        EXPECT_EQ(c.pszBalloon, ok.strBalloon);
        EXPECT_EQ(dir.Folder().substr(0, dir.Folder().size() - 1), CurrentFolder());
    }
    EXPECT_EQ(std::string::npos, vorntest::ReadWholeFile(strIni).find("[VOLEXTRACT]"));
}

TEST_F(VolExtractDialog, ModesExcludeEachOtherAndTheNameStopsAt44Characters)
{
    bool bRecordAfterAscii = true, bAsciiAfterRecord = true, bRecordKept = false;
    std::string strTyped;
    CVolExtractDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        ::CheckDlgButton(h, IDC_VOLEXTRACT_RECORD, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLEXTRACT_RECORD, BN_CLICKED), 0);
        ::CheckDlgButton(h, IDC_VOLEXTRACT_ASCII, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLEXTRACT_ASCII, BN_CLICKED), 0);
        bRecordAfterAscii = ::IsDlgButtonChecked(h, IDC_VOLEXTRACT_RECORD) == BST_CHECKED;
        ::CheckDlgButton(h, IDC_VOLEXTRACT_RECORD, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLEXTRACT_RECORD, BN_CLICKED), 0);
        bAsciiAfterRecord = ::IsDlgButtonChecked(h, IDC_VOLEXTRACT_ASCII) == BST_CHECKED;
        bRecordKept = ::IsDlgButtonChecked(h, IDC_VOLEXTRACT_RECORD) == BST_CHECKED;
        HWND hName = ::GetDlgItem(h, IDC_VOLEXTRACT_DATASET);
        for (int i = 0; i < 50; ++i)
            ::SendMessageA(hName, WM_CHAR, 'a', 0);
        char sz[128] = "";
        ::GetWindowTextA(hName, sz, sizeof sz);
        strTyped = sz;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(bRecordAfterAscii);
    EXPECT_FALSE(bAsciiAfterRecord);
    EXPECT_TRUE(bRecordKept);
    EXPECT_EQ(std::string(44, 'A'), strTyped);  // typed letters become capitals
}

TEST_F(VolExtractDialog, StoredModesBothOnAreRefused)
{
    ProfileWriteInt("VOLEXTRACT", "bASCIIMode", 1);
    ProfileWriteInt("VOLEXTRACT", "bRecordMode", 1);
    ProfileWriteString("VOLEXTRACT", "strDataset", "SYS1.LOG");
    CVolExtractDlg dlg;
    EXPECT_EQ("ASCII Mode: ASCII mode and Record mode are mutually exclusive from one another. Choose one or the "
              "other or neither.",
              vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strImage.c_str()).strBalloon);
}

}  // namespace

namespace {

// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLEXTRACT build/win32/bin/utilities_tests.exe
//     --gtest_filter=VolExtractDialog.DISABLED_ShowForPicture
TEST_F(VolExtractDialog, DISABLED_ShowForPicture)
{
    CVolExtractDlg dlg;
    dlg.m_strInputFile = strImage.c_str();
    dlg.m_strDataset = "SYS1.PARMLIB.DATA";
    dlg.m_bASCIIMode = true;
    if (!vorntest::HoldUtilityForPicture(dlg, {}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
