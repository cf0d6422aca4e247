// ControlsTest.cpp: the control wrappers where they do more than pass one
// message on: long list texts, tree data, the address control's field count,
// owner drawing by reflection, rich edit loading, image lists freed, tooltips
// and the frame's status bar.
#include <gtest/gtest.h>

#include <string>

#include "platform/Afx.h"

namespace {

class CHost : public CWnd {
public:
    CHost()
    {
        CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0);
    }
};

class COwnerButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT pDIS) override
    {
        draws++;
        ::FillRect(pDIS->hDC, &pDIS->rcItem, (HBRUSH)::GetStockObject(GRAY_BRUSH));
    }
};

}  // namespace

TEST(CListCtrl, ItemTextsRoundTripAtAnyLength)
{
    CHost host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 10));
    EXPECT_EQ(list.InsertColumn(0, "Device", LVCFMT_LEFT, 80), 0);
    EXPECT_EQ(list.InsertColumn(1, "Type", LVCFMT_LEFT, 80), 1);
    std::string longText(1000, 'x');
    longText[999] = 'y';
    EXPECT_EQ(list.InsertItem(0, "000C"), 0);
    EXPECT_TRUE(list.SetItemText(0, 1, longText.c_str()));
    EXPECT_TRUE(list.SetItemData(0, 0x3505));
    EXPECT_EQ(list.GetItemText(0, 0), "000C");
    EXPECT_EQ(list.GetItemText(0, 1).str(), longText);
    EXPECT_EQ(list.GetItemData(0), 0x3505u);
    EXPECT_EQ(list.GetItemText(5, 0), "");  // no such item
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
}

TEST(CTreeCtrl, ItemsKeepTextAndData)
{
    CHost host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 200), &host, 11));
    HTREEITEM root = tree.InsertItem("System");
    HTREEITEM child = tree.InsertItem("Processors", root);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(tree.SetItemData(child, 42));
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), child);
    EXPECT_EQ(tree.GetParentItem(child), root);
    EXPECT_EQ(tree.GetItemText(child), "Processors");
    EXPECT_EQ(tree.GetItemData(child), 42u);
    EXPECT_TRUE(tree.SelectItem(child));
    EXPECT_EQ(tree.GetSelectedItem(), child);
    EXPECT_EQ(tree.GetCount(), 2u);
}

TEST(CIPAddressCtrl, CountsFilledFields)
{
    CHost host;
    CIPAddressCtrl ip;
    ASSERT_TRUE(ip.Create(WS_VISIBLE, CRect(0, 0, 150, 22), &host, 12));
    EXPECT_TRUE(ip.IsBlank());
    ip.SetAddress(192, 168, 1, 20);
    BYTE a, b, c, d;
    EXPECT_EQ(ip.GetAddress(a, b, c, d), 4);
    EXPECT_EQ(a, 192);
    EXPECT_EQ(d, 20);
    ip.ClearAddress();
    DWORD dw = 1;
    EXPECT_EQ(ip.GetAddress(dw), 0);
}

TEST(CButton, OwnerDrawReachesDrawItemByReflection)
{
    CHost host;
    COwnerButton button;
    ASSERT_TRUE(button.Create("owner", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 80, 24), &host, 13));
    host.ShowWindow(SW_SHOW);
    button.RedrawWindow();
    EXPECT_GE(button.draws, 1);
}

TEST(CRichEditCtrl, CreatesAndTakesText)
{
    CHost host;
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &host, 14));
    edit.SetWindowText("ZQC01603I ipl 0A80");
    EXPECT_EQ(edit.GetTextLength(), 18);
    edit.SetSel(0, 8);
    CHARRANGE cr = {};
    edit.GetSel(cr);
    EXPECT_EQ(cr.cpMin, 0);
    EXPECT_EQ(cr.cpMax, 8);
}

TEST(CImageList, FreesItsBitmapsWhenDestroyed)
{
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 10; i++) {
        CImageList images;
        ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4));
        CClientDC screen(nullptr);
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(screen, 32, 16));
        EXPECT_EQ(images.Add(bmp, RGB(255, 0, 255)), 0);
        EXPECT_EQ(images.GetImageCount(), 2);
        CImageList moved(std::move(images));
        EXPECT_EQ(images.m_hImageList, nullptr);
    }
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST(CToolTipCtrl, ToolsAddAndGo)
{
    CHost host;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &host, 15));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host));
    EXPECT_TRUE(tips.AddTool(&edit, "Type a command"));
    EXPECT_EQ(tips.GetToolCount(), 1);
    tips.DelTool(&edit);
    EXPECT_EQ(tips.GetToolCount(), 0);
}

TEST(CStatusBarCtrl, FramePutsMessagesInTheFirstPaneAndLaysItOut)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0));
    CStatusBarCtrl status;
    ASSERT_TRUE(status.Create(WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_STATUS_BAR));
    int parts[2] = {200, -1};
    EXPECT_TRUE(status.SetParts(2, parts));
    pFrame->SetMessageText("Ready");
    EXPECT_EQ(status.GetText(0), "Ready");
    EXPECT_TRUE(status.SetText("CPU 3%", 1));
    EXPECT_EQ(status.GetText(1), "CPU 3%");
    pFrame->RecalcLayout();
    CRect rcFrame, rcStatus;
    pFrame->GetClientRect(&rcFrame);
    status.GetWindowRect(&rcStatus);
    pFrame->ScreenToClient(&rcStatus);
    EXPECT_EQ(rcStatus.bottom, rcFrame.bottom);
    EXPECT_EQ(rcStatus.Width(), rcFrame.Width());
    pFrame->DestroyWindow();  // deletes itself
    EXPECT_EQ(status.m_hWnd, nullptr);
}
