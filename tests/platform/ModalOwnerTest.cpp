// ModalOwnerTest.cpp: who owns a modal window under Wine. Opened without a
// parent from inside another modal window, every kind (dialog, sheet,
// message box, font, colour and file dialogs) goes to the window the user
// works in, leaves it disabled while it runs and gives it the activation
// back; a modal window disables its whole owner chain; one whose owner goes
// ends as cancelled instead of leaving its loop waiting.
#include <gtest/gtest.h>

#include <colordlg.h>

#include <functional>

#include "platform/Afx.h"
#include "platform/CColorDialog.h"
#include "platform/CFontDialog.h"
#include "platform/CModalLoop.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalWindowClose.h"
#include "tests/platform/ModalDriver.h"
#include "tests/platform/PlatformTestRes.h"
#include "tests/platform/SampleDlg.h"
#include "tests/support/HangWatch.h"

namespace {

class CPlainDlg : public CDialog {
public:
    explicit CPlainDlg(CWnd* pParent = nullptr) : CDialog(IDD_MODELESS, pParent) {}
};

class COnePage : public CPropertyPage {
public:
    COnePage() : CPropertyPage(IDD_PAGE_TWO) {}
};

// The user's work in a dialog: a letter typed where the keyboard is, or ('c')
// a click on the colour dialog's first basic colour (light red), which it draws.
void WorkIn(HWND hDlg, char cWork)
{
    if (cWork != 'c') {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, (WPARAM)cWork, 0);
        ::PostMessageA(::GetFocus(), WM_CHAR, (WPARAM)cWork, 0);
        return;
    }
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, COLOR_BOX1), &rc);
    POINT pt = {rc.left + 4, rc.top + 4};
    ::ScreenToClient(hDlg, &pt);
    ::PostMessageA(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ::PostMessageA(hDlg, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// Whether the loop has taken every key and click posted to the thread.
bool InputTaken()
{
    MSG msg;
    return !::PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_CHAR, PM_NOREMOVE) &&
           !::PeekMessageA(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONUP, PM_NOREMOVE);
}

// The application's main window, shown and active, as the program has it.
struct ModalOwner : ::testing::Test {
    CWinApp app{"ModalOwner"};
    CWnd frame;

    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(40, 40, 640, 480), nullptr, 0));
        app.m_pMainWnd = &frame;
        ::SetActiveWindow(frame.m_hWnd);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        frame.DestroyWindow();
    }
};

}  // namespace

TEST_F(ModalOwner, EveryKindOpenedWithoutAParentGoesToTheDialogTheUserWorksIn)
{
    const struct {
        const char* pszKind;
        std::function<void()> open;
    } kinds[] = {
        {"dialog", [] { CPlainDlg dlg; dlg.DoModal(); }},
        {"property sheet", [] {
             COnePage page;
             CPropertySheet sheet("Sheet");
             sheet.AddPage(&page);
             sheet.DoModal();
         }},
        {"message box", [] { ErrorMessageBox("Vornamic refused it."); }},
        {"task dialog", [] { TDMessageBox("Vornamic asks", "Go on?", nullptr, MB_OKCANCEL); }},
        {"font dialog", [] { CFontDialog dlg; dlg.DoModal(); }},
        {"colour dialog", [] { CColorDialog dlg; dlg.DoModal(); }},
        {"file dialog", [] { CString s; AfxPromptFileName(s, "vorn.cnf", nullptr, TRUE); }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.pszKind);
        CPlainDlg opener;
        vorntest::SNestedModal nested;
        bool bMainDisabled = false, bOwnedByMain = false;
        vorntest::RunModal(opener, [&](HWND h) {
            bOwnedByMain = ::GetWindow(h, GW_OWNER) == frame.m_hWnd;
            nested = vorntest::OpenNestedModal(h, kind.open);
            bMainDisabled = !frame.IsWindowEnabled();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_TRUE(bOwnedByMain);
        vorntest::ExpectOpenedAsNestedModal(nested);
        EXPECT_TRUE(bMainDisabled);  // the opener still runs over it
        EXPECT_TRUE(frame.IsWindowEnabled());
        EXPECT_EQ(frame.m_hWnd, ::GetActiveWindow());
    }
}

TEST_F(ModalOwner, AParentNamesTheOwnerAndAModalWindowDisablesItsWholeOwnerChain)
{
    // A modeless tool window of the main window (a floating bar) was the
    // last one worked in: a modal window opened then belongs to it, and the
    // main window under it waits as well.
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Tool", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              CRect(100, 100, 300, 200), &frame, 0));
    ::SetActiveWindow(tool.m_hWnd);
    EXPECT_EQ(tool.m_hWnd, ModalOwnerWindow(nullptr));
    CPlainDlg dlg;
    HWND hOwner = nullptr;
    bool bToolEnabled = true, bMainEnabled = true;
    vorntest::RunModal(dlg, [&](HWND h) {
        hOwner = ::GetWindow(h, GW_OWNER);
        bToolEnabled = tool.IsWindowEnabled() != FALSE;
        bMainEnabled = frame.IsWindowEnabled() != FALSE;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(tool.m_hWnd, hOwner);
    EXPECT_FALSE(bToolEnabled);
    EXPECT_FALSE(bMainEnabled);
    EXPECT_TRUE(tool.IsWindowEnabled() && frame.IsWindowEnabled());
    EXPECT_EQ(tool.m_hWnd, ::GetActiveWindow());

    // A named parent, even a control of another window, is taken at its
    // word: its top-level window owns the dialog.
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 7));
    CPlainDlg named(&child);
    vorntest::RunModal(named, [&](HWND h) {
        hOwner = ::GetWindow(h, GW_OWNER);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(frame.m_hWnd, hOwner);
    tool.DestroyWindow();
}

TEST_F(ModalOwner, ADialogWhoseOwnerGoesEndsCancelled)
{
    CWnd tool;
    ASSERT_TRUE(tool.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Tool", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              CRect(100, 100, 300, 200), &frame, 0));
    CPlainDlg dlg(&tool);
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND) {
        tool.DestroyWindow();  // destroys the dialog it owns
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_TRUE(frame.IsWindowEnabled());
}

namespace {

// The owner's activations, counted apart while the dialog still showed.
HWND g_hOwner = nullptr, g_hDialog = nullptr;
int g_nActivations = 0, g_nActivationsUnderTheDialog = 0;

LRESULT CALLBACK WatchActivations(int nCode, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
    if (p->hwnd == g_hOwner && p->message == WM_ACTIVATE && LOWORD(p->wParam) != WA_INACTIVE)
        ++(::IsWindowVisible(g_hDialog) ? g_nActivationsUnderTheDialog : g_nActivations);
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

}  // namespace

// As the system's own dialogs end: the dialog is hidden before its owner
// takes the activation, so that it is never drawn inactive as it goes.
TEST_F(ModalOwner, ADialogIsHiddenBeforeItsOwnerTakesTheActivationBack)
{
    CPlainDlg dlg(&frame);
    g_hOwner = frame.m_hWnd;
    g_nActivations = g_nActivationsUnderTheDialog = 0;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchActivations, nullptr, ::GetCurrentThreadId());
    vorntest::RunModal(dlg, [&](HWND h) {
        g_hDialog = h;
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(g_nActivationsUnderTheDialog, 0);
    EXPECT_EQ(g_nActivations, 1);
    EXPECT_EQ(::GetActiveWindow(), frame.m_hWnd);
}

// A close cancels a dialog without Apply only while the user has typed
// nothing into it: a key that moves between controls changes nothing.
TEST_F(ModalOwner, ACloseCancelsADialogOnlyUntilTheUserTypesIntoIt)
{
    for (WPARAM nKey : {(WPARAM)VK_TAB, (WPARAM)'V'}) {
        CSampleDlg dlg;
        bool bKeyPosted = false;
        INT_PTR nEnd = vorntest::RunModal(dlg, [&](HWND h) {
            if (!bKeyPosted)  // the loop takes the posted key before the next step
                return bKeyPosted = ::PostMessageA(::GetDlgItem(h, IDC_NAME), WM_KEYDOWN, nKey, 0);
            if (!CancelTopModalWindowForClose())
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);  // the user's
            return false;
        });
        EXPECT_STREQ(nEnd == IDCANCEL ? "cancelled" : "left to the user", nKey == VK_TAB ? "cancelled" : "left to the user")
            << (nKey == VK_TAB ? "after Tab" : "after a letter");
    }
}

// A close, the program's or a WM_CLOSE posted by another program, cancels a
// system dialog only until the user gives it a key or a click.
TEST_F(ModalOwner, ASystemDialogIsCancelledByACloseOnlyUntilTheUserWorksInIt)
{
    const struct {
        const char* pszKind;
        std::function<INT_PTR()> open;  // its end
        char cWork;                     // the user's: a letter typed, 'c' a colour clicked, 0 none
    } kinds[] = {
        {"task dialog", [] { return (INT_PTR)TDMessageBox("Vornamic asks", "Go on?", nullptr, MB_OKCANCEL); }, 0},
        {"font dialog", [] { CFontDialog dlg; return dlg.DoModal(); }, 'V'},
        {"file dialog", [] {
             CString s;
             return (INT_PTR)(AfxPromptFileName(s, "vorn.cnf", nullptr, TRUE) ? IDOK : IDCANCEL);
         }, 'V'},
        {"colour dialog", [] {
             CColorDialog dlg;
             INT_PTR nEnd = dlg.DoModal();
             EXPECT_TRUE(nEnd != IDOK || dlg.GetColor() == RGB(255, 128, 128)) << "the colour clicked, then OK";
             return nEnd;
         }, 'c'},
    };
    for (const auto& kind : kinds)
        for (int nCase = 0; nCase < (kind.cWork ? 4 : 2); ++nCase) {  // 2, 3: worked in; 1, 3: posted WM_CLOSE
            bool bWork = nCase >= 2;
            int nStep = bWork ? 0 : 1;  // the user's work, the close once the work has come, the user's end
            vorntest::WaitingFor waiting("the user's input to come, the close, the user's end");
            vorntest::DialogDriver driver([&](HWND h) {
                if (nStep == 0)
                    WorkIn(h, kind.cWork);
                else if (nStep == 1 && InputTaken())
                    nCase % 2 ? (void)::PostMessageA(h, WM_CLOSE, 0, 0) : (void)CancelTopModalWindowForClose();
                else if (nStep == 2)  // the close has been taken and the dialog stays
                    ::PostMessageA(h, WM_COMMAND, kind.cWork == 'c' ? IDOK : IDCANCEL, 0);
                else
                    return true;  // the work not come yet
                return ++nStep < 3;
            });
            INT_PTR nEnd = kind.open();
            const char* pszEnd = nStep == 3 ? "held" : nEnd == IDCANCEL ? "cancelled" : "other end";
            EXPECT_STREQ(pszEnd, bWork ? "held" : "cancelled") << kind.pszKind << ", case " << nCase;
        }
}
