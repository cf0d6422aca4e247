// CPropertySheetTest.cpp: a sheet with two pages under Wine: Apply enables
// on a change, applies the created pages, refuses a page whose check fails
// (balloon, same page), Cancel resets; a page works outside a sheet and
// ignores sheet notifications from other windows.
#include <gtest/gtest.h>

#include "tests/platform/ModalDriver.h"
#include "tests/platform/PlatformTestRes.h"
#include "platform/Afx.h"

namespace {

const int kApplyButtonId = 0x3021;  // the sheet's Apply button

class CPageOne : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    CPageOne() : CPropertyPage(IDD_PAGE_ONE) {}
    int m_nValue = 3;
    int m_nApplied = -1;
    int m_nApplies = 0;
    int m_nResets = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PAGE_VALUE, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 0, 10);
    }
    BOOL OnApply() override
    {
        m_nApplies++;
        m_nApplied = m_nValue;
        return CPropertyPage::OnApply();
    }
    void OnReset() override { m_nResets++; }

protected:
    void OnValueChange() { SetModified(TRUE); }
};

BEGIN_MESSAGE_MAP(CPageOne, CPropertyPage)
    ON_EN_CHANGE(IDC_PAGE_VALUE, OnValueChange)
END_MESSAGE_MAP()

class CPageTwo : public CPropertyPage {
public:
    CPageTwo() : CPropertyPage(IDD_PAGE_TWO) {}
    int m_nFlag = 0;
    int m_nApplies = 0;

    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_PAGE_FLAG, m_nFlag); }
    BOOL OnApply() override { m_nApplies++; return CPropertyPage::OnApply(); }
};

bool ApplyEnabled(HWND hSheet)
{
    return ::IsWindowEnabled(::GetDlgItem(hSheet, kApplyButtonId)) != FALSE;
}

}  // namespace

TEST(CPropertySheet, ApplyAppliesChangedPagesAndOkEnds)
{
    CPageOne one;
    CPageTwo two;
    CPropertySheet sheet("Two Pages");
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    int stage = 0;
    bool applyBefore = true, applyAfterChange = false, applyAfterApply = true;
    int appliesAfterApply = -1, twoAppliesAfterApply = -1, activeAfterSwitch = -1;
    INT_PTR r = vorntest::RunModal(sheet, [&](HWND h) {
        switch (stage++) {
        case 0:
            applyBefore = ApplyEnabled(h);
            ::SetDlgItemTextA(one.m_hWnd, IDC_PAGE_VALUE, "7");
            applyAfterChange = ApplyEnabled(h);
            sheet.PressButton(PSBTN_APPLYNOW);
            return true;
        case 1:
            appliesAfterApply = one.m_nApplies;
            twoAppliesAfterApply = two.m_nApplies;  // never shown: not applied
            applyAfterApply = ApplyEnabled(h);
            sheet.SetActivePage(1);
            activeAfterSwitch = sheet.GetActiveIndex();
            ::CheckDlgButton(two.m_hWnd, IDC_PAGE_FLAG, BST_CHECKED);
            sheet.PressButton(PSBTN_OK);
            return false;
        }
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_FALSE(applyBefore);
    EXPECT_TRUE(applyAfterChange);
    EXPECT_EQ(appliesAfterApply, 1);
    EXPECT_EQ(twoAppliesAfterApply, 0);
    EXPECT_FALSE(applyAfterApply);
    EXPECT_EQ(activeAfterSwitch, 1);
    EXPECT_EQ(one.m_nApplied, 7);
    EXPECT_EQ(two.m_nFlag, BST_CHECKED);
    EXPECT_EQ(two.m_nApplies, 1);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(one.m_hWnd, nullptr);
}

TEST(CPropertySheet, FailedCheckKeepsThePageAndCancelResets)
{
    CPageOne one;
    CPageTwo two;
    CPropertySheet sheet("Two Pages");
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    int stage = 0;
    int activeAfterFail = -1, appliesAfterFail = -1;
    bool balloon = false;
    CString title;
    INT_PTR r = vorntest::RunModal(sheet, [&](HWND) {
        switch (stage++) {
        case 0:
            ::SetDlgItemTextA(one.m_hWnd, IDC_PAGE_VALUE, "99");
            sheet.PressButton(PSBTN_OK);
            return true;
        case 1:
            activeAfterFail = sheet.GetActiveIndex();
            appliesAfterFail = one.m_nApplies;
            balloon = ErrorBalloonWindow(&title) != nullptr;
            sheet.PressButton(PSBTN_CANCEL);
            return false;
        }
        return false;
    });
    ErrorBalloonHide();
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(activeAfterFail, 0);
    EXPECT_EQ(appliesAfterFail, 0);
    EXPECT_TRUE(balloon);
    EXPECT_EQ(title, "Value");
    EXPECT_EQ(one.m_nResets, 1);
}

TEST(CPropertyPage, WorksOutsideASheet)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300),
                              nullptr, 0));
    CPageOne page;
    ASSERT_TRUE(page.Create(IDD_PAGE_ONE, &host));
    EXPECT_EQ(page.GetSheetWnd(), nullptr);
    char text[16] = {};
    ::GetDlgItemTextA(page.m_hWnd, IDC_PAGE_VALUE, text, sizeof(text));
    EXPECT_STREQ(text, "3");
    ::SetDlgItemTextA(page.m_hWnd, IDC_PAGE_VALUE, "4");  // SetModified with no sheet
    EXPECT_TRUE(page.IsModified());

    // A PSN_APPLY from a window that is not its sheet is not for the page.
    PSHNOTIFY pn = {};
    pn.hdr.hwndFrom = host.m_hWnd;
    pn.hdr.code = PSN_APPLY;
    page.SendMessage(WM_NOTIFY, 0, (LPARAM)&pn);
    EXPECT_EQ(page.m_nApplies, 0);
    EXPECT_TRUE(page.UpdateData(TRUE));
    EXPECT_EQ(page.m_nValue, 4);
    host.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr);
}

TEST(CPropertySheet, OpenAndCloseLeavesNoGdiObjects)
{
    auto openClose = [] {
        CPageOne one;
        CPageTwo two;
        CPropertySheet sheet("Leak check");
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        vorntest::RunModal(sheet, [&](HWND) {
            sheet.SetActivePage(1);
            sheet.PressButton(PSBTN_CANCEL);
            return false;
        }, 5);
    };
    openClose();
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 5; i++)
        openClose();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}
