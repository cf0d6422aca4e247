// VolListDlgTest.cpp: the VOLLIST dialog under Wine without the view: items
// added and stored (always quoted), stored items read back, hand-edited and
// short ones included, "Add" emptying both edits and clearing the
// selection, a Ctrl-click deselecting, the switch order, the width and year
// offset limits, the empty list's cue banner and balloon, an image typed
// but not added taken by OK.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolListDlg.h"

namespace {

struct SImage {
    std::string strImage;
    std::string strShadow;
};

// Types one image and its shadow and clicks "Add".
void AddImage(HWND h, const SImage& image)
{
    ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, image.strImage.c_str());
    ::SetDlgItemTextA(h, IDC_VOLLIST_SHADOW, image.strShadow.c_str());
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED), 0);
}

bool Enabled(HWND h, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(h, nID)) != FALSE;
}

std::string Text(HWND h, int nID)
{
    char sz[512] = "";
    ::GetDlgItemTextA(h, nID, sz, sizeof sz);
    return sz;
}

// Holds Ctrl down in this thread's keyboard state (what GetKeyState reads)
// while it lives.
class CCtrlHeld {
public:
    CCtrlHeld()
    {
        ::GetKeyboardState(m_saved);
        BYTE keys[256];
        std::copy(m_saved, m_saved + 256, keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        ::SetKeyboardState(keys);
    }
    ~CCtrlHeld() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

struct VolListDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strFirst = dir.Write("mvs1.ckd", vorntest::DiskImageBytes("CKD_P370"));
    std::string strSecond = dir.Write("mvs 2.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strShadow = dir.Write("mvs2_1.shd", "shadow");

    void TearDown() override { ErrorBalloonHide(); }

    // Adds the images, sets the width and offset boxes, presses OK.
    vorntest::SUtilityOk Run(CVolListDlg& dlg, const std::vector<SImage>& images,
                             const std::function<void(HWND)>& extra = nullptr)
    {
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, nullptr, [&](HWND h) {
            for (const SImage& image : images)
                AddImage(h, image);
            if (extra)
                extra(h);
        });
    }
};

TEST_F(VolListDialog, ItemsAreStoredQuotedAndRunInListOrder)
{
    CVolListDlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, {{strFirst, ""}, {" " + strSecond + " ", strShadow}});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VOLLIST " + strFirst + " \"" + strSecond + "\" sf=" + strShadow, std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLLIST mvs1.ckd ...", std::string(dlg.m_strTitle));
    EXPECT_EQ(0, dlg.m_nExpectedTotal);
    EXPECT_EQ("2", std::string(ProfileGetString("VOLLIST", "InputFilesListBox_nCount", "")));
    EXPECT_EQ("\"" + strFirst + "\"", std::string(ProfileGetString("VOLLIST", "InputFilesListBox_0000", "")));
    EXPECT_EQ("\"" + strSecond + "\" sf=" + strShadow,
              std::string(ProfileGetString("VOLLIST", "InputFilesListBox_0001", "")));

    // Reopened, the list is there and runs again as it stands; the title
    // names the first image's shadow.
    CVolListDlg again;
    ASSERT_EQ(IDOK, Run(again, {}, [](HWND h) {
                  ::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_SETCURSEL, 1, 0);
                  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_UP, BN_CLICKED), 0);
              }).nResult);
    EXPECT_EQ("VOLLIST \"" + strSecond + "\" sf=" + strShadow + " " + strFirst, std::string(again.m_strCommandLine));
    EXPECT_EQ("VOLLIST mvs 2.cckd sf=mvs2_1.shd ...", std::string(again.m_strTitle));
}

TEST_F(VolListDialog, HandEditedAndShortStoredItemsNeverReadPastThemselves)
{
    ProfileWriteInt("VOLLIST", "InputFilesListBox_nCount", 4);
    ProfileWriteString("VOLLIST", "InputFilesListBox_0000", "C:\\dasd\\plain.ckd");
    ProfileWriteString("VOLLIST", "InputFilesListBox_0001", "\"C:\\dasd\\open.ckd");
    ProfileWriteString("VOLLIST", "InputFilesListBox_0002", "\"C:\\dasd\\short.ckd\" sf");
    ProfileWriteString("VOLLIST", "InputFilesListBox_0003", "\"C:\\my dasd\\a.ckd\" sf=\"C:\\my dasd\\a_1.shd\"");
    CVolListDlg dlg;
    ASSERT_EQ(IDOK, Run(dlg, {}).nResult);
    EXPECT_EQ("VOLLIST C:\\dasd\\plain.ckd C:\\dasd\\open.ckd C:\\dasd\\short.ckd \"C:\\my dasd\\a.ckd\" "
              "\"sf=C:\\my dasd\\a_1.shd\"",
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLLIST plain.ckd ...", std::string(dlg.m_strTitle));
}

TEST_F(VolListDialog, AddEmptiesBothEditsAndClearsTheSelection)
{
    bool bAddFirst = true, bAddTyped = false, bAddShadowCleared = true, bAddRetyped = false;
    bool bAddAfter = true, bRemoveAfter = true, bUpAfter = true;
    std::string strInputAfter = "x", strShadowAfter = "x";
    int nSelAfter = 0, nCount = 0;
    CVolListDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        bAddFirst = Enabled(h, IDC_UTIL_FILE_ADD);
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strFirst.c_str());
        bAddTyped = Enabled(h, IDC_UTIL_FILE_ADD);
        ::SetDlgItemTextA(h, IDC_VOLLIST_SHADOW, "x");
        ::SetDlgItemTextA(h, IDC_VOLLIST_SHADOW, "");
        bAddShadowCleared = Enabled(h, IDC_UTIL_FILE_ADD);  // clearing the shadow disables "Add"
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strSecond.c_str());
        bAddRetyped = Enabled(h, IDC_UTIL_FILE_ADD);
        AddImage(h, {strFirst, ""});
        ::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_SETCURSEL, 0, 0);
        AddImage(h, {strSecond, strShadow});
        bAddAfter = Enabled(h, IDC_UTIL_FILE_ADD);
        bRemoveAfter = Enabled(h, IDC_UTIL_FILE_REMOVE);
        bUpAfter = Enabled(h, IDC_UTIL_FILE_UP);
        strInputAfter = Text(h, IDC_UTIL_INPUT_FILE);
        strShadowAfter = Text(h, IDC_VOLLIST_SHADOW);
        nSelAfter = (int)::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_GETCURSEL, 0, 0);
        nCount = (int)::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_GETCOUNT, 0, 0);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(bAddFirst);
    EXPECT_TRUE(bAddTyped);
    EXPECT_FALSE(bAddShadowCleared);
    EXPECT_TRUE(bAddRetyped);
    EXPECT_FALSE(bAddAfter || bRemoveAfter || bUpAfter);
    EXPECT_EQ("", strInputAfter);
    EXPECT_EQ("", strShadowAfter);
    EXPECT_EQ(-1, nSelAfter);
    EXPECT_EQ(2, nCount);
}

TEST_F(VolListDialog, AddRefusesAMissingImageOrShadowAndKeepsTheEdits)
{
    std::string strBalloon, strKept;
    int nCount = -1;
    CVolListDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        AddImage(h, {strFirst, dir.Path("none.shd")});
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            strBalloon = std::string(strTitle) + ": " + std::string(strText);
        ErrorBalloonHide();
        strKept = Text(h, IDC_VOLLIST_SHADOW);
        AddImage(h, {dir.Path("none.ckd"), ""});
        nCount = (int)::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_GETCOUNT, 0, 0);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("Shadow File: File not found.", strBalloon);
    EXPECT_EQ(dir.Path("none.shd"), strKept);
    EXPECT_EQ(0, nCount);
}

TEST_F(VolListDialog, CtrlClickDeselects)
{
    int nSelPlain = -1, nSelCtrl = 0;
    bool bRemovePlain = false, bDownPlain = false, bUpPlain = true, bRemoveCtrl = true;
    CVolListDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        AddImage(h, {strFirst, ""});
        AddImage(h, {strSecond, ""});
        HWND hList = ::GetDlgItem(h, IDC_VOLLIST_FILES);
        ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLLIST_FILES, LBN_SELCHANGE), (LPARAM)hList);
        nSelPlain = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
        bRemovePlain = Enabled(h, IDC_UTIL_FILE_REMOVE);
        bDownPlain = Enabled(h, IDC_UTIL_FILE_DOWN);
        bUpPlain = Enabled(h, IDC_UTIL_FILE_UP);
        {
            CCtrlHeld ctrl;
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLLIST_FILES, LBN_SELCHANGE), (LPARAM)hList);
        }
        nSelCtrl = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
        bRemoveCtrl = Enabled(h, IDC_UTIL_FILE_REMOVE);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(0, nSelPlain);
    EXPECT_TRUE(bRemovePlain);
    EXPECT_TRUE(bDownPlain);
    EXPECT_FALSE(bUpPlain);
    EXPECT_EQ(-1, nSelCtrl);
    EXPECT_FALSE(bRemoveCtrl);
}

TEST_F(VolListDialog, SwitchesInTheUtilitysOrder)
{
    CVolListDlg dlg;
    ASSERT_EQ(IDOK, Run(dlg, {{strFirst, ""}}, [](HWND h) {
                  for (int nID : {IDC_VOLLIST_HEADERS, IDC_VOLLIST_FORMAT1, IDC_VOLLIST_DSN_COLS,
                                  IDC_VOLLIST_YEAR_OFFSET, IDC_VOLLIST_CCHH, IDC_VOLLIST_CALDATE,
                                  IDC_VOLLIST_REFDATE, IDC_VOLLIST_EXPDATE, IDC_VOLLIST_NOSORT})
                      ::CheckDlgButton(h, nID, BST_CHECKED);
                  ::SetDlgItemTextA(h, IDC_VOLLIST_COLUMNS, "30");
                  ::SetDlgItemTextA(h, IDC_VOLLIST_YEARS, "-28");
              }).nResult);
    EXPECT_EQ("VOLLIST -nosort -cchh -hdr -info -caldt -refdt -expdt -dsnl=30 -yroffs=-28 " + strFirst,
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLLIST mvs1.ckd", std::string(dlg.m_strTitle));
    EXPECT_EQ("-28", std::string(ProfileGetString("VOLLIST", "nYears", "")));
}

struct SLimitCase {
    bool bDsnCols;
    const char* pszColumns;
    bool bYearOffset;
    const char* pszYears;
    const char* pszBalloon;  // empty: accepted
    const char* pszWords;
};

const char kWidthText[] = "DSN Columns: The dataset names column width must be in the range of 1 to 44.";
const char kYearsText[] = "Years Offset: The years offset value must be in the range of -142 to +142.";

const SLimitCase kLimitCases[] = {
    {true, "0", false, "0", kWidthText, ""},
    {true, "1", false, "0", "", " -dsnl=1"},
    {true, "44", false, "0", "", " -dsnl=44"},
    {true, "45", false, "0", kWidthText, ""},
    {false, "0", false, "0", "", ""},  // off: any stored width passes
    {false, "45", true, "-143", kYearsText, ""},
    {false, "45", true, "-142", "", " -yroffs=-142"},
    {false, "45", true, "142", "", " -yroffs=142"},
    {false, "45", true, "143", kYearsText, ""},
};

TEST_F(VolListDialog, WidthAndYearOffsetLimits)
{
    for (const SLimitCase& c : kLimitCases) {
        ProfileWriteInt("VOLLIST", "InputFilesListBox_nCount", 0);  // the last run's list goes
        CVolListDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, {{strFirst, ""}}, [&](HWND h) {
            ::CheckDlgButton(h, IDC_VOLLIST_DSN_COLS, c.bDsnCols ? BST_CHECKED : BST_UNCHECKED);
            ::CheckDlgButton(h, IDC_VOLLIST_YEAR_OFFSET, c.bYearOffset ? BST_CHECKED : BST_UNCHECKED);
            ::SetDlgItemTextA(h, IDC_VOLLIST_COLUMNS, c.pszColumns);
            ::SetDlgItemTextA(h, IDC_VOLLIST_YEARS, c.pszYears);
        });
        EXPECT_EQ(c.pszBalloon, ok.strBalloon) << c.pszColumns << " " << c.pszYears;
        if (*c.pszBalloon == '\0') {
            EXPECT_EQ(std::string("VOLLIST") + c.pszWords + " " + strFirst, std::string(dlg.m_strCommandLine));
        }
    }
}

// OK with an image (and shadow) typed but not added adds it first, after
// the images already listed, or stays open with the check's balloon and
// the edits as they were.
TEST_F(VolListDialog, OkAddsAnImageTypedButNotAddedOrSaysWhy)
{
    struct Case {
        const char* name;
        std::vector<SImage> added;
        SImage typed;
        INT_PTR nResult;
        std::string strCommand;
        std::string strBalloon;
    };
    const Case cases[] = {
        {"typed only", {}, {strFirst, ""}, IDOK, "VOLLIST " + strFirst, ""},
        {"typed with its shadow after one added", {{strFirst, ""}}, {strSecond, strShadow}, IDOK,
         "VOLLIST " + strFirst + " \"" + strSecond + "\" sf=" + strShadow, ""},
        {"blanks typed", {{strFirst, ""}}, {"  ", ""}, IDOK, "VOLLIST " + strFirst, ""},
        {"a missing image typed", {{strFirst, ""}}, {dir.Path("none.ckd"), ""}, IDCANCEL, "",
         "Input File: File not found."},
        {"a missing shadow typed", {}, {strSecond, dir.Path("none.shd")}, IDCANCEL, "",
         "Shadow File: File not found."},
    };
    for (const Case& c : cases) {
        ProfileWriteInt("VOLLIST", "InputFilesListBox_nCount", 0);  // no list from the case before
        CVolListDlg dlg;
        std::string strInput, strShadowKept;
        int nCount = -1;
        vorntest::SUtilityOk ok = vorntest::RunUtilitySteps(
            dlg,
            {[&](HWND h) {
                 for (const SImage& image : c.added)
                     AddImage(h, image);
                 ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, c.typed.strImage.c_str());
                 ::SetDlgItemTextA(h, IDC_VOLLIST_SHADOW, c.typed.strShadow.c_str());
             },
             [](HWND h) { ::SendMessageA(h, WM_COMMAND, IDOK, 0); },
             [&](HWND h) {
                 strInput = Text(h, IDC_UTIL_INPUT_FILE);
                 strShadowKept = Text(h, IDC_VOLLIST_SHADOW);
                 nCount = (int)::SendDlgItemMessageA(h, IDC_VOLLIST_FILES, LB_GETCOUNT, 0, 0);
             }},
            false);
        EXPECT_EQ(c.nResult, ok.nResult) << c.name;
        EXPECT_EQ(c.strBalloon, ok.strBalloon) << c.name;
        if (ok.nResult == IDOK) {
            EXPECT_EQ(c.strCommand, std::string(dlg.m_strCommandLine)) << c.name;
            continue;
        }
        EXPECT_EQ(c.typed.strImage, strInput) << c.name;
        EXPECT_EQ(c.typed.strShadow, strShadowKept) << c.name;
        EXPECT_EQ((int)c.added.size(), nCount) << c.name;
    }
}

TEST_F(VolListDialog, AnEmptyListGetsTheCueBannerAndTheBalloon)
{
    std::wstring strCue;
    CVolListDlg dlg;
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, nullptr);
    EXPECT_EQ("Files List: You have not specified any input files. Enter a filename into the Input File field and "
              "click 'Add'.",
              ok.strBalloon);
    // The banner stays on the input edit for the rest of the dialog's life.
    CVolListDlg look;
    vorntest::RunModal(look, [&](HWND h) {
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        WCHAR sz[64] = L"";
        ::SendDlgItemMessageW(h, IDC_UTIL_INPUT_FILE, EM_GETCUEBANNER, (WPARAM)sz, 64);
        strCue = sz;
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(L"Enter a filename here...", strCue);
    EXPECT_EQ(std::string::npos, vorntest::ReadWholeFile(strIni).find("[VOLLIST]"));
}

TEST_F(VolListDialog, TheBoxesEnableTheirEditSpinAndUnit)
{
    bool bFirst = true, bColumns = false, bSpin = false, bUnit = false, bYears = true;
    CVolListDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        bFirst = Enabled(h, IDC_VOLLIST_COLUMNS) || Enabled(h, IDC_VOLLIST_YEARS_SPIN);
        ::CheckDlgButton(h, IDC_VOLLIST_DSN_COLS, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLLIST_DSN_COLS, BN_CLICKED), 0);
        bColumns = Enabled(h, IDC_VOLLIST_COLUMNS);
        bSpin = Enabled(h, IDC_VOLLIST_COLUMNS_SPIN);
        bUnit = Enabled(h, IDC_VOLLIST_COLUMNS_UNIT);
        bYears = Enabled(h, IDC_VOLLIST_YEARS);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(bFirst);
    EXPECT_TRUE(bColumns && bSpin && bUnit);
    EXPECT_FALSE(bYears);
}

}  // namespace

namespace {

// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLLIST build/win32/bin/utilities_tests.exe
//     --gtest_filter=VolListDialog.DISABLED_ShowForPicture
TEST_F(VolListDialog, DISABLED_ShowForPicture)
{
    std::string strThird = dir.Write("work01.3390-3.cckd", vorntest::DiskImageBytes("CKD_C370"));
    CVolListDlg dlg;
    if (!vorntest::HoldUtilityForPicture(dlg, {[&](HWND h) {
            AddImage(h, {strFirst, ""});
            AddImage(h, {strSecond, strShadow});
            AddImage(h, {strThird, ""});
            ::CheckDlgButton(h, IDC_VOLLIST_HEADERS, BST_CHECKED);
        }}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
