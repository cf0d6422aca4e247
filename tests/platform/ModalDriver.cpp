// ModalDriver.cpp: a thread timer that steps through a modal dialog.
#include "tests/platform/ModalDriver.h"

#include <cstdlib>

#include "platform/CDialog.h"

namespace vorntest {

namespace {

struct Driver {
    CDialog* pDlg = nullptr;
    std::function<bool(HWND)> step;
    UINT_PTR timer = 0;
    bool done = false;
};

Driver* g_pDriver = nullptr;

void CALLBACK DriverTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    Driver* d = g_pDriver;
    if (!d || d->done || !d->pDlg->m_hWnd || !::IsWindowVisible(d->pDlg->m_hWnd))
        return;
    if (!d->step(d->pDlg->m_hWnd)) {
        d->done = true;
        ::KillTimer(nullptr, d->timer);
    }
}

}  // namespace

INT_PTR RunModal(CDialog& dlg, std::function<bool(HWND)> step, UINT intervalMs)
{
    Driver d;
    d.pDlg = &dlg;
    d.step = std::move(step);
    Driver* pPrev = g_pDriver;
    g_pDriver = &d;
    d.timer = ::SetTimer(nullptr, 0, intervalMs, DriverTimerProc);
    INT_PTR r = dlg.DoModal();
    if (!d.done)
        ::KillTimer(nullptr, d.timer);
    g_pDriver = pPrev;
    return r;
}

bool KeepOpenForScreenshot()
{
    return std::getenv("VORN_KEEP_OPEN") != nullptr;
}

}  // namespace vorntest
