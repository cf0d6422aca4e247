// ImageCopyDlgTest.cpp: the WidenVol and VolRecast dialogs under Wine
// without the view: option words in their order (none leaves one blank),
// the input's kind, the output path joined with one separator, the keys
// written, and the 64-bit box off without the 64-bit utilities.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolBuildDlg.h"
#include "utilities/VolRecastDlg.h"
#include "utilities/WidenVolDlg.h"

namespace {

struct ImageCopyDialogs : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strOutDir = dir.Folder().substr(0, dir.Folder().size() - 1);  // no separator
    std::string strCompressed = dir.Write("in.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strPlain = dir.Write("in.ckd", vorntest::DiskImageBytes("CKD_P370"));

    void TearDown() override { ErrorBalloonHide(); }

    // Opens the dialog, sets the output folder, the checks (ids with
    // their state) and presses OK with the input and output name.
    template <class TDlg>
    vorntest::SUtilityOk Run(TDlg& dlg, const std::string& strInput, const char* pszOutput,
                             std::initializer_list<std::pair<int, bool>> checks)
    {
        dlg.m_strOutputDirectory = strOutDir.c_str();
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, pszOutput);
            for (const auto& c : checks)
                ::CheckDlgButton(h, c.first, c.second ? BST_CHECKED : BST_UNCHECKED);
        });
    }
};

struct SWidenCase {
    bool bReplace, bQuiet, bVerbose;
    const char* pszWords;   // between the program word and the input
};

const SWidenCase kWidenCases[] = {
    {false, false, false, "WIDENVOL  "},
    {true, true, false, "WIDENVOL -r -q "},
    {false, false, true, "WIDENVOL -v "},
    {true, true, true, "WIDENVOL -r -q -v "},
};

TEST_F(ImageCopyDialogs, WidenVolOptionWordsInTheirOrder)
{
    for (const SWidenCase& c : kWidenCases) {
        CWidenVolDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strCompressed, "out64.cckd",
                                      {{IDC_UTIL_REPLACE, c.bReplace}, {IDC_UTIL_QUIET, c.bQuiet},
                                       {IDC_UTIL_VERBOSE, c.bVerbose}});
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ(c.pszWords + strCompressed + " " + dir.Path("out64.cckd"), std::string(dlg.m_strCommandLine));
        EXPECT_EQ(0, dlg.m_nExpectedTotal);
        EXPECT_EQ(dir.Path("out64.cckd"), std::string(dlg.m_strOutputPath));
    }
    EXPECT_EQ("1", std::string(ProfileGetString("WIDENVOL", "bVerbose", "")));
    EXPECT_EQ("out64.cckd", std::string(ProfileGetString("WIDENVOL", "strOutputFile", "")));
}

TEST_F(ImageCopyDialogs, WidenVolTakesOnlyACompressedImage)
{
    CWidenVolDlg plain;
    EXPECT_EQ("Input File: Selected input dasd image file is not a CCKD type.",
              Run(plain, strPlain, "out.cckd", {}).strBalloon);
    std::string strText = dir.Write("t.txt", std::string(2000, 'x'));
    CWidenVolDlg text;
    EXPECT_EQ("Input Filename: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing "
              "violation perhaps?)",
              Run(text, strText, "out.cckd", {}).strBalloon);
    CWidenVolDlg noName;
    EXPECT_EQ("Output Filename: You must specify an output file.", Run(noName, strCompressed, "", {}).strBalloon);
    EXPECT_EQ("", std::string(ProfileGetString("WIDENVOL", "strInputFile", "")));
}

TEST_F(ImageCopyDialogs, VolRecastDefaultsToSingleFileAndWritesThePathKeys)
{
    CVolRecastDlg first;
    vorntest::SUtilityOk ok = Run(first, strPlain, "my copy.ckd", {});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VOLRECAST -lfs " + strPlain + " \"" + dir.Path("my copy.ckd") + "\"",
              std::string(first.m_strCommandLine));
    EXPECT_EQ("VOLRECAST -lfs in.ckd " + dir.Path("my copy.ckd"), std::string(first.m_strTitle));
    EXPECT_EQ(strPlain, std::string(ProfileGetString("VOLRECAST", "InputFile", "")));
    EXPECT_EQ("my copy.ckd", std::string(ProfileGetString("VOLRECAST", "OutputFile", "")));
    EXPECT_EQ("1", std::string(ProfileGetString("VOLRECAST", "bLargeFile", "")));

    CVolRecastDlg none;
    ASSERT_EQ(IDOK, Run(none, strPlain, "b.ckd", {{IDC_UTIL_LARGE_FILE, false}}).nResult);
    EXPECT_EQ("VOLRECAST  " + strPlain + " " + dir.Path("b.ckd"), std::string(none.m_strCommandLine));
}

TEST_F(ImageCopyDialogs, VolRecastWithoutThe64BitUtilitiesKeepsThePlainProgram)
{
    ProfileWriteInt("VOLRECAST", "bCKD64", 1);
    bool bEnabled = true, bChecked = false;
    CVolRecastDlg look;
    look.m_strOutputDirectory = strOutDir.c_str();
    vorntest::PressUtilityOk(look, IDC_UTIL_INPUT_FILE, strPlain.c_str(), [&](HWND h) {
        bEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_CKD64)) != FALSE;
        bChecked = ::IsDlgButtonChecked(h, IDC_UTIL_CKD64) == BST_CHECKED;
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "d.ckd");
    });
    EXPECT_FALSE(bEnabled);
    EXPECT_TRUE(bChecked);
    EXPECT_EQ("VOLRECAST -lfs " + strPlain + " " + dir.Path("d.ckd"), std::string(look.m_strCommandLine));
}

}  // namespace

namespace {

// Holds a dialog open for a picture (VORN_SHOW_DIALOG: VOLRECAST or VOLBUILD):
// VORN_SHOW_DIALOG=VOLBUILD VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLBUILD
//     build/win32/bin/utilities_tests.exe --gtest_filter=ImageCopyDialogs.DISABLED_ShowForPicture
TEST_F(ImageCopyDialogs, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    const char* pszName = std::getenv("VORN_SHOW_DIALOG");
    if (!pszHold || !pszName)
        GTEST_SKIP() << "set VORN_SHOW_DIALOG and VORN_SHOW_DIALOG_MS to show a dialog";
    DWORD dwStart = ::GetTickCount();
    auto hold = [&](CImageCopyDlg& dlg) {
        dlg.m_strInputFile = strPlain.c_str();
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        dlg.m_strOutputFile = "copy.ckd";
        vorntest::RunModal(dlg, [&](HWND h) {
            if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
                return true;
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        }, 100);
    };
    if (std::string(pszName) == "VOLBUILD") {
        CVolBuildDlg dlg;
        hold(dlg);
    } else {
        CVolRecastDlg dlg;
        hold(dlg);
    }
}

}  // namespace


namespace {

struct SVolBuildCase {
    bool bAlt, bCompress, bBzip2, bSingle;
    int nLevel;
    const char* pszOptions;   // with the blank after them, or nothing
};

const SVolBuildCase kVolBuildCases[] = {
    {false, true, false, true, 1, "-z "},          // the defaults
    {true, true, true, false, 3, "-a -bz2 "},
    {false, false, false, true, 0, "-lfs "},
    {false, false, false, false, 5, ""},           // no option: one blank only
};

TEST_F(ImageCopyDialogs, VolBuildOptionWordsAndTheLevelLast)
{
    std::string strControl = dir.Write("mvs.ctl", std::string(777, 'c'));
    for (const SVolBuildCase& c : kVolBuildCases) {
        ProfileWriteInt("VOLBUILD", "nMsgLevel", c.nLevel);  // the stored level shows on the slider
        CVolBuildDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strControl, "mvs.cckd",
                                      {{IDC_UTIL_ALT_CYLS, c.bAlt}, {IDC_UTIL_COMPRESS, c.bCompress},
                                       {IDC_UTIL_ZLIB, !c.bBzip2}, {IDC_UTIL_BZIP2, c.bBzip2},
                                       {IDC_UTIL_LARGE_FILE, c.bSingle}});
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ(std::string("VOLBUILD ") + c.pszOptions + strControl + " " + dir.Path("mvs.cckd") + " " +
                      std::to_string(c.nLevel),
                  std::string(dlg.m_strCommandLine));
        EXPECT_EQ(777, dlg.m_nExpectedTotal);
    }
}

TEST_F(ImageCopyDialogs, VolBuildFirstOpeningCompressesWithTheSingleFileBoxForced)
{
    CVolBuildDlg dlg;
    bool bSingleChecked = false, bSingleEnabled = true, bRadiosEnabled = false, bCkd64Enabled = true;
    bool bRestored = true, bRestoredEnabled = false;
    int nLevel = -1;
    vorntest::RunModal(dlg, [&](HWND h) {
        bSingleChecked = ::IsDlgButtonChecked(h, IDC_UTIL_LARGE_FILE) == BST_CHECKED;
        bSingleEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_LARGE_FILE)) != FALSE;
        bRadiosEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_BZIP2)) != FALSE;
        bCkd64Enabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_CKD64)) != FALSE;
        nLevel = (int)::SendDlgItemMessageA(h, IDC_UTIL_MSG_LEVEL, TBM_GETPOS, 0, 0);
        // Unticking compression shows the stored single-file choice again.
        ::CheckDlgButton(h, IDC_UTIL_COMPRESS, BST_UNCHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_COMPRESS, BN_CLICKED), 0);
        bRestored = ::IsDlgButtonChecked(h, IDC_UTIL_LARGE_FILE) == BST_CHECKED;
        bRestoredEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_LARGE_FILE)) != FALSE;
        bRadiosEnabled = bRadiosEnabled && !::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_ZLIB));
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(bSingleChecked);
    EXPECT_FALSE(bSingleEnabled);
    EXPECT_TRUE(bRadiosEnabled);   // enabled while compressing, disabled after
    EXPECT_FALSE(bCkd64Enabled);
    EXPECT_EQ(1, nLevel);
    EXPECT_TRUE(bRestored);
    EXPECT_TRUE(bRestoredEnabled);
}

}  // namespace
