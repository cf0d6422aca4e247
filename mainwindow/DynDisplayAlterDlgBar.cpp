// DynDisplayAlterDlgBar.cpp: the storage bar's construction, settings and
// appearance, power on and off, the storage window behind the hex view's
// read and write callbacks, the jump to an address, its keys and menus.
#include "mainwindow/DynDisplayAlterDlgBar.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "config/DockFloatMenu.h"
#include "config/GdiHelpers.h"
#include "config/Limits.h"
#include "framework/CSizingControlBar.h"
#include "framework/ControlTextSize.h"
#include "framework/HelpKeys.h"
#include "framework/MyFindRepDlg.h"
#include "mainwindow/BarFontLayout.h"
#include "platform/BCMenu.h"
#include "platform/CDC.h"
#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"
#include "platform/WindowHelpers.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

const char kSection[] = "Settings\\DisplayAlter";
// Preferences page of the bar ("Display/Alter").
const int kDisplayAlterPrefsPage = 12;

COLORREF ProfileColor(CWinApp* pApp, const char* pszKey, int nSysColor)
{
    COLORREF clr = ::GetSysColor(nSysColor);
    return pApp ? (COLORREF)pApp->GetProfileInt(kSection, pszKey, (int)clr) : clr;
}

bool KeyIsDown(int vk)
{
    return (::GetKeyState(vk) & 0x8000) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDynDisplayAlterDlgBar, cdxCDynamicBarDlg)
    ON_MESSAGE(WM_EMULATOR_ACTIVE, OnEmulatorActive)
    ON_MESSAGE(WM_SUBSCRIBE_STORAGE, OnSubscribeStorage)
    ON_MESSAGE(WM_AUTOREFRESH_TICK, OnAutoRefreshTick)
    ON_MESSAGE(WM_FINDREP_NOTIFY, OnFindRepNotify)
    ON_MESSAGE(WM_STORAGE_BAR_ESCAPE, OnStorageBarEscape)
    ON_MESSAGE(WM_STORAGE_REREAD, OnStorageReread)
    ON_BN_CLICKED(IDC_STORAGE_AUTOREFRESH, OnAutoRefreshClicked)
    ON_WM_HSCROLL()
    ON_COMMAND(ID_BAR_CLOSE, OnBarClose)
    ON_COMMAND(ID_BAR_PROPERTIES, OnBarProperties)
    ON_COMMAND_RANGE(ID_DOCK_FIRST, ID_DOCK_LAST, OnDockFloat)
    ON_COMMAND_RANGE(ID_FLOAT_FIRST, ID_FLOAT_LAST, OnDockFloat)
    ON_WM_CONTEXTMENU()
    ON_WM_SETCURSOR()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CDynDisplayAlterDlgBar, cdxCDynamicBarDlg)
    DYNAMIC_MAP_ENTRY(IDC_STORAGE_INTERVAL, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_STORAGE_HEXEDIT, mdResize, mdResize)
END_DYNAMIC_MAP()

CDynDisplayAlterDlgBar::CDynDisplayAlterDlgBar(CWnd* pParent) : cdxCDynamicBarDlg(IDD, pParent)
{
    m_nIDHelpDialog = IDD;
    CHexEdit::RegisterClass();
    ::SetCriticalSectionSpinCount((CRITICAL_SECTION*)m_csSearch, 4000);
    try {
        m_buffer.assign(kStorageWindowMax, 0);
    } catch (const std::bad_alloc&) {
        ErrorMessageBox("CDynDisplayAlterDlgBar: Unable to allocate MAINSTOR buffer!", nullptr, ::GetLastError());
    }
    LoadSettings();
}

CDynDisplayAlterDlgBar::~CDynDisplayAlterDlgBar()
{
    // A bar whose window never existed (or went without OnDestroy) still
    // leaves no thread behind.
    StopSearchThread();
    StopRefreshThread();
    SaveSettings();
    delete m_pFont;
}

// "Settings\DisplayAlter", "Settings" "AutoRefresh" and "RefreshIntvl", and
// the view's find direction.
void CDynDisplayAlterDlgBar::LoadSettings()
{
    CWinApp* pApp = AfxGetApp();
    m_clrText = ProfileColor(pApp, "clrText", COLOR_WINDOWTEXT);
    m_clrBack = ProfileColor(pApp, "clrBack", COLOR_WINDOW);
    m_clrHighlightText = ProfileColor(pApp, "clrHighlightText", COLOR_HIGHLIGHTTEXT);
    m_clrHighlightBack = ProfileColor(pApp, "clrHighlightBack", COLOR_HIGHLIGHT);
    m_clrDisabledText = ProfileColor(pApp, "clrDisabledText", COLOR_WINDOWTEXT);
    m_clrDisabledBack = ProfileColor(pApp, "clrDisabledBack", COLOR_WINDOW);
    m_clrDisabledHighlightText = ProfileColor(pApp, "clrDisabledHighlightText", COLOR_WINDOWTEXT);
    m_clrDisabledHighlightBack = ProfileColor(pApp, "clrDisabledHighlightBack", COLOR_3DLIGHT);
    m_strFontName = "Courier New";
    m_nRefreshIntvl = (int)g_nDefAutoRefresh;
    if (pApp) {
        m_bNoHideSelect = pApp->GetProfileInt(kSection, "NoHideSelect", 1) != 0;
        m_nFontSize = (int)pApp->GetProfileInt(kSection, "FontSize", 10);
        m_strFontName = pApp->GetProfileString(kSection, "FontName", "Courier New");
        m_bAutoRefresh = pApp->GetProfileInt("Settings", "AutoRefresh", 0) != 0;
        m_nRefreshIntvl = (int)pApp->GetProfileInt("Settings", "RefreshIntvl", (int)g_nDefAutoRefresh);
    }
    m_nRefreshIntvl = std::max(m_nRefreshIntvl, kRefreshStepMs);
    m_nThreadInterval = m_nRefreshIntvl;
    m_bSearchFwd = g_pView ? g_pView->Settings().m_bSearchFwd : true;
    CFont font;
    if (font.CreatePointFont(m_nFontSize * 10, m_strFontName))
        font.GetLogFont(&m_lf);
    // Where the face is missing, the system picks a fixed-pitch one.
    m_lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
}

void CDynDisplayAlterDlgBar::SaveSettings()
{
    if (g_pView)
        g_pView->SetSearchForward(m_bSearchFwd);
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    const struct {
        const char* pszKey;
        COLORREF clr;
    } colors[] = {
        {"clrText", m_clrText},
        {"clrBack", m_clrBack},
        {"clrHighlightText", m_clrHighlightText},
        {"clrHighlightBack", m_clrHighlightBack},
        {"clrDisabledText", m_clrDisabledText},
        {"clrDisabledBack", m_clrDisabledBack},
        {"clrDisabledHighlightText", m_clrDisabledHighlightText},
        {"clrDisabledHighlightBack", m_clrDisabledHighlightBack},
    };
    for (const auto& c : colors)
        pApp->WriteProfileInt(kSection, c.pszKey, (int)c.clr);
    pApp->WriteProfileInt(kSection, "NoHideSelect", m_bNoHideSelect ? 1 : 0);
    pApp->WriteProfileInt(kSection, "FontSize", m_nFontSize);
    pApp->WriteProfileString(kSection, "FontName", m_strFontName);
    pApp->WriteProfileInt("Settings", "AutoRefresh", m_bAutoRefresh ? 1 : 0);
    pApp->WriteProfileInt("Settings", "RefreshIntvl", m_nRefreshIntvl);
}

void CDynDisplayAlterDlgBar::MakeFontAndBrush()
{
    RemakeFontAndBrush(m_pFont, m_lf, m_Brush, m_clrBack);
}

void CDynDisplayAlterDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_STORAGE_BAR);
    SetHelpString(MakeHelpKey(IDD, IDC_STORAGE_ADDRESS), IDS_HELP_STORAGE_ADDRESS);
    SetHelpString(MakeHelpKey(IDD, IDC_STORAGE_HEXEDIT), IDS_HELP_STORAGE_HEXEDIT);
    SetHelpString(MakeHelpKey(IDD, IDC_STORAGE_AUTOREFRESH), IDS_HELP_STORAGE_AUTOREFRESH);
    SetHelpString(MakeHelpKey(IDD, IDC_STORAGE_INTERVAL), IDS_HELP_STORAGE_INTERVAL);
}

BOOL CDynDisplayAlterDlgBar::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    cdxCDynamicBarDlg::OnInitDialog();
    m_AddrEdit.SubclassDlgItem(IDC_STORAGE_ADDRESS, this);
    m_HexEdit.SubclassDlgItem(IDC_STORAGE_HEXEDIT, this);
    m_AutoRefreshBtn.SubclassDlgItem(IDC_STORAGE_AUTOREFRESH, this);
    m_Trackbar.SubclassDlgItem(IDC_STORAGE_INTERVAL, this);
    MakeFontAndBrush();
    PowerOff();
    m_Trackbar.SetRange((int)g_nMinAutoRefresh, (int)std::max(g_nMinAutoRefresh, g_nMaxAutoRefresh), TRUE);
    m_Trackbar.SetLineSize(kRefreshStepMs);
    m_Trackbar.SetPageSize(4 * kRefreshStepMs);
    m_Trackbar.SetPos(m_nRefreshIntvl);
    if (m_IntervalTip.Create(this)) {
        m_IntervalTip.AddTool(&m_Trackbar, "");
        UpdateIntervalTip();
        m_IntervalTip.Activate(TRUE);
    }
    // The settings were just read: making the dialog writes none of them
    // back (the bar writes them when it goes or the preferences change them).
    ShowAppearance();
    m_AddrEdit.SendMessage(EM_SETREADONLY, TRUE);
    SetRefreshCaption();
    return TRUE;
}

void CDynDisplayAlterDlgBar::FillHexParms(HEPARMS& parms, bool bPoweredOn) const
{
    parms.dwMask = HEPM_COLORS | HEPM_READONLYCOLORS | HEPM_FONT | HEPM_DATASIZE | HEPM_CALLBACKS | HEPM_LAYOUT |
                   HEPM_FLAGS;
    parms.clrText = m_clrText;
    parms.clrBack = m_clrBack;
    parms.clrHighlightText = m_clrHighlightText;
    parms.clrHighlightBack = m_clrHighlightBack;
    parms.clrReadOnlyText = m_clrDisabledText;
    parms.clrReadOnlyBack = m_clrDisabledBack;
    parms.clrReadOnlyHighlightText = m_clrDisabledHighlightText;
    parms.clrReadOnlyHighlightBack = m_clrDisabledHighlightBack;
    parms.lfFont = m_lf;
    // The view reaches all of storage; the callbacks move the window.
    parms.nDataSize = bPoweredOn ? m_window.StorageSize() : 0;
    parms.pfnRead = &CDynDisplayAlterDlgBar::ReadCallback;
    parms.pfnWrite = &CDynDisplayAlterDlgBar::WriteCallback;
    parms.pContext = const_cast<CDynDisplayAlterDlgBar*>(this);
    parms.nGroupBytes = 4;
    parms.nPaneGap = 2;
    DWORD dwFlags = HEF_EBCDIC;
    if (m_bNoHideSelect)
        dwFlags |= HEF_NOHIDESEL;
    if (StorageAddressDigits(m_window.StorageSize()) == 16)
        dwFlags |= HEF_WIDEADDRESS;
    parms.dwFlags = dwFlags;
}

void CDynDisplayAlterDlgBar::ApplyAppearance()
{
    ShowAppearance();
    SaveSettings();
}

void CDynDisplayAlterDlgBar::ShowAppearance()
{
    MakeFontAndBrush();
    if (m_AddrEdit.m_hWnd) {
        m_AddrEdit.SendMessage(WM_SETFONT, (WPARAM)(HFONT)*m_pFont, TRUE);
        m_AddrEdit.SendMessage(EM_SETREADONLY, IsRunningAndReady() ? FALSE : TRUE);
        // Storage that cannot be read, or a search under way, keeps the
        // field disabled: a new look changes nothing of that.
        m_AddrEdit.EnableWindow(!m_bUnreadable && !m_bSearchRunning);
    }
    if (m_HexEdit.m_hWnd) {
        HEPARMS parms;
        FillHexParms(parms, m_nStorageAddress != 0 && !m_bUnreadable);
        parms.dwMask = HEPM_COLORS | HEPM_READONLYCOLORS | HEPM_FONT | HEPM_FLAGS;
        m_HexEdit.SetParms(parms);
    }
    LayoutForFont();
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CDynDisplayAlterDlgBar::LayoutForFont()
{
    SStorageRects tmpl, out;
    if (!m_AddrEdit.m_hWnd || !m_HexEdit.m_hWnd || !GetTemplateRect(IDC_STORAGE_ADDRESS, tmpl.rcAddress) ||
        !GetTemplateRect(IDC_STORAGE_AUTOREFRESH, tmpl.rcButton) ||
        !GetTemplateRect(IDC_STORAGE_INTERVAL, tmpl.rcTrackbar) || !GetTemplateRect(IDC_STORAGE_HEXEDIT, tmpl.rcHex))
        return;
    const SIZE szAddress =
        EditSizeForText(m_AddrEdit.m_hWnd, WidestOfShape(m_AddrEdit.m_hWnd, "0000000000000000", "0123456789ABCDEF"));
    // The hex view: two rows of eight bytes in its cells, with its frame and scroll bar.
    HexEditLayout row = m_HexEdit.GetLayout();
    row.nBytesPerRow = 8;
    const CSize cell = m_HexEdit.GetCellSize();
    CRect rcWnd, rcClient;
    m_HexEdit.GetWindowRect(&rcWnd);
    m_HexEdit.GetClientRect(&rcClient);
    const SIZE szLeastHex = {(int)row.TotalColumns() * cell.cx + rcWnd.Width() - rcClient.Width(),
                             2 * cell.cy + rcWnd.Height() - rcClient.Height()};
    SBarLayoutSizes sizes = LayoutStorageBar(tmpl, GetTemplateSize(), szAddress, szLeastHex, out);
    m_AddrEdit.MoveWindow(&out.rcAddress);
    m_AutoRefreshBtn.MoveWindow(&out.rcButton);
    // The trackbar and the hex view stretch with the bar from their places at the design size.
    AddSzControl(m_Trackbar.m_hWnd, CDynPos(out.rcTrackbar, 0, 0, 100, 0), false);
    AddSzControl(m_HexEdit.m_hWnd, CDynPos(out.rcHex, 0, 0, 100, 100), false);
    SetLayoutSizes(sizes.szDesign, sizes.szLeast);
}

// ---- the emulator and its storage ----

bool CDynDisplayAlterDlgBar::IsEmulatorRunning() const
{
    return g_pView && g_pView->IsEmulatorRunning();
}

bool CDynDisplayAlterDlgBar::IsEmulatorReady() const
{
    return g_pView && g_pView->IsEmulatorReady();
}

LRESULT CDynDisplayAlterDlgBar::OnEmulatorActive(WPARAM wp, LPARAM)
{
    if (wp)
        PowerOn();
    else
        PowerOff();
    return 1;
}

LRESULT CDynDisplayAlterDlgBar::OnSubscribeStorage(WPARAM wp, LPARAM)
{
    StartStopAutoRefresh(wp != 0);
    return 1;
}

// The storage location the emulator reported, the window at its start.
void CDynDisplayAlterDlgBar::PowerOn()
{
    if (!g_pView || m_buffer.empty())
        return;
    m_nStorageAddress = g_pView->Router().GetMainStorAddress();
    m_bSearchFwd = g_pView->Settings().m_bSearchFwd;
    m_window.Reset(m_nStorageAddress ? g_pView->Router().GetMainStorSize() : 0);
    m_AddrEdit.SetLimitText((UINT)StorageAddressDigits(m_window.StorageSize()));
    m_AddrEdit.SetWindowText(FormatStorageAddress(0, m_window.StorageSize()));
    m_AddrEdit.SendMessage(EM_SETREADONLY, FALSE);
    // Storage the bar cannot read (reported where this process has none) is
    // never shown as zeros to type into.
    m_bUnreadable = !ReadMainStorage();
    HEPARMS parms;
    FillHexParms(parms, !m_bUnreadable);
    m_HexEdit.SetParms(parms);
    m_HexEdit.SetSel(0, 0);
    m_HexEdit.SetWindowText(m_bUnreadable ? kStorageUnreadableText : "");
    m_HexEdit.Invalidate(FALSE);
    EnableStorageControls(!m_bUnreadable);
    // Shown at power-on, the bar refreshes without waiting to be shown again.
    StartStopAutoRefresh(true);
}

void CDynDisplayAlterDlgBar::PowerOff()
{
    m_AddrEdit.SendMessage(EM_SETREADONLY, TRUE);
    if (m_pFont)
        m_AddrEdit.SendMessage(WM_SETFONT, (WPARAM)(HFONT)*m_pFont, TRUE);
    CloseFindDialog();
    if (m_bSearchRunning) {
        m_bStopRequested = true;
        StopSearchThread();
    }
    m_nStorageAddress = 0;
    m_bUnreadable = false;
    m_window.Reset(0);
    StartStopAutoRefresh(false);
    m_AddrEdit.SetLimitText(8);
    m_AddrEdit.SetWindowText("00000000");
    HEPARMS parms;
    FillHexParms(parms, false);
    m_HexEdit.SetParms(parms);
    m_HexEdit.SetWindowText("");
    m_HexEdit.EnableWindow(FALSE);
}

bool CDynDisplayAlterDlgBar::ReadMainStorage()
{
    if (m_nStorageAddress == 0 || m_buffer.empty() || !IsEmulatorRunning())
        return false;
    SIZE_T nWindow = m_window.WindowSize();
    return CVornGUIView::ReadChildMemory(m_nStorageAddress + m_window.Offset(), m_buffer.data(), nWindow) == nWindow;
}

// F5, a tick, after a failed write: the window read again and shown.
void CDynDisplayAlterDlgBar::RefreshView(bool bFocus)
{
    bool bRead = ReadMainStorage();
    ShowReadable(bRead);
    if (!bRead)
        return;
    m_HexEdit.Invalidate(FALSE);
    if (bFocus)
        m_HexEdit.SetFocus();
}

void CDynDisplayAlterDlgBar::ShowReadable(bool bReadable)
{
    if (bReadable == !m_bUnreadable || m_nStorageAddress == 0)
        return;
    m_bUnreadable = !bReadable;
    HEPARMS parms;
    parms.dwMask = HEPM_DATASIZE;
    parms.nDataSize = bReadable ? m_window.StorageSize() : 0;
    m_HexEdit.SetParms(parms);
    m_HexEdit.SetWindowText(bReadable ? "" : kStorageUnreadableText);
    m_HexEdit.Invalidate(FALSE);
    EnableStorageControls(bReadable && !m_bSearchRunning);
}

LRESULT CDynDisplayAlterDlgBar::OnStorageReread(WPARAM wp, LPARAM)
{
    if (m_nStorageAddress != 0)
        RefreshView(wp != 0);
    return 1;
}

void CDynDisplayAlterDlgBar::EnableStorageControls(bool bEnable)
{
    m_AddrEdit.EnableWindow(bEnable);
    m_HexEdit.EnableWindow(bEnable);
}

const BYTE* CDynDisplayAlterDlgBar::ReadCallback(void* pContext, UINT64 nAddress, UINT nLength)
{
    return static_cast<CDynDisplayAlterDlgBar*>(pContext)->ReadBytes(nAddress, nLength);
}

void CDynDisplayAlterDlgBar::WriteCallback(void* pContext, UINT64 nAddress, const BYTE* pData, UINT nLength)
{
    static_cast<CDynDisplayAlterDlgBar*>(pContext)->WriteBytes(nAddress, pData, nLength);
}

// The hex view paints and copies through this: a pointer into the window,
// moved first when the bytes lie outside it. A range that cannot be shown
// gives nothing (the view leaves it blank).
const BYTE* CDynDisplayAlterDlgBar::ReadBytes(UINT64 nAddress, UINT nLength)
{
    if (m_nStorageAddress == 0 || m_buffer.empty()) {
        PostMessage(WM_EMULATOR_ACTIVE, 0, 0);
        return nullptr;
    }
    CStorageWindow::EPlace ePlace = m_window.Place(nAddress, nLength);
    if (ePlace == CStorageWindow::kRefused)
        return nullptr;
    // Bytes that could not be read are not shown; once the paint is done
    // storage is shown as unavailable (unless a second read succeeds).
    if (ePlace == CStorageWindow::kMoved && !ReadMainStorage()) {
        PostMessage(WM_STORAGE_REREAD, 0, 0);
        return nullptr;
    }
    return m_buffer.data() + (nAddress - m_window.Offset());
}

// Typed bytes go into the window and at once into the emulator's storage.
// A range outside storage is refused with a beep; storage whose location is
// no longer known ends the bar's session.
void CDynDisplayAlterDlgBar::WriteBytes(UINT64 nAddress, const BYTE* pData, UINT nLength)
{
    if (!IsEmulatorRunning() || m_nStorageAddress == 0 || m_buffer.empty()) {
        PostMessage(WM_EMULATOR_ACTIVE, 0, 0);
        std::fill(m_buffer.begin(), m_buffer.end(), 0);
        return;
    }
    CStorageWindow::EPlace ePlace = m_window.Place(nAddress, nLength);
    if (ePlace == CStorageWindow::kRefused) {
        MyMessageBeep();
        return;
    }
    if (ePlace == CStorageWindow::kMoved && !ReadMainStorage()) {
        MyMessageBeep();
        PostMessage(WM_STORAGE_REREAD, 1, 0);
        return;
    }
    SIZE_T nWritten = CVornGUIView::WriteChildMemory(m_nStorageAddress + nAddress, pData, nLength);
    if (nWritten < nLength) {
        DWORD dwError = ::GetLastError();
        // The window keeps what it showed before, then shows what storage
        // holds (a partial write, or storage gone unavailable) once read again.
        m_HexEdit.Invalidate(FALSE);
        ErrorMessageBox(StoragePartialWriteText(nWritten, nLength), nullptr, dwError);
        PostMessage(WM_STORAGE_REREAD, 1, 0);
        return;
    }
    std::memcpy(m_buffer.data() + (nAddress - m_window.Offset()), pData, nLength);
}

// Enter in the address field: the address, clamped to the last one, shown
// selected in the view's first row. Nothing while no storage is known.
void CDynDisplayAlterDlgBar::JumpToAddress()
{
    if (m_nStorageAddress == 0)
        return;
    CString strText;
    m_AddrEdit.GetWindowText(strText);
    UINT64 nAddress = 0;
    bool bClamped = false;
    if (!ParseJumpAddress(strText, m_window.StorageSize(), nAddress, bClamped)) {
        MyMessageBeep();
        return;
    }
    if (bClamped)
        m_AddrEdit.SetWindowText(FormatStorageAddress(nAddress, m_window.StorageSize()));
    m_HexEdit.SetSel(nAddress, nAddress);
    // The row asked for leads the view, not the row that scrolling into
    // view would leave at its bottom edge.
    m_HexEdit.ScrollAddressToTop(nAddress);
    m_HexEdit.SetFocus();
}

BOOL CDynDisplayAlterDlgBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (m_IntervalTip.m_hWnd)
            m_IntervalTip.RelayEvent(pMsg);
        if (HandleKey(pMsg))
            return TRUE;
    }
    return cdxCDynamicBarDlg::PreTranslateMessage(pMsg);
}

// The bar's keys; true when the key was taken.
bool CDynDisplayAlterDlgBar::HandleKey(MSG* pMsg)
{
    UINT vk = (UINT)pMsg->wParam;
    bool bShift = KeyIsDown(VK_SHIFT), bCtrl = KeyIsDown(VK_CONTROL), bAlt = KeyIsDown(VK_MENU);
    bool bPlain = !bShift && !bCtrl && !bAlt;
    HWND hFocus = ::GetFocus();
    bool bAddr = hFocus && hFocus == m_AddrEdit.m_hWnd;
    if (vk == VK_RETURN && bPlain && bAddr && !m_bSearchRunning) {
        JumpToAddress();
        return true;
    }
    if (vk == VK_ESCAPE && bPlain && m_bSearchRunning && !IsFindDialogShown()) {
        m_bStopRequested = true;
        StopSearchThread();
        return true;
    }
    bool bOurs = bAddr || hFocus == m_HexEdit.m_hWnd || hFocus == m_Trackbar.m_hWnd;
    if (!bOurs || !IsEmulatorRunning() || m_bSearchRunning)
        return false;
    if (vk == VK_F5 && bPlain) {
        if (m_nStorageAddress == 0) {
            MyMessageBeep();
            return true;
        }
        RefreshView(true);
        return true;
    }
    if (vk == VK_F3 && !bCtrl && !bAlt) {
        FindNext(!bShift);
        return true;
    }
    if ((vk == 'F' || vk == 'H') && bCtrl && !bShift && !bAlt) {
        if (vk == 'F')
            m_bSearchFwd = true;
        OpenFindDialog(vk == 'F');
        return true;
    }
    return false;
}

// ---- menus and commands ----

void CDynDisplayAlterDlgBar::OnContextMenu(CWnd*, CPoint point)
{
    BCMenu menu;
    menu.LoadMenu(IDR_BAR_MENU);
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    AppendDockFloatMenuItems(m_pHostBar, pPopup);
    CPoint pt = point;
    if (point.x == -1 && point.y == -1 && IsEmulatorRunning() && m_HexEdit.m_hWnd) {
        pt = m_HexEdit.GetCaretPoint();
        m_HexEdit.ClientToScreen(&pt);
    } else {
        pt = CalcContextMenuPoint(this, point);
    }
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

void CDynDisplayAlterDlgBar::OnBarClose()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
}

// The preferences dialog is not part of the program yet: Properties opens
// nothing.
void CDynDisplayAlterDlgBar::OnBarProperties()
{
    if (g_pView)
        g_pView->ShowPreferences(kDisplayAlterPrefsPage, false);
}

// The main frame docks and floats the bars.
void CDynDisplayAlterDlgBar::OnDockFloat(UINT nID)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, nID);
}

BOOL CDynDisplayAlterDlgBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hSearchThread) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
    }
    return cdxCDynamicBarDlg::OnSetCursor(pWnd, nHitTest, message);
}

// Edits (the address field, also while read-only) take the bar's colours.
HBRUSH CDynDisplayAlterDlgBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    bool bAddr = pWnd && pWnd->m_hWnd == m_AddrEdit.m_hWnd;
    if (nCtlColor != CTLCOLOR_EDIT && !bAddr)
        return cdxCDynamicBarDlg::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(m_clrBack);
    return m_Brush;
}

void CDynDisplayAlterDlgBar::OnCancel()
{
    if (g_pView)
        g_pView->FocusCommandLine();
}

LRESULT CDynDisplayAlterDlgBar::OnStorageBarEscape(WPARAM, LPARAM)
{
    return StopOnEscape() ? 1 : 0;
}

bool CDynDisplayAlterDlgBar::StopOnEscape()
{
    if (IsFindDialogShown() || (!m_bSearchRunning && !m_hRefreshThread))
        return false;
    if (m_bSearchRunning) {
        m_bStopRequested = true;
        StopSearchThread();
    } else {
        StopRefreshThread();
    }
    return true;
}

// Both workers end before the window goes.
void CDynDisplayAlterDlgBar::OnDestroy()
{
    CloseFindDialog();
    StopSearchThread();
    StopRefreshThread();
    if (m_bRedrawLocked)
        ::LockWindowUpdate(nullptr);
    m_bRedrawLocked = false;
    cdxCDynamicBarDlg::OnDestroy();
}
