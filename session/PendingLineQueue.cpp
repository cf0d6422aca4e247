// PendingLineQueue.cpp: the console's pending lines and the readers' flow
// control.
#include "session/PendingLineQueue.h"

#include "session/OutputRouterHost.h"
#include "session/PrivateMessages.h"

size_t CPendingLineQueue::Push(std::string strLine, COutputRouterHost& host, size_t nHold)
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    m_lines.push_back(std::move(strLine));
    if (nHold != 0 && m_lines.size() >= nHold) {
        std::lock_guard<std::mutex> pause(m_pauseLock);
        if (!m_bPaused) {
            m_bPaused = true;
            host.SetReadersRunning(false);
        }
    }
    return m_lines.size();
}

void CPendingLineQueue::OnIdleFlowControl(COutputRouterHost& host, size_t nThreshold)
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    if (!m_lines.empty() && !m_bPosted && host.PostToView(WM_PENDING_LINES, 0, 0))
        m_bPosted = true;
    std::lock_guard<std::mutex> pause(m_pauseLock);
    if (!m_bPaused && m_lines.size() >= nThreshold) {
        m_bPaused = true;
        host.SetReadersRunning(false);
    } else if (m_bPaused && m_lines.size() < nThreshold) {
        m_bPaused = false;
        host.SetReadersRunning(true);
    }
}

std::vector<std::string> CPendingLineQueue::TakeAll()
{
    std::vector<std::string> lines;
    std::lock_guard<std::mutex> lock(m_queueLock);
    lines.swap(m_lines);
    m_bPosted = false;
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
    return m_lines.size();
}

void CPendingLineQueue::Release(COutputRouterHost& host)
{
    std::lock_guard<std::mutex> pause(m_pauseLock);
    m_bPaused = false;
    host.SetReadersRunning(true);
}
