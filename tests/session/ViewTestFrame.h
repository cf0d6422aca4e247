// ViewTestFrame.h: the console view and document under the single-document
// template in a plain frame, with the settings in a test's own .INI file,
// and a driver that answers the modal dialogs of the thread one after the
// other.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/CWinApp.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"

class CVornGUIDoc;
class CVornGUIView;

namespace vorntest {

const UINT kTdmClickButton = WM_USER + 102;  // TDM_CLICK_BUTTON

// The view in its frame, the application object "VornGUI" and its store.
class ViewHost {
public:
    // The settings written before the view starts; the console keeps its
    // lines in memory only.
    explicit ViewHost(const TempDir& dir, const std::function<void()>& presets = nullptr);
    ~ViewHost();
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    CVornGUIDoc* Doc() const { return m_pDoc; }
    CVornGUIView* View() const { return m_pView; }
    std::string FrameText() const;
    // Dispatches the thread's messages for a while, or until done() is true.
    static bool Pump(DWORD dwMs, const std::function<bool()>& done = nullptr, const char* pszFile = __builtin_FILE(),
                     int nLine = __builtin_LINE());

private:
    std::unique_ptr<CWinApp> m_app;
    CVornGUIDoc* m_pDoc = nullptr;
    CVornGUIView* m_pView = nullptr;
};

// One dialog seen by a DialogSequence: its caption and its static texts.
struct SeenDialog {
    std::string strCaption;
    std::string strTexts;
};

// Answers the thread's dialogs in order: step i acts on the i-th dialog
// that shows (a dialog is acted on once; the next step waits until it has
// gone). Dialogs beyond the steps are cancelled.
class DialogSequence {
public:
    explicit DialogSequence(std::vector<std::function<void(HWND)>> steps);
    const std::vector<SeenDialog>& Seen() const { return m_seen; }

private:
    bool Step(HWND hDlg);
    std::vector<std::function<void(HWND)>> m_steps;
    std::vector<SeenDialog> m_seen;
    HWND m_hLast = nullptr;
    DialogDriver m_driver;
};

// Steps: press a button of a task dialog or message box, or a dialog's
// push button by its control id.
std::function<void(HWND)> ClickTask(int nButton);
std::function<void(HWND)> ClickControl(int nId);

// Opens a configuration as "-f" does at start-up, so the system
// configuration dialog that follows an interactive Open does not show.
bool OpenAsAtStartup(CVornGUIView* pView, const std::string& strPath);

}  // namespace vorntest
