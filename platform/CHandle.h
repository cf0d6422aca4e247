// CHandle.h: CHandle, the owner of one kernel handle (a process, a thread,
// a pipe end, a file): closed in the destructor or by Close. It moves and is
// never copied (a copy would close the handle twice). Borrowed handles stay
// plain HANDLEs.
#pragma once

#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) : m_h(h) {}  // takes ownership
    CHandle(CHandle&& other) noexcept : m_h(other.Detach()) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { Close(); }

    operator HANDLE() const { return m_h; }
    // Closes the handle owned so far and owns h.
    void Attach(HANDLE h)
    {
        Close();
        m_h = h;
    }
    // Lets go of the handle without closing it.
    HANDLE Detach()
    {
        HANDLE h = m_h;
        m_h = nullptr;
        return h;
    }
    void Close()
    {
        if (m_h) {
            ::CloseHandle(m_h);
            m_h = nullptr;
        }
    }
    // For a call that hands out a new handle through a pointer: the handle
    // owned so far is closed first.
    HANDLE* Receive()
    {
        Close();
        return &m_h;
    }

private:
    HANDLE m_h = nullptr;
};
