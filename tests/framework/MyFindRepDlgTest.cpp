// MyFindRepDlgTest.cpp: the find/replace dialog under Wine with a recording
// owner window: hex search follows the find text, the checks and their
// balloons (nothing reaches the owner and the fields stay usable), the lock
// and unlock by the owner, the owner's close also from inside a
// notification, the histories (newest first, duplicates moved, oldest
// dropped, deletable entries), the options round trip through the settings
// store, find-only mode, the hide mask, and the modal run.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/HelpKeys.h"
#include "framework/MyFindRepDlg.h"
#include "tests/support/FindRepInput.h"
#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "findrep_tests.ini";

// What the owner heard: the code and the find text the dialog held then.
struct Heard {
    WPARAM nCode;
    std::string strFind;
};
std::vector<Heard> g_heard;
WPARAM g_nCloseOn = 0;  // the code the owner answers with "close" (0: none)

LRESULT CALLBACK OwnerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_FINDREP_NOTIFY)
        return ::DefWindowProcA(h, msg, wp, lp);
    CMyFindRepDlg* pDlg = (CMyFindRepDlg*)lp;
    g_heard.push_back({wp, pDlg->m_strFindText.GetString()});
    if (wp == g_nCloseOn)
        pDlg->SendMessage(WM_FINDREP_NOTIFY, kFindRepDestroy);
    return 1;
}

struct OwnerWindow {
    OwnerWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FindRepTestOwner";
        ::RegisterClassA(&wc);
        h = ::CreateWindowExA(0, wc.lpszClassName, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, wc.hInstance, nullptr);
        wnd.Attach(h);
    }
    ~OwnerWindow()
    {
        wnd.Detach();
        ::DestroyWindow(h);
    }
    HWND h;
    CWnd wnd;
};

struct FindRepTest : ::testing::Test {
    OwnerWindow owner;
    vorntest::ScopedIniStore store{kIni};

    void SetUp() override
    {
        g_heard.clear();
        g_nCloseOn = 0;
    }
    void TearDown() override
    {
        ErrorBalloonHide();
    }

    // A modeless dialog, shown; it deletes itself when its window goes.
    CMyFindRepDlg* Open(bool bFindOnly, WORD wHideMask = 0)
    {
        CMyFindRepDlg* p = new CMyFindRepDlg(&owner.wnd, bFindOnly);
        p->m_wHideMask |= wHideMask;
        if (!p->Create()) {
            delete p;
            return nullptr;
        }
        p->ShowWindow(SW_SHOW);
        return p;
    }
    static void Close(CMyFindRepDlg* p) { p->SendMessage(WM_FINDREP_NOTIFY, kFindRepDestroy); }

    // Types a text into a combo box as the user would (edit change).
    static void Type(CMyFindRepDlg* p, int nId, const char* psz) { vorntest::FindRepType(p, nId, psz); }
    static void Click(CMyFindRepDlg* p, int nId) { vorntest::FindRepClick(p, nId); }
    static bool Enabled(CMyFindRepDlg* p, int nId) { return ::IsWindowEnabled(::GetDlgItem(p->m_hWnd, nId)) != FALSE; }
    static bool Visible(CMyFindRepDlg* p, int nId) { return ::IsWindowVisible(::GetDlgItem(p->m_hWnd, nId)) != FALSE; }
    static bool Checked(CMyFindRepDlg* p, int nId) { return p->IsDlgButtonChecked(nId) == BST_CHECKED; }
    static std::string Balloon(std::string* pTitle = nullptr)
    {
        CString strTitle, strText;
        if (!ErrorBalloonWindow(&strTitle, &strText))
            return "";
        if (pTitle)
            *pTitle = strTitle.GetString();
        return strText.GetString();
    }
    static std::vector<std::string> Items(CMyFindRepDlg* p, int nId)
    {
        std::vector<std::string> v;
        HWND h = ::GetDlgItem(p->m_hWnd, nId);
        int n = (int)::SendMessageA(h, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; ++i) {
            char buf[256] = {};
            ::SendMessageA(h, CB_GETLBTEXT, i, (LPARAM)buf);
            v.push_back(buf);
        }
        return v;
    }
    static void StoreHistory(const char* pszCount, const char* pszItem, int n)
    {
        ProfileWriteInt(kFindRepSection, pszCount, n);
        for (int i = 0; i < n; ++i) {
            CString strKey, strValue;
            strKey.Format(pszItem, i);
            strValue.Format("t%d", i);
            ProfileWriteString(kFindRepSection, strKey, strValue);
        }
    }
};

}  // namespace

TEST_F(FindRepTest, AHexFindTextTurnsHexSearchOnAndGreysTheTextOptions)
{
    CMyFindRepDlg* p = Open(false);
    ASSERT_NE(nullptr, p);
    struct Case {
        const char* psz;
        bool bHex;
    } cases[] = {{"0x41", true}, {"x'41'", true}, {"0x4", false}, {"0x4G", false}, {"abc", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.psz);
        Type(p, IDC_FINDREP_FIND, c.psz);
        EXPECT_EQ(c.bHex, p->m_bHexSearch != FALSE);
        EXPECT_EQ(c.bHex, Checked(p, IDC_FINDREP_HEX));
        EXPECT_EQ(c.bHex, Enabled(p, IDC_FINDREP_HEX));
        EXPECT_EQ(!c.bHex, Enabled(p, IDC_FINDREP_WHOLEWORD));
        EXPECT_EQ(!c.bHex, Enabled(p, IDC_FINDREP_MATCHCASE));
        EXPECT_EQ(!c.bHex, Enabled(p, IDC_FINDREP_REGEX));
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_FIND_NEXT));
    }
    // Replace needs a replacement text.
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_REPLACE_BTN));
    Type(p, IDC_FINDREP_REPLACE, "xyz");
    EXPECT_TRUE(Enabled(p, IDC_FINDREP_REPLACE_BTN));
    EXPECT_TRUE(Enabled(p, IDC_FINDREP_REPLACE_ALL));
    // No find text: nothing to find, no options.
    Type(p, IDC_FINDREP_FIND, "");
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_FIND_NEXT));
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_REPLACE_ALL));
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_MATCHCASE));
    Close(p);
}

TEST_F(FindRepTest, OptionsTickOnlyWhileHexSearchIsOff)
{
    CMyFindRepDlg* p = Open(false);
    Type(p, IDC_FINDREP_FIND, "abc");
    p->CheckDlgButton(IDC_FINDREP_MATCHCASE, BST_CHECKED);
    Click(p, IDC_FINDREP_MATCHCASE);
    EXPECT_TRUE(p->m_bMatchCase);
    Type(p, IDC_FINDREP_FIND, "0x41");
    EXPECT_FALSE(Checked(p, IDC_FINDREP_MATCHCASE));
    // Unticking hex search by hand is kept; it cannot be ticked for a plain text.
    p->CheckDlgButton(IDC_FINDREP_HEX, BST_UNCHECKED);
    Click(p, IDC_FINDREP_HEX);
    EXPECT_FALSE(p->m_bHexSearch);
    EXPECT_TRUE(Checked(p, IDC_FINDREP_MATCHCASE)) << "the flag shows again";
    Type(p, IDC_FINDREP_FIND, "abc");
    p->CheckDlgButton(IDC_FINDREP_HEX, BST_CHECKED);
    Click(p, IDC_FINDREP_HEX);
    EXPECT_FALSE(p->m_bHexSearch);
    Close(p);
}

TEST_F(FindRepTest, AFailedCheckShowsItsBalloonTellsNobodyAndLeavesTheFieldsUsable)
{
    CMyFindRepDlg* p = Open(false);
    struct Case {
        int nCombo;
        std::string strText;
        const char* pszTitle;
        const char* pszBalloon;
    } cases[] = {
        {IDC_FINDREP_FIND, std::string(128, 'a'), "Find what", "String is too long (127 characters maximum)"},
        {IDC_FINDREP_REPLACE, "0x4G", "Replace with", "Invalid hex replacement string: non-hex chars found."},
        {IDC_FINDREP_REPLACE, "x'123'", "Replace with", "Invalid hex replacement string: odd number of hex chars."},
        {IDC_FINDREP_REPLACE, std::string(128, 'r'), "Replace with", "String is too long (127 characters maximum)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszBalloon);
        Type(p, IDC_FINDREP_FIND, "find");
        Type(p, IDC_FINDREP_REPLACE, "rep");
        Type(p, c.nCombo, c.strText.c_str());
        Click(p, IDC_FINDREP_FIND_NEXT);
        std::string strTitle;
        EXPECT_EQ(c.pszBalloon, Balloon(&strTitle));
        EXPECT_EQ(c.pszTitle, strTitle);
        EXPECT_TRUE(g_heard.empty());
        EXPECT_TRUE(Enabled(p, c.nCombo));
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_FIND_NEXT));
        ErrorBalloonHide();
    }
    // 127 characters pass.
    Type(p, IDC_FINDREP_REPLACE, "");
    Type(p, IDC_FINDREP_FIND, std::string(127, 'a').c_str());
    Click(p, IDC_FINDREP_FIND_NEXT);
    ASSERT_EQ(1u, g_heard.size());
    EXPECT_EQ(kFindRepFindNext, g_heard[0].nCode);
    EXPECT_EQ(127u, g_heard[0].strFind.size());
    Close(p);
}

TEST_F(FindRepTest, ASearchLocksTheControlsUntilTheOwnerAnswers)
{
    CMyFindRepDlg* p = Open(false);
    Type(p, IDC_FINDREP_FIND, "needle");
    Type(p, IDC_FINDREP_REPLACE, "pin");
    const WPARAM codes[] = {kFindRepFindNext, kFindRepReplace, kFindRepReplaceAll};
    const int buttons[] = {IDC_FINDREP_FIND_NEXT, IDC_FINDREP_REPLACE_BTN, IDC_FINDREP_REPLACE_ALL};
    for (int i = 0; i < 3; ++i) {
        g_heard.clear();
        Click(p, buttons[i]);
        ASSERT_EQ(1u, g_heard.size());
        EXPECT_EQ(codes[i], g_heard[0].nCode);
        EXPECT_EQ("needle", g_heard[0].strFind);
        EXPECT_FALSE(Enabled(p, IDC_FINDREP_FIND));
        EXPECT_FALSE(Enabled(p, IDC_FINDREP_FIND_NEXT));
        EXPECT_FALSE(Enabled(p, IDC_FINDREP_MATCHCASE));
        EXPECT_FALSE(Enabled(p, IDC_FINDREP_DOWN));
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_CANCEL));
        p->SendMessage(WM_FINDREP_NOTIFY, i == 1 ? kFindRepEnable : kFindRepSearchDone);
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_FIND));
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_REPLACE_ALL));
        EXPECT_TRUE(Enabled(p, IDC_FINDREP_MATCHCASE));
    }
    EXPECT_EQ(1, p->SendMessage(WM_FINDREP_NOTIFY, kFindRepDisable));
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_UP));
    EXPECT_EQ(1, p->SendMessage(WM_FINDREP_NOTIFY, 12345));
    Close(p);
}

TEST_F(FindRepTest, CancelEscAndTheCloseBoxTellTheOwnerWhichClosesTheDialog)
{
    const UINT how[] = {0, 1, 2};
    for (UINT h : how) {
        SCOPED_TRACE(h);
        g_heard.clear();
        g_nCloseOn = kFindRepClosing;
        CMyFindRepDlg* p = Open(true);
        HWND hDlg = p->m_hWnd;
        if (h == 0)
            Click(p, IDC_FINDREP_CANCEL);
        else if (h == 1)
            p->SendMessage(WM_COMMAND, IDCANCEL);
        else
            p->SendMessage(WM_CLOSE);
        ASSERT_EQ(1u, g_heard.size());
        EXPECT_EQ(kFindRepClosing, g_heard[0].nCode);
        // Closed by the owner from inside the notification: gone once it returned.
        vorntest::PumpMessages();
        EXPECT_FALSE(::IsWindow(hDlg));
    }
}

TEST_F(FindRepTest, SelectionOnlyFollowsTheOwnersSelection)
{
    CMyFindRepDlg* p = Open(true);
    EXPECT_EQ(1, p->SendMessage(WM_FINDREP_REFRESH, 1));
    EXPECT_TRUE(Visible(p, IDC_FINDREP_SELONLY));
    EXPECT_TRUE(Checked(p, IDC_FINDREP_SELONLY));
    EXPECT_TRUE(p->m_bSelectionOnly);
    p->SendMessage(WM_FINDREP_REFRESH, 0);
    EXPECT_FALSE(Visible(p, IDC_FINDREP_SELONLY));
    EXPECT_FALSE(p->m_bSelectionOnly);
    Close(p);
}

TEST_F(FindRepTest, FindOnlyModeHidesReplacingAndLeavesItsHistoryAlone)
{
    StoreHistory("RepCount", "Rep-%d", 2);
    CMyFindRepDlg* p = Open(true);
    EXPECT_STREQ("Find", p->m_strCaption);
    EXPECT_TRUE(p->ReplaceHistory().empty());
    const int hidden[] = {IDC_FINDREP_REPLACE_LABEL, IDC_FINDREP_REPLACE, IDC_FINDREP_REPLACE_BTN,
                          IDC_FINDREP_REPLACE_ALL};
    for (int nId : hidden)
        EXPECT_FALSE(Visible(p, nId)) << nId;
    Type(p, IDC_FINDREP_FIND, "abc");
    Click(p, IDC_FINDREP_FIND_NEXT);
    EXPECT_EQ(2, (int)ProfileGetInt(kFindRepSection, "RepCount", -1));
    EXPECT_STREQ("t1", ProfileGetString(kFindRepSection, "Rep-1"));
    // The rows below move up into the replace row's room; Cancel follows Find Next.
    CMyFindRepDlg* pFull = Open(false);
    CRect rcFindOnly, rcFull, rcCancel, rcReplace;
    p->GetWindowRect(&rcFindOnly);
    pFull->GetWindowRect(&rcFull);
    ::GetWindowRect(::GetDlgItem(p->m_hWnd, IDC_FINDREP_CANCEL), &rcCancel);
    ::GetWindowRect(::GetDlgItem(p->m_hWnd, IDC_FINDREP_REPLACE_BTN), &rcReplace);
    EXPECT_LT(rcFindOnly.Height(), rcFull.Height());
    EXPECT_EQ(rcReplace.top, rcCancel.top);
    Close(pFull);
    Close(p);
}

TEST_F(FindRepTest, HiddenOptionsAreOffAndAllHiddenHideTheGroup)
{
    ProfileWriteInt(kFindRepSection, "HexSearch", 1);
    ProfileWriteInt(kFindRepSection, "WrapAround", 1);
    CMyFindRepDlg* p = Open(true, CMyFindRepDlg::kHideHexSearch | CMyFindRepDlg::kHideWrapAround);
    EXPECT_FALSE(Visible(p, IDC_FINDREP_HEX));
    EXPECT_FALSE(Visible(p, IDC_FINDREP_WRAP));
    EXPECT_TRUE(Visible(p, IDC_FINDREP_HOW));
    EXPECT_FALSE(p->m_bWrapAround);
    Type(p, IDC_FINDREP_FIND, "0x41");
    EXPECT_FALSE(p->m_bHexSearch) << "hidden: a hex text is searched as text";
    Close(p);
    p = Open(false, CMyFindRepDlg::kHideAllOptions);
    EXPECT_FALSE(Visible(p, IDC_FINDREP_HOW));
    EXPECT_FALSE(Visible(p, IDC_FINDREP_MATCHCASE));
    Type(p, IDC_FINDREP_FIND, "abc");
    EXPECT_FALSE(Visible(p, IDC_FINDREP_HOW));
    Close(p);
}

TEST_F(FindRepTest, ANewSearchComesFirstAndTheOldestIsDropped)
{
    StoreHistory("FindCount", "Find-%d", 16);
    CMyFindRepDlg* p = Open(true);
    EXPECT_EQ(16, p->MaxHistory());
    EXPECT_EQ("t0", std::string(p->m_strFindText)) << "the newest entry is the text";
    Type(p, IDC_FINDREP_FIND, "new");
    Click(p, IDC_FINDREP_FIND_NEXT);
    EXPECT_EQ(16, (int)ProfileGetInt(kFindRepSection, "FindCount", -1));
    EXPECT_STREQ("new", ProfileGetString(kFindRepSection, "Find-0"));
    EXPECT_STREQ("t14", ProfileGetString(kFindRepSection, "Find-15"));
    std::vector<std::string> items = Items(p, IDC_FINDREP_FIND);
    ASSERT_EQ(16u, items.size());
    EXPECT_EQ("new", items[0]);
    // A text already in the history moves to the front.
    p->SendMessage(WM_FINDREP_NOTIFY, kFindRepSearchDone);
    Type(p, IDC_FINDREP_FIND, "t7");
    Click(p, IDC_FINDREP_FIND_NEXT);
    EXPECT_STREQ("t7", ProfileGetString(kFindRepSection, "Find-0"));
    EXPECT_STREQ("new", ProfileGetString(kFindRepSection, "Find-1"));
    EXPECT_STREQ("t6", ProfileGetString(kFindRepSection, "Find-8"));
    EXPECT_STREQ("t8", ProfileGetString(kFindRepSection, "Find-9"));
    // And the search before stays in it (the combo lists what was stored).
    EXPECT_EQ(16, (int)ProfileGetInt(kFindRepSection, "FindCount", -1));
    Close(p);
}

TEST_F(FindRepTest, ADeletedHistoryEntryIsForgottenAndItsNeighbourTakesItsPlace)
{
    StoreHistory("FindCount", "Find-%d", 3);
    CMyFindRepDlg* p = Open(true);
    p->m_FindCombo.DeleteHistoryItem(1);
    vorntest::PumpMessages();
    EXPECT_EQ("t2", std::string(p->m_strFindText));
    EXPECT_EQ(2, (int)ProfileGetInt(kFindRepSection, "FindCount", -1));
    EXPECT_STREQ("t2", ProfileGetString(kFindRepSection, "Find-0"));
    EXPECT_STREQ("t0", ProfileGetString(kFindRepSection, "Find-1"));
    // The last entry of the list (t0, t2): the one before it takes its place.
    p->m_FindCombo.DeleteHistoryItem(1);
    vorntest::PumpMessages();
    EXPECT_EQ("t0", std::string(p->m_strFindText));
    p->m_FindCombo.DeleteHistoryItem(0);
    vorntest::PumpMessages();
    EXPECT_EQ("", std::string(p->m_strFindText));
    EXPECT_EQ(0, (int)ProfileGetInt(kFindRepSection, "FindCount", -1));
    EXPECT_FALSE(Enabled(p, IDC_FINDREP_FIND_NEXT));
    // From a window that is neither combo box: ignored.
    EXPECT_EQ(0, p->SendMessage(WM_HISTORY_ITEM_DELETED, 0, (LPARAM)owner.h));
    Close(p);
}

TEST_F(FindRepTest, AReplaceSelectionWithNothingSelectedKeepsTheText)
{
    CMyFindRepDlg* p = Open(false);
    Type(p, IDC_FINDREP_REPLACE, "typed");
    HWND hCombo = ::GetDlgItem(p->m_hWnd, IDC_FINDREP_REPLACE);
    ::SendMessageA(hCombo, CB_SETCURSEL, (WPARAM)-1, 0);
    p->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FINDREP_REPLACE, CBN_SELENDOK), (LPARAM)hCombo);
    EXPECT_EQ("typed", std::string(p->m_strReplaceText));
    Close(p);
}

TEST_F(FindRepTest, OptionsAreStoredOnEachSearchAndReadByTheNextDialog)
{
    CMyFindRepDlg* p = Open(false);
    EXPECT_TRUE(p->m_wHideMask & CMyFindRepDlg::kNoAutoHide) << "AutoHide 0 by default";
    Type(p, IDC_FINDREP_FIND, "abc");
    Type(p, IDC_FINDREP_REPLACE, "def");
    p->CheckDlgButton(IDC_FINDREP_MATCHCASE, BST_CHECKED);
    Click(p, IDC_FINDREP_MATCHCASE);
    p->CheckDlgButton(IDC_FINDREP_WRAP, BST_CHECKED);
    Click(p, IDC_FINDREP_WRAP);
    p->CheckRadioButton(IDC_FINDREP_UP, IDC_FINDREP_DOWN, IDC_FINDREP_UP);
    Click(p, IDC_FINDREP_FIND_NEXT);
    ASSERT_EQ(1u, g_heard.size());
    EXPECT_EQ(0, p->m_nDirection);
    EXPECT_EQ(1, (int)ProfileGetInt(kFindRepSection, "MatchCase", -1));
    EXPECT_EQ(1, (int)ProfileGetInt(kFindRepSection, "WrapAround", -1));
    EXPECT_EQ(0, (int)ProfileGetInt(kFindRepSection, "MatchWord", -1));
    EXPECT_EQ(0, (int)ProfileGetInt(kFindRepSection, "AutoHide", -1));
    EXPECT_STREQ("def", ProfileGetString(kFindRepSection, "Rep-0"));
    EXPECT_STREQ("none", ProfileGetString(kFindRepSection, "MaxMRULen", "none"));
    Close(p);
    ProfileWriteInt(kFindRepSection, "AutoHide", 1);
    CMyFindRepDlg next(&owner.wnd, false);
    EXPECT_TRUE(next.m_bMatchCase);
    EXPECT_TRUE(next.m_bWrapAround);
    EXPECT_FALSE(next.m_wHideMask & CMyFindRepDlg::kNoAutoHide);
    EXPECT_STREQ("abc", next.m_strFindText);
    EXPECT_STREQ("def", next.m_strReplaceText);
    EXPECT_EQ(1, next.m_nDirection) << "the direction is not stored";
}

TEST_F(FindRepTest, OnlyTheWidthChanges)
{
    CMyFindRepDlg* p = Open(false);
    CRect rc, rcCombo0, rcCombo1;
    p->GetWindowRect(&rc);
    ::GetWindowRect(::GetDlgItem(p->m_hWnd, IDC_FINDREP_FIND), &rcCombo0);
    p->SetWindowPos(nullptr, 0, 0, rc.Width() + 100, rc.Height() + 100, SWP_NOMOVE | SWP_NOZORDER);
    CRect rc2;
    p->GetWindowRect(&rc2);
    ::GetWindowRect(::GetDlgItem(p->m_hWnd, IDC_FINDREP_FIND), &rcCombo1);
    EXPECT_EQ(rc.Height(), rc2.Height());
    EXPECT_EQ(rc.Width() + 100, rc2.Width());
    EXPECT_EQ(rcCombo0.Width() + 100, rcCombo1.Width());
    Close(p);
}

TEST_F(FindRepTest, AModalDialogEndsWithOkOnceItsFieldsCheck)
{
    CMyFindRepDlg dlg(&owner.wnd, true);
    int nStep = 0;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND hDlg) {
        if (nStep++ == 0) {
            // The owner's close is ignored by a modal dialog.
            ::SendMessageA(hDlg, WM_FINDREP_NOTIFY, kFindRepDestroy, 0);
            EXPECT_TRUE(::IsWindow(hDlg));
            ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);  // no text: refused
            EXPECT_TRUE(::IsWindow(hDlg));
            Type(&dlg, IDC_FINDREP_FIND, "abc");
            return true;
        }
        ErrorBalloonHide();
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_TRUE(g_heard.empty());
    EXPECT_STREQ("abc", ProfileGetString(kFindRepSection, "Find-0"));
}

TEST_F(FindRepTest, EveryPartHasItsBalloonText)
{
    CMyFindRepDlg* p = Open(false);
    struct {
        UINT nCtrl;
        const char* pszTitle;
    } cases[] = {{0, "Find / Replace"}, {IDC_FINDREP_FIND, "Find what"}, {IDC_FINDREP_CANCEL, "Cancel"},
                 {IDC_FINDREP_HEX, "Hex. search"}, {IDC_FINDREP_SELONLY, "Selection only"}, {IDC_FINDREP_DOWN, "Down"}};
    for (const auto& c : cases) {
        CString str = p->GetHelpString(MakeHelpKey(IDD_FINDREP, c.nCtrl));
        CString strTitle = str.Mid(str.ReverseFind('\n') + 1);
        EXPECT_STREQ(c.pszTitle, strTitle) << c.nCtrl;
    }
    // The help topics of the dialog and some controls.
    EXPECT_EQ(1050u, p->GetHelpId(MakeHelpKey(IDD_FINDREP, 0)));
    EXPECT_EQ(1052u, p->GetHelpId(MakeHelpKey(IDD_FINDREP, IDC_FINDREP_FIND)));
    EXPECT_EQ(1095u, p->GetHelpId(MakeHelpKey(IDD_FINDREP, IDC_FINDREP_HEX)));
    EXPECT_EQ(1062u, p->GetHelpId(MakeHelpKey(IDD_FINDREP, IDC_FINDREP_CANCEL)));
    Close(p);
}

TEST_F(FindRepTest, OpeningAndClosingLeavesNoGdiObjects)
{
    auto openClose = [this] {
        CMyFindRepDlg* p = Open(false);
        Type(p, IDC_FINDREP_FIND, "0x41");
        p->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Close(p);
    };
    openClose();
    DWORD n0 = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        openClose();
    EXPECT_EQ(n0, vorntest::GdiObjectCount());
}
