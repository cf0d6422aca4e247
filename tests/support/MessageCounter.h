// MessageCounter.h: counts the messages of one kind that a window of this
// thread receives while the counter lives (sent ones, through a thread
// hook); MessageTally counts several kinds for every window of the thread;
// TakenMessageWatch sees whether the thread has taken a message off its
// queue (the input a test made has arrived).
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

namespace vorntest {

class MessageCounter {
public:
    MessageCounter(HWND hWnd, UINT nMessage)
    {
        s_hWnd = hWnd;
        s_nMessage = nMessage;
        s_nCount = 0;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~MessageCounter()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;

    bool Watching() const { return m_hHook != nullptr; }
    int Count() const { return s_nCount; }
    void Reset() { s_nCount = 0; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
        if (nCode == HC_ACTION && p->hwnd == s_hWnd && p->message == s_nMessage)
            s_nCount++;
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }

    static inline HWND s_hWnd = nullptr;
    static inline UINT s_nMessage = 0;
    static inline int s_nCount = 0;
    HHOOK m_hHook = nullptr;
};

// Counts, per window, the sent messages of the kinds given that the
// windows of this thread receive while the tally lives (one tally at a time).
class MessageTally {
public:
    explicit MessageTally(std::initializer_list<UINT> messages) : m_messages(messages)
    {
        s_pTally = this;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~MessageTally()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
        s_pTally = nullptr;
    }
    MessageTally(const MessageTally&) = delete;
    MessageTally& operator=(const MessageTally&) = delete;

    int Count(HWND hWnd, UINT nMessage) const
    {
        auto it = m_counts.find({hWnd, nMessage});
        return it == m_counts.end() ? 0 : it->second;
    }
    // The windows that received nMessage.
    std::vector<HWND> Windows(UINT nMessage) const
    {
        std::vector<HWND> windows;
        for (const auto& count : m_counts)
            if (count.first.second == nMessage)
                windows.push_back(count.first.first);
        return windows;
    }
    void Reset() { m_counts.clear(); }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
        if (nCode == HC_ACTION && s_pTally)
            for (UINT nMessage : s_pTally->m_messages)
                if (p->message == nMessage)
                    s_pTally->m_counts[{p->hwnd, nMessage}]++;
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }

    static inline MessageTally* s_pTally = nullptr;
    std::vector<UINT> m_messages;
    std::map<std::pair<HWND, UINT>, int> m_counts;
    HHOOK m_hHook = nullptr;
};

// Whether the thread has taken a message that match() accepts off its queue,
// in any loop, since the watch began (one watch at a time).
class TakenMessageWatch {
public:
    explicit TakenMessageWatch(std::function<bool(const MSG&)> match)
    {
        s_match = std::move(match);
        s_bSeen = false;
    }
    ~TakenMessageWatch() { ::UnhookWindowsHookEx(m_hHook); }
    TakenMessageWatch(const TakenMessageWatch&) = delete;
    TakenMessageWatch& operator=(const TakenMessageWatch&) = delete;

    bool Seen() const { return s_bSeen; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        s_bSeen |= nCode == HC_ACTION && wp == PM_REMOVE && s_match && s_match(*(const MSG*)lp);
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }

    static inline std::function<bool(const MSG&)> s_match;
    static inline bool s_bSeen = false;
    HHOOK m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, ::GetCurrentThreadId());
};

}  // namespace vorntest
