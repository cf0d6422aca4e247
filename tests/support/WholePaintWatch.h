// WholePaintWatch.h: whether a window is ever drawn in part. Wine puts what
// a window drew on the screen at any drawing call once drawing has gone
// unseen for 50 ms, and whenever the program waits: any state of the
// top-level window's buffer may show. At every message the thread sends
// (before and after it is handled) and every message it takes off its queue,
// the watch reads the window's client area from that buffer: it must show
// what it showed when it was last seen whole, or the window as it paints
// itself now (its ground, then its visible children, through WM_PRINTCLIENT)
// when the caller's test says that picture is whole.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorntest {

class WholePaintWatch {
public:
    // isWhole: the window's state as it paints itself now is whole (its
    // fields hold their texts, for example); null: always.
    explicit WholePaintWatch(HWND hWnd, std::function<bool()> isWhole = nullptr);
    ~WholePaintWatch();
    WholePaintWatch(const WholePaintWatch&) = delete;
    WholePaintWatch& operator=(const WholePaintWatch&) = delete;

    // The first states that were neither, with the message at which each
    // showed; "" when none.
    std::string Faults() const { return m_strFaults; }
    // How often the window went from a whole picture to another.
    int Changes() const { return m_nChanges; }

private:
    template <int kWhen>
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp);
    void Check(const char* pszWhen, UINT msg);
    std::vector<DWORD> Shown() const;
    std::vector<DWORD> Fresh() const;

    HWND m_hWnd;
    std::function<bool()> m_isWhole;
    std::vector<DWORD> m_whole;  // the picture last seen whole
    std::string m_strFaults;
    int m_nFaults = 0;
    int m_nChanges = 0;
    HHOOK m_hHooks[3] = {};
};

}  // namespace vorntest
