// ModalDriver.h: drives a modal dialog from inside its own message loop: a
// thread timer runs the test's steps once the dialog's window exists.
#pragma once

#include <windows.h>

#include <functional>

class CDialog;
class CPropertySheet;
class CWnd;

namespace vorntest {

// Runs dlg.DoModal(); once its window shows, calls step(hDlg) every
// intervalMs until step returns false. Returns DoModal's result.
INT_PTR RunModal(CDialog& dlg, std::function<bool(HWND)> step, UINT intervalMs = 20);
INT_PTR RunModal(CPropertySheet& sheet, std::function<bool(HWND)> step, UINT intervalMs = 20);

// True when the test should keep dialogs open for a picture
// (environment variable VORN_KEEP_OPEN set).
bool KeepOpenForScreenshot();

}  // namespace vorntest
