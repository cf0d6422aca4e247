// SysCfgDevicesPage.cpp: the Devices page: its list, the additions by
// class, edits and removals with their queued commands, the context menu
// with the load unit, and the queue's sending after an accepted apply.
#include "sysconfig/SysCfgDevicesPage.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "config/WindowHelpers.h"
#include "platform/BCMenu.h"
#include "platform/CDC.h"
#include "platform/CSplitPath.h"
#include "platform/MessageBoxes.h"
#include "platform/NumberParse.h"
#include "platform/PathFunctions.h"
#include "platform/Trace.h"
#include "platform/WindowHelpers.h"
#include "resources/resource.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"

namespace {

// The list's lines as the page's initialisation makes them: the devices in
// their order, a line for each, the last device of each class.
struct DeviceLinesInit {
    CArray<CVornDevice, const CVornDevice&> sorted;
    std::vector<SDeviceLine> lines;
    INT_PTR lastOfClass[kDefaultDeviceCount];
};

// The devices whose lines one part of the initialisation formats, or adds
// to the list.
const size_t kLinesPerPart = 2000;

// Runs batch over [0, nCount) kLinesPerPart at a time, each batch a part of
// the page's initialisation left for later, then done.
void InitInBatches(CDialog* pPage, size_t nFirst, size_t nCount, const std::function<void(size_t, size_t)>& batch,
                   const std::function<void()>& done)
{
    size_t nEnd = std::min(nCount, nFirst + kLinesPerPart);
    batch(nFirst, nEnd);
    if (nEnd < nCount)
        pPage->InitLater([=] { InitInBatches(pPage, nEnd, nCount, batch, done); });
    else
        pPage->InitLater(done);
}

}  // namespace

BEGIN_MESSAGE_MAP(CSysCfgDevicesPage, CSysCfgPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_DEVICES_READER, IDC_DEVICES_COMM, OnAddRange)
    ON_BN_CLICKED(IDC_DEVICES_OTHER, OnAddOther)
    ON_BN_CLICKED(IDC_DEVICES_REMOVE, OnRemove)
    ON_LBN_SELCHANGE(IDC_DEVICES_LIST, OnSelChangeList)
    ON_LBN_DBLCLK(IDC_DEVICES_LIST, OnDblClkList)
    ON_COMMAND(ID_DEVICES_MANUAL_EDIT, OnManualEdit)
    ON_COMMAND(ID_DEVICES_PROPERTIES, OnProperties)
    ON_COMMAND(ID_DEVICES_SET_LOAD_UNIT, OnSetLoadUnit)
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_PARENTNOTIFY_AFTER_BASE(OnListParentNotify)
    ON_MESSAGE(WM_SYSCFG_APPLY, OnSysCfgApply)
END_MESSAGE_MAP()

namespace {

// The add buttons and the class each adds.
const struct {
    UINT nID;
    WORD wClass;
} kAddButtons[] = {
    {IDC_DEVICES_READER, DEVCLASS_RDR},  {IDC_DEVICES_PUNCH, DEVCLASS_PCH}, {IDC_DEVICES_PRINTER, DEVCLASS_PRT},
    {IDC_DEVICES_CONSOLE, DEVCLASS_LOG}, {IDC_DEVICES_TERMINAL, DEVCLASS_3270}, {IDC_DEVICES_DISK, DEVCLASS_DISK},
    {IDC_DEVICES_TAPE, DEVCLASS_TAPE},   {IDC_DEVICES_COMM, DEVCLASS_COMM},  {IDC_DEVICES_OTHER, DEVCLASS_UNKNOWN},
};

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_DEVICES},
    {IDC_DEVICES_ADD_GROUP, 10501},
    {IDC_DEVICES_READER, 10502},
    {IDC_DEVICES_PRINTER, 10503},
    {IDC_DEVICES_PUNCH, 10504},
    {IDC_DEVICES_CONSOLE, 10505},
    {IDC_DEVICES_TERMINAL, 10506},
    {IDC_DEVICES_TAPE, 10507},
    {IDC_DEVICES_DISK, 10508},
    {IDC_DEVICES_COMM, 10509},
    {IDC_DEVICES_OTHER, 10510},
    {IDC_DEVICES_REMOVE, 10511},
    {IDC_DEVICES_LIST, 10512},
};

const WORD kNoClass = 0xFFFF;

}  // namespace

CSysCfgDevicesPage::CSysCfgDevicesPage(CSysCfgDialog* pDlg)
    : CSysCfgPage(IDD, pDlg), m_router(pDlg->m_config.m_devices)
{
}

const SysCfgHelpRow* CSysCfgDevicesPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgDevicesPage::HelpIdRows(size_t& nRows) const
{
    nRows = 0;  // no remaps of its own
    return nullptr;
}

bool CSysCfgDevicesPage::IsModified() const
{
    return Edited().m_devices != Applied().m_devices;
}

void CSysCfgDevicesPage::SnapshotSettings()
{
    Applied().m_devices = Edited().m_devices;
}

void CSysCfgDevicesPage::CreateListFonts()
{
    m_listFont.CreatePointFont(100, "Courier New");
    LOGFONTA lf = {};
    m_listFont.GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_boldFont.CreateFontIndirect(&lf);
    m_list.SendMessage(WM_SETFONT, (WPARAM)(HFONT)m_listFont, TRUE);
    m_list.m_hBoldFont = m_boldFont;
    m_list.m_crHighlight = m_crHighlight;
    // A fixed line height made for the dialog's font: the taller of the two.
    CClientDC dc(&m_list);
    TEXTMETRICA tm = {};
    {
        CDCSelect sel(dc, m_boldFont);
        dc.GetTextMetrics(&tm);
    }
    m_list.SendMessage(LB_SETITEMHEIGHT, 0, tm.tmHeight + 1);
}

BOOL CSysCfgDevicesPage::OnInitDialog()
{
    const SysCfgDeviceFolders& dirs = m_pDlg->m_deviceFolders;
    DefaultDeviceFolders folders{dirs.strPunch, dirs.strPrinter, dirs.strDisk, dirs.strTape};
    CString strError;
    if (!BuildDefaultDeviceStatements(m_prototypes, folders, strError))
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "default devices: %s", (LPCSTR)strError);
    InitPage();
    AddSzControl(m_list.m_hWnd, 0, 0, 100, 100);
    AddSzControl(GetDlgItem(IDC_DEVICES_REMOVE)->m_hWnd, 0, 100, 0, 100);
    // Clicks on the list reach the page (WM_PARENTNOTIFY).
    m_list.ModifyStyleEx(WS_EX_NOPARENTNOTIFY, 0);
    RefreshLoadUnit();
    CreateListFonts();
    // A page made in steps sorts the devices, formats their lines a few
    // thousand at a time and fills the list, each in a step of its own:
    // their cost grows with the configuration.
    auto pInit = std::make_shared<DeviceLinesInit>();
    auto format = [pInit](size_t nFirst, size_t nEnd) {
        for (size_t i = nFirst; i < nEnd; ++i) {
            const CVornDevice& dev = pInit->sorted[(INT_PTR)i];
            pInit->lines.push_back({FormatDeviceStatement(dev), dev.GetKey()});
            if (dev.m_wClass < kDefaultDeviceCount)
                pInit->lastOfClass[dev.m_wClass] = (INT_PTR)i;
        }
    };
    auto append = [this, pInit](size_t nFirst, size_t nEnd) { m_list.AppendLines(pInit->lines, nFirst, nEnd); };
    std::function<void()> done = [this, pInit] {
        m_list.EndLines();
        for (WORD wClass = 0; wClass < kDefaultDeviceCount; ++wClass)
            if (pInit->lastOfClass[wClass] >= 0)
                m_prototypes[wClass] = pInit->sorted[pInit->lastOfClass[wClass]];
        OnSelChangeList();
        SnapshotSettings();
        m_bPageInitialized = true;
    };
    std::function<void()> fill = [this, pInit, append, done] {
        m_list.BeginLines(pInit->lines);
        InitInBatches(this, 0, pInit->lines.size(), append, done);
    };
    InitLater([this, pInit, format, fill] {
        Edited().GetSortedDevices(pInit->sorted);
        pInit->lines.reserve((size_t)pInit->sorted.GetSize());
        std::fill(std::begin(pInit->lastOfClass), std::end(pInit->lastOfClass), -1);
        InitInBatches(this, 0, (size_t)pInit->sorted.GetSize(), format, fill);
    });
    return TRUE;
}

void CSysCfgDevicesPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVICES_LIST, m_list);
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed && Edited().m_devices.GetCount() == 0) {
        SysCfgFieldFailure failure;
        FailField(failure, IDC_DEVICES_LIST, "Devices", "Configuration contains no devices", false);
        SysCfgDdvFail(pDX, failure);
    }
}

void CSysCfgDevicesPage::RefreshLoadUnit()
{
    WORD wUnit = 0;
    m_list.m_bHasHighlight = HexStringToWORD(Edited().m_strLoadUnit, wUnit) != false;
    m_list.m_wHighlightDevnum = wUnit;
    if (m_list.m_hWnd)
        m_list.Invalidate();
}

bool CSysCfgDevicesPage::HasContextLine() const
{
    return m_nContextIndex >= 0 && m_nContextIndex < m_list.GetCount();
}

bool CSysCfgDevicesPage::LoadContextDevice()
{
    if (!HasContextLine())
        return false;
    return Edited().m_devices.Lookup(m_list.LineKeys()[(size_t)m_nContextIndex], m_workDevice) != FALSE;
}

// Every change of the list's lines makes the context line unknown: a menu
// then acts on the line clicked or selected anew, never on a line that has
// since become another device's.
void CSysCfgDevicesPage::ListChanged()
{
    m_nContextIndex = -1;
    OnSelChangeList();
}

void CSysCfgDevicesPage::OnSelChangeList()
{
    m_list.UpdateHorizontalExtent();
    GetDlgItem(IDC_DEVICES_REMOVE)->EnableWindow(m_list.GetCount() > 0 && m_list.GetSelCount() > 0);
}

void CSysCfgDevicesPage::OnAddRange(UINT nID)
{
    for (const auto& b : kAddButtons)
        if (b.nID == nID)
            AddDevice(b.wClass);
}

void CSysCfgDevicesPage::OnAddOther()
{
    AddDevice(DEVCLASS_UNKNOWN);
}

void CSysCfgDevicesPage::AddDevice(WORD wClass)
{
    if (wClass >= kDefaultDeviceCount)
        return;
    m_workDevice = m_prototypes[wClass];
    ProposeFromPrototype(m_workDevice);
    DWORD dwKey = 0;
    if (!NextFreeDevNum(Edited(), m_workDevice.GetKey(), wClass, wClass == DEVCLASS_COMM, dwKey)) {
        MyMessageBeep();
        return;
    }
    m_workDevice.m_bLcss = (BYTE)(dwKey >> 16);
    m_workDevice.m_wDevnum = (WORD)dwKey;
    SetConfigDirAsCurrent();
    CString strCommand;
    if (!RunDeviceDialog(true, false, strCommand))
        return;
    m_pending.Append(strCommand);
    AddDeviceToList();
}

void CSysCfgDevicesPage::AddDeviceToList()
{
    const DWORD dwKey = m_workDevice.GetKey();
    Edited().m_devices.SetAt(dwKey, m_workDevice);
    ReevaluateModified();
    if (m_workDevice.m_wClass < kDefaultDeviceCount)
        m_prototypes[m_workDevice.m_wClass] = m_workDevice;
    // A line of the same key is replaced, so no device shows twice.
    PutWorkDeviceLine(false);
}

// The work device's line in place of its key's line (bKeepPlace), else
// where its key sorts, selected alone. Redraw off meanwhile: a list box
// that draws updates its scroll bar as each line goes and comes, which
// Wine draws at once (6-8 ms at 2,000 lines); a line replaced leaves the
// bar as it was.
int CSysCfgDevicesPage::PutWorkDeviceLine(bool bKeepPlace)
{
    const DWORD dwKey = m_workDevice.GetKey();
    m_list.SetRedraw(FALSE);
    int nLine = DeviceLineIndexOfKey(m_list.LineKeys(), dwKey);
    m_list.DeleteLine(nLine);
    if (nLine < 0 || !bKeepPlace)
        nLine = DeviceLineInsertIndex(m_list.LineKeys(), Edited().m_devices, m_workDevice);
    nLine = m_list.InsertLine(nLine, FormatDeviceStatement(m_workDevice), dwKey);
    m_list.SetSel(-1, FALSE);
    m_list.SetSel(nLine, TRUE);
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
    ListChanged();
    return nLine;
}

void CSysCfgDevicesPage::OnRemove()
{
    int nCount = m_list.GetSelCount();
    if (nCount <= 0)
        return;
    std::vector<int> selected((size_t)nCount);
    m_list.GetSelItems(nCount, selected.data());
    // Redraw off while the lines go (see BeginLines); the modified state
    // once, for the device map as the removal leaves it.
    m_list.SetRedraw(FALSE);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        DWORD dwKey = m_list.LineKeys()[(size_t)*it];
        Edited().m_devices.RemoveKey(dwKey);
        m_list.DeleteLine(*it);
        m_pending.Append(DetachCommand(dwKey));
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
    ReevaluateModified();
    int nSelect = SelectionAfterRemoval(selected.back(), m_list.GetCount());
    if (nSelect >= 0)
        m_list.SetSel(nSelect, TRUE);
    ListChanged();
}

void CSysCfgDevicesPage::OnListParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) != WM_RBUTTONDOWN || m_list.GetCount() == 0)
        return;
    m_list.SetSel(-1, FALSE);
    m_nContextIndex = -1;
    CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    ::MapWindowPoints(m_hWnd, m_list.m_hWnd, &pt, 1);
    CRect rcClient;
    m_list.GetClientRect(&rcClient);
    for (int i = m_list.GetTopIndex(); i < m_list.GetCount(); ++i) {
        CRect rcLine;
        m_list.SendMessage(LB_GETITEMRECT, (WPARAM)i, (LPARAM)&rcLine);
        if (!rcClient.PtInRect(rcLine.TopLeft()))
            break;
        if (rcLine.PtInRect(pt)) {
            m_list.SetSel(i, TRUE);
            m_nContextIndex = i;
            LoadContextDevice();
            break;
        }
    }
    OnSelChangeList();
}

// From the mouse the menu is of the line the right click hit; from the
// keyboard (the point -1,-1) of the selected line, and it opens beside it.
void CSysCfgDevicesPage::OnContextMenu(CWnd*, CPoint point)
{
    if (m_list.GetCount() == 0)
        return;
    bool bKeyboard = point.x == -1 && point.y == -1;
    if (!bKeyboard) {
        CRect rcList;
        m_list.GetWindowRect(&rcList);
        if (!rcList.PtInRect(point))
            return;
    }
    CPoint pt = CalcContextMenuPoint(&m_list, point);
    if (bKeyboard) {
        m_nContextIndex = KeyboardContextLine();
        LoadContextDevice();
        CRect rcLine, rcClient;
        m_list.GetClientRect(&rcClient);
        bool bLineRect = HasContextLine() &&
                         m_list.SendMessage(LB_GETITEMRECT, (WPARAM)m_nContextIndex, (LPARAM)&rcLine) != LB_ERR;
        if (bLineRect && rcClient.PtInRect(CPoint(rcLine.left, (rcLine.top + rcLine.bottom) / 2)))
            pt = ContextMenuPointBeside(m_list.m_hWnd, rcLine);
    }
    BCMenu menu;
    menu.LoadMenu(IDR_DEVICES_MENU);
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

// The caret's line when it is selected, else the first selected line; -1
// without a selection.
int CSysCfgDevicesPage::KeyboardContextLine() const
{
    int nCaret = (int)m_list.SendMessage(LB_GETCARETINDEX);
    if (nCaret >= 0 && m_list.GetSel(nCaret) > 0)
        return nCaret;
    int nFirst = -1;
    return m_list.GetSelItems(1, &nFirst) == 1 ? nFirst : -1;
}

void CSysCfgDevicesPage::OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu)
{
    CSysCfgPage::OnInitMenuPopup(pPopup, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    bool bLine = HasContextLine();
    const WORD* pwLoadUnit = m_list.m_bHasHighlight ? &m_list.m_wHighlightDevnum : nullptr;
    DevicesMenuState state =
        DevicesContextMenuState(bLine, bLine ? (DWORD)m_list.GetItemData(m_nContextIndex) : 0, pwLoadUnit);
    const UINT nEdit = MF_BYCOMMAND | (state.bEditEnabled ? MF_ENABLED : MF_GRAYED);
    pPopup->EnableMenuItem(ID_DEVICES_MANUAL_EDIT, nEdit);
    pPopup->EnableMenuItem(ID_DEVICES_PROPERTIES, nEdit);
    pPopup->EnableMenuItem(ID_DEVICES_SET_LOAD_UNIT,
                           MF_BYCOMMAND | (state.bLoadUnitEnabled ? MF_ENABLED : MF_GRAYED));
    pPopup->CheckMenuItem(ID_DEVICES_SET_LOAD_UNIT,
                          MF_BYCOMMAND | (state.bLoadUnitChecked ? MF_CHECKED : MF_UNCHECKED));
}

void CSysCfgDevicesPage::OnSetLoadUnit()
{
    if (!LoadContextDevice())
        return;
    // The Options page made now would take the new load unit for its
    // applied one.
    m_pDlg->MakePage(&m_pDlg->m_DevOptsPage);
    const DWORD dwKey = m_workDevice.GetKey();
    m_list.m_wHighlightDevnum = (WORD)dwKey;
    m_list.m_bHasHighlight = true;
    Edited().m_strLoadUnit = LoadUnitOfKey(dwKey);
    m_pDlg->RefreshDevOptsLoadUnit();
    m_list.Invalidate();
}

void CSysCfgDevicesPage::OnDblClkList()
{
    if (m_list.GetSelCount() != 1)
        return;
    int nLine = -1;
    m_list.GetSelItems(1, &nLine);
    m_nContextIndex = nLine;
    if (LoadContextDevice())
        EditDevice(true);
}

void CSysCfgDevicesPage::OnProperties()
{
    if (LoadContextDevice())
        EditDevice(true);
}

void CSysCfgDevicesPage::OnManualEdit()
{
    if (LoadContextDevice())
        EditDevice(false);
}

void CSysCfgDevicesPage::EditDevice(bool bProperties)
{
    const WORD wClass = bProperties ? m_workDevice.m_wClass : (WORD)DEVCLASS_UNKNOWN;
    if (wClass > DEVCLASS_UNKNOWN)
        return;
    SetClassDirAsCurrent(wClass);
    const DWORD dwOldKey = m_workDevice.GetKey();
    CString strCommand;
    if (!RunDeviceDialog(false, !bProperties, strCommand))
        return;
    m_pending.Append(strCommand);
    // An edit keeps its key; should a dialog hand back another, the old
    // device goes so that the configuration holds it once.
    if (m_workDevice.GetKey() != dwOldKey) {
        Edited().m_devices.RemoveKey(dwOldKey);
        m_list.SetRedraw(FALSE);  // on again once the new line is in
        m_list.DeleteLine(DeviceLineIndexOfKey(m_list.LineKeys(), dwOldKey));
    }
    Edited().m_devices.SetAt(m_workDevice.GetKey(), m_workDevice);
    ReevaluateModified();
    m_nContextIndex = PutWorkDeviceLine(true);
}

void CSysCfgDevicesPage::SetConfigDirAsCurrent()
{
    if (m_workDevice.m_strFirstArg.IsEmpty())
        return;
    CSplitPath path(m_workDevice.m_strFirstArg);
    CString strDir = WindowsizedDirectory(path.GetFullPathOnly());
    if (!strDir.IsEmpty() && !::SetCurrentDirectoryA(strDir))
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "SetCurrentDirectoryA(\"%s\") FAILED! rc = %u", (LPCSTR)strDir,
                          (UINT)::GetLastError());
}

void CSysCfgDevicesPage::SetClassDirAsCurrent(WORD wClass)
{
    const SysCfgDeviceFolders& dirs = m_pDlg->m_deviceFolders;
    CString strDir;
    switch (wClass) {
    case DEVCLASS_RDR: strDir = dirs.strReader; break;
    case DEVCLASS_PCH: strDir = dirs.strPunch; break;
    case DEVCLASS_PRT: strDir = dirs.strPrinter; break;
    case DEVCLASS_LOG:
    case DEVCLASS_3270:
    case DEVCLASS_COMM: strDir = m_pDlg->m_strConfigFilesDir; break;
    case DEVCLASS_DISK: strDir = dirs.strDisk; break;
    case DEVCLASS_TAPE: strDir = dirs.strTape; break;
    default: return;
    }
    if (!strDir.IsEmpty() && !::SetCurrentDirectoryA(strDir))
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "SetCurrentDirectoryA(\"%s\") FAILED! rc = %u", (LPCSTR)strDir,
                          (UINT)::GetLastError());
}

bool CSysCfgDevicesPage::RunDeviceDialog(bool bAdd, bool bManualEdit, CString& strCommand)
{
    strCommand.Empty();
    if (!m_pDlg->m_defineDevice) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "no device definition dialogs to open");
        return false;
    }
    SysCfgDeviceDialogRun run;
    run.pParent = this;
    run.bAdd = bAdd;
    run.bManualEdit = bManualEdit;
    run.bRunningDevice = m_pDlg->m_isEmulatorRunning && m_pDlg->m_isEmulatorRunning();
    run.pRouter = &m_router;
    CVornDevice dev = m_workDevice;
    if (!m_pDlg->m_defineDevice(dev, strCommand, run))
        return false;
    m_workDevice = dev;
    return true;
}

LRESULT CSysCfgDevicesPage::OnSysCfgApply(WPARAM, LPARAM)
{
    bool bRunning = m_pDlg->m_isEmulatorRunning && m_pDlg->m_isEmulatorRunning();
    m_pending.Flush(bRunning, [this](const CString& str) {
        if (m_pDlg->m_sendCommand)
            m_pDlg->m_sendCommand(str);
    });
    return 1;
}
