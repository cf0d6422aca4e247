// SessionViewFixture.h: the console view in a real frame with the emulator
// stand-in as its child process, for the end-to-end tests of the emulator
// session under Wine. A hidden receiver window stands in for the other
// bars and records what the view posts to them; the device-list bar is the
// real one, whose first complete list makes the emulator ready.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/CWinApp.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"

class CDynDevListDlgBar;
class CVornGUIDoc;

// WM_NOTIFY_BAR_VISIBILITY requests the test frame got.
extern int g_nBarVisibilityRequests;

// A posted message as the receiver saw it.
struct SReceived {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
};

class CBarReceiver : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CBarReceiver();
    ~CBarReceiver() override;
    std::vector<SReceived> Of(UINT msg) const;
    std::vector<SReceived> m_received;
    HWND m_hSpin = nullptr;     // a real up-down control (range 0-0xFFFF)
    HWND m_hFields[kRegisterFieldCount] = {};
    HWND m_hParts[kStatusPartCount] = {};
    HWND m_hCmdEdit = nullptr;
    HWND m_hSend = nullptr;

protected:
    LRESULT OnAny(UINT msg, WPARAM wp, LPARAM lp);
};

struct SessionFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<CWinApp> app;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;
    std::unique_ptr<CBarReceiver> bars;
    CDynDevListDlgBar* pDevListBar = nullptr;   // a child of the receiver
    std::string strRecord;      // the stand-in's record of its standard input
    bool bQuitSeen = false;     // a WM_QUIT reached the test's pump

    void SetUp() override;
    // The test receivers as the view's bars, with pBar as its device-list bar.
    void ConnectReceivers(CDynDevListDlgBar* pBar);
    void TearDown() override;
    // Settings a test writes before the view reads them.
    virtual void Presets() {}

    // Starts vornemu.exe with the extra arguments and attaches it to the view.
    CPipedProcessCtl* StartEmulator(const std::string& strArgs, int nCpus = 2);
    // Dispatches messages as the program's loop does (the idle flow control
    // after taken messages only) until done() or the time-out; false on
    // time-out.
    bool Pump(const std::function<bool()>& done, DWORD dwTimeoutMs = 20000, const char* pszFile = __builtin_FILE(),
              int nLine = __builtin_LINE());
    // Pumps for a while.
    void PumpFor(DWORD dwMs);
    // The lines the stand-in received so far.
    std::vector<std::string> Received() const;
    bool HasReceived(const std::string& strLine) const;
    // Pumps until the handshake's last line reached the stand-in.
    bool PumpUntilReady();
    // The console's lines.
    std::vector<std::string> ConsoleLines() const;
    bool ConsoleHas(const std::string& strLine) const;
    // Ends the emulator (kill) and pumps until the view has detached it.
    void EndEmulator();
};
