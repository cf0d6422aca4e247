// VolShowDlgTest.cpp: the VOLSHOW dialog under Wine without the view: the
// member word by run option, member choice and display boxes, the
// shadow word, each refusal with its balloon, ASCII and card images
// excluding each other by click, and the controls the run option enables.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolShowDlg.h"

namespace {

struct VolShowDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strImage = dir.Write("mvs.ckd", vorntest::DiskImageBytes("CKD_P370"));

    void TearDown() override { ErrorBalloonHide(); }

    // Types the fields, chooses the radios and boxes, presses OK.
    vorntest::SUtilityOk Run(CVolShowDlg& dlg, const std::string& strInput, const char* pszShadow,
                             const char* pszDataset, int nRun, int nMembers, const char* pszMember, bool bAscii,
                             bool bCards)
    {
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_VOLSHOW_SHADOW, pszShadow);
            ::SetDlgItemTextA(h, IDC_VOLSHOW_DATASET, pszDataset);
            ::SetDlgItemTextA(h, IDC_VOLSHOW_MEMBER, pszMember);
            ::CheckRadioButton(h, IDC_VOLSHOW_LIST_MEMBERS, IDC_VOLSHOW_SHOW_CONTENTS,
                               nRun ? IDC_VOLSHOW_SHOW_CONTENTS : IDC_VOLSHOW_LIST_MEMBERS);
            ::CheckRadioButton(h, IDC_VOLSHOW_ALL_MEMBERS, IDC_VOLSHOW_ONE_MEMBER,
                               nMembers ? IDC_VOLSHOW_ONE_MEMBER : IDC_VOLSHOW_ALL_MEMBERS);
            ::CheckDlgButton(h, IDC_VOLSHOW_ASCII, bAscii ? BST_CHECKED : BST_UNCHECKED);
            ::CheckDlgButton(h, IDC_VOLSHOW_CARDS, bCards ? BST_CHECKED : BST_UNCHECKED);
        });
    }
};

struct SSpecCase {
    int nRun, nMembers;
    const char* pszMember;
    bool bAscii, bCards;
    const char* pszSpec;
};

const SSpecCase kSpecCases[] = {
    {0, 1, "bad name", true, false, "SYS1.MACLIB/?"},  // listing: no member, no display word
    {1, 0, "", true, false, "SYS1.MACLIB/*:a"},
    {1, 0, "", false, true, "SYS1.MACLIB/*:c"},
    {1, 1, " IEFBR14 ", false, true, "SYS1.MACLIB/IEFBR14:c"},
    {1, 1, "IEFBR14", false, false, "SYS1.MACLIB/IEFBR14"},
};

TEST_F(VolShowDialog, MemberWordByRunOptionMemberAndDisplay)
{
    for (const SSpecCase& c : kSpecCases) {
        CVolShowDlg dlg;
        vorntest::SUtilityOk ok =
            Run(dlg, strImage, "", " SYS1.MACLIB ", c.nRun, c.nMembers, c.pszMember, c.bAscii, c.bCards);
        ASSERT_EQ(IDOK, ok.nResult) << c.pszSpec << " " << ok.strBalloon;
        EXPECT_EQ("VOLSHOW -i " + strImage + " " + c.pszSpec, std::string(dlg.m_strCommandLine));
        EXPECT_EQ(std::string("VOLSHOW mvs.ckd ") + c.pszSpec, std::string(dlg.m_strTitle));
        EXPECT_EQ(1024, dlg.m_nExpectedTotal);
    }
    EXPECT_EQ("SYS1.MACLIB", std::string(ProfileGetString("VOLSHOW", "strDatasetName", "")));
    EXPECT_EQ("1", std::string(ProfileGetString("VOLSHOW", "nDisplayMemberContentsOption", "")));
}

TEST_F(VolShowDialog, ShadowGivesTheSfWordQuotedWhenItHasABlank)
{
    std::string strShadow = dir.Write("mvs 1.shd", "shadow");
    CVolShowDlg dlg;
    ASSERT_EQ(IDOK, Run(dlg, strImage, strShadow.c_str(), "SYS1.MACLIB", 0, 0, "", false, false).nResult);
    EXPECT_EQ("VOLSHOW -i " + strImage + " \"sf=" + strShadow + "\" SYS1.MACLIB/?",
              std::string(dlg.m_strCommandLine));
    CVolShowDlg blank;
    ASSERT_EQ(IDOK, Run(blank, strImage, "   ", "SYS1.MACLIB", 0, 0, "", false, false).nResult);
    EXPECT_EQ("VOLSHOW -i " + strImage + " SYS1.MACLIB/?", std::string(blank.m_strCommandLine));
}

struct SRefusalCase {
    const char* pszInput;  // "@image", "@text", "@missing" or the text
    const char* pszShadow;
    const char* pszDataset;
    const char* pszMember;
    bool bAscii, bCards;
    const char* pszBalloon;
};

const char kDsnText[] = "Dataset Name: The Partitioned dataset name cannot contain blanks or special characters.";
const char kMemberText[] = "Specific Member: The member name cannot contain blanks or special characters.";

const SRefusalCase kRefusals[] = {
    {"", "", "A", "M", false, true, "DASD Image: You must specify an input file."},
    {"@missing", "", "A", "M", false, true, "DASD Image: File not found."},
    {"@text", "", "A", "M", false, true,
     "DASD Image: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation "
     "perhaps?)"},
    {"@image", "@missing", "A", "M", false, true, "Shadow Filename: File not found."},
    {"@image", "", "", "M", false, true, kDsnText},
    {"@image", "", "SYS1 MACLIB", "M", false, true, kDsnText},
    {"@image", "", "SYS1/MACLIB", "M", false, true, kDsnText},
    {"@image", "", "SYS1\x01MACLIB", "M", false, true, kDsnText},
    {"@image", "", "SYS1|MACLIB", "M", false, true, kDsnText},
    {"@image", "", "A", "", false, true, kMemberText},
    {"@image", "", "A", "IEF BR14", false, true, kMemberText},
    {"@image", "", "A", "IEF:BR14", false, true, kMemberText},
    {"@image", "", "A", "M", true, true, "Display Options: Either 'ascii' or 'card image' may be specified, but not "
                                         "both."},
};

TEST_F(VolShowDialog, EachRefusalShowsItsBalloonAndSavesNothing)
{
    std::string strText = dir.Write("notes.txt", std::string(2000, 'x'));
    for (const SRefusalCase& c : kRefusals) {
        std::string strInput = c.pszInput, strShadow = c.pszShadow;
        for (std::string* p : {&strInput, &strShadow}) {
            if (*p == "@image")
                *p = strImage;
            else if (*p == "@text")
                *p = strText;
            else if (*p == "@missing")
                *p = dir.Path("missing.img");
        }
        CVolShowDlg dlg;
        vorntest::SUtilityOk ok =
            Run(dlg, strInput, strShadow.c_str(), c.pszDataset, 1, 1, c.pszMember, c.bAscii, c.bCards);
        EXPECT_EQ(IDCANCEL, ok.nResult) << c.pszBalloon;
        EXPECT_EQ(c.pszBalloon, ok.strBalloon);
    }
    EXPECT_EQ(std::string::npos, vorntest::ReadWholeFile(strIni).find("[VOLSHOW]"));
}

TEST_F(VolShowDialog, StoredAsciiAndCardImagesBothOnAreRefused)
{
    ProfileWriteInt("VOLSHOW", "bAscii", 1);
    ProfileWriteInt("VOLSHOW", "bCardImages", 1);
    ProfileWriteInt("VOLSHOW", "nRunOption", 1);
    ProfileWriteString("VOLSHOW", "strDatasetName", "SYS1.MACLIB");
    ProfileWriteString("VOLSHOW", "strMemberName", "IEFBR14");
    CVolShowDlg dlg;
    EXPECT_EQ("Display Options: Either 'ascii' or 'card image' may be specified, but not both.",
              vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strImage.c_str()).strBalloon);
}

TEST_F(VolShowDialog, AsciiAndCardImagesExcludeEachOtherByClick)
{
    CVolShowDlg dlg;
    bool bCardsFirst = false, bCardsAfterAscii = true, bAsciiAfterCards = true, bCardsAfterCards = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        ::SendMessageA(h, WM_COMMAND, IDC_VOLSHOW_SHOW_CONTENTS, 0);
        bCardsFirst = ::IsDlgButtonChecked(h, IDC_VOLSHOW_CARDS) == BST_CHECKED;  // the default
        ::CheckDlgButton(h, IDC_VOLSHOW_ASCII, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLSHOW_ASCII, BN_CLICKED), 0);
        bCardsAfterAscii = ::IsDlgButtonChecked(h, IDC_VOLSHOW_CARDS) == BST_CHECKED;
        ::CheckDlgButton(h, IDC_VOLSHOW_CARDS, BST_CHECKED);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_VOLSHOW_CARDS, BN_CLICKED), 0);
        bAsciiAfterCards = ::IsDlgButtonChecked(h, IDC_VOLSHOW_ASCII) == BST_CHECKED;
        bCardsAfterCards = ::IsDlgButtonChecked(h, IDC_VOLSHOW_CARDS) == BST_CHECKED;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(bCardsFirst);
    EXPECT_FALSE(bCardsAfterAscii);
    EXPECT_FALSE(bAsciiAfterCards);
    EXPECT_TRUE(bCardsAfterCards);
}

// What is enabled: listing disables the contents controls; showing enables
// them, the member edit only with "Specific member:".
TEST_F(VolShowDialog, RunOptionAndMemberChoiceEnableTheirControls)
{
    struct SState {
        bool bGroup, bAll, bAscii, bMember;
    };
    SState first = {}, contents = {}, all = {}, one = {}, listed = {};
    CVolShowDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        auto state = [h] {
            auto on = [h](int n) { return ::IsWindowEnabled(::GetDlgItem(h, n)) != FALSE; };
            return SState{on(IDC_VOLSHOW_CONTENTS_GROUP), on(IDC_VOLSHOW_ALL_MEMBERS), on(IDC_VOLSHOW_ASCII),
                          on(IDC_VOLSHOW_MEMBER)};
        };
        first = state();
        ::SendMessageA(h, WM_COMMAND, IDC_VOLSHOW_SHOW_CONTENTS, 0);
        contents = state();
        ::SendMessageA(h, WM_COMMAND, IDC_VOLSHOW_ALL_MEMBERS, 0);
        all = state();
        ::SendMessageA(h, WM_COMMAND, IDC_VOLSHOW_ONE_MEMBER, 0);
        one = state();
        ::SendMessageA(h, WM_COMMAND, IDC_VOLSHOW_LIST_MEMBERS, 0);
        listed = state();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(first.bGroup || first.bAll || first.bAscii || first.bMember);
    EXPECT_TRUE(contents.bGroup && contents.bAll && contents.bAscii && contents.bMember);  // one member by default
    EXPECT_TRUE(all.bAll && !all.bMember);
    EXPECT_TRUE(one.bMember);
    EXPECT_FALSE(listed.bGroup || listed.bAll || listed.bAscii || listed.bMember);
}

TEST_F(VolShowDialog, ReopeningShowsTheLastRunAndLeavesNoGdiObject)
{
    CVolShowDlg first;
    ASSERT_EQ(IDOK, Run(first, strImage, "", "SYS1.MACLIB", 1, 0, "", true, false).nResult);
    bool bContents = false, bAll = false, bAscii = false, bMemberEnabled = true;
    auto openClose = [&] {
        CVolShowDlg dlg;
        vorntest::RunModal(dlg, [&](HWND h) {
            bContents = ::IsDlgButtonChecked(h, IDC_VOLSHOW_SHOW_CONTENTS) == BST_CHECKED;
            bAll = ::IsDlgButtonChecked(h, IDC_VOLSHOW_ALL_MEMBERS) == BST_CHECKED;
            bAscii = ::IsDlgButtonChecked(h, IDC_VOLSHOW_ASCII) == BST_CHECKED;
            bMemberEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_VOLSHOW_MEMBER)) != FALSE;
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    };
    openClose();
    EXPECT_TRUE(bContents && bAll && bAscii);
    EXPECT_FALSE(bMemberEnabled);
    DWORD dwBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        openClose();
    EXPECT_EQ(dwBefore, vorntest::GdiObjectCount());
}

TEST_F(VolShowDialog, EveryControlHasItsBalloonText)
{
    CVolShowDlg dlg;
    for (UINT nCtrl : {0u, (UINT)IDC_UTIL_INPUT_FILE, (UINT)IDC_VOLSHOW_SHADOW, (UINT)IDC_VOLSHOW_DATASET,
                       (UINT)IDC_VOLSHOW_LIST_MEMBERS, (UINT)IDC_VOLSHOW_MEMBER, (UINT)IDC_VOLSHOW_CARDS}) {
        CString strText = dlg.GetHelpString(((DWORD)IDD_VOLSHOW << 16) | nCtrl);
        EXPECT_NE(-1, strText.Find('\n')) << nCtrl;
    }
}

}  // namespace

namespace {

// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLSHOW build/win32/bin/utilities_tests.exe
//     --gtest_filter=VolShowDialog.DISABLED_ShowForPicture
TEST_F(VolShowDialog, DISABLED_ShowForPicture)
{
    CVolShowDlg dlg;
    dlg.m_strInputFile = strImage.c_str();
    dlg.m_strDatasetName = "SYS1.MACLIB";
    dlg.m_strMemberName = "IEFBR14";
    dlg.m_nRunOption = kVolShowContents;
    if (!vorntest::HoldUtilityForPicture(dlg, {}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
