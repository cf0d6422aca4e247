// UtilityDlgFrameTest.cpp: what every utility dialog gets from its base,
// under Wine: the output file's check comes after every other check, its
// path is the folder joined with exactly one separator, a confirmed file is
// only deleted when the run starts and Cancel forgets the answer; the file
// list's buttons on a real list box; and the Utilities menu of the program's
// resources.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "config/CodePageHistory.h"
#include "config/OverwriteConfirmation.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/FileListButtons.h"
#include "utilities/ReelBlankDlg.h"
#include "utilities/UtilityDlg.h"
#include "utilities/UtilityRules.h"
#include "utilities/UtilityTable.h"
#include "utilities/VolMakeDlg.h"

namespace {

const UINT kCodePageCombo = 1900, kSpin = 1901;

// A dialog that writes one output file (on PackFlip's template: its edit
// names the file), with a cross-field check that can be made to fail and a
// refusal that can follow the output check, as a later check would.
class COutputTestDlg : public CUtilityDlg {
public:
    COutputTestDlg() : CUtilityDlg(IDD_PACKFLIP) {}
    CString m_strDir, m_strFile;
    bool m_bBadOption = false;
    int m_nRefusalsAfterOutput = 0;
    // Extra controls made at initialisation: a "64-bit" box, a code-page
    // combo showing m_strCodePage, a spin with a range beyond 32767.
    bool m_bExtraControls = false;
    CString m_strCodePage;
    using CUtilityDlg::GetCodePage;

protected:
    void InitControls() override
    {
        if (!m_bExtraControls)
            return;
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        ::CreateWindowExA(0, "BUTTON", "64-bit", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 60, 14, m_hWnd,
                          (HMENU)(UINT_PTR)IDC_UTIL_CKD64, hInst, nullptr);
        ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 0, 20, 120, 200, m_hWnd,
                          (HMENU)(UINT_PTR)kCodePageCombo, hInst, nullptr);
        ::CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 130, 20, 16, 20, m_hWnd,
                          (HMENU)(UINT_PTR)kSpin, hInst, nullptr);
        FillCodePageCombo(kCodePageCombo, m_strCodePage);
        SetSpinRange(kSpin, 1, 999999);
    }
    void ExchangeFields(CDataExchange* pDX) override { DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strFile); }
    bool ValidateOptions(CDataExchange* pDX) override
    {
        return !m_bBadOption || Refuse(pDX, IDC_UTIL_INPUT_FILE, "Option", "Bad option");
    }
    bool CheckOutputFile(CDataExchange* pDX) override
    {
        if (!CheckOutputPath(pDX, m_strDir, m_strFile, IDC_UTIL_INPUT_FILE, "Output Filename"))
            return false;
        if (m_nRefusalsAfterOutput-- > 0)
            return Refuse(pDX, IDC_UTIL_INPUT_FILE, "Later", "Refused after the output check");
        return true;
    }
    void BuildCommandLine() override
    {
        m_strCommandLine = ProgramWord();
        AppendCommandFile(m_strCommandLine, m_strOutputPath);
    }
    std::vector<SHelpRow> HelpRows() const override { return {}; }
    const SLayoutRow* LayoutRows(size_t& nCount) const override
    {
        nCount = 0;
        return nullptr;
    }
};

using vorntest::COverwriteAnswerer;
const int kOverwrite = vorntest::kOverwriteButton;

struct OutputFile : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strFolder;     // without its trailing separator
    std::string strExisting;

    void SetUp() override
    {
        strFolder = dir.Folder().substr(0, dir.Folder().size() - 1);
        strExisting = dir.Write("out.cckd", "keep me");
    }
    void TearDown() override
    {
        ErrorBalloonHide();
        ForgetOverwriteConfirmations();
    }
};

TEST_F(OutputFile, AFolderWithoutSeparatorNamesTheFileInIt)
{
    COverwriteAnswerer answerer(kOverwrite);
    COutputTestDlg dlg;
    dlg.m_strDir = strFolder.c_str();
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, "new.cckd");
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    EXPECT_EQ(dir.Path("new.cckd"), std::string(dlg.m_strOutputPath));
    EXPECT_EQ(std::string(JoinOutputPath(strFolder.c_str(), "new.cckd")), std::string(dlg.m_strOutputPath));
}

TEST_F(OutputFile, TheOverwriteQuestionComesAfterEveryOtherCheck)
{
    COverwriteAnswerer answerer(kOverwrite);
    COutputTestDlg dlg;
    dlg.m_strDir = strFolder.c_str();
    dlg.m_bBadOption = true;
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, "out.cckd");
    EXPECT_EQ("Option: Bad option", ok.strBalloon);
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    EXPECT_FALSE(IsOverwriteConfirmed(strExisting.c_str()));
}

TEST_F(OutputFile, AYesDeletesNothingUntilTheRunStarts)
{
    COverwriteAnswerer answerer(kOverwrite);
    COutputTestDlg dlg;
    dlg.m_strDir = strFolder.c_str();
    ASSERT_EQ(IDOK, vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, "out.cckd").nResult);
    EXPECT_EQ(1, COverwriteAnswerer::s_nAsked);
    EXPECT_EQ(strExisting, std::string(dlg.m_strOutputPath));
    EXPECT_EQ("PACKFLIP " + strExisting, std::string(dlg.m_strCommandLine));
    EXPECT_EQ("keep me", vorntest::ReadWholeFile(strExisting));
    EXPECT_TRUE(DeleteConfirmedOutputFile(dlg.m_strOutputPath));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strExisting.c_str()));
}

TEST_F(OutputFile, CancelAfterAYesLeavesTheFileAndForgetsTheAnswer)
{
    COverwriteAnswerer answerer(kOverwrite);
    COutputTestDlg dlg;
    dlg.m_strDir = strFolder.c_str();
    dlg.m_nRefusalsAfterOutput = 1;
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, "out.cckd");
    EXPECT_EQ(IDCANCEL, ok.nResult);
    EXPECT_EQ("Later: Refused after the output check", ok.strBalloon);
    EXPECT_EQ(1, COverwriteAnswerer::s_nAsked);
    EXPECT_EQ("keep me", vorntest::ReadWholeFile(strExisting));
    EXPECT_FALSE(IsOverwriteConfirmed(strExisting.c_str()));
    EXPECT_TRUE(dlg.m_strOutputPath.IsEmpty());
    EXPECT_FALSE(DeleteConfirmedOutputFile(strExisting.c_str()));
    EXPECT_EQ("keep me", vorntest::ReadWholeFile(strExisting));
}

TEST_F(OutputFile, ANoKeepsTheDialogOpenWithItsBalloon)
{
    COverwriteAnswerer answerer(IDCANCEL);
    COutputTestDlg dlg;
    dlg.m_strDir = strFolder.c_str();
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, "out.cckd");
    EXPECT_EQ(IDCANCEL, ok.nResult);
    EXPECT_EQ("Output Filename: File already exists.", ok.strBalloon);
    EXPECT_EQ("keep me", vorntest::ReadWholeFile(strExisting));
}

struct SExtraControls {
    bool bCkd64Enabled = true;
    std::vector<std::string> codePages;
    std::string strShownCodePage, strStoredCodePage;
    int nSpinLow = 0, nSpinHigh = 0;
};

SExtraControls OpenWithExtraControls(const char* pszCodePage)
{
    COutputTestDlg dlg;
    dlg.m_bExtraControls = true;
    dlg.m_strCodePage = pszCodePage;
    SExtraControls out;
    vorntest::RunModal(dlg, [&](HWND h) {
        out.bCkd64Enabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_UTIL_CKD64)) != FALSE;
        HWND hCombo = ::GetDlgItem(h, kCodePageCombo);
        int n = (int)::SendMessageA(hCombo, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i) {
            char sz[64] = "";
            ::SendMessageA(hCombo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)sz);
            out.codePages.push_back(sz);
        }
        char sz[64] = "";
        ::GetWindowTextA(hCombo, sz, sizeof sz);
        out.strShownCodePage = sz;
        out.strStoredCodePage = std::string(dlg.GetCodePage(kCodePageCombo));
        ::SendDlgItemMessageA(h, kSpin, UDM_GETRANGE32, (WPARAM)&out.nSpinLow, (LPARAM)&out.nSpinHigh);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return out;
}

TEST_F(OutputFile, The64BitBoxIsDisabledWithoutThe64BitUtilities)
{
    EXPECT_FALSE(OpenWithExtraControls("").bCkd64Enabled);
}

TEST_F(OutputFile, CodePagesComeFromTheHistoryOrTheBuiltInList)
{
    SExtraControls builtIn = OpenWithExtraControls("819/1047");
    ASSERT_EQ(22u, builtIn.codePages.size());
    EXPECT_EQ("437 / 037", builtIn.codePages[0]);
    EXPECT_EQ("819 / 1047", builtIn.strShownCodePage);
    EXPECT_EQ("819/1047", builtIn.strStoredCodePage);
    WriteCodePageHistory(";1252 / 1140;819 / 037;");
    SExtraControls stored = OpenWithExtraControls("1140/500");
    EXPECT_EQ((std::vector<std::string>{"1252 / 1140", "819 / 037"}), stored.codePages);
    EXPECT_EQ("1140 / 500", stored.strShownCodePage);
    EXPECT_EQ("1140/500", stored.strStoredCodePage);
}

TEST_F(OutputFile, SpinRangesReachBeyond32767)
{
    SExtraControls c = OpenWithExtraControls("");
    EXPECT_EQ(1, c.nSpinLow);
    EXPECT_EQ(999999, c.nSpinHigh);
}

// A list box with the three buttons, in a plain window.
struct FileList : ::testing::Test {
    HWND hParent = nullptr, hList = nullptr;
    void SetUp() override
    {
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        hParent = ::CreateWindowExA(0, "STATIC", "files", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                    hInst, nullptr);
        hList = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 200, 100, hParent,
                                  (HMENU)(UINT_PTR)1079, hInst, nullptr);
        for (int id : {IDC_UTIL_FILE_REMOVE, IDC_UTIL_FILE_UP, IDC_UTIL_FILE_DOWN})
            ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, hParent,
                              (HMENU)(UINT_PTR)id, hInst, nullptr);
    }
    void TearDown() override { ::DestroyWindow(hParent); }
    void Fill(std::initializer_list<const char*> items, int nSel)
    {
        ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
        for (const char* p : items)
            ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)p);
        ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)nSel, 0);
    }
    std::string Items()
    {
        std::string s;
        int n = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i) {
            char sz[64] = "";
            ::SendMessageA(hList, LB_GETTEXT, (WPARAM)i, (LPARAM)sz);
            s += std::string(sz) + (i == (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0) ? "* " : " ");
        }
        return s;
    }
    std::string Buttons()
    {
        std::string s;
        for (int id : {IDC_UTIL_FILE_REMOVE, IDC_UTIL_FILE_UP, IDC_UTIL_FILE_DOWN})
            s += ::IsWindowEnabled(::GetDlgItem(hParent, id)) ? "1" : "0";
        return s;
    }
};

TEST_F(FileList, RemoveTheLastOfThreeSelectsTheNewLast)
{
    CFileListButtons list(hParent, 1079);
    Fill({"a.cckd", "b.cckd", "c.cckd"}, 2);
    list.Remove();
    EXPECT_EQ("a.cckd b.cckd* ", Items());
    EXPECT_EQ("110", Buttons());
    Fill({"a.cckd", "b.cckd", "c.cckd"}, 0);
    list.Remove();
    EXPECT_EQ("b.cckd* c.cckd ", Items());
    EXPECT_EQ("101", Buttons());
}

TEST_F(FileList, RemoveTheOnlyOneDisablesAllThree)
{
    CFileListButtons list(hParent, 1079);
    Fill({"a.cckd"}, 0);
    list.UpdateButtons();
    EXPECT_EQ("100", Buttons());
    list.Remove();
    EXPECT_EQ("", Items());
    EXPECT_EQ("000", Buttons());
    list.Remove();  // nothing selected: nothing happens
    EXPECT_EQ("000", Buttons());
}

TEST_F(FileList, MovesKeepTheItemSelectedAndStopAtEitherEnd)
{
    CFileListButtons list(hParent, 1079);
    Fill({"a", "b", "c"}, 0);
    list.Move(-1);
    EXPECT_EQ("a* b c ", Items());
    list.Move(+1);
    EXPECT_EQ("b a* c ", Items());
    EXPECT_EQ("111", Buttons());
    list.Move(+1);
    EXPECT_EQ("b c a* ", Items());
    EXPECT_EQ("110", Buttons());
    list.Move(+1);
    EXPECT_EQ("b c a* ", Items());
    list.Move(-1);
    list.Move(-1);
    EXPECT_EQ("a* b c ", Items());
    EXPECT_EQ("101", Buttons());
}

// The name proposed on entering the empty output name is replaced by what
// the user types, whether a click (the mouse moving a little while pressed)
// or Tab (after the field was left empty once) brings the focus.
TEST_F(OutputFile, TypingReplacesTheProposedOutputName)
{
    CReelBlankDlg reelBlank;
    CVolMakeDlg volMake;
    for (CDialog* pDlg : std::vector<CDialog*>{&reelBlank, &volMake}) {
        std::string strSeen;
        int nStep = 0;
        vorntest::RunModal(*pDlg, [&](HWND h) {
            HWND hEdit = ::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE), hPrev = ::GetNextDlgTabItem(h, hEdit, TRUE);
            if (nStep > 0) {
                char sz[64] = {};
                ::GetWindowTextA(hEdit, sz, sizeof sz);
                strSeen += std::string(sz) + "; ";
            }
            ::SetWindowTextA(hEdit, "");
            ::SetFocus(hPrev);
            if (nStep == 0)  // a press, the mouse moving a little, the release
                for (UINT m : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP})
                    ::PostMessageA(hEdit, m, m == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(m == WM_MOUSEMOVE ? 9 : 5, 5));
            else if (nStep == 1)
                ::PostMessageA(hPrev, WM_KEYDOWN, VK_TAB, 0);
            for (const char* p = "new01.aws"; nStep < 2 && *p; ++p)
                ::PostMessageA(hEdit, WM_CHAR, (WPARAM)*p, 1);
            if (nStep++ < 2)
                return true;
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ("new01.aws; new01.aws; ", strSeen);
    }
}

TEST(UtilitiesMenu, TwentySixItemsWithTheirIdsAndThreeSeparators)
{
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hMenu);
    HMENU hUtilities = nullptr;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        char sz[64] = "";
        ::GetMenuStringA(hMenu, (UINT)i, sz, sizeof sz, MF_BYPOSITION);
        if (std::string(sz) == "&Utilities")
            hUtilities = ::GetSubMenu(hMenu, i);
    }
    ASSERT_NE(nullptr, hUtilities);
    std::vector<std::string> expected;
    for (const SUtilityInfo& info : kUtilities) {
        expected.push_back(std::string(info.pszCaption) + "...=" + std::to_string(info.nCommandId));
        if (IsUtilityMenuGroupEnd(info) && &info != &kUtilities[kUtilityCount - 1])
            expected.push_back("-");
    }
    std::vector<std::string> items;
    for (int i = 0; i < ::GetMenuItemCount(hUtilities); ++i) {
        UINT nId = ::GetMenuItemID(hUtilities, i);
        char sz[64] = "";
        ::GetMenuStringA(hUtilities, (UINT)i, sz, sizeof sz, MF_BYPOSITION);
        items.push_back(nId == 0 ? std::string("-") : std::string(sz) + "=" + std::to_string(nId));
    }
    EXPECT_EQ(expected, items);
    EXPECT_EQ(29u, items.size());
    ::DestroyMenu(hMenu);
}

}  // namespace
