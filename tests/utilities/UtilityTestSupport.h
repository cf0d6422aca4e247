// UtilityTestSupport.h: running a utility dialog under a test's control:
// type the input, press OK, read the balloon that a refusal shows; and the
// disk images the tests feed it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CDialog;

namespace vorntest {

// What one press of OK did.
struct SUtilityOk {
    INT_PTR nResult = 0;          // IDOK, or IDCANCEL when refused (then cancelled)
    std::string strShownInput;    // the input edit's text when the dialog showed
    std::string strBalloon;       // "title: text" of the refusal, or empty
};

// Runs the dialog: types strInput into control nEdit unless it is null,
// presses OK; a dialog still open then has its balloon read and is
// cancelled. pExtra runs once, first, on the dialog's window.
SUtilityOk PressUtilityOk(CDialog& dlg, int nEdit, const char* pszInput,
                          const std::function<void(HWND)>& extra = nullptr);

// Runs the dialog one step per timer tick; after the steps, presses OK
// unless bPressOk is false; a dialog still open then has its balloon read
// into strBalloon and is cancelled.
SUtilityOk RunUtilitySteps(CDialog& dlg, const std::vector<std::function<void(HWND)>>& steps,
                           bool bPressOk = true);

// For a picture: runs the steps, then holds the dialog open for
// VORN_SHOW_DIALOG_MS milliseconds and cancels it. False (nothing shown)
// when the variable is not set.
bool HoldUtilityForPicture(CDialog& dlg, const std::vector<std::function<void(HWND)>>& steps);

// Answers every overwrite question ("Confirm Overwrite") of this thread
// with one button while it lives; counts the questions.
const int kOverwriteButton = 6;
class COverwriteAnswerer {
public:
    explicit COverwriteAnswerer(int nButton);
    ~COverwriteAnswerer();
    COverwriteAnswerer(const COverwriteAnswerer&) = delete;
    COverwriteAnswerer& operator=(const COverwriteAnswerer&) = delete;
    static int s_nAsked;

private:
    static BOOL CALLBACK Answer(HWND h, LPARAM);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static int s_nButton;
    UINT_PTR m_timer = 0;
};

// The bytes of a disk image of 1024 bytes whose header has the signature
// ("CKD_C370", "CKD_C064" ...).
std::string DiskImageBytes(const char* pszSignature);

// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& strPath);

// What a folder picker shows: the selected folder's name, then the name of
// each folder above it while that one is expanded (empty when the picker
// has no tree or nothing is selected).
std::vector<std::string> FolderPickerSelection(HWND hPicker);

}  // namespace vorntest
