// ActivationHandBackTest.cpp: an owned window that goes hands the
// activation it held, itself or through a box it showed, back to its
// owner's top-level window, and leaves an activation it did not hold alone.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Afx.h"
#include "platform/CModalLoop.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/PumpMessages.h"

namespace {

// Dispatches the thread's messages until done() or two seconds have passed.
bool PumpUntil(const std::function<bool()>& done)
{
    DWORD dwStart = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - dwStart > 2000)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// The application's main window, shown and active, and two windows it owns.
struct ActivationHandBack : ::testing::Test {
    CWinApp app{"ActivationHandBack"};
    CWnd frame, tool, other;

    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(40, 40, 640, 480), nullptr, 0));
        app.m_pMainWnd = &frame;
        for (CWnd* p : {&tool, &other})
            ASSERT_TRUE(p->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Tool",
                                    WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(100, 100, 300, 200), &frame, 0));
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        frame.DestroyWindow();
    }
};

TEST_F(ActivationHandBack, AnOwnedWindowThatGoesGivesTheActivationItHeldToItsOwner)
{
    // A box of the tool window: it disables the tool window, and the modal
    // state of the program's boxes the main window, until its loop returns.
    {
        ::SetActiveWindow(tool.m_hWnd);
        COwnerChainLock lock(tool.m_hWnd, false);
        vorntest::DialogDriver driver([&](HWND) {
            tool.DestroyWindow();
            return false;
        });
        ::MessageBoxA(tool.m_hWnd, "Vornamic is busy.", nullptr, MB_OK);
    }
    EXPECT_FALSE(::IsWindow(tool.m_hWnd));
    EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == frame.m_hWnd; })) << "after the box";

    // The active window itself, under an owner that can take the activation.
    ::SetActiveWindow(other.m_hWnd);
    ASSERT_TRUE(tool.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Tool", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              CRect(100, 100, 300, 200), &frame, 0));
    ::SetActiveWindow(tool.m_hWnd);
    tool.DestroyWindow();
    EXPECT_EQ(frame.m_hWnd, ::GetActiveWindow()) << "after the active window";

    // A window that holds no activation takes none with it.
    ASSERT_TRUE(tool.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Tool", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              CRect(100, 100, 300, 200), &frame, 0));
    ::SetActiveWindow(other.m_hWnd);
    tool.DestroyWindow();
    vorntest::PumpMessages();
    EXPECT_EQ(other.m_hWnd, ::GetActiveWindow()) << "after an inactive window";
}

}  // namespace
