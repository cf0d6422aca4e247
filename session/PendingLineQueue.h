// PendingLineQueue.h: CPendingLineQueue, the console lines that the pipe
// readers have queued and the GUI thread has not yet taken, with the flow
// control that holds the readers while too many wait. Window-free; through
// the host it posts WM_PENDING_LINES and sets the readers' resume event.
//
// The readers wake the GUI thread themselves: the first lines queued while
// no WM_PENDING_LINES is outstanding post one, so lines never wait for
// input or for the idle step (which runs only after the GUI thread has taken
// a message). Readers held at the threshold go on once the GUI thread has
// taken the lines.
#pragma once

#include <mutex>
#include <string>

#include "platform/Types.h"
#include "session/ConsoleBlock.h"

class COutputRouterHost;

class CPendingLineQueue {
public:
    // Reader thread: appends a chunk's lines and returns the number now
    // waiting. Posts WM_PENDING_LINES when none is outstanding. With nHold
    // not 0 the readers are held, as by the flow control, once nHold lines
    // wait: a GUI thread busy elsewhere (a modal loop, a long paint) must
    // not let the queue grow without end, nor hand itself one huge batch
    // afterwards.
    size_t Push(CConsoleBlock&& block, COutputRouterHost& host, size_t nHold);

    // GUI thread, at idle time: posts WM_PENDING_LINES when lines wait and
    // none is outstanding (a post that failed before); holds the readers
    // once nThreshold lines wait and lets them go again below it. The pause
    // lock is taken inside the queue lock.
    void OnIdleFlowControl(COutputRouterHost& host, size_t nThreshold);

    // GUI thread, WM_PENDING_LINES: every waiting line in order. The queue
    // is empty and no message outstanding afterwards, and held readers go on.
    CConsoleBlock TakeAll(COutputRouterHost& host);

    // True while the readers are held (the backlog flag).
    bool IsPaused() const;
    size_t Count() const;
    // The readers go on and the queue forgets its pause (the view's end).
    void Release(COutputRouterHost& host);

private:
    mutable std::mutex m_queueLock;
    CConsoleBlock m_lines;
    bool m_bPosted = false;         // a WM_PENDING_LINES is outstanding
    mutable std::mutex m_pauseLock;
    bool m_bPaused = false;
};
