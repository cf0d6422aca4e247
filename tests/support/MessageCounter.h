// MessageCounter.h: counts the messages of one kind that a window of this
// thread receives while the counter lives (sent ones, through a thread hook).
#pragma once

#include <windows.h>

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

}  // namespace vorntest
