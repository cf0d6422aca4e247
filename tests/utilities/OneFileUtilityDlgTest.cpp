// OneFileUtilityDlgTest.cpp: the one-file utility dialogs under Wine without
// the view: their settings (defaults, OK then reopen, Cancel writes
// nothing), each refusal with its balloon, the command line, title and
// total they build, the fixed height, icon and help texts, and no GDI
// object left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "config/FileChecks.h"
#include "platform/ErrorBalloon.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/MapImportDlg.h"
#include "utilities/PackFlipDlg.h"
#include "utilities/ReelScanDlg.h"
#include "utilities/VolPatchDlg.h"

namespace {

using vorntest::PressUtilityOk;
using vorntest::SUtilityOk;

struct OneFileDialogs : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strCompressed = dir.Write("pack.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strCompressed64 = dir.Write("big.cckd64", vorntest::DiskImageBytes("CKD_C064"));
    std::string strText = dir.Write("notes.txt", std::string(2000, 'x'));

    void TearDown() override
    {
        ErrorBalloonHide();
        g_bCKD64UtilitiesMissing = false;
    }
};

TEST_F(OneFileDialogs, FirstRunShowsAnEmptyInputAndOkThenReopenShowsIt)
{
    CPackFlipDlg first;
    SUtilityOk ok = PressUtilityOk(first, IDC_UTIL_INPUT_FILE, strCompressed.c_str());
    EXPECT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("", ok.strShownInput);
    CPackFlipDlg second;
    SUtilityOk again = PressUtilityOk(second, IDC_UTIL_INPUT_FILE, nullptr);
    EXPECT_EQ(strCompressed, again.strShownInput);
    EXPECT_EQ(IDOK, again.nResult);
}

TEST_F(OneFileDialogs, CancelLeavesTheSectionByteIdentical)
{
    CReelScanDlg first;
    ASSERT_EQ(IDOK, PressUtilityOk(first, IDC_UTIL_INPUT_FILE, strText.c_str()).nResult);
    std::string strBefore = vorntest::ReadWholeFile(strIni);
    ASSERT_NE(std::string::npos, strBefore.find("[REELSCAN]"));
    CReelScanDlg second;
    INT_PTR r = vorntest::RunModal(second, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strCompressed.c_str());
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_EQ(strBefore, vorntest::ReadWholeFile(strIni));
    // A refused OK saves nothing either.
    CReelScanDlg third;
    SUtilityOk refused = PressUtilityOk(third, IDC_UTIL_INPUT_FILE, dir.Path("none.aws").c_str());
    EXPECT_EQ("Input Filename: File not found.", refused.strBalloon);
    EXPECT_EQ(strBefore, vorntest::ReadWholeFile(strIni));
}

struct SRefusalCase {
    const char* pszDialog;
    const char* pszInput;     // "@text" the text file, "@missing" a name that does not exist
    const char* pszBalloon;
};

const char kUnknown[] =
    "Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation perhaps?)";

const SRefusalCase kRefusals[] = {
    {"PACKFLIP", "", "Input File: You must specify an input file."},
    {"PACKFLIP", "@missing", "Input File: File not found."},
    {"PACKFLIP", "@text", "Input File: Unknown/unsupported Vornamic dasd image format! (Possibly because of a "
                          "sharing violation perhaps?)"},
    {"VOLPATCH", "@text", "Filename: Unknown/unsupported Vornamic dasd image format! (Possibly because of a "
                          "sharing violation perhaps?)"},
    {"VOLPATCH", "@missing", "Filename: File not found."},
    {"VOLPATCH", "bad|name", "Filename: The specified filename contains one or more invalid characters."},
    {"MAPIMPORT", "@missing", "Input Filename: File not found."},
    {"REELSCAN", "", "Input Filename: You must specify an input file."},
};

TEST_F(OneFileDialogs, EachRefusalShowsItsBalloonAndKeepsTheDialogOpen)
{
    for (const SRefusalCase& c : kRefusals) {
        std::string strInput = c.pszInput;
        if (strInput == "@text")
            strInput = strText;
        else if (strInput == "@missing")
            strInput = dir.Path("missing.img");
        std::string strDialog = c.pszDialog;
        SUtilityOk ok;
        if (strDialog == "PACKFLIP") {
            CPackFlipDlg dlg;
            ok = PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str());
        } else if (strDialog == "VOLPATCH") {
            CVolPatchDlg dlg;
            ok = PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str());
        } else if (strDialog == "MAPIMPORT") {
            CMapImportDlg dlg;
            ok = PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str());
        } else {
            CReelScanDlg dlg;
            ok = PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str());
        }
        EXPECT_EQ(IDCANCEL, ok.nResult) << c.pszDialog << " " << c.pszInput;
        EXPECT_EQ(c.pszBalloon, ok.strBalloon) << c.pszDialog << " " << c.pszInput;
    }
}

TEST_F(OneFileDialogs, MapImportAndReelScanTakeAnyExistingFile)
{
    CMapImportDlg map;
    ASSERT_EQ(IDOK, PressUtilityOk(map, IDC_UTIL_INPUT_FILE, strText.c_str()).nResult);
    EXPECT_EQ("MAPIMPORT " + strText, std::string(map.m_strCommandLine));
    EXPECT_EQ("MAPIMPORT notes.txt", std::string(map.m_strTitle));
    EXPECT_EQ(2000, map.m_nExpectedTotal);
    EXPECT_TRUE(map.m_strOutputPath.IsEmpty());
}

TEST_F(OneFileDialogs, ReelScanQuotesAPathWithBlanksOnly)
{
    std::string strBlank = dir.Write("my tape.aws", std::string(4096, '\0'));
    CReelScanDlg quoted;
    ASSERT_EQ(IDOK, PressUtilityOk(quoted, IDC_UTIL_INPUT_FILE, ("  " + strBlank + " ").c_str()).nResult);
    EXPECT_EQ("REELSCAN \"" + strBlank + "\"", std::string(quoted.m_strCommandLine));
    EXPECT_EQ("REELSCAN my tape.aws", std::string(quoted.m_strTitle));
    EXPECT_EQ(4096, quoted.m_nExpectedTotal);
    CReelScanDlg plain;
    ASSERT_EQ(IDOK, PressUtilityOk(plain, IDC_UTIL_INPUT_FILE, strText.c_str()).nResult);
    EXPECT_EQ("REELSCAN " + strText, std::string(plain.m_strCommandLine));
}

TEST_F(OneFileDialogs, PackFlipWithoutThe64BitUtilitiesRunsThePlainProgram)
{
    CPackFlipDlg dlg;
    ASSERT_EQ(IDOK, PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strCompressed64.c_str()).nResult);
    EXPECT_EQ("PACKFLIP " + strCompressed64, std::string(dlg.m_strCommandLine));
    EXPECT_EQ("PACKFLIP big.cckd64", std::string(dlg.m_strTitle));
    // Known to be missing: a 64-bit image is no input at all.
    g_bCKD64UtilitiesMissing = true;
    CPackFlipDlg missing;
    EXPECT_EQ("Input File: File is CKD64 but CKD64 support is missing.",
              PressUtilityOk(missing, IDC_UTIL_INPUT_FILE, strCompressed64.c_str()).strBalloon);
}

TEST_F(OneFileDialogs, PackFlipTestsTheTypedImageNotTheStoredOne)
{
    CPackFlipDlg first;
    ASSERT_EQ(IDOK, PressUtilityOk(first, IDC_UTIL_INPUT_FILE, strCompressed.c_str()).nResult);
    CPackFlipDlg typed;
    SUtilityOk ok = PressUtilityOk(typed, IDC_UTIL_INPUT_FILE, strText.c_str());
    EXPECT_EQ(strCompressed, ok.strShownInput);
    EXPECT_EQ(std::string("Input File: ") + kUnknown, ok.strBalloon);
}

TEST_F(OneFileDialogs, VolPatchAcceptsAnyDiskImage)
{
    std::string strPlain = dir.Write("plain.ckd", vorntest::DiskImageBytes("CKD_P370"));
    CVolPatchDlg dlg;
    ASSERT_EQ(IDOK, PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strPlain.c_str()).nResult);
    EXPECT_EQ("VOLPATCH " + strPlain, std::string(dlg.m_strCommandLine));
    EXPECT_EQ(1024, dlg.m_nExpectedTotal);
}

TEST_F(OneFileDialogs, WidensButKeepsItsHeightAndShowsTheDiskIcon)
{
    CPackFlipDlg dlg;
    RECT rcBefore = {}, rcAfter = {};
    HICON hIcon = nullptr;
    std::string strCaption;
    vorntest::RunModal(dlg, [&](HWND h) {
        ::GetWindowRect(h, &rcBefore);
        ::SetWindowPos(h, nullptr, 0, 0, rcBefore.right - rcBefore.left + 120, rcBefore.bottom - rcBefore.top + 80,
                       SWP_NOMOVE | SWP_NOZORDER);
        ::GetWindowRect(h, &rcAfter);
        hIcon = (HICON)::SendMessageA(h, WM_GETICON, ICON_SMALL, 0);
        char sz[64] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        strCaption = sz;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(rcBefore.bottom - rcBefore.top, rcAfter.bottom - rcAfter.top);
    EXPECT_EQ(rcBefore.right - rcBefore.left + 120, rcAfter.right - rcAfter.left);
    EXPECT_NE(nullptr, hIcon);
    EXPECT_EQ("PACKFLIP", strCaption);
}

TEST_F(OneFileDialogs, EveryControlHasItsBalloonText)
{
    for (UINT nCtrl : {0u, (UINT)IDC_UTIL_DESCRIPTION, (UINT)IDC_UTIL_INPUT_GROUP, (UINT)IDC_UTIL_INPUT_FILE,
                       (UINT)IDC_UTIL_INPUT_BROWSE}) {
        CReelScanDlg dlg;
        CString strText = dlg.GetHelpString(((DWORD)IDD_REELSCAN << 16) | nCtrl);
        EXPECT_NE(-1, strText.Find('\n')) << nCtrl;
    }
    CVolPatchDlg patch;
    EXPECT_EQ(0, patch.GetHelpString(((DWORD)IDD_VOLPATCH << 16) | IDC_UTIL_INPUT_BROWSE)
                     .Find("Click to choose the disk image"));
}

TEST_F(OneFileDialogs, OpeningAndClosingLeavesNoGdiObject)
{
    auto openClose = [] {
        CMapImportDlg dlg;
        vorntest::RunModal(dlg, [](HWND h) {
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    };
    openClose();
    DWORD dwBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        openClose();
    EXPECT_EQ(dwBefore, vorntest::GdiObjectCount());
}

}  // namespace

namespace {

// Holds the PackFlip dialog open for a picture:
// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t PACKFLIP build/win32/bin/utilities_tests.exe
//     --gtest_filter=OneFileDialogs.DISABLED_ShowPackFlipForPicture
TEST_F(OneFileDialogs, DISABLED_ShowPackFlipForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    if (!pszHold)
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
    CPackFlipDlg first;
    ASSERT_EQ(IDOK, PressUtilityOk(first, IDC_UTIL_INPUT_FILE, strCompressed64.c_str()).nResult);
    CPackFlipDlg dlg;
    DWORD dwStart = ::GetTickCount();
    vorntest::RunModal(dlg, [&](HWND h) {
        if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
            return true;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    }, 100);
}

}  // namespace
