// DockingDemo.cpp: a frame with dialog bars docked on its top and left
// sides and one floating beside it, for pictures of the docking layer.
#include <windows.h>
#include <commctrl.h>

#include "DockingBarsTestRes.h"
#include "framework/CSCBMiniDockFrameWnd.h"
#include "framework/cdxCDynamicBar.h"
#include "platform/AfxIds.h"
#include "platform/CStatusBarCtrl.h"

namespace {

class CDemoBarDlg : public cdxCDynamicBarDlg {
public:
    CDemoBarDlg() : cdxCDynamicBarDlg(IDD_BAR_DLG) {}
};

struct DemoPlace {
    const char* title;
    UINT nID;
    UINT nDockBarID;  // 0: floats
};
const DemoPlace kPlaces[4] = {{"Control Panel", 0xE870, AFX_IDW_DOCKBAR_TOP},
                              {"Status", 0xE871, AFX_IDW_DOCKBAR_TOP},
                              {"Device List", 0xE872, AFX_IDW_DOCKBAR_LEFT},
                              {"Storage", 0xE873, 0}};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CSCBMiniDockFrameWnd);
    if (!pFrame->CreateEx(0, nullptr, "Docking demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10, 10, 760, 520,
                          nullptr, nullptr))
        return 1;
    // A plain white pane stands for the view.
    ::CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_WHITERECT, 0, 0, 0, 0,
                      pFrame->m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, nullptr, nullptr);
    CStatusBarCtrl status;
    status.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_STATUS_BAR);
    status.SetWindowText("Ready");
    static cdxCDynamicBarT<CDemoBarDlg> bars[4];
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    for (int i = 0; i < 4; i++) {
        if (!bars[i].Create(kPlaces[i].title, pFrame, kPlaces[i].nID, WS_CHILD | WS_VISIBLE | CBRS_TOP))
            return 1;
        bars[i].SetBarStyle(bars[i].GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        bars[i].EnableDocking(CBRS_ALIGN_ANY);
        if (kPlaces[i].nDockBarID)
            pFrame->DockControlBar(&bars[i], kPlaces[i].nDockBarID);
    }
    bars[2].SetDockedSize(FALSE, 200, 300);
    bars[3].SetFloatingSize(320, 110);
    RECT rc;
    pFrame->GetWindowRect(&rc);
    pFrame->FloatControlBar(&bars[3], CPoint(rc.right - 200, rc.top + 260));
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && ::IsWindow(pFrame->m_hWnd)) {
            // Idle time, as the application has it: delayed layouts and bar updates.
            pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
    }
    return 0;
}
