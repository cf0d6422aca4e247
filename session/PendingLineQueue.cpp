// PendingLineQueue.cpp: the console's pending lines and the readers' flow
// control.
#include "session/PendingLineQueue.h"

#include "session/OutputRouterHost.h"
#include "session/PrivateMessages.h"

size_t CPendingLineQueue::Push(CConsoleBlock&& block, COutputRouterHost& host, size_t nHold)
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    m_lines.Append(std::move(block));
    // One message per batch: the GUI thread takes everything queued until
    // it handles the message, and the next line after that posts again.
    if (!m_bPosted && !m_lines.IsEmpty() && host.PostToView(WM_PENDING_LINES, 0, 0))
        m_bPosted = true;
    if (nHold != 0 && m_lines.GetCount() >= nHold) {
        std::lock_guard<std::mutex> pause(m_pauseLock);
        if (!m_bPaused) {
            m_bPaused = true;
            host.SetReadersRunning(false);
        }
    }
    return m_lines.GetCount();
}

void CPendingLineQueue::OnIdleFlowControl(COutputRouterHost& host, size_t nThreshold)
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    if (!m_lines.IsEmpty() && !m_bPosted && host.PostToView(WM_PENDING_LINES, 0, 0))
        m_bPosted = true;
    std::lock_guard<std::mutex> pause(m_pauseLock);
    if (!m_bPaused && m_lines.GetCount() >= nThreshold) {
        m_bPaused = true;
        host.SetReadersRunning(false);
    } else if (m_bPaused && m_lines.GetCount() < nThreshold) {
        m_bPaused = false;
        host.SetReadersRunning(true);
    }
}

CConsoleBlock CPendingLineQueue::TakeAll(COutputRouterHost& host)
{
    CConsoleBlock lines;
    std::lock_guard<std::mutex> lock(m_queueLock);
    lines.Append(std::move(m_lines));
    m_bPosted = false;
    std::lock_guard<std::mutex> pause(m_pauseLock);
    if (m_bPaused) {
        m_bPaused = false;
        host.SetReadersRunning(true);
    }
    return lines;
}

bool CPendingLineQueue::IsPaused() const
{
    std::lock_guard<std::mutex> pause(m_pauseLock);
    return m_bPaused;
}

size_t CPendingLineQueue::Count() const
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    return m_lines.GetCount();
}

void CPendingLineQueue::Release(COutputRouterHost& host)
{
    std::lock_guard<std::mutex> pause(m_pauseLock);
    m_bPaused = false;
    host.SetReadersRunning(true);
}
