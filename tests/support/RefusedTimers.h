// RefusedTimers.h: SetTimer failing as it does when the system has no timer
// left for a window. While the object lives, the program's own import of
// SetTimer leads through it, so that every call of the program (the
// framework's CWnd::SetTimer too) meets the refusal; timers of no window
// (the test drivers') are always made.
#pragma once

#include <windows.h>

#include <vector>

namespace vorntest {

class RefusedTimers {
public:
    RefusedTimers();
    ~RefusedTimers();
    RefusedTimers(const RefusedTimers&) = delete;
    RefusedTimers& operator=(const RefusedTimers&) = delete;

    // From now on, every timer of a window is refused (or none again).
    void RefuseAll(bool bRefuse);
    // How many were refused.
    int Refused() const;

private:
    std::vector<void**> m_slots;  // the import table's entries of SetTimer
};

}  // namespace vorntest
