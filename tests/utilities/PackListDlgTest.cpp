// PackListDlgTest.cpp: the PackCheck and PackSqueeze dialogs under Wine,
// without the view: their shared file list (Add with its check, several
// files browsed with the first refusal stopping the adding, a name typed
// but not added taken by OK, the button rules of Remove, Move Up and Move
// Down, the list stored and restored), the empty list's refusal with its
// cue banner, PackCheck's level words and title, PackSqueeze's slider that
// passes over level 2, its mixed-format refusal and its "64" rule.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "config/FileChecks.h"
#include "platform/ErrorBalloon.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/PackCheckDlg.h"
#include "utilities/PackSqueezeDlg.h"

namespace {

using Step = std::function<void(HWND)>;
using vorntest::RunUtilitySteps;
using vorntest::SUtilityOk;

const char kEmptyListBalloon[] =
    "Files List: You have not specified any input files. Enter a filename into the Filename field and click "
    "'Add'.";

// Types the name into the "Filename" edit and clicks "Add".
Step AddFile(const std::string& strFile)
{
    return [strFile](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strFile.c_str());
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED),
                       (LPARAM)::GetDlgItem(h, IDC_UTIL_FILE_ADD));
    };
}

// Clicks a button (a check box toggles, a radio button is chosen).
Step Click(UINT nCtrl)
{
    return [nCtrl](HWND h) { ::SendDlgItemMessageA(h, (int)nCtrl, BM_CLICK, 0, 0); };
}

// Selects list item nItem as a click would.
void SelectItem(HWND h, int nItem)
{
    ::SendDlgItemMessageA(h, IDC_UTIL_FILE_LIST, LB_SETCURSEL, (WPARAM)nItem, 0);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_LIST, LBN_SELCHANGE),
                   (LPARAM)::GetDlgItem(h, IDC_UTIL_FILE_LIST));
}

std::vector<std::string> ListItems(HWND h)
{
    std::vector<std::string> items;
    int nCount = (int)::SendDlgItemMessageA(h, IDC_UTIL_FILE_LIST, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        char sz[MAX_PATH] = "";
        ::SendDlgItemMessageA(h, IDC_UTIL_FILE_LIST, LB_GETTEXT, (WPARAM)i, (LPARAM)sz);
        items.push_back(sz);
    }
    return items;
}

// "R U D" for the enabled ones of Remove, Move Up and Move Down ("-" when disabled).
std::string Buttons(HWND h)
{
    std::string s;
    for (UINT nCtrl : {IDC_UTIL_FILE_REMOVE, IDC_UTIL_FILE_UP, IDC_UTIL_FILE_DOWN})
        s += ::IsWindowEnabled(::GetDlgItem(h, (int)nCtrl)) ? (nCtrl == IDC_UTIL_FILE_REMOVE ? "R" : nCtrl ==
                                                                   IDC_UTIL_FILE_UP ? "U" : "D")
                                                            : "-";
    return s;
}

struct PackListDialogs : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strA = dir.Write("a.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strB = dir.Write("b c.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strC = dir.Write("c.cfba", vorntest::DiskImageBytes("FBA_C370"));
    std::string strBig = dir.Write("big.cckd64", vorntest::DiskImageBytes("CKD_C064"));
    std::string strBig2 = dir.Write("big2.cckd64", vorntest::DiskImageBytes("CKD_C064"));

    void TearDown() override
    {
        ErrorBalloonHide();
        g_bCKD64UtilitiesMissing = false;
    }
};

TEST_F(PackListDialogs, AnEmptyListIsRefusedWithTheCueBannerInTheFilenameEdit)
{
    CPackCheckDlg dlg;
    std::wstring strCue;
    SUtilityOk ok = RunUtilitySteps(dlg, {[](HWND h) { ::PostMessageA(h, WM_COMMAND, IDOK, 0); },
                                          [&](HWND h) {
                                              wchar_t sz[64] = L"";
                                              ::SendDlgItemMessageW(h, IDC_UTIL_INPUT_FILE, EM_GETCUEBANNER,
                                                                    (WPARAM)sz, 64);
                                              strCue = sz;
                                          }},
                                    false);
    EXPECT_EQ(IDCANCEL, ok.nResult);
    EXPECT_EQ(kEmptyListBalloon, ok.strBalloon);
    EXPECT_EQ(L"Enter a filename here...", strCue);
    EXPECT_EQ(std::string::npos, vorntest::ReadWholeFile(strIni).find("[PACKCHECK]"));  // nothing saved
    CPackSqueezeDlg squeeze;
    EXPECT_EQ(kEmptyListBalloon, RunUtilitySteps(squeeze, {}).strBalloon);
}

struct SLevelCase {
    UINT nRadio;
    bool bReadOnly, bForce;
    const char* pszWords;
};

// The radios by tab order, not by id: 1824, 1828, 1829, 1825, 1250.
const SLevelCase kLevels[] = {
    {IDC_PACKCHECK_LEVEL0, false, false, "-0"},      {IDC_PACKCHECK_LEVEL1, false, true, "-1 -f"},
    {IDC_PACKCHECK_LEVEL2, true, false, "-2 -ro"},   {IDC_PACKCHECK_LEVEL3, false, false, "-3"},
    {IDC_PACKCHECK_LEVEL4, true, true, "-4 -ro -f"},
};

TEST_F(PackListDialogs, PackCheckWordsFollowTheRadioPlaceAndTheTwoBoxes)
{
    for (const SLevelCase& c : kLevels) {
        CPackCheckDlg dlg;
        std::vector<Step> steps = {Click(c.nRadio)};
        // The boxes keep the last run's state: click only to change it.
        steps.push_back([&](HWND h) {
            if ((::IsDlgButtonChecked(h, IDC_PACKCHECK_READONLY) == BST_CHECKED) != c.bReadOnly)
                ::SendDlgItemMessageA(h, IDC_PACKCHECK_READONLY, BM_CLICK, 0, 0);
            if ((::IsDlgButtonChecked(h, IDC_PACKCHECK_FORCE) == BST_CHECKED) != c.bForce)
                ::SendDlgItemMessageA(h, IDC_PACKCHECK_FORCE, BM_CLICK, 0, 0);
        });
        if (&c == &kLevels[0])
            steps.push_back(AddFile(strA));
        SUtilityOk ok = RunUtilitySteps(dlg, steps);
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ("PACKCHECK " + std::string(c.pszWords) + " " + strA, std::string(dlg.m_strCommandLine));
        EXPECT_EQ("PACKCHECK " + std::string(c.pszWords) + " a.cckd", std::string(dlg.m_strTitle));
        EXPECT_EQ(c.nRadio == IDC_PACKCHECK_LEVEL4 ? 4 : (int)(&c - kLevels), dlg.m_nCheckLevel);
    }
}

TEST_F(PackListDialogs, PackCheckNamesEveryFileQuotedInOrderAndTheTitleTheFirst)
{
    CPackCheckDlg dlg;
    SUtilityOk ok = RunUtilitySteps(dlg, {AddFile(strA), AddFile(strB), AddFile(strC), Click(IDC_PACKCHECK_LEVEL2),
                                          Click(IDC_PACKCHECK_READONLY)});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKCHECK -2 -ro " + strA + " \"" + strB + "\" " + strC, std::string(dlg.m_strCommandLine));
    EXPECT_EQ("PACKCHECK -2 -ro a.cckd ...", std::string(dlg.m_strTitle));
    EXPECT_EQ(1024, dlg.m_nExpectedTotal);  // the last file checked
    // The list comes back in order with the next opening.
    CPackCheckDlg again;
    std::vector<std::string> items;
    RunUtilitySteps(again, {[&](HWND h) { items = ListItems(h); }}, false);
    EXPECT_EQ((std::vector<std::string>{strA, strB, strC}), items);
}

TEST_F(PackListDialogs, AddChecksTheFileAndFollowsTheEdit)
{
    CPackCheckDlg dlg;
    bool bAddAtStart = true, bAddTyped = false, bAddCleared = true;
    std::string strBalloon;
    std::vector<std::string> items;
    RunUtilitySteps(dlg,
                    {[&](HWND h) {
                         bAddAtStart = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
                         ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, "x");
                         bAddTyped = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
                         ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, "");
                         bAddCleared = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
                     },
                     AddFile(dir.Path("missing.cckd")),
                     [&](HWND h) {
                         CString strTitle, strText;
                         if (ErrorBalloonWindow(&strTitle, &strText))
                             strBalloon = std::string(strTitle) + ": " + std::string(strText);
                         ErrorBalloonHide();
                         items = ListItems(h);
                     }},
                    false);
    EXPECT_FALSE(bAddAtStart);
    EXPECT_TRUE(bAddTyped);
    EXPECT_FALSE(bAddCleared);
    EXPECT_EQ("Filename: File not found.", strBalloon);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(0, dlg.m_nExpectedTotal);

    // A name restored from the last run shows, and "Add" waits for a change.
    ProfileWriteString("PACKCHECK", "strInputFile", dir.Path("added.cckd").c_str());
    CPackCheckDlg again;
    std::string strShown;
    bAddAtStart = true;
    RunUtilitySteps(again, {[&](HWND h) {
                        char sz[MAX_PATH] = "";
                        ::GetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, sz, sizeof sz);
                        strShown = sz;
                        bAddAtStart = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
                        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, "other.cckd");
                        bAddTyped = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
                    }},
                    false);
    EXPECT_EQ(dir.Path("added.cckd"), strShown);
    EXPECT_FALSE(bAddAtStart);
    EXPECT_TRUE(bAddTyped);
}

// OK with a name typed into "Filename" but not added adds it first (once:
// an added name the edit keeps is not added again), or stays open with the
// check's balloon, the name kept.
TEST_F(PackListDialogs, OkAddsANameTypedButNotAddedOrSaysWhy)
{
    auto type = [](const std::string& strFile) {
        return [strFile](HWND h) { ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strFile.c_str()); };
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        INT_PTR nResult;
        std::string strCommand;
        std::string strBalloon;
    };
    const Case cases[] = {
        {"typed only", {type(strA)}, IDOK, "PACKCHECK -0 " + strA, ""},
        {"added, still in the edit", {AddFile(strA)}, IDOK, "PACKCHECK -0 " + strA, ""},
        {"added, then another typed", {AddFile(strA), type(strC)}, IDOK, "PACKCHECK -0 " + strA + " " + strC, ""},
        {"added, then blanks typed", {AddFile(strA), type("  ")}, IDOK, "PACKCHECK -0 " + strA, ""},
        {"a missing file typed", {AddFile(strA), type(dir.Path("missing.cckd"))}, IDCANCEL, "",
         "Filename: File not found."},
    };
    for (const Case& c : cases) {
        ProfileWriteInt("PACKCHECK", "InputFilesListBox_nCount", 0);  // no list from the case before
        CPackCheckDlg dlg;
        SUtilityOk ok = RunUtilitySteps(dlg, c.steps);
        EXPECT_EQ(c.nResult, ok.nResult) << c.name;
        EXPECT_EQ(c.strBalloon, ok.strBalloon) << c.name;
        if (ok.nResult == IDOK) {
            EXPECT_EQ(c.strCommand, std::string(dlg.m_strCommandLine)) << c.name;
        }
    }
    // Refused: the name stays in the edit and out of the list.
    CPackSqueezeDlg squeeze;
    std::vector<std::string> items;
    std::string strEdit;
    SUtilityOk ok = RunUtilitySteps(squeeze,
                                    {AddFile(strA), type(dir.Path("missing.cckd")),
                                     [](HWND h) { ::SendMessageA(h, WM_COMMAND, IDOK, 0); },
                                     [&](HWND h) {
                                         items = ListItems(h);
                                         char sz[MAX_PATH] = "";
                                         ::GetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, sz, sizeof sz);
                                         strEdit = sz;
                                     }},
                                    false);
    EXPECT_EQ("Filename: File not found.", ok.strBalloon);
    EXPECT_EQ(std::vector<std::string>{strA}, items);
    EXPECT_EQ(dir.Path("missing.cckd"), strEdit);
}

TEST_F(PackListDialogs, RemoveAndMoveKeepTheButtonRules)
{
    CPackSqueezeDlg dlg;
    std::vector<std::string> seen;
    auto note = [&](HWND h) {
        std::string s = Buttons(h) + ":";
        for (const std::string& item : ListItems(h))
            s += " " + item.substr(item.find_last_of('\\') + 1);
        s += " sel " + std::to_string((int)::SendDlgItemMessageA(h, IDC_UTIL_FILE_LIST, LB_GETCURSEL, 0, 0));
        seen.push_back(s);
    };
    auto press = [](UINT nCtrl) {
        return [nCtrl](HWND h) {
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(nCtrl, BN_CLICKED), (LPARAM)::GetDlgItem(h, (int)nCtrl));
        };
    };
    RunUtilitySteps(dlg,
                    {AddFile(strA), AddFile(strB), AddFile(strC), note,                      // 0: nothing selected
                     [&](HWND h) { SelectItem(h, 0); }, note,                                // 1: first
                     [&](HWND h) { SelectItem(h, 1); }, note,                                // 2: middle
                     press(IDC_UTIL_FILE_DOWN), note,                                        // 3: moved to last
                     press(IDC_UTIL_FILE_UP), press(IDC_UTIL_FILE_UP), note,                 // 4: moved to first
                     [&](HWND h) { SelectItem(h, 2); }, press(IDC_UTIL_FILE_REMOVE), note,  // 5: last removed
                     press(IDC_UTIL_FILE_REMOVE), note,                                      // 6: one left
                     press(IDC_UTIL_FILE_REMOVE), note},                                     // 7: empty
                    false);
    ASSERT_EQ(8u, seen.size());
    EXPECT_EQ("---: a.cckd b c.cckd c.cfba sel -1", seen[0]);
    EXPECT_EQ("R-D: a.cckd b c.cckd c.cfba sel 0", seen[1]);
    EXPECT_EQ("RUD: a.cckd b c.cckd c.cfba sel 1", seen[2]);
    EXPECT_EQ("RU-: a.cckd c.cfba b c.cckd sel 2", seen[3]);
    EXPECT_EQ("R-D: b c.cckd a.cckd c.cfba sel 0", seen[4]);
    EXPECT_EQ("RU-: b c.cckd a.cckd sel 1", seen[5]);
    EXPECT_EQ("R--: b c.cckd sel 0", seen[6]);
    EXPECT_EQ("---: sel -1", seen[7]);
}

std::string Title(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

// The file dialog is answered with three names, the second of which the
// file check refuses (a 64-bit image while the 64-bit utilities are
// missing); its message box is answered and recorded.
TEST_F(PackListDialogs, BrowsingThreeFilesWithTheSecondRefusedAddsOnlyTheFirst)
{
    g_bCKD64UtilitiesMissing = true;
    CString strSavedDir = g_strWindowsizedDefaultInitialDir;
    g_strWindowsizedDefaultInitialDir = dir.Folder().c_str();
    CPackCheckDlg dlg;
    HWND hMain = nullptr;
    std::string strFileDialog, strBox, strEdit = "?";
    std::vector<std::string> items;
    bool bAdd = true, bAnswered = false;
    std::string strButtons;
    vorntest::RunModal(dlg, [&](HWND h) {
        if (!hMain) {
            hMain = h;
            ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, "typed.cckd");
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_INPUT_BROWSE, BN_CLICKED),
                           (LPARAM)::GetDlgItem(h, IDC_UTIL_INPUT_BROWSE));
            return true;
        }
        if (HWND hOther = vorntest::OtherDialog(h)) {
            if (!bAnswered) {
                bAnswered = true;
                strFileDialog = Title(hOther);
                ::SetDlgItemTextA(hOther, 0x47C, "\"a.cckd\" \"big.cckd64\" \"c.cfba\"");
                ::PostMessageA(hOther, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hOther, IDOK));
            } else if (strBox.empty()) {
                strBox = vorntest::DialogTexts(hOther);
                ::PostMessageA(hOther, WM_COMMAND, IDOK, 0);
            }
            return true;
        }
        if (!bAnswered || strBox.empty())
            return true;
        items = ListItems(h);
        strButtons = Buttons(h);
        bAdd = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_FILE_ADD));
        char sz[MAX_PATH] = "";
        ::GetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, sz, sizeof sz);
        strEdit = sz;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    }, 50);
    g_strWindowsizedDefaultInitialDir = strSavedDir;
    EXPECT_EQ("Disk Input file", strFileDialog);
    EXPECT_NE(std::string::npos, strBox.find("File is CKD64 but CKD64 support is missing:")) << strBox;
    EXPECT_NE(std::string::npos, strBox.find("big.cckd64")) << strBox;
    ASSERT_EQ(1u, items.size());
    // In Windows form, as the utility is handed it.
    EXPECT_EQ(dir.Path("a.cckd"), items[0]);
    EXPECT_EQ("---", strButtons);
    EXPECT_FALSE(bAdd);
    EXPECT_EQ("", strEdit);
}

TEST_F(PackListDialogs, PackCheck64RunsOnlyWithThe64BitUtilities)
{
    // Without the view the 64-bit utilities count as absent: a 64-bit image
    // still runs the plain program.
    CPackCheckDlg dlg;
    ASSERT_EQ(IDOK, RunUtilitySteps(dlg, {AddFile(strA), AddFile(strBig)}).nResult);
    EXPECT_EQ("PACKCHECK -0 " + strA + " " + strBig, std::string(dlg.m_strCommandLine));
}

TEST_F(PackListDialogs, PackSqueezeRefusesMixedFormatsAndTakes64ForA64BitList)
{
    CPackSqueezeDlg mixed;
    EXPECT_EQ("Files List: All files must be the same type: either all CCKD or all CCKD64.",
              RunUtilitySteps(mixed, {AddFile(strA), AddFile(strBig)}).strBalloon);
    // The flag of the 64-bit utilities does not matter (it is clear here).
    CPackSqueezeDlg wide;
    SUtilityOk ok = RunUtilitySteps(wide, {AddFile(strBig), AddFile(strBig2)});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKSQUEEZE64 -0 " + strBig + " " + strBig2, std::string(wide.m_strCommandLine));
    EXPECT_EQ("PACKSQUEEZE64 big.cckd64 ...", std::string(wide.m_strTitle));
}

TEST_F(PackListDialogs, PackSqueezeOneFileTitleHasNoEllipsisAndTheLevelWord)
{
    ProfileWriteInt("PACKSQUEEZE", "nCheckLevel", 3);
    CPackSqueezeDlg dlg;
    SUtilityOk ok = RunUtilitySteps(dlg, {AddFile(strB)});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKSQUEEZE -3 \"" + strB + "\"", std::string(dlg.m_strCommandLine));
    EXPECT_EQ("PACKSQUEEZE b c.cckd", std::string(dlg.m_strTitle));
}

struct SSliderCase {
    int nStoredLevel;  // the level last exchanged
    int nCode;         // the notification after the slider reached 2
    int nLanded;
};

const SSliderCase kSliderCases[] = {
    {1, TB_THUMBTRACK, 3},    {3, TB_THUMBTRACK, 1},  {0, TB_THUMBPOSITION, 3}, {3, TB_THUMBPOSITION, 1},
    {1, TB_LINEDOWN, 3},      {3, TB_LINEUP, 1},      {1, TB_PAGEDOWN, 3},      {3, TB_PAGEUP, 1},
    {1, TB_ENDTRACK, 1},      {0, TB_TOP, 1},
};

// The slider is put on 2 and the notification a mouse or key would send
// follows; the stored level is the one the dialog exchanged on opening.
TEST_F(PackListDialogs, PackSqueezeSliderPassesOverLevelTwo)
{
    for (const SSliderCase& c : kSliderCases) {
        ProfileWriteInt("PACKSQUEEZE", "nCheckLevel", c.nStoredLevel);
        CPackSqueezeDlg dlg;
        int nShown = -1, nLanded = -1;
        RunUtilitySteps(dlg,
                        {[&](HWND h) {
                            HWND hSlider = ::GetDlgItem(h, IDC_PACKSQUEEZE_LEVEL);
                            nShown = (int)::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
                            ::SendMessageA(hSlider, TBM_SETPOS, TRUE, 2);
                            ::SendMessageA(h, WM_HSCROLL, MAKEWPARAM(c.nCode, 2), (LPARAM)hSlider);
                            nLanded = (int)::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
                        }},
                        false);
        EXPECT_EQ(c.nStoredLevel, nShown);
        EXPECT_EQ(c.nLanded, nLanded) << "stored " << c.nStoredLevel << " code " << c.nCode;
    }
}

TEST_F(PackListDialogs, PackSqueezeKeysStepOverLevelTwo)
{
    ProfileWriteInt("PACKSQUEEZE", "nCheckLevel", 1);
    CPackSqueezeDlg dlg;
    int nRight = -1, nLeft = -1;
    RunUtilitySteps(dlg,
                    {[&](HWND h) {
                         HWND hSlider = ::GetDlgItem(h, IDC_PACKSQUEEZE_LEVEL);
                         ::SetFocus(hSlider);
                         ::SendMessageA(hSlider, WM_KEYDOWN, VK_RIGHT, 0);
                         ::SendMessageA(hSlider, WM_KEYUP, VK_RIGHT, 0);
                         nRight = (int)::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
                         ::SendMessageA(hSlider, WM_KEYDOWN, VK_LEFT, 0);
                         ::SendMessageA(hSlider, WM_KEYUP, VK_LEFT, 0);
                         nLeft = (int)::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
                     },
                     AddFile(strA)});
    EXPECT_EQ(3, nRight);
    EXPECT_EQ(1, nLeft);
    EXPECT_EQ(1, dlg.m_nCheckLevel);
}

// The help texts of the check levels and of the force option, each a text, a
// line feed and its title.
TEST_F(PackListDialogs, LevelAndForceHelpTextsAndTitles)
{
    CPackCheckDlg check;
    auto help = [&](UINT nCtrl) { return std::string(check.GetHelpString(((DWORD)IDD_PACKCHECK << 16) | nCtrl)); };
    EXPECT_EQ("Level 0 checks the device header, the compressed device header, the level-1 compression table and "
              "all level-2 compression tables.\nCheck Level 0  (Minimal)",
              help(IDC_PACKCHECK_LEVEL0));
    EXPECT_EQ("Level 4 checks the device header, the compressed device header, and then completely rebuilds all "
              "compression tables, track headers and track images from recovery.\nCheck Level 4  (Recovery)",
              help(IDC_PACKCHECK_LEVEL4));
    const std::pair<UINT, const char*> kMiddle[] = {{IDC_PACKCHECK_LEVEL1, "\nCheck Level 1  (Normal)"},
                                                    {IDC_PACKCHECK_LEVEL2, "\nCheck Level 2  (Extra)"},
                                                    {IDC_PACKCHECK_LEVEL3, "\nCheck Level 3  (Maximal)"}};
    for (const auto& level : kMiddle)
        EXPECT_NE(std::string::npos, help(level.first).find(level.second)) << level.first;
    EXPECT_EQ(0u, help(IDC_PACKCHECK_FORCE).find("Use the Forced option when the utility reports the file is still "
                                                 "opened by another process"));
    EXPECT_NE(std::string::npos, help(IDC_PACKCHECK_FORCE).find("integrity.\nForced"));
    EXPECT_NE(std::string::npos, help(IDC_PACKCHECK_READONLY).find("\nRead-only"));
    CPackSqueezeDlg squeeze;
    EXPECT_EQ("Move the slider to the left for faster but less intensive checking. Move it to the right for slower "
              "but more thorough checking.\nCheck Level",
              std::string(squeeze.GetHelpString(((DWORD)IDD_PACKSQUEEZE << 16) | IDC_PACKSQUEEZE_LEVEL)));
}

TEST_F(PackListDialogs, OpeningAndClosingLeavesNoGdiObject)
{
    auto openClose = [] {
        CPackCheckDlg check;
        RunUtilitySteps(check, {}, false);
        CPackSqueezeDlg squeeze;
        RunUtilitySteps(squeeze, {}, false);
    };
    openClose();
    DWORD dwBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 3; ++i)
        openClose();
    EXPECT_EQ(dwBefore, vorntest::GdiObjectCount());
}

// Holds a dialog open for a picture, e.g.
// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t PACKCHECK build/win32/bin/utilities_tests.exe
//     --gtest_filter=PackListDialogs.DISABLED_ShowForPicture
TEST_F(PackListDialogs, DISABLED_ShowForPicture)
{
    CPackCheckDlg check;
    CPackSqueezeDlg squeeze;
    for (CDialog* pDlg : {(CDialog*)&check, (CDialog*)&squeeze})
        if (!vorntest::HoldUtilityForPicture(*pDlg, {AddFile(strA), AddFile(strB), [](HWND h) { SelectItem(h, 1); }}))
            GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialogs";
}

}  // namespace
