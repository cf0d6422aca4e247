// DynamicDialogsTest.cpp: the resizable plain, child and bar dialogs under
// Wine: position names, scroll-position mode, help tables, no size grip,
// Enter and Escape ignored by a bar's dialog, and the idle control update.
#include <gtest/gtest.h>

#include "FrameworkTestRes.h"
#include "framework/cdxCDynamicBarDlg.h"

TEST(cdxCDynamicDialog, RemembersItsPositionUnderTheTemplateId)
{
    cdxCDynamicDialog dlg(IDD_RESIZE_HELP);
    EXPECT_STREQ("ID=0x00000bb9", dlg.m_strPositionName.GetString());
    EXPECT_FALSE(dlg.m_bUseScrollPos);
    EXPECT_EQ(0u, dlg.m_nFlags);  // no size grip
    cdxCDynamicDialog none(0);
    EXPECT_TRUE(none.m_strPositionName.IsEmpty());
}

TEST(cdxCDynamicDialog, KeepsNoHelpIdsButAChildDialogDoes)
{
    cdxCDynamicDialog dlg(IDD_RESIZE_HELP);
    const DWORD key = MakeHelpKey(IDD_RESIZE_HELP, IDC_LIST);
    dlg.SetHelpId(key, 77);
    EXPECT_EQ(key, dlg.GetHelpId(key));
    cdxCDynamicChildDlg child(IDD_RESIZE_HELP);
    child.SetHelpId(key, 77);
    EXPECT_EQ(77u, child.GetHelpId(key));
}

TEST(cdxCDynamicDialog, BalloonTextsComeFromItsTable)
{
    cdxCDynamicDialog dlg(IDD_RESIZE_HELP);
    dlg.m_nIDHelpDialog = IDD_RESIZE_HELP;
    const DWORD key = MakeHelpKey(IDD_RESIZE_HELP, IDC_LIST);
    EXPECT_TRUE(dlg.GetHelpString(key).IsEmpty());
    dlg.SetHelpString(key, IDS_HELP_LIST);
    EXPECT_STREQ("Lists the entries.\nEntry List", dlg.GetHelpString(key).GetString());
}

TEST(cdxCDynamicChildDlg, PlacesByScrollPositionAndRemembersNoPosition)
{
    cdxCDynamicChildDlg dlg(IDD_RESIZE_HELP);
    EXPECT_TRUE(dlg.m_bUseScrollPos);
    EXPECT_TRUE(dlg.m_strPositionName.IsEmpty());
}

TEST(cdxCDynamicBarDlg, EnterAndEscapeDoNotCloseIt)
{
    cdxCDynamicBarDlg dlg(IDD_RESIZE_HELP);
    EXPECT_EQ((UINT)IDD_RESIZE_HELP, dlg.m_nIDTemplate);
    EXPECT_EQ(nullptr, dlg.m_pHostBar);
    ASSERT_TRUE(dlg.Create(IDD_RESIZE_HELP));
    EXPECT_TRUE(dlg.IsActive());
    EXPECT_EQ(nullptr, ::GetDlgItem(dlg.m_hWnd, kSizeGripId));  // no size grip
    dlg.SendMessage(WM_COMMAND, IDOK, 0);
    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
    dlg.SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    dlg.DestroyWindow();
    EXPECT_FALSE(dlg.IsActive());
}

TEST(cdxCDynamicBarDlg, IdleUpdateDisablesButtonsWithoutHandlers)
{
    cdxCDynamicBarDlg dlg(IDD_RESIZE_HELP);
    ASSERT_TRUE(dlg.Create(IDD_RESIZE_HELP));
    dlg.UpdateControlsUI(&dlg, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_CENTRE)));
    dlg.UpdateControlsUI(&dlg, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_CENTRE)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, IDC_NAME)));  // input, not a command
    dlg.DestroyWindow();
}

// The controls are listed once; a control that has gone makes the list
// again, so a button made in its place is updated too.
TEST(cdxCDynamicBarDlg, IdleUpdateListsTheControlsAgainWhenOneHasGone)
{
    cdxCDynamicBarDlg dlg(IDD_RESIZE_HELP);
    ASSERT_TRUE(dlg.Create(IDD_RESIZE_HELP));
    dlg.UpdateControlsUI(&dlg, TRUE);
    HWND hOld = ::GetDlgItem(dlg.m_hWnd, IDC_CENTRE);
    ASSERT_NE(hOld, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(hOld));
    // Enabled behind the update's back: the next update disables it again.
    ::EnableWindow(hOld, TRUE);
    dlg.UpdateControlsUI(&dlg, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(hOld));
    ::DestroyWindow(hOld);
    HWND hNew = ::CreateWindowExA(0, "BUTTON", "New", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 40, 20, dlg.m_hWnd,
                                  (HMENU)(UINT_PTR)IDC_CENTRE, nullptr, nullptr);
    ASSERT_NE(hNew, nullptr);
    ASSERT_TRUE(::IsWindowEnabled(hNew));
    dlg.UpdateControlsUI(&dlg, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(hNew));
    dlg.DestroyWindow();
}
