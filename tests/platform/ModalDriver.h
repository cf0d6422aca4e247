// ModalDriver.h: drives a modal dialog from inside its own message loop: a
// thread timer runs the test's steps once the dialog's window exists.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class CDialog;
class CPropertySheet;
class CWnd;

namespace vorntest {

// Runs dlg.DoModal(); once its window is seen (shown, and no longer under
// a cover of the screen as it was), calls step(hDlg) every
// intervalMs until step returns false. Returns DoModal's result. A step
// that opens a nested modal box (a picker from a button) is not started
// again from inside that box's loop.
INT_PTR RunModal(CDialog& dlg, std::function<bool(HWND)> step, UINT intervalMs = 20,
                 const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());
INT_PTR RunModal(CPropertySheet& sheet, std::function<bool(HWND)> step, UINT intervalMs = 20,
                 const char* pszFile = __builtin_FILE(), int nLine = __builtin_LINE());

// While it lives, calls step(hDlg) every intervalMs for the first seen
// dialog window (message box, task dialog, folder picker) of this thread,
// until step returns false. A step is never started again while it runs
// (for example inside a box it opened). Drivers nest: the one made last
// steps until it goes, then the one before it again.
class DialogDriver {
public:
    explicit DialogDriver(std::function<bool(HWND)> step, UINT intervalMs = 20);
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver();
    bool SawDialog() const { return m_bSaw; }

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool(HWND)> m_step;
    DialogDriver* m_pPrevious;  // the driver made before this one
    UINT_PTR m_timer = 0;
    bool m_bSaw = false;
    bool m_bDone = false;
    bool m_bRunning = false;
};

// A visible dialog window of this thread other than hDlg (a file dialog or
// a box that one of hDlg's buttons opened); null when none shows.
HWND OtherDialog(HWND hDlg);

// What a modal window opened from hOpener did to it, read while it showed
// and after it had gone.
struct SNestedModal {
    bool bShown = false;            // a window other than hOpener showed
    bool bOwnedByOpener = false;    // and hOpener was its owner
    bool bOpenerDisabled = false;   // hOpener took no input while it showed
    bool bOpenerBack = false;       // hOpener enabled and active again after
};

// Runs open() (which returns once the window it opens has closed), cancels
// the first window other than hOpener that shows meanwhile (after reading
// its owner and whether hOpener is disabled, and running inside on it),
// then reads whether hOpener is enabled and active again.
SNestedModal OpenNestedModal(HWND hOpener, const std::function<void()>& open,
                             const std::function<void(HWND)>& inside = nullptr);

// Expects all of a nested modal window's checks to hold: it showed, owned
// by its opener, which took no input meanwhile and came back after.
void ExpectOpenedAsNestedModal(const SNestedModal& nested);

// The folder and the name a file dialog proposes ("folder|name"), then the
// user's Enter on them (its default button).
std::string TakeProposedFile(HWND hFileDlg);

// The texts of a dialog's static controls, joined by '|'.
std::string DialogTexts(HWND hDlg);

// True when the test should keep dialogs open for a picture
// (environment variable VORN_KEEP_OPEN set).
bool KeepOpenForScreenshot();

}  // namespace vorntest
