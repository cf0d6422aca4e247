// StalePixels.h: whether what a window shows is what it would show freshly
// painted: after a resize, or at every message while it changes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorntest {

// Hands every waiting message (the paints a resize left) to its window, reads
// the pixels of rc (screen coordinates) from hWnd's top-level window, has the
// whole top-level window repaint itself, frame, background and children, and
// reads them again. Returns "" when both readings match; else, for each
// window showing a differing pixel, its class, text, id and the count.
std::string StalePixelsIn(HWND hWnd, const RECT& rc);
// The same without handing out the waiting messages first: what rc shows
// right now, as the program's loop would leave it during a flood of posted
// messages, against the window freshly painted.
std::string StalePixelsNow(HWND hWnd, const RECT& rc);

// Whether a window is ever drawn in part: Wine may put any state of the
// top-level window's buffer on the screen (whenever the program waits, and
// at any drawing once drawing has gone unseen for 50 ms). At every message
// the thread sends (before and after its handling) or takes off its queue,
// the window's client area there shows the picture last seen whole, or the
// window as it paints itself now when isWhole() (null: always) says so.
class WholePaintWatch {
public:
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

    HWND m_hWnd;
    std::function<bool()> m_isWhole;
    std::vector<DWORD> m_whole;  // the picture last seen whole
    std::string m_strFaults;
    int m_nFaults = 0, m_nChanges = 0;
};

}  // namespace vorntest
