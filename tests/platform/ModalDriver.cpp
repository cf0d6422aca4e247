// ModalDriver.cpp: a thread timer that steps through a modal dialog.
#include "tests/platform/ModalDriver.h"

#include <cstdlib>

#include "platform/CDialog.h"
#include "platform/CPropertySheet.h"

namespace vorntest {

namespace {

struct Driver {
    CWnd* pWnd = nullptr;
    std::function<bool(HWND)> step;
    UINT_PTR timer = 0;
    bool done = false;
};

Driver* g_pDriver = nullptr;

void CALLBACK DriverTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    Driver* d = g_pDriver;
    if (!d || d->done || !d->pWnd->m_hWnd || !::IsWindowVisible(d->pWnd->m_hWnd))
        return;
    if (!d->step(d->pWnd->m_hWnd)) {
        d->done = true;
        ::KillTimer(nullptr, d->timer);
    }
}

}  // namespace

// Runs doModal with the timer stepping through pWnd's window.
INT_PTR RunModalCore(CWnd* pWnd, const std::function<INT_PTR()>& doModal, std::function<bool(HWND)> step,
                     UINT intervalMs)
{
    Driver d;
    d.pWnd = pWnd;
    d.step = std::move(step);
    Driver* pPrev = g_pDriver;
    g_pDriver = &d;
    d.timer = ::SetTimer(nullptr, 0, intervalMs, DriverTimerProc);
    INT_PTR r = doModal();
    if (!d.done)
        ::KillTimer(nullptr, d.timer);
    g_pDriver = pPrev;
    return r;
}

INT_PTR RunModal(CDialog& dlg, std::function<bool(HWND)> step, UINT intervalMs)
{
    return RunModalCore(&dlg, [&] { return dlg.DoModal(); }, std::move(step), intervalMs);
}

INT_PTR RunModal(CPropertySheet& sheet, std::function<bool(HWND)> step, UINT intervalMs)
{
    return RunModalCore(&sheet, [&] { return sheet.DoModal(); }, std::move(step), intervalMs);
}

namespace {

DialogDriver* g_pDialogDriver = nullptr;

BOOL CALLBACK FindDialog(HWND h, LPARAM lp)
{
    char cls[16] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") == 0 && ::IsWindowVisible(h)) {
        *(HWND*)lp = h;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND h, LPARAM lp)
{
    char cls[16] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (lstrcmpiA(cls, "Static") == 0) {
        char text[1024] = {};
        ::GetWindowTextA(h, text, sizeof(text));
        std::string* p = (std::string*)lp;
        if (*text)
            *p += std::string(p->empty() ? "" : "|") + text;
    }
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(std::function<bool(HWND)> step, UINT intervalMs) : m_step(std::move(step))
{
    g_pDialogDriver = this;
    m_timer = ::SetTimer(nullptr, 0, intervalMs, TimerProc);
}

DialogDriver::~DialogDriver()
{
    ::KillTimer(nullptr, m_timer);
    g_pDialogDriver = nullptr;
}

void CALLBACK DialogDriver::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    DialogDriver* d = g_pDialogDriver;
    if (!d || d->m_bDone)
        return;
    HWND hDlg = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, (LPARAM)&hDlg);
    if (!hDlg)
        return;
    d->m_bSaw = true;
    if (!d->m_step(hDlg))
        d->m_bDone = true;
}

std::string DialogTexts(HWND hDlg)
{
    std::string s;
    ::EnumChildWindows(hDlg, CollectText, (LPARAM)&s);
    return s;
}

bool KeepOpenForScreenshot()
{
    return std::getenv("VORN_KEEP_OPEN") != nullptr;
}

}  // namespace vorntest
