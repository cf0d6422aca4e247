// CentreOnOwnerTest.cpp: where boxes and dialogs open under Wine. Each kind
// (dialog, message boxes, task dialogs, the file dialog) opens centred over
// the window it belongs to, wherever that window has been moved.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Afx.h"
#include "platform/MessageBoxes.h"
#include "platform/WLTaskDialog.h"
#include "tests/platform/ModalDriver.h"
#include "tests/platform/PlatformTestRes.h"

namespace {

class CPlainDlg : public CDialog {
public:
    explicit CPlainDlg(CWnd* pParent = nullptr) : CDialog(IDD_MODELESS, pParent) {}
};

POINT Centre(HWND h)
{
    RECT rc;
    ::GetWindowRect(h, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// A task dialog as the program's questions are: an expandable footer, a
// check box, relative to its window.
void AskLikeTheExitQuestion(HWND hOwner)
{
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = hOwner;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_EXPAND_FOOTER_AREA;
    tdc.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    tdc.pszWindowTitle = L" Are you SURE you want to do that?!";
    tdc.pszMainInstruction = L"Vornamic is still running!";
    tdc.pszExpandedInformation = L"Quiesce the guest first.";
    tdc.pszVerificationText = L"Don't ask me this again.";
    int nButton = 0;
    WLTaskDialogIndirect("WLTDI_VornTest", &tdc, &nButton);
}

}  // namespace

TEST(CentreOnOwner, EveryKindOpensCentredOverItsWindow)
{
    CWinApp app{"CentreOnOwner"};
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(330, 210, 930, 650), nullptr, 0));
    app.m_pMainWnd = &frame;
    ::SetActiveWindow(frame.m_hWnd);
    const struct {
        const char* pszKind;
        std::function<void()> open;
    } kinds[] = {
        {"dialog", [&] { CPlainDlg dlg(&frame); dlg.DoModal(); }},
        {"error box", [] { ErrorMessageBox("Power-On Aborted!"); }},
        {"window's message box", [&] { frame.MessageBox("Vornamic stopped.", "VornGUI"); }},
        {"task dialog", [] { TDMessageBox("Invalid configuration file.", nullptr, nullptr, MB_ICONWARNING); }},
        {"question", [&] { AskLikeTheExitQuestion(frame.m_hWnd); }},
        {"file dialog", [] { CString s; AfxPromptFileName(s, "vorn.cnf", nullptr, FALSE); }},
    };
    for (int nMove = 0; nMove < 2; ++nMove) {
        if (nMove)
            frame.SetWindowPos(nullptr, 90, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        POINT ptOwner = Centre(frame.m_hWnd);
        for (const auto& kind : kinds) {
            SCOPED_TRACE(kind.pszKind);
            HWND hOwnerSeen = nullptr;
            POINT ptBox = {};
            bool bRead = false;
            vorntest::DialogDriver driver([&](HWND h) {
                if (!bRead) {
                    bRead = true;
                    hOwnerSeen = ::GetWindow(h, GW_OWNER);
                    ptBox = Centre(h);
                    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
                } else {
                    ::PostMessageA(h, WM_COMMAND, IDOK, 0);  // a box without Cancel refuses it
                }
                return true;
            });
            kind.open();
            ASSERT_TRUE(driver.SawDialog());
            EXPECT_EQ(frame.m_hWnd, hOwnerSeen);
            EXPECT_NEAR(ptOwner.x, ptBox.x, 1) << "after moving the window: " << nMove;
            EXPECT_NEAR(ptOwner.y, ptBox.y, 1) << "after moving the window: " << nMove;
        }
    }
    app.m_pMainWnd = nullptr;
    frame.DestroyWindow();
}
