// OverduePaint.cpp: paints that a flood of posted messages would hold back
// (OverduePaint.h).
#include "platform/OverduePaint.h"

#include "platform/SteadyClock.h"

namespace {

// The thread's last look; a thread's first call looks at once.
thread_local DWORD t_dwLastLook = 0;
thread_local bool t_bLooked = false;
// Windows are being painted, message by message.
thread_local bool t_bPainting = false;

}  // namespace

void PaintOverdueWindows()
{
    const DWORD dwStart = SteadyClockMs();
    if (!t_bPainting) {
        if (t_bLooked && dwStart - t_dwLastLook < kOverduePaintLookMs)
            return;
        t_bLooked = true;
        t_dwLastLook = dwStart;
        // The high word: what waits in the queue now (the low word only
        // says what came since the last look at it).
        t_bPainting = (HIWORD(::GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0;
        if (!t_bPainting)
            return;
    }
    // Asked for WM_PAINT alone, the queue gives it out whatever is posted:
    // one window's paint each, as the loop would give them.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        ::DispatchMessageA(&msg);
        if (SteadyClockMs() - dwStart >= kOverduePaintStepMs)
            return;
    }
    t_bPainting = false;
    t_dwLastLook = SteadyClockMs();
}
