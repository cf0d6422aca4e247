// AddDasdDlg.cpp: the disk device's definition dialog.
#include "devices/AddDasdDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "config/DasdImage.h"
#include "config/DasdModels.h"
#include "config/DevClass.h"
#include "config/DevNum.h"
#include "config/FieldRules.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "devices/DasdDeviceRules.h"
#include "devices/DeviceDialogRules.h"
#include "devices/RemoteDeviceDialog.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"
#include "utilities/UtilityDlg.h"

namespace {

// The fallback entry of the model list is "2314-1".
const SDeviceDlgClass kDasdClass = {DEVCLASS_DISK, IDS_DEVTYPES_DASD, "Add New DASD Device",
                                    "Reinitialize DASD Device", 6};

CString DiskFolder()
{
    return g_pView ? g_pView->GetDiskFilesDir() : CString();
}

bool IsFbaFamily(BYTE nKind)
{
    return nKind == 4 || nKind == 5 || nKind == 6 || nKind == 10 || nKind == 11 || nKind == 12;
}

bool IsPlainFba(BYTE nKind)
{
    return nKind == 4 || nKind == 10;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddDasdDlg, CDeviceDlg)
    ON_BN_CLICKED(IDC_DASDDEV_BROWSE, OnBrowseDasdFile)
    ON_BN_CLICKED(IDC_DASDDEV_SHADOW_BROWSE, OnBrowseShadowFile)
    ON_BN_CLICKED(IDC_DASDDEV_SHADOWING, OnShadowing)
    ON_BN_CLICKED(IDC_DASDDEV_READONLY, OnReadOnly)
    ON_BN_CLICKED(IDC_DASDDEV_FAKEWRITE, OnFakeWrites)
    ON_BN_CLICKED(IDC_DASDDEV_CU3990, OnCu3990)
    ON_BN_CLICKED(IDC_DASDDEV_MINIDISK, OnMinidisk)
    ON_BN_CLICKED(IDC_DASDDEV_REMOTE, OnRemoteDevice)
    ON_CBN_SELENDOK(IDC_DEVDLG_DEVTYPE, OnDeviceTypeSelEndOk)
    ON_EN_CHANGE(IDC_DASDDEV_FILE, OnFileNameChange)
    ON_EN_CHANGE(IDC_DASDDEV_SERIAL, OnSerialChange)
    ON_EN_CHANGE(IDC_DASDDEV_ORIGIN, OnOriginChange)
    ON_EN_CHANGE(IDC_DASDDEV_BLOCKS, OnBlocksChange)
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_ADDDASD_DEFERRED_INIT, OnDeferredInit)
END_MESSAGE_MAP()

CAddDasdDlg::CAddDasdDlg(CWnd* pParent) : CDeviceDlg(IDD, kDasdClass, pParent) {}

// Steps 1-3: the file text, the working options and the states they hold.
void CAddDasdDlg::LoadDevice()
{
    m_LoadedDevice = m_Device;
    m_bSerialWritten = !GivenDasdSerial(m_Device.m_strOtherArgs, m_Device.m_wDevType).IsEmpty();
    if (m_strFileName.IsEmpty())
        m_strFileName = m_Device.m_strFirstArg;
    if (m_Device.GetDasdParms()) {
        m_pParms = std::make_unique<CVornDasdParms>(&m_Device, *m_Device.GetDasdParms());
    } else {
        m_pParms = std::make_unique<CVornDasdParms>(&m_Device);
        m_pParms->Reset(m_Device.m_wDevType);
    }
    m_strSerial = m_pParms->m_strSerial;
    m_bCu3990 = m_pParms->m_bCU3990_6;
    m_bFakeWrite = m_pParms->m_bFakeWrite;
    m_bReadOnly = m_pParms->m_bReadOnly;
    m_bShadowing = m_pParms->m_bHasShadowFile;
    m_strShadowFile = m_pParms->m_strShadowFile;
    m_bMinidisk = m_pParms->IsFbaImage() && m_pParms->m_dwBlockCount != 0;
    if (m_bMinidisk) {
        m_strOrigin.Format("%u", (unsigned)m_pParms->m_dwOrigin);
        m_strBlocks.Format("%u", (unsigned)m_pParms->m_dwBlockCount);
    }
}

// Steps 6-8 after the frame's identification fields.
void CAddDasdDlg::InitControls()
{
    m_strImageSerial = ImageSerial();
    m_strSerialImageName = FileText();
    if (m_bAdd)
        OnDeviceTypeSelEndOk();
    m_bRemote = IsRemoteName();
    SetCheck(IDC_DASDDEV_REMOTE, m_bRemote);
    SetCheck(IDC_DASDDEV_MINIDISK, m_bMinidisk);
    SetCheck(IDC_DASDDEV_SHADOWING, m_bShadowing);
    SetCheck(IDC_DASDDEV_CU3990, m_bCu3990);
    SetCheck(IDC_DASDDEV_READONLY, m_bReadOnly);
    SetCheck(IDC_DASDDEV_FAKEWRITE, m_bFakeWrite);
    SendDlgItemMessage(IDC_DASDDEV_ORIGIN_SPIN, UDM_SETRANGE32, 0, (LPARAM)m_pParms->m_dwTotalBlocks);
    SendDlgItemMessage(IDC_DASDDEV_BLOCKS_SPIN, UDM_SETRANGE32, 0, (LPARAM)m_pParms->m_dwTotalBlocks);
}

void CAddDasdDlg::ExchangeFields(CDataExchange* pDX)
{
    bool bUpdating = m_bUpdating;
    m_bUpdating = !pDX->m_bSaveAndValidate;
    DDX_Text(pDX, IDC_DASDDEV_FILE, m_strFileName);
    DDX_Text(pDX, IDC_DASDDEV_SHADOW, m_strShadowFile);
    DDX_Text(pDX, IDC_DASDDEV_ORIGIN, m_strOrigin);
    DDX_Text(pDX, IDC_DASDDEV_BLOCKS, m_strBlocks);
    DDX_Text(pDX, IDC_DASDDEV_SERIAL, m_strSerial);
    m_bUpdating = bUpdating;
}

bool CAddDasdDlg::IsRemoteName() const
{
    return IsHostPortSpec(FileText());
}

CString CAddDasdDlg::FileText() const
{
    CString str = m_strFileName;
    TrimBlanks(str);
    return str;
}

// ---- the checks on OK, after the device number ----

bool CAddDasdDlg::ValidateFields(CDataExchange* pDX)
{
    if (!ValidateFileNames(pDX) || !ValidateDeviceType(pDX) || !ValidateSerialNumber(pDX))
        return false;
    if (!CheckImageDeviceType(m_bAdd ? IDC_DEVDLG_DEVTYPE : IDC_DASDDEV_FILE, false))
        return true;
    pDX->Fail();
    return false;
}

// A remote name is not a file; an image must be one and, adding, one no
// other device uses; shadowing needs a shadow name.
bool CAddDasdDlg::ValidateFileNames(CDataExchange* pDX)
{
    if (IsRemoteName())
        return true;
    if (!CheckInputFile(pDX, m_strFileName, IDC_DASDDEV_FILE, "Filename"))
        return false;
    if (!CheckFileNotInUse(pDX, m_strFileName, IDC_DASDDEV_FILE, "Filename"))
        return false;
    CString strShadow = m_strShadowFile;
    if (IsChecked(IDC_DASDDEV_SHADOWING) && TrimBlanks(strShadow).IsEmpty())
        return Refuse(pDX, IDC_DASDDEV_SHADOW, "ShadowFile Name", "You must enter a shadowfile name");
    return true;
}

// The minidisk within the model's blocks (a bare type's: the image's); the
// end is computed without wrap-around, so a count of 0 is refused at every
// origin.
bool CAddDasdDlg::ValidateDeviceType(CDataExchange* pDX)
{
    if (!IsChecked(IDC_DASDDEV_MINIDISK) || !::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_DASDDEV_MINIDISK))) {
        m_pParms->m_dwOrigin = 0;
        m_pParms->m_dwBlockCount = 0;
        m_pParms->m_bBlocksToEnd = false;
        return true;
    }
    DWORD dwOrigin = 0, dwCount = 0;
    DWORD dwBlocks = MinidiskBlocks(SelectedTypeName(), m_pParms->m_dwTotalBlocks);
    switch (CheckMinidisk(dwBlocks, m_strOrigin, m_strBlocks, dwOrigin, dwCount)) {
    case kMinidiskUnknownModel:
        return Refuse(pDX, IDC_DEVDLG_DEVTYPE, "Device Type", "Unsupported or unknown device type");
    case kMinidiskBadOrigin:
        return Refuse(pDX, IDC_DASDDEV_ORIGIN, "Block Origin", "Origin exceeds maximum block number for device");
    case kMinidiskBadEnd:
        return Refuse(pDX, IDC_DASDDEV_BLOCKS, "Number of Blocks", "Ending block number exceeds maximum for device");
    case kMinidiskOK:
        break;
    }
    m_pParms->m_dwOrigin = dwOrigin;
    m_pParms->m_dwBlockCount = dwCount;
    m_pParms->m_bBlocksToEnd = false;
    return true;
}

bool CAddDasdDlg::ValidateSerialNumber(CDataExchange* pDX)
{
    if (!IsValidDasdSerial(m_strSerial))
        return Refuse(pDX, IDC_DASDDEV_SERIAL, "Serial Number", "Invalid serial number");
    m_pParms->m_strSerial = m_strSerial;
    return true;
}

bool CAddDasdDlg::CheckImageDeviceType(UINT nTrigger, bool bQuiet)
{
    bool bFbaModel = IsFbaModel(SelectedTypeName());
    if (m_nImageType == 0 || IsFbaFamily(m_nImageType) == bFbaModel)
        return false;
    if (bQuiet)
        return true;
    if (m_bAdd && nTrigger != IDC_DASDDEV_FILE) {
        ErrorBalloon(this, IDC_DEVDLG_DEVTYPE, "Device Type",
                     "Selected Device Type does not match image Filename's Device Type.", kBalloonIconWarning);
    } else {
        CString strText;
        strText.Format("File is not a %s type.", bFbaModel ? "FBA/CFBA" : "CKD/CCKD");
        ErrorBalloon(this, IDC_DASDDEV_FILE, "Filename", strText, kBalloonIconWarning);
    }
    return true;
}

// ---- the device and the command ----

void CAddDasdDlg::BuildArguments()
{
    // The file check made the name a full path in Windows form; a name of
    // the file the statement already named keeps the statement's spelling
    // (its "/" separators among them), so that an OK that changes nothing
    // changes nothing.
    m_Device.m_strFirstArg = FileText();
    if (IsSameDeviceFile(m_Device.m_strFirstArg, m_LoadedDevice.m_strFirstArg))
        m_Device.m_strFirstArg = m_LoadedDevice.m_strFirstArg;
    if (m_bAdd)
        GetModelDevType(m_Device.m_strTypeWord, m_Device.m_wDevType);
    CVornDasdParms& parms = *m_pParms;
    parms.m_wDevType = m_Device.m_wDevType;
    parms.m_bCU3990_6 = m_bCu3990;
    parms.m_bFakeWrite = m_bFakeWrite;
    parms.m_bReadOnly = m_bReadOnly;
    parms.m_bHasShadowFile = m_bShadowing;
    parms.m_strShadowFile = m_bShadowing ? TrimBlanks(m_strShadowFile) : CString();
    // The serial is the field's: an emptied field is no serial. Formatting
    // would read the image again and fill an empty serial from its header.
    // The image's own serial is not an option: an emulator reads it from the
    // image, and an older one refuses the word.
    parms.RefreshImageInfo();
    parms.m_strSerial = m_strSerial;
    CVornDasdParms written = parms;
    if (!m_bSerialWritten)
        written.m_strSerial.Empty();
    m_Device.m_strOtherArgs = written.FormatOptions();
    m_Device.SetDasdParms(parms);
    if (IsSameDiskStatement(m_Device, m_LoadedDevice))
        m_Device = m_LoadedDevice;
}

CString CAddDasdDlg::BuildCommand()
{
    return DasdCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), GetModelDevTypeNumber(m_Device.m_strTypeWord),
                       m_Device.m_strFirstArg, m_Device.m_strOtherArgs);
}

// ---- handlers ----

void CAddDasdDlg::OnBrowseDasdFile()
{
    GetDlgItemText(IDC_DASDDEV_FILE, m_strFileName);
    CString strPrevious = m_strFileName;
    if (IsRemoteName()) {
        CRemoteDeviceDialog dlg(this);
        dlg.m_strRemoteName = FileText();
        dlg.ParseRemoteDasdName();
        if (dlg.DoModal() == IDOK)
            SetDlgItemText(IDC_DASDDEV_FILE, TrimBlanks(dlg.m_strRemoteName));
    } else {
        CString strPath = m_strFileName;
        BrowseForFile(GetDiskFilesFilter(), strPath, "Dasd File", DiskFolder(), GetDlgItem(IDC_DASDDEV_FILE), true);
    }
    GetDlgItemText(IDC_DASDDEV_FILE, m_strFileName);
    if (FileText().IsEmpty())
        SetDlgItemText(IDC_DASDDEV_FILE, strPrevious);
    Refresh(m_bAdd ? IDC_DEVDLG_DEVTYPE : IDC_DASDDEV_FILE);
}

void CAddDasdDlg::OnBrowseShadowFile()
{
    GetDlgItemText(IDC_DASDDEV_SHADOW, m_strShadowFile);
    if (BrowseForShadowFile(GetDiskFilesFilter(), m_strShadowFile, DiskFolder()) == IDOK)
        SetDlgItemText(IDC_DASDDEV_SHADOW, m_strShadowFile);
}

// On with an empty shadow name: the proposed one; off: no shadow name.
void CAddDasdDlg::OnShadowing()
{
    m_bShadowing = IsChecked(IDC_DASDDEV_SHADOWING);
    GetDlgItemText(IDC_DASDDEV_SHADOW, m_strShadowFile);
    CString strShadow = m_strShadowFile;
    if (m_bShadowing && TrimBlanks(strShadow).IsEmpty() && !FileText().IsEmpty())
        m_strShadowFile = ProposeShadowName(FileText());
    if (!m_bShadowing)
        m_strShadowFile.Empty();
    UpdateControls();
}

void CAddDasdDlg::OnReadOnly()
{
    m_bReadOnly = IsChecked(IDC_DASDDEV_READONLY);
    UpdateControls();
}

void CAddDasdDlg::OnFakeWrites()
{
    m_bFakeWrite = IsChecked(IDC_DASDDEV_FAKEWRITE);
    UpdateControls();
}

void CAddDasdDlg::OnCu3990()
{
    m_bCu3990 = IsChecked(IDC_DASDDEV_CU3990);
    UpdateControls();
}

void CAddDasdDlg::OnMinidisk()
{
    m_bMinidisk = IsChecked(IDC_DASDDEV_MINIDISK);
    UpdateControls();
}

// On: the remote disk's dialog on the file text (Cancel turns it off
// again); off: a remote name is emptied.
void CAddDasdDlg::OnRemoteDevice()
{
    GetDlgItemText(IDC_DASDDEV_FILE, m_strFileName);
    if (IsChecked(IDC_DASDDEV_REMOTE)) {
        CRemoteDeviceDialog dlg(this);
        dlg.m_strRemoteName = FileText();
        dlg.ParseRemoteDasdName();
        m_bRemote = dlg.DoModal() == IDOK;
        if (m_bRemote)
            SetDlgItemText(IDC_DASDDEV_FILE, TrimBlanks(dlg.m_strRemoteName));
        SetCheck(IDC_DASDDEV_REMOTE, m_bRemote);
    } else {
        m_bRemote = false;
        if (IsRemoteName())
            SetDlgItemText(IDC_DASDDEV_FILE, "");
    }
    UpdateControls();
}

void CAddDasdDlg::OnDeviceTypeSelEndOk()
{
    CString strModel = SelectedTypeName();
    GetModelDevType(strModel, m_pParms->m_wDevType);
    CheckImageDeviceType(IDC_DASDDEV_FILE, false);
    UpdateControls();
}

void CAddDasdDlg::OnFileNameChange()
{
    if (m_bUpdating)
        return;
    GetDlgItemText(IDC_DASDDEV_FILE, m_strFileName);
    m_Device.m_strFirstArg = FileText();
    if (IsRemoteName())
        SetCheck(IDC_DASDDEV_REMOTE, true);
    Refresh(m_bAdd ? IDC_DEVDLG_DEVTYPE : IDC_DASDDEV_FILE);
}

// Typed (or pasted) by the user: the serial is written.
void CAddDasdDlg::OnSerialChange()
{
    if (!m_bUpdating)
        m_bSerialWritten = true;
}

// Unless written by the dialog: an origin beyond the image is clamped to
// its total, then the count to what remains.
void CAddDasdDlg::OnOriginChange()
{
    if (m_bUpdating)
        return;
    DWORD dwOrigin = FieldNumber(IDC_DASDDEV_ORIGIN);
    if (dwOrigin > m_pParms->m_dwTotalBlocks) {
        dwOrigin = m_pParms->m_dwTotalBlocks;
        CString str;
        str.Format("%u", (unsigned)dwOrigin);
        SetEditText(IDC_DASDDEV_ORIGIN, str);
    }
    m_pParms->m_dwOrigin = dwOrigin;
    OnBlocksChange();
}

void CAddDasdDlg::OnBlocksChange()
{
    if (m_bUpdating)
        return;
    DWORD dwBlocks = FieldNumber(IDC_DASDDEV_BLOCKS);
    DWORD dwRemaining = m_pParms->m_dwTotalBlocks - std::min(m_pParms->m_dwOrigin, m_pParms->m_dwTotalBlocks);
    if (dwBlocks > dwRemaining) {
        dwBlocks = dwRemaining;
        CString str;
        str.Format("%u", (unsigned)dwBlocks);
        SetEditText(IDC_DASDDEV_BLOCKS, str);
    }
    m_pParms->m_dwBlockCount = dwBlocks;
    UpdateSpinRanges();
}

void CAddDasdDlg::OnWindowPosChanged(WINDOWPOS* pPos)
{
    CDeviceDlg::OnWindowPosChanged(pPos);
    if (!m_bDeferredDone)
        PostMessage(WM_ADDDASD_DEFERRED_INIT);
}

// The image is read once the dialog is on screen.
LRESULT CAddDasdDlg::OnDeferredInit(WPARAM, LPARAM)
{
    if (m_bDeferredDone)
        return 0;
    m_bDeferredDone = true;
    RefreshImageType();
    UpdateControls();
    return 0;
}

// ---- the controls ----

void CAddDasdDlg::Refresh(UINT nTrigger)
{
    RefreshImageType();
    CheckImageDeviceType(nTrigger, false);
    UpdateControls();
    // The serial follows the image: another image's own, or none in place
    // of the previous image's own (a serial typed by the user stays). The
    // same name read again (a cancelled browse) leaves the field as it is.
    if (IsRemoteName() || FileText() == m_strSerialImageName)
        return;
    m_strSerialImageName = FileText();
    CString strImageSerial = ImageSerial();
    GetDlgItemText(IDC_DASDDEV_SERIAL, m_strSerial);
    if (!strImageSerial.IsEmpty() || m_strSerial == m_strImageSerial) {
        m_strSerial = strImageSerial;
        SetEditText(IDC_DASDDEV_SERIAL, m_strSerial);
        m_bSerialWritten = true;  // it came with the image the user named
    }
    m_strImageSerial = strImageSerial;
}

CString CAddDasdDlg::ImageSerial() const
{
    DasdImageHeader hdr;
    if (IsRemoteName() || !ReadDasdImageHeader(FileText(), hdr, true))
        return CString();
    return hdr.strSerial;
}

void CAddDasdDlg::RefreshImageType()
{
    CString strName = FileText();
    if (strName == m_strImageNameRead && m_bDeferredDone)
        return;
    m_nImageType = IsRemoteName() ? 0 : GetDasdImageType(strName, true);
    m_strImageNameRead = strName;
    m_Device.m_strFirstArg = strName;
    m_pParms->RefreshImageInfo();
    UpdateSpinRanges();
}

void CAddDasdDlg::UpdateSpinRanges()
{
    if (!::GetDlgItem(m_hWnd, IDC_DASDDEV_ORIGIN_SPIN))
        return;
    DWORD dwTotal = m_pParms->m_dwTotalBlocks;
    DWORD dwOrigin = std::min(m_pParms->m_dwOrigin, dwTotal);
    SendDlgItemMessage(IDC_DASDDEV_ORIGIN_SPIN, UDM_SETRANGE32, 0, (LPARAM)(dwTotal ? dwTotal - 1 : 0));
    SendDlgItemMessage(IDC_DASDDEV_BLOCKS_SPIN, UDM_SETRANGE32, 0, (LPARAM)(dwTotal - dwOrigin));
}

void CAddDasdDlg::SetEditText(UINT nID, const char* psz)
{
    bool bUpdating = m_bUpdating;
    m_bUpdating = true;
    SetDlgItemText(nID, psz);
    m_bUpdating = bUpdating;
}

DWORD CAddDasdDlg::FieldNumber(UINT nID) const
{
    CString str;
    GetDlgItemText(nID, str);
    long long n = 0;
    return ParseFieldInt(str, 0, 0xFFFFFFFFll, n) ? (DWORD)n : 0;
}

// The options that the image takes, from the quiet model check and the
// states.
void CAddDasdDlg::UpdateControls()
{
    bool bMismatch = CheckImageDeviceType(IDC_DASDDEV_FILE, true);
    const UINT kCkdBoxes[] = {IDC_DASDDEV_CU3990, IDC_DASDDEV_REMOTE, IDC_DASDDEV_FAKEWRITE, IDC_DASDDEV_READONLY,
                              IDC_DASDDEV_SHADOWING};
    if (!bMismatch && IsPlainFba(m_nImageType)) {
        m_bCu3990 = m_bRemote = m_bFakeWrite = m_bReadOnly = m_bShadowing = false;
        m_strShadowFile.Empty();
        for (UINT nID : kCkdBoxes) {
            SetCheck(nID, false);
            EnableControl(nID, false);
        }
        SetEditText(IDC_DASDDEV_SHADOW, "");
        EnableControl(IDC_DASDDEV_SHADOW, false);
        EnableControl(IDC_DASDDEV_SHADOW_BROWSE, false);
        EnableControl(IDC_DASDDEV_MINIDISK, true);
        SetCheck(IDC_DASDDEV_MINIDISK, m_bMinidisk);
        for (UINT nID : {IDC_DASDDEV_ORIGIN, IDC_DASDDEV_ORIGIN_SPIN, IDC_DASDDEV_BLOCKS, IDC_DASDDEV_BLOCKS_SPIN})
            EnableControl(nID, m_bMinidisk);
        if (m_bMinidisk) {
            m_strOrigin.Format("%u", (unsigned)m_pParms->m_dwOrigin);
            m_strBlocks.Format("%u", (unsigned)m_pParms->m_dwBlockCount);
        } else {
            m_strOrigin = m_strBlocks = "0";
        }
        SetEditText(IDC_DASDDEV_ORIGIN, m_strOrigin);
        SetEditText(IDC_DASDDEV_BLOCKS, m_strBlocks);
        UpdateSpinRanges();
        return;
    }
    SetCheck(IDC_DASDDEV_MINIDISK, false);
    EnableControl(IDC_DASDDEV_MINIDISK, false);
    SetEditText(IDC_DASDDEV_ORIGIN, "0");
    SetEditText(IDC_DASDDEV_BLOCKS, "0");
    for (UINT nID : {IDC_DASDDEV_ORIGIN, IDC_DASDDEV_ORIGIN_SPIN, IDC_DASDDEV_BLOCKS, IDC_DASDDEV_BLOCKS_SPIN})
        EnableControl(nID, false);
    for (UINT nID : kCkdBoxes)
        EnableControl(nID, true);
    EnableControl(IDC_DASDDEV_SHADOW_BROWSE, true);
    SetCheck(IDC_DASDDEV_CU3990, m_bCu3990);
    SetCheck(IDC_DASDDEV_SHADOWING, m_bShadowing);
    if (m_bShadowing) {
        m_bReadOnly = m_bFakeWrite = false;
        SetCheck(IDC_DASDDEV_READONLY, false);
        SetCheck(IDC_DASDDEV_FAKEWRITE, false);
        EnableControl(IDC_DASDDEV_READONLY, false);
        EnableControl(IDC_DASDDEV_FAKEWRITE, false);
        EnableControl(IDC_DASDDEV_SHADOW, true);
        SetEditText(IDC_DASDDEV_SHADOW, m_strShadowFile);
    } else {
        m_bFakeWrite = m_bFakeWrite && m_bReadOnly;
        SetCheck(IDC_DASDDEV_READONLY, m_bReadOnly);
        EnableControl(IDC_DASDDEV_FAKEWRITE, m_bReadOnly);
        SetCheck(IDC_DASDDEV_FAKEWRITE, m_bReadOnly && m_bFakeWrite);
        SetEditText(IDC_DASDDEV_SHADOW, "");
        EnableControl(IDC_DASDDEV_SHADOW, false);
        EnableControl(IDC_DASDDEV_SHADOW_BROWSE, false);
    }
    if (m_bRemote || IsRemoteName()) {
        EnableControl(IDC_DASDDEV_REMOTE, true);
        SetCheck(IDC_DASDDEV_REMOTE, m_bRemote || IsRemoteName());
        m_bFakeWrite = m_bReadOnly = m_bCu3990 = m_bShadowing = false;
        m_strShadowFile.Empty();
        for (UINT nID : {IDC_DASDDEV_FAKEWRITE, IDC_DASDDEV_READONLY, IDC_DASDDEV_CU3990, IDC_DASDDEV_SHADOWING}) {
            SetCheck(nID, false);
            EnableControl(nID, false);
        }
        SetEditText(IDC_DASDDEV_SHADOW, "");
        EnableControl(IDC_DASDDEV_SHADOW, false);
        EnableControl(IDC_DASDDEV_SHADOW_BROWSE, false);
    } else {
        SetCheck(IDC_DASDDEV_REMOTE, false);
    }
}

std::vector<CDeviceDlg::SHelpRow> CAddDasdDlg::HelpRows() const
{
    return {{0, IDS_HELP_DASDDEV},
            {IDC_DASDDEV_INPUT_GROUP, IDS_HELP_DASDDEV_INPUT_GROUP},
            {IDC_DASDDEV_FILE, IDS_HELP_DASDDEV_FILE},
            {IDC_DASDDEV_BROWSE, IDS_HELP_DASDDEV_BROWSE},
            {IDC_DASDDEV_CU3990, IDS_HELP_DASDDEV_CU3990},
            {IDC_DASDDEV_REMOTE, IDS_HELP_DASDDEV_REMOTE},
            {IDC_DASDDEV_READONLY, IDS_HELP_DASDDEV_READONLY},
            {IDC_DASDDEV_FAKEWRITE, IDS_HELP_DASDDEV_FAKEWRITE},
            {IDC_DASDDEV_SHADOWING, IDS_HELP_DASDDEV_SHADOWING},
            {IDC_DASDDEV_MINIDISK, IDS_HELP_DASDDEV_MINIDISK},
            {IDC_DASDDEV_ORIGIN_LABEL, IDS_HELP_DASDDEV_ORIGIN},
            {IDC_DASDDEV_ORIGIN, IDS_HELP_DASDDEV_ORIGIN},
            {IDC_DASDDEV_ORIGIN_SPIN, IDS_HELP_DASDDEV_ORIGIN},
            {IDC_DASDDEV_BLOCKS_LABEL, IDS_HELP_DASDDEV_BLOCKS},
            {IDC_DASDDEV_BLOCKS, IDS_HELP_DASDDEV_BLOCKS},
            {IDC_DASDDEV_BLOCKS_SPIN, IDS_HELP_DASDDEV_BLOCKS},
            {IDC_DASDDEV_SERIAL_LABEL, IDS_HELP_DASDDEV_SERIAL},
            {IDC_DASDDEV_SERIAL, IDS_HELP_DASDDEV_SERIAL},
            {IDC_DASDDEV_SHADOW_GROUP, IDS_HELP_DASDDEV_SHADOW_GROUP},
            {IDC_DASDDEV_SHADOW_BROWSE, IDS_HELP_DASDDEV_SHADOW_BROWSE},
            {IDC_DASDDEV_SHADOW, IDS_HELP_DASDDEV_SHADOW}};
}

// Items along each axis as the layout's k-of-n rule places them.
void CAddDasdDlg::SetupDynamicLayout()
{
    AddSzXControlById(IDC_DEVDLG_IDENT_GROUP, mdResize);
    AddSzXControlById(IDC_DASDDEV_INPUT_GROUP, mdResize);
    AddSzXControlById(IDC_DASDDEV_FILE, mdResize);
    AddSzXControlById(IDC_DASDDEV_BROWSE, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DEVDLG_OPTIONS_GROUP), mdResize, mdResize);
    const struct { UINT nID; int nX, nXOf, nY; } items[] = {
        {IDC_DASDDEV_CU3990, 1, 3, 1},     {IDC_DASDDEV_SHADOWING, 1, 3, 2}, {IDC_DASDDEV_READONLY, 2, 3, 1},
        {IDC_DASDDEV_FAKEWRITE, 2, 3, 2},  {IDC_DASDDEV_MINIDISK, 3, 3, 1},  {IDC_DASDDEV_REMOTE, 3, 3, 2},
        {IDC_DASDDEV_ORIGIN_LABEL, 1, 2, 3}, {IDC_DASDDEV_ORIGIN, 1, 2, 3},  {IDC_DASDDEV_ORIGIN_SPIN, 1, 2, 3},
        {IDC_DASDDEV_BLOCKS_LABEL, 2, 2, 3}, {IDC_DASDDEV_BLOCKS, 2, 2, 3},  {IDC_DASDDEV_BLOCKS_SPIN, 2, 2, 3},
        {IDC_DASDDEV_SERIAL_LABEL, 0, 0, 4}, {IDC_DASDDEV_SERIAL, 0, 0, 4},
    };
    for (const auto& item : items) {
        if (item.nXOf)
            AddSzXControlEvenMove(item.nXOf, item.nX, item.nID, true);
        AddSzYControlEvenMove(4, item.nY, item.nID, true);
    }
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DASDDEV_SHADOW_GROUP), mdResize, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DASDDEV_SHADOW), mdResize, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DASDDEV_SHADOW_BROWSE), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDCANCEL), mdRepos, mdRepos);
}
