// CompanionControlsTest.cpp: the companion library's controls: an edit that
// keeps its selection, history combo boxes, the link control and the help
// application base.
#include <gtest/gtest.h>

#include "platform/Afx.h"
#include "platform/CHtmlHelpApp.h"
#include "platform/CHyperLink.h"
#include "platform/CSaveSelEdit.h"
#include "platform/CWLComboBoxEx.h"
#include "tests/platform/PlatformTestRes.h"

namespace {

const UINT WM_HISTORY_DELETED = WM_APP + 0xB4;

class CComboHost : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int deleted = -1;

protected:
    LRESULT OnDeleted(WPARAM wp, LPARAM) { deleted = (int)wp; return 0; }
};

BEGIN_MESSAGE_MAP(CComboHost, CWnd)
    ON_MESSAGE(WM_HISTORY_DELETED, OnDeleted)
END_MESSAGE_MAP()

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

}  // namespace

TEST(CSaveSelEdit, SelectionSurvivesTabbingAwayAndBack)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    CSaveSelEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_NAME, &dlg));
    dlg.ShowWindow(SW_SHOW);
    edit.SetWindowText("ipl 0A80");
    dlg.GotoDlgCtrl(&edit);
    edit.SetSel(4, 6);
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_COUNT));
    dlg.GotoDlgCtrl(&edit);  // the dialog manager would select it all
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 6);
    // Typed into while away: the focus comes back behind what was typed.
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_COUNT));
    edit.SendMessage(WM_CHAR, 'x');
    dlg.GotoDlgCtrl(&edit);
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    dlg.DestroyWindow();
}

TEST(CWLComboBoxEx, FillsFromTextAndKeepsAShortHistory)
{
    CComboHost host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200),
                              nullptr, 0));
    CWLComboBoxEx combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 200, 150), &host, 20));
    EXPECT_EQ(combo.FillFromText("alpha\n\nbeta\ngamma\n"), 3);  // empty parts dropped
    EXPECT_EQ(combo.GetAllText('|'), "alpha|beta|gamma");
    combo.AddToHistory("BETA", 3);  // moves up, no duplicate
    EXPECT_EQ(combo.GetAllText('|'), "BETA|alpha|gamma");
    combo.AddToHistory("delta", 3);  // the oldest drops off
    EXPECT_EQ(combo.GetAllText('|'), "delta|BETA|alpha");
    CString shown;
    combo.GetWindowText(shown);
    EXPECT_EQ(shown, "delta");
    EXPECT_EQ(combo.FillFromText(""), 0);
}

TEST(CWLComboBoxEx2, DeleteKeyInTheDroppedListRemovesTheEntry)
{
    CComboHost host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(0, 0, 300, 200), nullptr, 0));
    CWLComboBoxEx2 combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(0, 0, 200, 150), &host, 21));
    combo.SetItemDeletedMessage(WM_HISTORY_DELETED);
    combo.FillFromText("one\ntwo\nthree");
    combo.ShowDropDown(TRUE);
    combo.SetCurSel(1);
    COMBOBOXINFO cbi = {sizeof(cbi)};
    ASSERT_TRUE(::GetComboBoxInfo(combo.m_hWnd, &cbi));
    ::SendMessageA(cbi.hwndItem, WM_KEYDOWN, VK_DELETE, 0);
    Pump();
    EXPECT_EQ(combo.GetAllText('|'), "one|three");
    EXPECT_EQ(host.deleted, 1);
    combo.ShowDropDown(FALSE);
    // Closed, Delete edits the text as usual.
    host.deleted = -1;
    ::SendMessageA(cbi.hwndItem, WM_KEYDOWN, VK_DELETE, 0);
    Pump();
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(host.deleted, -1);
}

TEST(CHyperLink, UnderlinesClicksThroughTheShellAndFreesItsFont)
{
    EXPECT_LE(CHyperLink::GotoURL("C:\\no\\such\\folder\\nothing.vorn"), 32);
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200),
                              nullptr, 0));
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 5; i++) {
        HWND h = ::CreateWindowExA(0, "STATIC", "http://vorn.invalid/", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20,
                                   host.m_hWnd, (HMENU)30, nullptr, nullptr);
        CHyperLink link;
        ASSERT_TRUE(link.SubclassWindow(h));
        EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
        LOGFONTA lf = {};
        ::GetObjectA(link.GetFontHandle(), sizeof(lf), &lf);
        EXPECT_TRUE(lf.lfUnderline);
        link.DestroyWindow();
    }
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST(CHtmlHelpApp, HelpFileLiesBesideTheProgram)
{
    CHtmlHelpApp app("HelpTest", "VornGUI.chm");
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_strHelpFilePath.Right(12), "\\VornGUI.chm");
    EXPECT_TRUE(CHtmlHelpApp::IsHtmlHelpAvailable());
    EXPECT_EQ(app.HtmlHelp(0, 0x0013 /* HH_CLOSE_ALL */), nullptr);
}
