// ModalDriver.cpp: a thread timer that steps through a modal dialog.
#include "tests/platform/ModalDriver.h"

#include <commdlg.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "framework/ScreenCover.h"
#include "platform/CDialog.h"
#include "platform/CPropertySheet.h"
#include "tests/support/HangWatch.h"

namespace vorntest {

namespace {

struct Driver {
    CWnd* pWnd = nullptr;
    std::function<bool(HWND)> step;
    UINT_PTR timer = 0;
    bool done = false;
    bool running = false;  // the step runs (it may sit in a nested modal loop)
};

Driver* g_pDriver = nullptr;

// Shown, and not under a cover of the screen that still shows what was
// there before it: the user sees it.
bool IsSeen(HWND h)
{
    if (!::IsWindowVisible(h))
        return false;
    for (HWND hCover = nullptr; (hCover = ::FindWindowExA(nullptr, hCover, kScreenCoverClass, nullptr));) {
        if (::GetWindow(hCover, GW_OWNER) == h && ::IsWindowVisible(hCover))
            return false;
    }
    return true;
}

void CALLBACK DriverTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    Driver* d = g_pDriver;
    if (!d || d->done || d->running || !d->pWnd->m_hWnd || !IsSeen(d->pWnd->m_hWnd))
        return;
    // A step that opens a picker or message box waits in that box's loop,
    // where this thread timer keeps firing: it must not start the step again.
    d->running = true;
    bool bAgain = d->step(d->pWnd->m_hWnd);
    d->running = false;
    if (!bAgain) {
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

INT_PTR RunModal(CDialog& dlg, std::function<bool(HWND)> step, UINT intervalMs, const char* pszFile, int nLine)
{
    vorntest::WaitingFor waiting("a driven dialog to end", pszFile, nLine);
    return RunModalCore(&dlg, [&] { return dlg.DoModal(); }, std::move(step), intervalMs);
}

INT_PTR RunModal(CPropertySheet& sheet, std::function<bool(HWND)> step, UINT intervalMs, const char* pszFile,
                 int nLine)
{
    vorntest::WaitingFor waiting("a driven sheet to end", pszFile, nLine);
    return RunModalCore(&sheet, [&] { return sheet.DoModal(); }, std::move(step), intervalMs);
}

namespace {

DialogDriver* g_pDialogDriver = nullptr;

BOOL CALLBACK FindDialog(HWND h, LPARAM lp)
{
    char cls[16] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") == 0 && IsSeen(h)) {
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

DialogDriver::DialogDriver(std::function<bool(HWND)> step, UINT intervalMs)
    : m_step(std::move(step)), m_pPrevious(g_pDialogDriver)
{
    g_pDialogDriver = this;
    m_timer = ::SetTimer(nullptr, 0, intervalMs, TimerProc);
}

DialogDriver::~DialogDriver()
{
    ::KillTimer(nullptr, m_timer);
    g_pDialogDriver = m_pPrevious;
}

void CALLBACK DialogDriver::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    // Only the driver made last steps; each driver's own timer calls this.
    DialogDriver* d = g_pDialogDriver;
    if (!d || d->m_bDone || d->m_bRunning)
        return;
    HWND hDlg = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, (LPARAM)&hDlg);
    if (!hDlg)
        return;
    d->m_bSaw = true;
    d->m_bRunning = true;
    bool bAgain = d->m_step(hDlg);
    d->m_bRunning = false;
    if (!bAgain)
        d->m_bDone = true;
}

namespace {

struct SFindOther {
    HWND hDlg, hFound;
};

BOOL CALLBACK FindOther(HWND h, LPARAM lp)
{
    SFindOther* p = (SFindOther*)lp;
    char cls[16] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (h == p->hDlg || lstrcmpA(cls, "#32770") != 0 || !::IsWindowVisible(h))
        return TRUE;
    p->hFound = h;
    return FALSE;
}

}  // namespace

HWND OtherDialog(HWND hDlg)
{
    SFindOther find = {hDlg, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOther, (LPARAM)&find);
    return find.hFound;
}

namespace {

struct SNestedWatch {
    HWND hOpener;
    SNestedModal* pResult;
    std::function<void(HWND)> inside;
    int nTicks;    // ticks the nested window has been seen
    bool bInside;  // inside runs (its own loops call the timer again)
};

SNestedWatch* g_pNestedWatch = nullptr;

BOOL CALLBACK FindNested(HWND h, LPARAM lp)
{
    SNestedWatch* w = (SNestedWatch*)lp;
    // The windows under the opener are disabled: the enabled dialog is the new one.
    char cls[16] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (h == w->hOpener || lstrcmpA(cls, "#32770") != 0 || !::IsWindowVisible(h) || !::IsWindowEnabled(h))
        return TRUE;
    if (w->nTicks++ == 0) {
        w->pResult->bShown = true;
        w->pResult->bOwnedByOpener = ::GetWindow(h, GW_OWNER) == w->hOpener;
        w->pResult->bOpenerDisabled = !::IsWindowEnabled(w->hOpener);
        if (w->inside) {
            w->bInside = true;
            w->inside(h);  // may open a window of its own, watched in turn
            w->bInside = false;
        }
    }
    // A box without a Cancel button may refuse IDCANCEL: then its OK ends it.
    ::PostMessageA(h, WM_COMMAND, w->nTicks < 5 ? IDCANCEL : IDOK, 0);
    return FALSE;
}

void CALLBACK NestedTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    SNestedWatch* w = g_pNestedWatch;
    if (w && !w->bInside)
        ::EnumThreadWindows(::GetCurrentThreadId(), FindNested, (LPARAM)w);
}

}  // namespace

SNestedModal OpenNestedModal(HWND hOpener, const std::function<void()>& open,
                             const std::function<void(HWND)>& inside)
{
    SNestedModal result;
    SNestedWatch watch = {hOpener, &result, inside, 0, false};
    SNestedWatch* pPrev = g_pNestedWatch;
    g_pNestedWatch = &watch;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 30, NestedTimerProc);
    open();
    ::KillTimer(nullptr, timer);
    g_pNestedWatch = pPrev;
    result.bOpenerBack = ::IsWindowEnabled(hOpener) && ::GetActiveWindow() == hOpener;
    return result;
}

void ExpectOpenedAsNestedModal(const SNestedModal& nested)
{
    EXPECT_TRUE(nested.bShown);
    EXPECT_TRUE(nested.bOwnedByOpener);
    EXPECT_TRUE(nested.bOpenerDisabled);
    EXPECT_TRUE(nested.bOpenerBack);
}

std::string TakeProposedFile(HWND hFileDlg)
{
    char szFolder[MAX_PATH] = {}, szName[MAX_PATH] = {};
    ::SendMessageA(hFileDlg, CDM_GETFOLDERPATH, MAX_PATH, (LPARAM)szFolder);
    ::SendMessageA(hFileDlg, CDM_GETSPEC, MAX_PATH, (LPARAM)szName);
    ::PostMessageA(hFileDlg, WM_COMMAND, IDOK, 0);
    return std::string(szFolder) + "|" + szName;
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
