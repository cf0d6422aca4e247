// MainFrameCloseTest.cpp: a close that comes while the thread runs a message
// loop inside its own waits until every such loop has ended: What's-This
// mode, the handshake's wait for the emulator's main storage, and a question
// followed at once by the box after it. The close asked for is the one after
// a worker thread's fault, which comes whatever runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "session/PrivateMessages.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/platform/ModalDriver.h"

namespace {

// Calls tick() from a thread timer every 20 ms while it lives, also inside
// the loops the thread runs meanwhile.
class CTicker {
public:
    explicit CTicker(std::function<void()> tick) : m_tick(std::move(tick))
    {
        s_pTicker = this;
        m_nTimer = ::SetTimer(nullptr, 0, 20, Tick);
    }
    ~CTicker()
    {
        ::KillTimer(nullptr, m_nTimer);
        s_pTicker = nullptr;
    }
    CTicker(const CTicker&) = delete;
    CTicker& operator=(const CTicker&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pTicker)
            s_pTicker->m_tick();
    }
    static CTicker* s_pTicker;
    std::function<void()> m_tick;
    UINT_PTR m_nTimer = 0;
};
CTicker* CTicker::s_pTicker = nullptr;

// The end of the session that a worker thread's fault asks for, as the
// fault's report posts it.
void AskCloseAfterFault(HWND hFrame)
{
    ::PostMessageA(hFrame, WM_END_SESSION_AFTER_FAULT, 0, 0);
}

bool FaultHandled(HWND hFrame)
{
    MSG msg;
    return !::PeekMessageA(&msg, hFrame, WM_END_SESSION_AFTER_FAULT, WM_END_SESSION_AFTER_FAULT, PM_NOREMOVE);
}

// "waits" while the main window stands and no close is on its way to it.
std::string CloseState(HWND hFrame)
{
    MSG msg;
    if (!::IsWindow(hFrame))
        return "closed";
    return ::PeekMessageA(&msg, hFrame, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) ? "close queued" : "waits";
}

TEST_F(FrameFixture, CloseAfterAFaultWaitsUntilEveryNestedLoopHasEnded)
{
    const struct {
        const char* pszLoop;
        // Runs the loop, asks for the close inside it and tells what the
        // close had done when the loop and the code around it ended.
        std::function<std::string(HWND)> run;
    } loops[] = {
        {"What's-This mode",
         [&](HWND hFrame) {
             std::string strSeen = "the mode ended before the close was looked at";
             int nStep = 0;
             CTicker ticker([&] {
                 if (nStep == 0 && ::GetCapture() == hFrame) {
                     AskCloseAfterFault(hFrame);
                     nStep = 1;
                 } else if (nStep == 1 && FaultHandled(hFrame)) {
                     strSeen = CloseState(hFrame);
                     nStep = 2;
                     ::PostMessageA(hFrame, WM_KEYDOWN, VK_ESCAPE, 0);  // leaves the mode
                 }
             });
             pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
             return strSeen;
         }},
        {"the handshake's wait for main storage",
         [&](HWND hFrame) {
             std::string strSeen = "no handshake";
             bool bInHandshake = false, bAsked = false;
             CTicker ticker([&] {
                 if (bInHandshake && !bAsked) {
                     AskCloseAfterFault(hFrame);
                     bAsked = true;
                 }
             });
             // Its devices at once, its storage never: the handshake waits.
             AttachStandin("--devlist-at-start --do \"set mainstor none\"");
             for (DWORD dwStart = ::GetTickCount(); !bAsked && ::GetTickCount() - dwStart < 20000; ::Sleep(10)) {
                 MSG msg;
                 while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                     bInHandshake = msg.message == WM_EMULATOR_READY;
                     ::DispatchMessageA(&msg);
                     if (bInHandshake)
                         strSeen = CloseState(hFrame);
                     bInHandshake = false;
                 }
                 if (g_pView)
                     g_pView->OnIdleFlowControl();
             }
             return bAsked ? strSeen : "the handshake did not wait";
         }},
        {"a question and the box right after it",
         [&](HWND hFrame) {
             std::string strSeen = "the box after the question did not show";
             bool bAsked = false;
             vorntest::DialogDriver driver([&](HWND h) {
                 std::string strTexts = vorntest::DialogTexts(h);
                 if (strTexts.find("Power-On Aborted!") != std::string::npos) {
                     strSeen = CloseState(hFrame);
                     ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                     return false;
                 }
                 if (!bAsked) {
                     AskCloseAfterFault(hFrame);
                     bAsked = true;
                 } else if (FaultHandled(hFrame)) {
                     ::PostMessageA(h, TDM_CLICK_BUTTON, IDNO, 0);  // not without a configuration
                 }
                 return true;
             });
             // No configuration: "Start with no configuration file?", then
             // "Power-On Aborted!".
             g_pView->PowerOn();
             return strSeen;
         }},
    };
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.pszLoop);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        EXPECT_EQ("waits", loop.run(hFrame));
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }, 20000)) << "the close once the loop ended";
        pFrame = nullptr;
    }
}

}  // namespace
