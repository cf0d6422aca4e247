// DispatchBench.cpp: what one message costs through the framework's window
// procedure and message map, next to a raw window procedure in the same run.
// Four pairs: a user message to a top-level window, a WM_COMMAND from a
// child button to its parent (the framework looks for a reflecting control,
// then walks the command route), a user message with a result to a modeless
// dialog, and a WM_COMMAND from a button in that dialog.
// Each row sends the message N times and prints the time per message and the
// ratio to the raw procedure. Both dialogs answer through DWLP_MSGRESULT, as
// the dialog contract asks: under Wine a changed value there costs a call to
// the window server (the dialog manager sets it back to 0 before each
// message), so the dialog row costs more than the window rows for both.
//
// usage: dispatch_bench.exe [messages]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Afx.h"

namespace {

const UINT WM_BENCH_PING = WM_APP + 11;
const UINT kButtonId = 1001;

// Counts what reaches it; the raw procedures count into the same place.
long g_nHandled = 0;

LRESULT CALLBACK RawWndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_BENCH_PING) {
        ++g_nHandled;
        return 1;
    }
    if (msg == WM_COMMAND && LOWORD(wp) == kButtonId) {
        ++g_nHandled;
        return 0;
    }
    return ::DefWindowProcA(h, msg, wp, lp);
}

INT_PTR CALLBACK RawDlgProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_BENCH_PING) {
        ++g_nHandled;
        ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 1);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wp) == kButtonId) {
        ++g_nHandled;
        return TRUE;
    }
    return FALSE;
}

class CBenchWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnPing(WPARAM, LPARAM) { ++g_nHandled; return 1; }
    void OnButton() { ++g_nHandled; }
};

BEGIN_MESSAGE_MAP(CBenchWnd, CWnd)
    ON_MESSAGE(WM_BENCH_PING, OnPing)
    ON_BN_CLICKED(kButtonId, OnButton)
END_MESSAGE_MAP()

class CBenchDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CBenchDlg() : CDialog((LPCSTR)nullptr) {}
    // A modeless dialog from an in-memory template with no controls.
    BOOL CreateFromTemplate(const DLGTEMPLATE* pTemplate)
    {
        return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), pTemplate, nullptr, DialogProc,
                                            (LPARAM)this) != nullptr;
    }

protected:
    LRESULT OnPing(WPARAM, LPARAM) { ++g_nHandled; return 1; }
    void OnButton() { ++g_nHandled; }
};

BEGIN_MESSAGE_MAP(CBenchDlg, CDialog)
    ON_MESSAGE(WM_BENCH_PING, OnPing)
    ON_BN_CLICKED(kButtonId, OnButton)
END_MESSAGE_MAP()

// A dialog template with no controls, its menu, class and title words zero.
struct EmptyDialogTemplate {
    DLGTEMPLATE dlg;
    WORD menu, cls, title;
};

double MicrosPerMessage(HWND hTo, UINT msg, WPARAM wp, LPARAM lp, long n)
{
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    g_nHandled = 0;
    ::QueryPerformanceCounter(&t0);
    for (long i = 0; i < n; ++i)
        ::SendMessageA(hTo, msg, wp, lp);
    ::QueryPerformanceCounter(&t1);
    if (g_nHandled != n)
        std::printf("  (only %ld of %ld messages were handled)\n", g_nHandled, n);
    return 1e6 * (double)(t1.QuadPart - t0.QuadPart) / (double)freq.QuadPart / (double)n;
}

void PrintRow(const char* pszWhat, double usRaw, double usMapped)
{
    std::printf("%-38s raw %8.3f us   framework %8.3f us   %6.2fx\n", pszWhat, usRaw, usMapped,
                usMapped / usRaw);
}

HWND CreateButton(HWND hParent)
{
    return ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 14, hParent,
                             (HMENU)(UINT_PTR)kButtonId, nullptr, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    long n = argc > 1 ? std::atol(argv[1]) : 20000;
    if (n <= 0)
        n = 20000;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = RawWndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornBenchRaw";
    ::RegisterClassA(&wc);
    HWND hRaw = ::CreateWindowExA(0, "VornBenchRaw", "raw", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND hRawButton = CreateButton(hRaw);

    CBenchWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "framework", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                      nullptr)) {
        std::printf("the framework window was not created\n");
        return 1;
    }
    // The parent's button is bound to an object of its own, as the program's
    // controls are, so the reflection finds an object and asks its map.
    CButton button;
    button.SubclassWindow(CreateButton(wnd.m_hWnd));

    EmptyDialogTemplate tpl = {};
    tpl.dlg.style = WS_POPUP | WS_CAPTION;
    tpl.dlg.cx = 100;
    tpl.dlg.cy = 50;
    HWND hRawDlg = ::CreateDialogIndirectParamA(wc.hInstance, &tpl.dlg, nullptr, RawDlgProc, 0);
    CBenchDlg dlg;
    if (!hRawDlg || !dlg.CreateFromTemplate(&tpl.dlg)) {
        std::printf("the dialogs were not created\n");
        return 1;
    }

    HWND hRawDlgButton = CreateButton(hRawDlg);
    CButton dlgButton;
    dlgButton.SubclassWindow(CreateButton(dlg.m_hWnd));

    std::printf("%ld messages per row, each sent with SendMessage\n", n);
    PrintRow("user message to a window", MicrosPerMessage(hRaw, WM_BENCH_PING, 1, 2, n),
             MicrosPerMessage(wnd.m_hWnd, WM_BENCH_PING, 1, 2, n));
    PrintRow("WM_COMMAND from a child button",
             MicrosPerMessage(hRaw, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)hRawButton, n),
             MicrosPerMessage(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                              (LPARAM)button.m_hWnd, n));
    PrintRow("user message to a dialog", MicrosPerMessage(hRawDlg, WM_BENCH_PING, 1, 2, n),
             MicrosPerMessage(dlg.m_hWnd, WM_BENCH_PING, 1, 2, n));
    PrintRow("WM_COMMAND from a button in a dialog",
             MicrosPerMessage(hRawDlg, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)hRawDlgButton, n),
             MicrosPerMessage(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                              (LPARAM)dlgButton.m_hWnd, n));

    dlg.DestroyWindow();
    ::DestroyWindow(hRawDlg);
    wnd.DestroyWindow();
    ::DestroyWindow(hRaw);
    return 0;
}
