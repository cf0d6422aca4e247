// WndHandleMap.cpp: the bound-window table behind one slim reader/writer
// lock (windows are bound on the splash thread too).
#include "platform/WndHandleMap.h"

#include <unordered_map>

namespace {

struct HandleTable {
    SRWLOCK lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWnd*> map;
};

// Never destroyed: windows of static objects and of threads still running
// are unbound after static destruction has begun.
HandleTable& Table()
{
    static HandleTable& table = *new HandleTable;
    return table;
}

}  // namespace

void CWndHandleMap::Add(HWND h, CWnd* p)
{
    HandleTable& t = Table();
    ::AcquireSRWLockExclusive(&t.lock);
    t.map[h] = p;
    ::ReleaseSRWLockExclusive(&t.lock);
}

void CWndHandleMap::Remove(HWND h, const CWnd* p)
{
    HandleTable& t = Table();
    ::AcquireSRWLockExclusive(&t.lock);
    auto it = t.map.find(h);
    if (it != t.map.end() && it->second == p)
        t.map.erase(it);
    ::ReleaseSRWLockExclusive(&t.lock);
}

CWnd* CWndHandleMap::Find(HWND h)
{
    HandleTable& t = Table();
    ::AcquireSRWLockShared(&t.lock);
    auto it = t.map.find(h);
    CWnd* p = it != t.map.end() ? it->second : nullptr;
    ::ReleaseSRWLockShared(&t.lock);
    return p;
}
