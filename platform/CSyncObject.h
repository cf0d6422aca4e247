// CSyncObject.h: locks and events for threads: CCriticalSection and CEvent
// share the CSyncObject interface that CSingleLock takes; CSingleLock holds
// a lock for one scope and releases it in its destructor. Each object owns
// its Win32 object and is neither copied nor moved.
#pragma once

#include <windows.h>

class CSyncObject {
public:
    CSyncObject() = default;
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;
    virtual ~CSyncObject() = default;

    // True when acquired within dwTimeout milliseconds.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;
};

class CCriticalSection : public CSyncObject {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() override { ::DeleteCriticalSection(&m_sect); }

    // A critical section has no time-out: it waits until entered.
    BOOL Lock(DWORD = INFINITE) override { ::EnterCriticalSection(&m_sect); return TRUE; }
    BOOL Unlock() override { ::LeaveCriticalSection(&m_sect); return TRUE; }
    operator CRITICAL_SECTION*() { return &m_sect; }

private:
    CRITICAL_SECTION m_sect;
};

class CEvent : public CSyncObject {
public:
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCSTR pszName = nullptr)
        : m_hObject(::CreateEventA(nullptr, bManualReset, bInitiallyOwn, pszName)) {}
    ~CEvent() override { if (m_hObject) ::CloseHandle(m_hObject); }

    HANDLE m_hObject;
    operator HANDLE() const { return m_hObject; }
    BOOL SetEvent() { return ::SetEvent(m_hObject); }
    BOOL ResetEvent() { return ::ResetEvent(m_hObject); }
    BOOL PulseEvent() { return ::PulseEvent(m_hObject); }
    BOOL Lock(DWORD dwTimeout = INFINITE) override { return ::WaitForSingleObject(m_hObject, dwTimeout) == WAIT_OBJECT_0; }
    BOOL Unlock() override { return TRUE; }
};

class CSingleLock {
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE) : m_pObject(pObject)
    {
        if (bInitialLock)
            Lock();
    }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
    ~CSingleLock() { Unlock(); }

    BOOL Lock(DWORD dwTimeout = INFINITE)
    {
        if (!m_bAcquired)
            m_bAcquired = m_pObject->Lock(dwTimeout) != FALSE;
        return m_bAcquired;
    }
    BOOL Unlock()
    {
        if (m_bAcquired)
            m_bAcquired = !m_pObject->Unlock();
        return !m_bAcquired;
    }
    BOOL IsLocked() const { return m_bAcquired; }

private:
    CSyncObject* m_pObject;
    bool m_bAcquired = false;
};

// Waits for hObject while the calling thread's window messages keep flowing
// (sent and posted, through the thread's PreTranslateMessage). Returns
// WAIT_OBJECT_0, WAIT_TIMEOUT, WAIT_FAILED, or (DWORD)-1 when WM_QUIT
// arrived: the quit message is posted again for the outer loop.
DWORD WaitDispatchingMessages(HANDLE hObject, DWORD dwTimeout = INFINITE);
