// MainFrame.cpp: creating the main frame, restoring its layout, activation,
// and the owner-drawn menus.
#include "mainwindow/MainFrame.h"

#include "devices/DefineDeviceWithDialog.h"
#include "mainwindow/VornGUIApp.h"
#include "platform/AfxIds.h"
#include "platform/CDocument.h"
#include "platform/CWindowPlacement.h"
#include "resource.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"
#include "sysconfig/SysCfgDevicesPage.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

CMainFrame* g_pMainFrame = nullptr;

namespace {

// Tests and tools find the main window by this class name.
const char kMainFrameClass[] = "VornGUIMainFrame";

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CHelpButtonFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_QUERYENDSESSION()
    ON_MESSAGE(WM_ENDSESSION, OnEndSessionMsg)
    ON_MESSAGE(WM_END_SESSION_AFTER_FAULT, OnEndSessionAfterFault)
    ON_WM_DESTROY()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMsg)
    ON_MESSAGE(WM_RESTORE_BAR_STATE, OnRestoreBarState)
    ON_MESSAGE(WM_NOTIFY_BAR_VISIBILITY, OnNotifyBarVisibility)
    ON_MESSAGE(WM_REBUILD_STATUS_BAR, OnRebuildStatusBarMsg)
    ON_MESSAGE(WM_CONSOLE_LOOK_CHANGED, OnConsoleLookChanged)
    ON_MESSAGE(WM_MAKE_HIDDEN_BAR, OnMakeHiddenBar)
    ON_WM_TIMER()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateAlwaysDisabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateAlwaysDisabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateAlwaysDisabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateAlwaysDisabled)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateAlwaysDisabled)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_HELP_DOCUMENTATION, OnHelpDocumentation)
    ON_COMMAND(ID_HELP_REPORT_BUG, OnReportBug)
    ON_COMMAND_RANGE(ID_VIEW_CMDLINE_BAR, ID_VIEW_VREGS_BAR, OnViewBar)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_CMDLINE_BAR, ID_VIEW_VREGS_BAR, OnUpdateViewBar)
    ON_COMMAND_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, OnDockFloatBar)
    ON_COMMAND_RANGE(ID_FLOAT_FIRST, ID_FLOAT_LAST, OnDockFloatBar)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_STATUSBAR_CLOSE, OnStatusBarClosePane)
    ON_COMMAND(ID_STATUSBAR_COPY, OnStatusBarCopy)
    ON_COMMAND(ID_SHOW_ON_STATUSBAR, OnShowOnStatusBar)
    ON_COMMAND(ID_OPS_IPL, OnIplLoad)
    ON_COMMAND(ID_OPS_DEVICE_INTERRUPT, OnDeviceInterrupt)
    ON_COMMAND(ID_OPS_LOAD_READER, OnLoadReader)
    ON_COMMAND(ID_OPS_LOAD_TAPE, OnLoadTape)
    ON_COMMAND(ID_OPS_UNLOAD_TAPE, OnUnloadTape)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
}

CMainFrame::~CMainFrame()
{
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExA(AfxGetInstanceHandle(), kMainFrameClass, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
        // The window takes both its icons when loaded (LoadFrame), so the
        // class's small icon never shows: given, it spares the system a
        // small copy made from the icon's resource while the window is made.
        wc.hIconSm = wc.hIcon;
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kMainFrameClass;
        if (!::RegisterClassExA(&wc))
            return FALSE;
    }
    cs.lpszClass = kMainFrameClass;
    return CHelpButtonFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT pcs)
{
    g_pMainFrame = this;  // the view and the bars reach the frame through it while it is built
    if (CHelpButtonFrameWnd::OnCreate(pcs) == -1)
        return -1;
    const SBACT_INDICATOR prompt = {ID_SEPARATOR, 0, nullptr, 0};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    // Each bar made, docked by default, then put in its saved place, would
    // lay out every bar and its controls again: they are laid out once the
    // layout is restored. So are the status bar's panes, which the view
    // sets before the status bar has its width.
    m_wndStatusBar.HoldParts(true);
    if (!m_wndStatusBar.SetIndicators(&prompt, 1))
        return -1;
    HoldLayout(true);
    m_bStartLayoutHeld = true;
    MakeDockBars();
    if (!CreateBars())
        return -1;
    DockBarsByDefault();
    return 0;
}

// The view's start-up handshake asks for the bars' subscriptions.
LRESULT CMainFrame::OnNotifyBarVisibility(WPARAM, LPARAM)
{
    NotifyViewOfBarVisibility();
    return 0;
}

namespace {

// The Devices page opens the device definition dialogs on the configuration
// being edited, with its own router.
bool DefineDeviceForDevicesPage(CVornDevice& dev, CString& strCommand, const SysCfgDeviceDialogRun& page)
{
    SDeviceDialogRun run;
    run.eCaller = kDeviceCallerDevicesPage;
    run.pParent = page.pParent;
    run.bAdd = page.bAdd;
    run.bManualEdit = page.bManualEdit;
    run.bRunningDevice = page.bRunningDevice;
    run.pRouter = page.pRouter;
    return DefineDeviceWithDialog(dev, strCommand, run);
}

}  // namespace

// The view exists (and g_pView is set) only after its initial update, which
// comes after the frame's creation: the bars are handed over from then on.
void CMainFrame::GiveViewItsReceivers()
{
    if (!g_pView)
        return;
    g_pView->m_defineDevice = DefineDeviceForDevicesPage;
    g_pView->SetSessionReceivers(CollectReceivers());
    g_pView->SetCommandLineEdit(m_wndCmdLineBar.m_dlg.CommandEdit().m_hWnd);
    ApplyConsoleLookToCommandLine();
    g_pView->InitBarControls();
}

// A bar whose dialog is not made yet hands over no controls.
SSessionReceivers CMainFrame::CollectReceivers()
{
    SSessionReceivers receivers;
    receivers.pDevListBar = &m_wndDevListBar.m_dlg;
    receivers.hDisplayAlterBar = m_wndStorageBar.m_dlg.m_hWnd;
    receivers.pControlsBar = &m_wndControlsBar.m_dlg;
    receivers.hCpuPercentBar = m_wndCpuPctBar.m_dlg.m_hWnd;
    receivers.pCpuPercentBar = &m_wndCpuPctBar.m_dlg;
    receivers.pDevListLook = &m_wndDevListBar.m_dlg;
    receivers.pStorageLook = &m_wndStorageBar.m_dlg;
    receivers.pStatusBar = &m_wndStatusBar;
    CDynStatusLineDlgBar& status = m_wndStatusLineBar.m_dlg;
    receivers.hCpuSpin = status.GetSpin();
    receivers.hStatusLineBar = status.m_hWnd;
    for (int i = 0; i < kStatusPartCount; ++i)
        receivers.hStatusParts[i] = status.m_hWnd ? status.GetField(i) : nullptr;
    CollectRegisterFields(receivers.hRegisterFields);
    CDynCmdLineDlgBar& cmdLine = m_wndCmdLineBar.m_dlg;
    receivers.hCmdSend = cmdLine.m_hWnd ? cmdLine.SendButton() : nullptr;
    receivers.hShellDirEdit = cmdLine.m_hWnd ? cmdLine.TargetDirText() : nullptr;
    return receivers;
}

void CMainFrame::ApplyConsoleLookToCommandLine()
{
    if (!g_pView)
        return;
    const CViewSettings& settings = g_pView->Settings();
    m_wndCmdLineBar.m_dlg.SetLook(settings.m_styles[kMsgPlain].crColor, settings.m_crBackground,
                                  g_pView->GetPlainFont());
}

// The view's console font or colours changed (the preferences).
LRESULT CMainFrame::OnConsoleLookChanged(WPARAM, LPARAM)
{
    ApplyConsoleLookToCommandLine();
    return 0;
}

// Each bar shows the fields of its keyword group, the k-th of the group
// (in the view's order) in its k-th control.
void CMainFrame::CollectRegisterFields(HWND hFields[]) const
{
    const struct {
        const char* pszPrefix;
        const CRegsDlgBar* pBar;
    } groups[] = {
        {"64_GR", &m_wndGRegs64Bar.m_dlg}, {"64_CR", &m_wndCRegs64Bar.m_dlg}, {"64_FR", &m_wndFRegs64Bar.m_dlg},
        {"GR", &m_wndGRegsBar.m_dlg},      {"CR", &m_wndCRegsBar.m_dlg},      {"AR", &m_wndARegsBar.m_dlg},
        {"FR", &m_wndFRegsBar.m_dlg},      {"VR", &m_wndVRegsBar.m_dlg},
    };
    int nNext[sizeof groups / sizeof groups[0]] = {};
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        hFields[i] = nullptr;
        CString strKeyword = RegisterField(i).pszKeyword;
        for (size_t g = 0; g < sizeof groups / sizeof groups[0]; ++g) {
            if (strKeyword.Find(groups[g].pszPrefix) == 0) {
                hFields[i] = groups[g].pBar->GetRegisterControl(nNext[g]++);
                break;
            }
        }
    }
}

LRESULT CMainFrame::OnRebuildStatusBarMsg(WPARAM wp, LPARAM)
{
    RebuildStatusBar(wp != 0);
    return 0;
}

void CMainFrame::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonFrameWnd::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(GetHelpDialogId(), AFX_IDW_STATUS_BAR), IDS_HELP_STATUS_BAR);
    for (UINT i = 0; i < 5; i++)
        SetHelpString(MakeHelpKey(GetHelpDialogId(), ID_INDICATOR_PSW + i), IDS_HELP_INDICATOR_PSW + i);
}

// The help topics of the main menu's popups, by their place in the menu:
// File, Recent configurations, Edit, View, the 32-, 64- and 128-bit
// registers, Command, Operations, Utilities and Help.
void CMainFrame::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CHelpButtonFrameWnd::RegisterHelpStrings();
    const UINT kPopupHelpIds[] = {852, 860, 879, 884, 900, 916, 921, 925, 938, 942, 966};
    for (UINT i = 0; i < sizeof kPopupHelpIds / sizeof kPopupHelpIds[0]; ++i)
        SetHelpId(MakeHelpKey(GetHelpDialogId(), i), kPopupHelpIds[i]);
}

bool CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    // The frame answers Copy and Select All itself (the console, or the
    // storage bar's edit when it has the focus) before the view is asked.
    if ((nID == ID_EDIT_COPY || nID == ID_EDIT_SELECT_ALL) && CWnd::OnCmdMsg(nID, nCode, pExtra))
        return true;
    return CHelpButtonFrameWnd::OnCmdMsg(nID, nCode, pExtra);
}

void CMainFrame::ActivateFrame(int)
{
    // The frame shows, comes to the top and is activated only when its
    // placement is restored (InitInstance): activated while hidden, it
    // would draw its caption and menu bar unseen.
    GiveViewItsReceivers();
    NotifyViewOfBarVisibility();
}

void CMainFrame::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !pDoc || pDoc->GetTitle().IsEmpty()) {
        CHelpButtonFrameWnd::OnUpdateFrameTitle(FALSE);
        return;
    }
    // The caption is set again only when it changes: under Wine each
    // setting costs some milliseconds (the new document's title, then the
    // frame's first update, set the same one while the program starts).
    CString strCaption;
    GetWindowText(strCaption);
    if (strCaption != pDoc->GetTitle())
        SetWindowText(pDoc->GetTitle());
}

void CMainFrame::OnDestroy()
{
    CWindowPlacement::Save("CMainFrame", this);
    CHelpButtonFrameWnd::OnDestroy();
}

void CMainFrame::OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu)
{
    CHelpButtonFrameWnd::OnInitMenuPopup(pPopup, nIndex, bSysMenu);
    // Items an update handler added (the recent files) become owner-drawn.
    if (!bSysMenu && BCMenu::IsMenu(pPopup->m_hMenu))
        BCMenu::UpdateMenu(pPopup->m_hMenu);
}

LRESULT CMainFrame::OnMenuCharMsg(WPARAM wp, LPARAM lp)
{
    HMENU hMenu = (HMENU)lp;
    if (BCMenu::IsMenu(hMenu))
        return BCMenu::FindKeyboardShortcut(LOWORD(wp), HIWORD(wp), hMenu);
    return Default();
}
