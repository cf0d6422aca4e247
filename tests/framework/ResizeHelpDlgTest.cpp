// ResizeHelpDlgTest.cpp: a real resizable help dialog under Wine: controls
// after resizes for each kind of anchoring, the minimum tracking size, the
// position memory round trip (also from off-screen), the caption button's
// hit test and press, balloon help, What's-This mode and GDI objects over
// repeated opens.
#include <gtest/gtest.h>

#include "ResizeHelpDlg.h"
#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/support/StalePixels.h"

namespace {

const char* kIni = "framework_tests_positions.ini";

RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, (POINT*)&rc, 2);
    return rc;
}

struct DialogTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
    void Grow(CResizeHelpDlg& dlg, int dx, int dy)
    {
        RECT rc;
        dlg.GetWindowRect(&rc);
        dlg.SetWindowPos(nullptr, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top + dy, SWP_NOMOVE | SWP_NOZORDER);
    }
};

}  // namespace

TEST_F(DialogTest, AnchoringAfterResizes)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    const int ids[] = {IDC_LABEL, IDC_NAME, IDC_LIST, IDC_CENTRE, IDOK, IDHELP};
    RECT r0[6];
    for (int i = 0; i < 6; ++i)
        r0[i] = ChildRect(dlg.m_hWnd, ids[i]);
    struct Step { int dx, dy; } steps[] = {{100, 60}, {-40, -30}, {31, 0}};
    int sx = 0, sy = 0;
    for (const Step& s : steps) {
        Grow(dlg, s.dx, s.dy);
        sx += s.dx;
        sy += s.dy;
        // Expected per anchoring: stay, widen, stretch, half/bottom, corner, corner.
        const RECT exp[6] = {
            r0[0],
            {r0[1].left, r0[1].top, r0[1].right + sx, r0[1].bottom},
            {r0[2].left, r0[2].top, r0[2].right + sx, r0[2].bottom + sy},
            {r0[3].left + 50 * sx / 100, r0[3].top + sy, r0[3].right + 50 * sx / 100, r0[3].bottom + sy},
            {r0[4].left + sx, r0[4].top + sy, r0[4].right + sx, r0[4].bottom + sy},
            {r0[5].left + sx, r0[5].top + sy, r0[5].right + sx, r0[5].bottom + sy},
        };
        for (int i = 0; i < 6; ++i) {
            RECT rc = ChildRect(dlg.m_hWnd, ids[i]);
            EXPECT_TRUE(::EqualRect(&rc, &exp[i])) << "control " << ids[i] << " after +" << sx << ",+" << sy
                                                   << ": " << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
        }
    }
    // The size grip rides the lower right corner.
    HWND hGrip = ::GetDlgItem(dlg.m_hWnd, kSizeGripId);
    ASSERT_NE(hGrip, nullptr);
    RECT rcClient, rcGrip = ChildRect(dlg.m_hWnd, kSizeGripId);
    dlg.GetClientRect(&rcClient);
    EXPECT_EQ(rcGrip.right, rcClient.right);
    EXPECT_EQ(rcGrip.bottom, rcClient.bottom);
    dlg.DestroyWindow();
}

// Each resize moves the buttons onto places that others leave and back: the
// dialog then shows every control as it would freshly painted, with no
// pieces of a neighbour's old pixels. The size grip keeps clear of them.
TEST_F(DialogTest, ResizesLeaveNoStalePixelsAndTheGripClearOfTheButtons)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDOK));  // no caret blinking in the readings
    vorntest::PumpMessages();
    const struct { int dx, dy; } steps[] = {{30, 10}, {45, 15}, {-20, -7}, {60, 20}, {-115, -38}};
    for (const auto& s : steps) {
        Grow(dlg, s.dx, s.dy);
        RECT rc;
        dlg.GetWindowRect(&rc);
        EXPECT_EQ("", vorntest::StalePixelsIn(dlg.m_hWnd, rc)) << "after a resize by " << s.dx << "," << s.dy;
        RECT rcGrip = ChildRect(dlg.m_hWnd, kSizeGripId), rcBoth;
        for (int nID : {IDC_CENTRE, IDOK, IDCANCEL, IDHELP}) {
            RECT rcButton = ChildRect(dlg.m_hWnd, nID);
            EXPECT_FALSE(::IntersectRect(&rcBoth, &rcGrip, &rcButton)) << "button " << nID;
        }
    }
    dlg.DestroyWindow();
}

// A control registered while the dialog is larger than at the start keeps
// its place and follows later resizes from there, back to its first place
// when the dialog returns to its initial size.
TEST_F(DialogTest, ControlRegisteredAfterAResizeIsPlacedRight)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    HWND hLate = ::CreateWindowExA(0, "BUTTON", "Late", WS_CHILD | WS_VISIBLE, 20, 30, 60, 20, dlg.m_hWnd,
                                   (HMENU)(INT_PTR)4711, nullptr, nullptr);
    ASSERT_NE(hLate, nullptr);
    const RECT r0 = ChildRect(dlg.m_hWnd, 4711);
    Grow(dlg, 80, 40);
    // Where a "move" rule would have put it by now.
    ::SetWindowPos(hLate, nullptr, r0.left + 80, r0.top + 40, 60, 20, SWP_NOZORDER);
    ASSERT_TRUE(dlg.AddSzControl(hLate, 100, 100, 100, 100));
    RECT rc = ChildRect(dlg.m_hWnd, 4711);
    RECT exp = {r0.left + 80, r0.top + 40, r0.right + 80, r0.bottom + 40};
    EXPECT_TRUE(::EqualRect(&rc, &exp)) << rc.left << "," << rc.top;
    Grow(dlg, 10, 6);
    rc = ChildRect(dlg.m_hWnd, 4711);
    exp = RECT{r0.left + 90, r0.top + 46, r0.right + 90, r0.bottom + 46};
    EXPECT_TRUE(::EqualRect(&rc, &exp)) << rc.left << "," << rc.top;
    Grow(dlg, -90, -46);
    rc = ChildRect(dlg.m_hWnd, 4711);
    EXPECT_TRUE(::EqualRect(&rc, &r0)) << rc.left << "," << rc.top;
    // A stretch rule registered while larger: the width at the start is kept.
    Grow(dlg, 50, 0);
    HWND hWide = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 5, 150, 10, dlg.m_hWnd,
                                   (HMENU)(INT_PTR)4712, nullptr, nullptr);
    ASSERT_TRUE(dlg.AddSzXControl(hWide, 0, 100));
    Grow(dlg, -50, 0);
    rc = ChildRect(dlg.m_hWnd, 4712);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(110, rc.right);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, MinimumTrackingSizeIsTheInitialSize)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    RECT rc;
    dlg.GetWindowRect(&rc);
    MINMAXINFO mmi = {};
    mmi.ptMaxTrackSize = POINT{5000, 5000};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(mmi.ptMinTrackSize.x, rc.right - rc.left);
    EXPECT_EQ(mmi.ptMinTrackSize.y, rc.bottom - rc.top);
    EXPECT_EQ(mmi.ptMaxTrackSize.x, 5000);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, PositionRoundTrip)
{
    RECT rcStored;
    {
        CResizeHelpDlg dlg;
        ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
        dlg.SetWindowPos(nullptr, 61, 73, 520, 360, SWP_NOZORDER);
        dlg.GetWindowRect(&rcStored);
        dlg.DestroyWindow();
    }
    EXPECT_EQ((int)ProfileGetInt("WindowPositions\\ID=0x00000bb9", "(valid)", 0), 1);
    CResizeHelpDlg dlg2;
    ASSERT_TRUE(dlg2.Create(CResizeHelpDlg::IDD));
    RECT rc;
    dlg2.GetWindowRect(&rc);
    EXPECT_TRUE(::EqualRect(&rc, &rcStored)) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    // The controls follow the restored size.
    RECT rcOk = ChildRect(dlg2.m_hWnd, IDHELP), rcClient;
    dlg2.GetClientRect(&rcClient);
    EXPECT_LT(rcOk.right, rcClient.right);
    EXPECT_GT(rcOk.right, rcClient.right - 30) << "initial " << dlg2.m_szInitial.cx << " client " << rcClient.right;
    dlg2.DestroyWindow();
}

TEST_F(DialogTest, OffScreenPositionComesBack)
{
    const char* s = "WindowPositions\\ID=0x00000bb9";
    ProfileWriteInt(s, "Left", 9000);
    ProfileWriteInt(s, "Right", 9500);
    ProfileWriteInt(s, "Top", -4000);
    ProfileWriteInt(s, "Bottom", -3600);
    ProfileWriteInt(s, "State", -1);
    ProfileWriteInt(s, "(valid)", 1);
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    RECT rc;
    dlg.GetWindowRect(&rc);
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoA(::MonitorFromWindow(dlg.m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    RECT rcIn;
    EXPECT_TRUE(::IntersectRect(&rcIn, &rc, &mi.rcWork));
    EXPECT_EQ(rc.right - rc.left, 500);
    EXPECT_EQ(rc.bottom - rc.top, 400);
    EXPECT_GE(rc.left, mi.rcWork.left);
    EXPECT_LE(rc.right, mi.rcWork.right);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, StoredMaximisedStateIsApplied)
{
    const char* s = "WindowPositions\\ID=0x00000bb9";
    ProfileWriteInt(s, "Left", 40);
    ProfileWriteInt(s, "Right", 540);
    ProfileWriteInt(s, "Top", 50);
    ProfileWriteInt(s, "Bottom", 450);
    ProfileWriteInt(s, "State", 1);
    ProfileWriteInt(s, "(valid)", 1);
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    EXPECT_TRUE(dlg.IsZoomed());
    WINDOWPLACEMENT wp = {sizeof(wp)};
    dlg.GetWindowPlacement(&wp);
    EXPECT_EQ(wp.rcNormalPosition.left, 40);
    EXPECT_EQ(wp.rcNormalPosition.bottom, 450);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, CaptionButtonHitTestAndPress)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    vorntest::PumpMessages();
    RECT rcBtn = dlg.GetHelpButtonRect(), rcWnd;
    ASSERT_FALSE(::IsRectEmpty(&rcBtn));
    dlg.GetWindowRect(&rcWnd);
    // Left of the close button, inside the caption.
    EXPECT_GT(rcBtn.left, (rcWnd.right - rcWnd.left) / 2);
    EXPECT_LT(rcBtn.bottom, ::GetSystemMetrics(SM_CYCAPTION) + 12);
    POINT ptIn = {rcWnd.left + (rcBtn.left + rcBtn.right) / 2, rcWnd.top + (rcBtn.top + rcBtn.bottom) / 2};
    EXPECT_TRUE(dlg.HitTestHelpButton(ptIn.x, ptIn.y));
    EXPECT_FALSE(dlg.HitTestHelpButton(ptIn.x - (rcBtn.right - rcBtn.left), ptIn.y));
    EXPECT_FALSE(dlg.HitTestHelpButton(ptIn.x, rcWnd.top + 60));
    EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptIn.x, ptIn.y)), HTHELP);
    EXPECT_TRUE(dlg.IsHelpButtonHot());
    EXPECT_EQ(dlg.HoverTimer(), IDT_HELPBUTTON_HOVER);
    // Press on the button captures; releasing off it ends the capture only.
    dlg.SendMessage(WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(ptIn.x, ptIn.y));
    EXPECT_TRUE(dlg.IsHelpButtonCaptured());
    EXPECT_EQ(::GetCapture(), dlg.m_hWnd);
    POINT ptOff = {10, 10};
    dlg.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptOff.x, ptOff.y));
    EXPECT_FALSE(dlg.IsHelpButtonCaptured());
    EXPECT_EQ(::GetCapture(), nullptr);
    // Disabling while pressed releases the capture at once.
    dlg.SendMessage(WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(ptIn.x, ptIn.y));
    dlg.EnableHelpButton(FALSE);
    EXPECT_FALSE(dlg.IsHelpButtonCaptured());
    EXPECT_EQ(dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptIn.x, ptIn.y)) == HTHELP, false);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, BalloonHelp)
{
    CResizeHelpDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, IDC_LIST, ::GetDlgItem(dlg.m_hWnd, IDC_LIST), 0, {100, 100}};
    EXPECT_EQ(dlg.SendMessage(WM_HELP, 0, (LPARAM)&hi), TRUE);
    CString title, text;
    ASSERT_NE(ErrorBalloonWindow(&title, &text), nullptr);
    EXPECT_EQ(title, "Entry List");
    EXPECT_EQ(text, "Lists the entries.");
    // A control without a string: the "Help Unavailable" balloon naming it.
    hi.iCtrlId = IDC_CENTRE;
    dlg.SendMessage(WM_HELP, 0, (LPARAM)&hi);
    ErrorBalloonWindow(&title, &text);
    EXPECT_EQ(title, "Help Unavailable");
    EXPECT_NE(text.Find("control #3104."), -1);
    // The title bar of a dialog that is not the main window: the dialog's own
    // string, of which this one has none, nor a 30104 entry: no balloon.
    hi.iCtrlId = 0;
    hi.dwContextId = kTitleBarHelpKey;
    ErrorBalloonHide();
    dlg.SendMessage(WM_HELP, 0, (LPARAM)&hi);
    EXPECT_EQ(ErrorBalloonWindow(&title, &text) != nullptr, true);
    EXPECT_EQ(dlg.GetHelpString(MakeHelpKey(CResizeHelpDlg::IDD, IDOK)), "Closes the dialog and keeps the changes.\n'OK' Button");
    EXPECT_EQ(dlg.GetHelpId(MakeHelpKey(CResizeHelpDlg::IDD, IDC_LIST)), MakeHelpKey(CResizeHelpDlg::IDD, IDC_LIST));
    ErrorBalloonHide();
    dlg.DestroyWindow();
}

TEST_F(DialogTest, NoGdiObjectsLeakOverOpens)
{
    auto openClose = [] {
        CResizeHelpDlg dlg;
        dlg.Create(CResizeHelpDlg::IDD);
        dlg.ShowWindow(SW_SHOW);
        dlg.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        vorntest::PumpMessages();
        dlg.DestroyWindow();
    };
    openClose();
    DWORD n0 = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        openClose();
    EXPECT_EQ(vorntest::GdiObjectCount(), n0);
}

// What's-This mode, entered by the caption's "?" button or by Shift+F1: the
// next click on a control shows that control's balloon and does not operate
// it (OK does not close the dialog).
TEST_F(DialogTest, WhatsThisModeShowsTheBalloonAndOperatesNothing)
{
    enum Entry { kCaptionButton, kShiftF1 };
    for (Entry entry : {kCaptionButton, kShiftF1}) {
        SCOPED_TRACE(entry == kCaptionButton ? "caption button" : "Shift+F1");
        CResizeHelpDlg dlg;
        CString title, text;
        bool bPosted = false, bBalloon = false;
        BYTE keysBefore[256] = {};
        ::GetKeyboardState(keysBefore);
        INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
            HWND hOk = ::GetDlgItem(h, IDOK);
            if (!bPosted) {
                bPosted = true;
                if (entry == kCaptionButton) {
                    RECT rcBtn = dlg.GetHelpButtonRect(), rcWnd;
                    ::GetWindowRect(h, &rcWnd);
                    POINT pt = {rcWnd.left + (rcBtn.left + rcBtn.right) / 2,
                                rcWnd.top + (rcBtn.top + rcBtn.bottom) / 2};
                    ::SendMessageA(h, WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(pt.x, pt.y));
                    EXPECT_TRUE(dlg.IsHelpButtonCaptured());
                    ::ScreenToClient(h, &pt);
                    ::PostMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
                } else {
                    BYTE keys[256];
                    memcpy(keys, keysBefore, sizeof(keys));
                    keys[VK_SHIFT] = 0x80;
                    ::SetKeyboardState(keys);
                    ::SetFocus(hOk);
                    ::PostMessageA(hOk, WM_KEYDOWN, VK_F1, 0x003B0001);
                }
                // The click a user makes on OK, as the button would get it.
                RECT rcOk;
                ::GetClientRect(hOk, &rcOk);
                LPARAM lp = MAKELPARAM(rcOk.right / 2, rcOk.bottom / 2);
                ::PostMessageA(hOk, WM_LBUTTONDOWN, MK_LBUTTON, lp);
                ::PostMessageA(hOk, WM_LBUTTONUP, 0, lp);
                return true;
            }
            // A timer step comes only once the posted messages are all handled.
            ::SetKeyboardState(keysBefore);
            bBalloon = ErrorBalloonWindow(&title, &text) != nullptr;
            ErrorBalloonHide();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(IDCANCEL, nResult) << "the click operated OK";
        EXPECT_TRUE(bBalloon);
        EXPECT_EQ(title, "'OK' Button");
        EXPECT_EQ(text, "Closes the dialog and keeps the changes.");
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}
