// PendingLineQueue.h: CPendingLineQueue, the console lines that the pipe
// readers have queued and the GUI thread has not yet taken, with the flow
// control that holds the readers while too many wait. Window-free; the
// owner posts WM_PENDING_LINES and sets the readers' resume event when told.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/Types.h"

class COutputRouterHost;

class CPendingLineQueue {
public:
    // Reader thread: appends one line; returns the number now waiting. With
    // nHold not 0 the readers are held, as by the flow control, once nHold
    // lines wait: a GUI thread busy elsewhere (a modal loop, a long paint)
    // must not let the queue grow without end, nor hand itself one huge
    // batch afterwards.
    size_t Push(std::string strLine, COutputRouterHost& host, size_t nHold);

    // GUI thread, at idle time: posts WM_PENDING_LINES (through the host)
    // when lines wait and none is outstanding; holds the readers once
    // nThreshold lines wait and lets them go again below it. The pause lock
    // is taken inside the queue lock.
    void OnIdleFlowControl(COutputRouterHost& host, size_t nThreshold);

    // GUI thread, WM_PENDING_LINES: every waiting line in order; the queue is
    // empty and no message outstanding afterwards.
    std::vector<std::string> TakeAll();

    // True while the readers are held (the backlog flag).
    bool IsPaused() const;
    size_t Count() const;
    // The readers go on and the queue forgets its pause (the view's end).
    void Release(COutputRouterHost& host);

private:
    mutable std::mutex m_queueLock;
    std::vector<std::string> m_lines;
    bool m_bPosted = false;         // a WM_PENDING_LINES is outstanding
    mutable std::mutex m_pauseLock;
    bool m_bPaused = false;
};
