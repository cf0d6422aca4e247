// UnhandledExceptionTest.cpp: the crash report's contents, reports appended
// to one file, the default file names, and faults on a worker thread: thrown
// to the thread's catcher with the lock free again, or, uncaught in another
// process, written at once by the filter.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "config/ProductIdentity.h"
#include "mainwindow/UnhandledException.h"
#include "platform/CDialog.h"
#include "platform/CWnd.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/WinTestUtil.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int CountOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
        n++;
    return n;
}

const std::string kRule(75, '=');

// An exception record of the code at the address, with the caller's registers.
struct FakeException {
    EXCEPTION_RECORD record = {};
    CONTEXT context = {};
    EXCEPTION_POINTERS pointers = {};
    FakeException(DWORD dwCode, void* pAddress)
    {
        record.ExceptionCode = dwCode;
        record.ExceptionAddress = pAddress;
        context.ContextFlags = CONTEXT_FULL;
        ::RtlCaptureContext(&context);
        pointers.ExceptionRecord = &record;
        pointers.ContextRecord = &context;
    }
};

TEST(UnhandledException, ReportHoldsHeadingNameRegistersAndStack)
{
    TempDir dir;
    std::string path = dir.Path("report.txt");
    FakeException fake(0xC0000005, (void*)&ReadFile);
    CUnhandledException reporter(0, nullptr);
    EXPECT_EQ(reporter.Report(&fake.pointers, path.c_str()), 1);
    std::string text = ReadFile(path);
    EXPECT_EQ(text.rfind(kRule + "\r\n Vornamic Windows GUI, version 1.21.0.6211\r\n Copyright (C) 2026 Quadrelle\r\n"
                                 " Product URL: " + g_strDefaultProductURL + "\r\n"
                                 " Support e-mail: " + g_strDefaultSupportEmail + "\r\n" + kRule + "\r\n\r\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("Exception date: "), std::string::npos);
    EXPECT_NE(text.find("   (YYYY/MM/DD)\r\n"), std::string::npos);
    EXPECT_NE(text.find(" (HH:MM:SS.mmm)\r\n"), std::string::npos);
    EXPECT_NE(text.find("Exception code: 0xC0000005 (ACCESS_VIOLATION)\r\n"), std::string::npos);
    char fault[64];
    snprintf(fault, sizeof(fault), "Fault address:  0x%08X 0001:", (unsigned)(DWORD_PTR)&ReadFile);
    EXPECT_NE(text.find(fault), std::string::npos) << text;
    EXPECT_NE(text.find("mainwindow_tests.exe\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRegisters:\r\nEAX:"), std::string::npos);
    EXPECT_NE(text.find("CS:EIP:"), std::string::npos);
    EXPECT_NE(text.find("\r\nCall stack:\r\nAddress   Frame"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(UnhandledException, TwoReportsAreAppendedToOneFile)
{
    TempDir dir;
    std::string path = dir.Path("twice.txt");
    FakeException fake(0xC0000094, (void*)&ReadFile);
    CUnhandledException reporter(0, nullptr);
    reporter.Report(&fake.pointers, path.c_str());
    reporter.Report(&fake.pointers, path.c_str());
    std::string text = ReadFile(path);
    EXPECT_EQ(CountOf(text, "Exception code: 0xC0000094 (INT_DIVIDE_BY_ZERO)"), 2);
    EXPECT_EQ(CountOf(text, kRule + "\r\n Vornamic"), 2);
}

TEST(UnhandledException, AddressInNoModuleIsMarkedInvalid)
{
    TempDir dir;
    std::string path = dir.Path("nomodule.txt");
    FakeException fake(0xC000001D, (void*)0x10);
    CUnhandledException reporter(0, nullptr);
    reporter.Report(&fake.pointers, path.c_str());
    std::string text = ReadFile(path);
    EXPECT_NE(text.find("Fault address:  0x00000010 ????:????????" " (invalid address)\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("(ILLEGAL_INSTRUCTION)"), std::string::npos);
}

TEST(UnhandledException, DefaultFileIsBesideTheProgram)
{
    CUnhandledException reporter(0, nullptr);
    std::string name = reporter.GetReportFileName();
    EXPECT_EQ(name, vorntest::ProgramDir() + "mainwindow_tests.exe Unhandled Exception Report.txt");
    reporter.SetReportFileName(std::string(400, 'x').c_str());
    EXPECT_EQ(strlen(reporter.GetReportFileName()), 291u);
}

TEST(UnhandledException, NullPointersWriteNothing)
{
    TempDir dir;
    std::string path = dir.Path("none.txt");
    CUnhandledException reporter(0, nullptr);
    EXPECT_EQ(reporter.Report(nullptr, path.c_str()), 1);
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

__attribute__((noinline)) void WriteThroughNull(volatile int* p)
{
    *p = 1;
}

TEST(UnhandledException, FaultOnWorkerThreadIsThrownAndReported)
{
    TempDir dir;
    std::string path = dir.Path("thread.txt");
    bool bCaught = false;
    std::thread worker([&] {
        CSETranslationScope translate;
        try {
            WriteThroughNull(nullptr);
        } catch (CUnhandledException& e) {
            bCaught = true;
            EXPECT_EQ(e.GetExceptionCode(), 0xC0000005u);
            e.WriteReportNow(path.c_str());
            EXPECT_EQ(e.GetExceptionPointers(), nullptr);
        }
    });
    worker.join();
    ASSERT_TRUE(bCaught);
    std::string text = ReadFile(path);
    EXPECT_NE(text.find("Exception code: 0xC0000005 (ACCESS_VIOLATION)"), std::string::npos);
    EXPECT_NE(text.find("Call stack:"), std::string::npos);
    // The translator released the reporter's lock before it threw.
    bool bFree = false;
    std::thread other([&] {
        bFree = ::TryEnterCriticalSection(g_csUnhandledException) != FALSE;
        if (bFree)
            ::LeaveCriticalSection(g_csUnhandledException);
    });
    other.join();
    EXPECT_TRUE(bFree);
}

const UINT kWmFault = WM_USER + 7;

// A window whose handler of kWmFault writes through a null pointer.
class CFaultyWnd : public CWnd {
public:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == kWmFault)
            WriteThroughNull(nullptr);
        return CWnd::WindowProc(msg, wp, lp);
    }
};

TEST(UnhandledException, FaultInAWindowProcedureOffersTheReportAndEndsTheLoop)
{
    CFaultyWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "faulty", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CSETranslationScope translate;
    vorntest::DialogDriver dontCreate([](HWND h) {
        ::SendMessageA(h, WM_USER + 102, 7, 0);  // TDM_CLICK_BUTTON "Don't create"
        return false;
    });
    // The fault is caught at the window procedure's edge, not beyond the
    // system's frames that called it.
    EXPECT_EQ(wnd.SendMessage(kWmFault), 0);
    EXPECT_TRUE(dontCreate.SawDialog());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.DestroyWindow();
}

// A dialog from an in-memory template whose handler of kWmFault writes
// through a null pointer.
class CFaultyDlg : public CDialog {
public:
    CFaultyDlg() : CDialog((LPCSTR)nullptr) {}
    BOOL CreateEmpty()
    {
        struct {
            DLGTEMPLATE dlg;
            WORD menu, cls, title;
        } tpl = {};
        tpl.dlg.style = WS_POPUP;
        tpl.dlg.cx = 40;
        tpl.dlg.cy = 20;
        return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), &tpl.dlg, nullptr, DialogProc,
                                            (LPARAM)this) != nullptr;
    }
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnFault(WPARAM, LPARAM)
    {
        WriteThroughNull(nullptr);
        return 1;
    }
};

BEGIN_MESSAGE_MAP(CFaultyDlg, CDialog)
    ON_MESSAGE(kWmFault, OnFault)
END_MESSAGE_MAP()

TEST(UnhandledException, FaultInADialogProcedureOffersTheReportAndEndsTheLoop)
{
    CFaultyDlg dlg;
    ASSERT_TRUE(dlg.CreateEmpty());
    CSETranslationScope translate;
    vorntest::DialogDriver dontCreate([](HWND h) {
        ::SendMessageA(h, WM_USER + 102, 7, 0);  // TDM_CLICK_BUTTON "Don't create"
        return false;
    });
    EXPECT_EQ(dlg.SendMessage(kWmFault), 0);
    EXPECT_TRUE(dontCreate.SawDialog());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    dlg.DestroyWindow();
}

TEST(UnhandledException, UncaughtFaultInWorkerThreadWritesReportFile)
{
    std::string report = vorntest::ProgramDir() + "crashdemo.exe Unhandled Exception Report.txt";
    ::DeleteFileA(report.c_str());
    vorntest::ChildProcess demo;
    ASSERT_TRUE(demo.Start("crashdemo.exe"));
    // The filter writes the report before the system's own crash handling
    // (under Wine a debugger attaches then; the child is ended with the test).
    std::string text;
    for (int i = 0; i < 200 && text.find("\r\nCall stack:") == std::string::npos; i++) {
        ::Sleep(100);
        text = ReadFile(report);
    }
    ::Sleep(200);  // the stack lines follow at once
    text = ReadFile(report);
    EXPECT_EQ(text.rfind(kRule, 0), 0u);
    EXPECT_NE(text.find("Exception code: 0xC0000005 (ACCESS_VIOLATION)"), std::string::npos) << text;
    EXPECT_NE(text.find("crashdemo.exe"), std::string::npos);
    EXPECT_EQ(CountOf(text, "Exception code:"), 1);
    ::DeleteFileA(report.c_str());
}

}  // namespace
