// DynDevListDlgBar.cpp: the device-list bar's construction, appearance,
// power-off clean-up and destruction, and its router object.
#include "devices/DynDevListDlgBar.h"

#include "config/DevNum.h"
#include "config/GdiHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/CDC.h"
#include "platform/Trace.h"
#include "session/VornGUIView.h"
#include "platform/CWinApp.h"
#include "session/PrivateMessages.h"

namespace {

const char kSection[] = "Settings\\DeviceList";
const DWORD kLockSpinCount = 4000;
const UINT kHelpIdBar = 1875, kHelpIdTree = 1291;

}  // namespace

BEGIN_MESSAGE_MAP(CDynDevListDlgBar, cdxCDynamicBarDlg)
    ON_MESSAGE(WM_DEVLIST_COMPLETE, OnDevListComplete)
    ON_MESSAGE(WM_DEVLIST_STEP, OnDevListStep)
    ON_MESSAGE(WM_EMULATOR_ACTIVE, OnEmulatorActive)
    ON_MESSAGE(WM_PREFS_APPLY_PAGE, OnPrefsApplyPage)
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
    ON_NOTIFY(NM_DBLCLK, IDC_DEVLIST_TREE, OnTreeDblClk)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_DEVLIST_TREE, OnTreeCustomDraw)
    ON_NOTIFY(TVN_GETDISPINFOA, IDC_DEVLIST_TREE, OnTreeGetDispInfo)
    ON_COMMAND_EX(ID_DEVLIST_START, OnDeviceCommand)
    ON_COMMAND_EX(ID_DEVLIST_STOP, OnDeviceCommand)
    ON_COMMAND_EX(ID_DEVLIST_UNLOAD_TAPE, OnDeviceCommand)
    ON_COMMAND_EX(ID_DEVLIST_SUBCHANNEL_STATUS, OnDeviceCommand)
    ON_COMMAND_EX(ID_DEVLIST_ATTENTION, OnDeviceCommand)
    ON_COMMAND(ID_DEVLIST_DETACH, OnDetach)
    ON_COMMAND(ID_DEVLIST_TRACE_CCWS, OnTraceCCWs)
    ON_COMMAND(ID_DEVLIST_REINIT, OnReinit)
    ON_COMMAND(ID_DEVLIST_ADD, OnAddDevice)
    ON_COMMAND(ID_DEVLIST_LOAD_TAPE, OnLoadTape)
    ON_COMMAND(ID_DEVLIST_RENAME, OnRename)
    ON_COMMAND(ID_DEVLIST_LOAD_CARDS, OnLoadCards)
    ON_COMMAND(ID_BAR_CLOSE, OnBarClose)
    ON_COMMAND(ID_BAR_PROPERTIES, OnBarProperties)
    ON_COMMAND_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, OnDockFloat)
    ON_COMMAND_RANGE(ID_FLOAT_FIRST, ID_FLOAT_LAST, OnDockFloat)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CDynDevListDlgBar, cdxCDynamicBarDlg)
    DYNAMIC_MAP_ENTRY(IDC_DEVLIST_TREE, mdResize, mdResize)
END_DYNAMIC_MAP()

CDynDevListDlgBar::CDynDevListDlgBar(CWnd* pParent) : cdxCDynamicBarDlg(IDD, pParent), m_Router(this)
{
    ::InitializeCriticalSectionAndSpinCount(&m_csDevList, kLockSpinCount);
    m_nIDHelpDialog = IDD;
    // The tree follows the bar's size both ways, so its own scroll bars
    // stay inside the bar; it is not held at the template's size.
    m_bUseScrollPos = false;
    LoadSettings();
}

CDynDevListDlgBar::~CDynDevListDlgBar()
{
    delete m_pFont;
    ::EnterCriticalSection(&m_csDevList);
    m_DevListQueue.DeleteAll();
    ::LeaveCriticalSection(&m_csDevList);
    ::DeleteCriticalSection(&m_csDevList);
}

// "Settings\DeviceList": white 8-point Tahoma on black unless stored otherwise.
void CDynDevListDlgBar::LoadSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp) {
        m_clrText = (COLORREF)pApp->GetProfileInt(kSection, "clrText", (int)RGB(255, 255, 255));
        m_clrBack = (COLORREF)pApp->GetProfileInt(kSection, "clrBack", (int)RGB(0, 0, 0));
        m_nFontSize = (int)pApp->GetProfileInt(kSection, "FontSize", 8);
        m_strFontName = pApp->GetProfileString(kSection, "FontName", "Tahoma");
    } else {
        m_strFontName = "Tahoma";
    }
    CFont font;
    if (font.CreatePointFont(m_nFontSize * 10, m_strFontName))
        font.GetLogFont(&m_lf);
    MakeFontAndBrush();
}

void CDynDevListDlgBar::MakeFontAndBrush()
{
    RemakeFontAndBrush(m_pFont, m_lf, m_Brush, m_clrBack);
}

void CDynDevListDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_DEVLIST_BAR);
    SetHelpString(MakeHelpKey(IDD, IDC_DEVLIST_TREE), IDS_HELP_DEVLIST_TREE);
}

void CDynDevListDlgBar::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    cdxCDynamicBarDlg::RegisterHelpStrings();
    SetHelpId(MakeHelpKey(IDD, 0), kHelpIdBar);
    SetHelpId(MakeHelpKey(IDD, IDC_DEVLIST_TREE), kHelpIdTree);
}

BOOL CDynDevListDlgBar::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    cdxCDynamicBarDlg::OnInitDialog();
    m_Tree.SubclassDlgItem(IDC_DEVLIST_TREE, this);
    // The tree takes its font and colours (LoadSettings made them) and its
    // images before its items, so it measures them once; the dialog is
    // painted when it shows, after this.
    ShowAppearance();
    StoreAppearance();
    if (m_Images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 13, 0)) {
        HBITMAP hBmp = (HBITMAP)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DEVLIST_IMAGES),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (hBmp) {
            m_Images.Add(hBmp, RGB(0, 0, 128));
            ::DeleteObject(hBmp);
        }
        m_Tree.SetImageList(m_Images, TVSIL_NORMAL);
    }
    InsertGroups();
    // The first group starts selected, as when the tree first gets the
    // focus (the dialog is made off the screen and does not give it).
    m_Tree.SelectItem(m_hGroups[0]);
    return TRUE;
}

// The tree's tooltip (the labels cut off by the bar's edge) shows above
// floating bars: it is made topmost before the mouse first reaches the
// tree, not while the main window is built.
BOOL CDynDevListDlgBar::PreTranslateMessage(MSG* pMsg)
{
    if (!m_bTreeTipOnTop && pMsg->message == WM_MOUSEMOVE && pMsg->hwnd == m_Tree.m_hWnd && m_Tree.m_hWnd) {
        m_bTreeTipOnTop = true;
        if (HWND hTip = (HWND)m_Tree.SendMessage(TVM_GETTOOLTIPS))
            ::SetWindowPos(hTip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return cdxCDynamicBarDlg::PreTranslateMessage(pMsg);
}

void CDynDevListDlgBar::ApplyAppearance()
{
    MakeFontAndBrush();
    if (m_Tree.m_hWnd)
        ShowAppearance();
    StoreAppearance();
    // A bar off the screen is painted when it shows.
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
        ::RedrawWindow(m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void CDynDevListDlgBar::ShowAppearance()
{
    m_Tree.SendMessage(TVM_SETBKCOLOR, 0, (LPARAM)m_clrBack);
    m_Tree.SendMessage(TVM_SETTEXTCOLOR, 0, (LPARAM)m_clrText);
    m_Tree.SendMessage(WM_SETFONT, (WPARAM)(HFONT)*m_pFont, TRUE);
    // The tree's rows follow its font; the bar keeps room for a few, and
    // for the horizontal scroll bar that long names at a large font bring,
    // whether the tree shows it now or not.
    const int kLeastRows = 3;
    CRect rcWnd, rcClient;
    m_Tree.GetWindowRect(&rcWnd);
    m_Tree.GetClientRect(&rcClient);
    int cyFrame = rcWnd.Height() - rcClient.Height();
    if (m_Tree.GetStyle() & WS_HSCROLL)
        cyFrame -= ::GetSystemMetrics(SM_CYHSCROLL);
    const int cyRows = kLeastRows * (int)m_Tree.SendMessage(TVM_GETITEMHEIGHT);
    // The tree fills the dialog and grows with it from the least size.
    const SIZE szLeast = {GetTemplateSize().cx, cyRows + cyFrame + ::GetSystemMetrics(SM_CYHSCROLL)};
    AddSzControl(m_Tree.m_hWnd, CDynPos(RECT{0, 0, szLeast.cx, szLeast.cy}, 0, 0, 100, 100), false);
    SetLayoutSizes(szLeast, szLeast);
}

void CDynDevListDlgBar::StoreAppearance()
{
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->WriteProfileInt(kSection, "clrText", (int)m_clrText);
        pApp->WriteProfileInt(kSection, "clrBack", (int)m_clrBack);
        pApp->WriteProfileInt(kSection, "FontSize", m_nFontSize);
        pApp->WriteProfileString(kSection, "FontName", m_strFontName);
    }
}

void CDynDevListDlgBar::OnTreeCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTVCUSTOMDRAW* pDraw = reinterpret_cast<NMTVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (pDraw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return;
    UINT nState = (UINT)m_Tree.SendMessage(TVM_GETITEMSTATE, (WPARAM)pDraw->nmcd.dwItemSpec, TVIS_SELECTED);
    if (!(nState & TVIS_SELECTED))
        return;
    bool bFocus = ::GetFocus() == m_Tree.m_hWnd;
    pDraw->clrText = ::GetSysColor(bFocus ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    pDraw->clrTextBk = ::GetSysColor(bFocus ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
}

// Message boxes and edits of the bar take its colours; the rest the base's.
HBRUSH CDynDevListDlgBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_MSGBOX && nCtlColor != CTLCOLOR_EDIT)
        return cdxCDynamicBarDlg::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(m_clrBack);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrText);
    return m_Brush;
}

// wParam 0: the emulator has stopped: no device is shown any more (their
// items leave the tree in steps), the groups stay, and the lists not yet
// shown are dropped.
LRESULT CDynDevListDlgBar::OnEmulatorActive(WPARAM wp, LPARAM)
{
    if (wp == 0) {
        ::EnterCriticalSection(&m_csDevList);
        TakeOffAllDevices();
        m_DevListQueue.DeleteAll();
        DropListsToShow();
        m_bNewFormatDevList = false;
        m_bListsWithoutLcss = false;
        ::LeaveCriticalSection(&m_csDevList);
        if (!m_KeysToRemove.empty() && m_Tree.m_hWnd)
            ScheduleStep();
    }
    return 1;
}

// Posted by the view once the required folders are known: the class
// templates become the default devices with the preferred folders.
LRESULT CDynDevListDlgBar::OnPrefsApplyPage(WPARAM, LPARAM)
{
    DefaultDeviceFolders folders;
    if (g_pView) {
        folders.strPunch = g_pView->GetPunchFilesDir();
        folders.strPrinter = g_pView->GetPrinterFilesDir();
        folders.strDisk = g_pView->GetDiskFilesDir();
        folders.strTape = g_pView->GetTapeFilesDir();
    }
    CString strError;
    if (!BuildDefaultDeviceStatements(m_ClassTemplates, folders, strError))
        WrenLibAfxTraceEx("CDynDevListDlgBar::OnPrefsApplyPage", "default devices: %s", strError.GetString());
    return 0;
}

void CDynDevListDlgBar::OnDestroy()
{
    if (m_nRemovalTimer)
        KillTimer(m_nRemovalTimer);
    m_nRemovalTimer = 0;
    DropListsToShow();
    m_KeysToRemove.clear();
    m_GoingItems.RemoveAll();
    m_Tree.SetImageList(nullptr, TVSIL_NORMAL);
    cdxCDynamicBarDlg::OnDestroy();
}

bool CDynDevListDlgBar::IsDevNumShown(DWORD dwKey)
{
    ::EnterCriticalSection(&m_csDevList);
    HTREEITEM hItem = nullptr;
    bool bShown = m_ItemMap.Lookup((int)dwKey, hItem) != FALSE;
    ::LeaveCriticalSection(&m_csDevList);
    return bShown;
}

bool CDynDevListDlgBar::IsDevNumOfEmulator(DWORD dwKey)
{
    if (!m_bListsWithoutLcss)
        return IsDevNumShown(dwKey);
    WORD wDevnum = (WORD)(dwKey & 0xFFFF);
    if (!IsDevNumShown(wDevnum))
        return false;
    CVornDevice dev;
    if (LookupConfiguredDevice((int)dwKey, dev))
        return true;
    if (dwKey >> 16)
        return false;
    // A subsystem is one decimal digit.
    for (BYTE bLcss = 1; bLcss <= 9; ++bLcss)
        if (LookupConfiguredDevice((int)MakeDevnumKey(bLcss, wDevnum), dev))
            return false;
    return true;
}

bool CDynDevListDlgBar::IsSysgShown(DWORD* pdwKey)
{
    bool bFound = false;
    ::EnterCriticalSection(&m_csDevList);
    POSITION pos = m_DevList.GetStartPosition();
    while (pos && !bFound) {
        int nKey;
        CDevListEntry e;
        m_DevList.GetNextAssoc(pos, nKey, e);
        if (e.IsSysg()) {
            bFound = true;
            if (pdwKey)
                *pdwKey = ((DWORD)e.m_bLcss << 16) + e.m_wDevnum;
        }
    }
    ::LeaveCriticalSection(&m_csDevList);
    return bFound;
}

bool CDynDevListDlgBarIsDevNumDefinedFuncRouterObject::IsDevNumDefined(DWORD dwKey)
{
    return m_pBar->IsDevNumShown(dwKey);
}

bool CDynDevListDlgBarIsDevNumDefinedFuncRouterObject::IsSysgDefined(DWORD* pdwKey)
{
    return m_pBar->IsSysgShown(pdwKey);
}

bool CDynDevListDlgBarIsDevNumDefinedFuncRouterObject::IsFileInUse(const CString& strFileName)
{
    return m_pBar->IsFileUsedByShownDevice(strFileName);
}
