// FatalErrorReport.cpp: asking for and writing the crash report.
#include "mainwindow/FatalErrorReport.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "config/ProcessHelpers.h"
#include "mainwindow/UnhandledException.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/TextFunctions.h"
#include "platform/WLTaskDialog.h"
#include "platform/WideText.h"
#include "session/PrivateMessages.h"

namespace {

const int kCreateReport = 6;
const int kDontCreate = 7;

}  // namespace

void ShowFatalErrorReport(CUnhandledException& reporter)
{
    CString strPath = CrashReportPath();
    std::wstring footer =
        WideFromAnsi(BoundShownText("The report to be generated will be named:\n\n\"" + strPath + "\""));
    TASKDIALOG_BUTTON buttons[] = {{kCreateReport, L"Create report"}, {kDontCreate, L"Don't create"}};
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain && AfxGetApp())
        pMain = AfxGetApp()->m_pMainWnd;
    HWND hMain = pMain && pMain->m_hWnd && ::IsWindow(pMain->m_hWnd) ? pMain->m_hWnd : nullptr;
    // A worker's question has no owner: owning it would tie this thread's
    // input to a GUI thread that may be blocked waiting for this one.
    bool bOwnThread = hMain && ::GetWindowThreadProcessId(hMain, nullptr) == ::GetCurrentThreadId();
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = bOwnThread ? hMain : nullptr;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_EXPAND_FOOTER_AREA;
    tdc.pszWindowTitle = L" Unhandled Exception";
    tdc.pszMainIcon = TD_ERROR_ICON;
    tdc.pszMainInstruction = L"***  (OOPS!)  ***";
    tdc.pszContent =
        L"VornGUI has encountered a fatal error and will now terminate. We apologize for the inconvenience.\n\n"
        L"To provide better support an Unhandled Exception Report should be created and forwarded to Quadrelle "
        L"for further analysis.";
    tdc.pButtons = buttons;
    tdc.cButtons = 2;
    tdc.nDefaultButton = kCreateReport;
    tdc.pszExpandedInformation = footer.c_str();
    tdc.pszCollapsedControlText = L"More Information";
    tdc.pszExpandedControlText = L"Less Information";
    int nButton = kDontCreate;
    WLTaskDialogIndirect("WLTDI_AskCrashReport", &tdc, &nButton);
    if (nButton == kCreateReport && !strPath.IsEmpty()) {
        CSingleLock lock(&g_csUnhandledException, TRUE);
        reporter.SetReportFileName(strPath);
        if (reporter.GetExceptionPointers()) {
            reporter.GenerateReport(reporter.GetExceptionPointers());
            reporter.ClearExceptionPointers();
        }
    }
    if (bOwnThread)
        ::SendMessageA(hMain, WM_CLOSE, 0, 0);
    else if (hMain)
        ::PostMessageA(hMain, WM_END_SESSION_AFTER_FAULT, 0, 0);
}
