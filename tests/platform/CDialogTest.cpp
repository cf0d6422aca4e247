// CDialogTest.cpp: dialogs under Wine: data exchange round trips through a
// modal dialog driven from a timer, a failed check keeps the dialog open on
// the field with a balloon, the result contract, modeless dialogs, and GDI
// objects counted over repeated opening and closing.
#include <gtest/gtest.h>

#include "tests/platform/ModalDriver.h"
#include "tests/platform/SampleDlg.h"

namespace {

CString ItemText(HWND hDlg, int id)
{
    char buf[256] = {};
    ::GetDlgItemTextA(hDlg, id, buf, sizeof(buf));
    return buf;
}

void Press(HWND hDlg, int id)
{
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, id));
}

class CModelessDlg : public CDialog {
public:
    enum { IDD = IDD_MODELESS };
    explicit CModelessDlg(bool* pDeleted = nullptr) : m_pDeleted(pDeleted) {}
    ~CModelessDlg() override { if (m_pDeleted) *m_pDeleted = true; }

protected:
    void PostNcDestroy() override { if (m_pDeleted) delete this; }

private:
    bool* m_pDeleted;
};

// A self-owning dialog whose window goes while it is made.
class CGoneAtInitDlg : public CModelessDlg {
public:
    using CModelessDlg::CModelessDlg;

protected:
    BOOL OnInitDialog() override
    {
        DestroyWindow();
        return TRUE;
    }
};

// Handlers that call on to the default processing of the dialog manager.
class CDefaultingDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CDefaultingDlg() : CDialog(IDD_MODELESS) {}
    LRESULT lastHit = -1;
    int closes = 0;

protected:
    LRESULT OnNcHitTest(CPoint pt)
    {
        lastHit = CDialog::OnNcHitTest(pt);
        return lastHit;
    }
    void OnClose()
    {
        closes++;
        CDialog::OnClose();  // Windows posts IDCANCEL
    }
};

BEGIN_MESSAGE_MAP(CDefaultingDlg, CDialog)
    ON_WM_NCHITTEST()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

}  // namespace

TEST(CDialog, HandlersReachTheDialogManagersDefault)
{
    CDefaultingDlg dlg;
    LRESULT hitClient = 0, hitCaption = 0;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        CRect rc;
        ::GetClientRect(h, &rc);
        CPoint pt = rc.CenterPoint();
        ::ClientToScreen(h, &pt);
        hitClient = ::SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        CRect rcWnd;
        ::GetWindowRect(h, &rcWnd);
        hitCaption = ::SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(rcWnd.left + 40, rcWnd.top + 8));
        ::SendMessageA(h, WM_CLOSE, 0, 0);
        return false;
    });
    EXPECT_EQ(hitClient, HTCLIENT);
    EXPECT_EQ(hitCaption, HTCAPTION);
    EXPECT_EQ(dlg.lastHit, HTCAPTION);
    EXPECT_EQ(dlg.closes, 1);
    EXPECT_EQ(r, IDCANCEL);
}

TEST(CDialog, DataExchangeLoadsEveryControlKind)
{
    CSampleDlg dlg;
    CString name, count, limit, ratio, host;
    int check = -1, radio = -1, kind = -1, device = -1, speed = -1;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        name = ItemText(h, IDC_NAME);
        count = ItemText(h, IDC_COUNT);
        limit = ItemText(h, IDC_LIMIT);
        ratio = ItemText(h, IDC_RATIO);
        host = ItemText(h, IDC_HOST);
        check = (int)::IsDlgButtonChecked(h, IDC_ENABLED);
        radio = ::IsDlgButtonChecked(h, IDC_MODE_B) == BST_CHECKED ? 1 : 0;
        kind = (int)::SendDlgItemMessageA(h, IDC_KIND, CB_GETCURSEL, 0, 0);
        device = (int)::SendDlgItemMessageA(h, IDC_DEVICES, LB_GETCURSEL, 0, 0);
        speed = (int)::SendDlgItemMessageA(h, IDC_SPEED, TBM_GETPOS, 0, 0);
        if (vorntest::KeepOpenForScreenshot())
            return true;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(name, "Alpha");
    EXPECT_EQ(count, "5");
    EXPECT_EQ(limit, "100");
    EXPECT_EQ(ratio, "0.5");
    EXPECT_EQ(host, "localhost");
    EXPECT_EQ(check, BST_CHECKED);
    EXPECT_EQ(radio, 1);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(device, 1);
    EXPECT_EQ(speed, 30);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_wndName.m_hWnd, nullptr);  // the bound control went with the dialog
}

TEST(CDialog, DataExchangeSavesEveryControlKind)
{
    CSampleDlg dlg;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_NAME, "Bravo");
        ::SetDlgItemTextA(h, IDC_COUNT, " 42 ");
        ::SetDlgItemTextA(h, IDC_LIMIT, "4000000000");
        ::SetDlgItemTextA(h, IDC_RATIO, "-2.25e3");
        ::CheckDlgButton(h, IDC_ENABLED, BST_UNCHECKED);
        ::CheckRadioButton(h, IDC_MODE_A, IDC_MODE_C, IDC_MODE_C);
        ::SendDlgItemMessageA(h, IDC_KIND, CB_SETCURSEL, 0, 0);
        ::SetDlgItemTextA(h, IDC_HOST, "other.host");
        ::SendDlgItemMessageA(h, IDC_DEVICES, LB_SETCURSEL, 3, 0);
        ::SendDlgItemMessageA(h, IDC_SPEED, TBM_SETPOS, TRUE, 75);
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(dlg.m_strName, "Bravo");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_uLimit, 4000000000u);
    EXPECT_DOUBLE_EQ(dlg.m_dRatio, -2250.0);
    EXPECT_EQ(dlg.m_nEnabled, BST_UNCHECKED);
    EXPECT_EQ(dlg.m_nMode, 2);
    EXPECT_EQ(dlg.m_nKind, 0);
    EXPECT_EQ(dlg.m_strHost, "other.host");
    EXPECT_EQ(dlg.m_nDevice, 3);
    EXPECT_EQ(dlg.m_nSpeed, 75);
}

TEST(CDialog, FailedCheckKeepsDialogOpenOnTheFieldWithBalloon)
{
    struct Case { int id; const char* text; const char* title; const char* message; };
    const Case cases[] = {
        {IDC_COUNT, "100", "Count", "Enter a number from 1 to 99."},
        {IDC_COUNT, "12x", "Count", "Enter a whole number."},
        {IDC_LIMIT, "-1", "Limit", "Enter a positive whole number."},
        {IDC_LIMIT, "4294967296", "Limit", "Enter a positive whole number."},
        {IDC_RATIO, "", "Ratio", "Enter a number."},
        {IDC_NAME, "thirteen char", "Name", "Enter no more than 12 characters."},
    };
    for (const Case& c : cases) {
        CSampleDlg dlg;
        int stage = 0;
        bool stayedOpen = false, focusOnField = false, balloon = false;
        CString title, text;
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            if (stage == 0) {
                ::SetDlgItemTextA(h, c.id, c.text);
                Press(h, IDOK);
            } else if (stage == 1) {
                stayedOpen = ::IsWindow(h) && ::IsWindowVisible(h);
                focusOnField = ::GetFocus() == ::GetDlgItem(h, c.id);
                balloon = ErrorBalloonWindow(&title, &text) != nullptr;
                Press(h, IDCANCEL);
                return false;
            }
            stage++;
            return true;
        });
        EXPECT_EQ(r, IDCANCEL) << c.text;
        EXPECT_TRUE(stayedOpen) << c.text;
        EXPECT_TRUE(focusOnField) << c.text;
        EXPECT_TRUE(balloon) << c.text;
        EXPECT_EQ(title, c.title) << c.text;
        EXPECT_EQ(text, c.message) << c.text;
        ErrorBalloonHide();
    }
}

TEST(CDialog, ResultContractReturnsValuesThroughMsgResult)
{
    CSampleDlg dlg;
    LRESULT viaMsgResult = 0;
    LRESULT ctlColor = 0, ctlColorDefault = 0;
    HBRUSH expected = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    vorntest::RunModal(dlg, [&](HWND h) {
        viaMsgResult = ::SendMessageA(h, WM_APP + 1, 14, 0);
        HWND hStatus = ::CreateWindowExA(0, "STATIC", "s", WS_CHILD, 0, 0, 5, 5, h, (HMENU)IDC_STATUS,
                                         nullptr, nullptr);
        HDC hdc = ::GetDC(h);
        ctlColor = ::SendMessageA(h, WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)hStatus);
        ctlColorDefault = ::SendMessageA(h, WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)::GetDlgItem(h, IDC_NAME));
        ::ReleaseDC(h, hdc);
        ::SendMessageA(h, WM_CLOSE, 0, 0);  // Windows posts IDCANCEL
        return false;
    });
    EXPECT_EQ(viaMsgResult, 42);
    EXPECT_EQ((HBRUSH)ctlColor, expected);
    EXPECT_NE(ctlColorDefault, 0);  // the dialog manager's brush
    EXPECT_NE((HBRUSH)ctlColorDefault, expected);
}

TEST(CDialog, ModelessDialogLivesUntilDestroyed)
{
    CModelessDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_MODELESS));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsModal());
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    HWND h = dlg.m_hWnd;
    dlg.SendMessage(WM_COMMAND, IDCANCEL);  // OnCancel -> EndDialog -> destroyed
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(CDialog, SelfOwningModelessDialogDeletesItselfAfterClose)
{
    bool deleted = false;
    CModelessDlg* p = new CModelessDlg(&deleted);
    ASSERT_TRUE(p->Create(IDD_MODELESS));
    HWND h = p->m_hWnd;
    ::SendMessageA(h, WM_CLOSE, 0, 0);  // posts IDCANCEL
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(h));
}

// A failed Create leaves the object to its caller, even a self-owning one
// whose window went while it was made (it was deleted twice).
TEST(CDialog, SelfOwningDialogGoneWhileMadeStaysTheCallers)
{
    bool deleted = false;
    CGoneAtInitDlg* p = new CGoneAtInitDlg(&deleted);
    EXPECT_FALSE(p->Create(IDD_MODELESS));
    ASSERT_FALSE(deleted);
    EXPECT_EQ(p->m_hWnd, nullptr);
    delete p;
    EXPECT_TRUE(deleted);
}

TEST(CDialog, MissingTemplateFailsDoModal)
{
    CDialog dlg(4711);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(CDialog, OpenAndCloseLeavesNoGdiObjects)
{
    auto openClose = [] {
        CSampleDlg dlg;
        vorntest::RunModal(dlg, [](HWND h) {
            ::SetDlgItemTextA(h, IDC_COUNT, "500");  // a balloon too
            Press(h, IDOK);
            Press(h, IDCANCEL);
            return false;
        }, 5);
        ErrorBalloonHide();
    };
    openClose();  // first use loads fonts and classes
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 10; i++)
        openClose();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST(CDialog, UpdateDialogControlsDisablesButtonsWithoutHandler)
{
    CSampleDlg dlg;
    bool noHandlerEnabled = true, okEnabled = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        dlg.UpdateDialogControls(&dlg, TRUE);
        noHandlerEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_NOHANDLER)) != FALSE;
        okEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDOK)) != FALSE;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_FALSE(noHandlerEnabled);
    EXPECT_TRUE(okEnabled);
}
