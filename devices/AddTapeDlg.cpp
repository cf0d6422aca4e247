// AddTapeDlg.cpp: the tape drive's definition dialog.
#include "devices/AddTapeDlg.h"

#include <commctrl.h>

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/Limits.h"
#include "config/TapeImage.h"
#include "devices/DeviceDialogRules.h"
#include "platform/ProfileStore.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "session/VornGUIView.h"
#include "utilities/UtilityDlg.h"

namespace {

const SDeviceDlgClass kTapeClass = {DEVCLASS_TAPE, IDS_DEVTYPES_TAPE, "Add New TAPE Drive", "Reinitialize TAPE Drive",
                                    2};
const char kAddTapeSection[] = "ADDTAPE";

const UINT kChunkGroup[] = {IDC_TAPEDRV_CHUNK_LABEL, IDC_TAPEDRV_CHUNK, IDC_TAPEDRV_CHUNK_SPIN, IDC_TAPEDRV_CHUNK_UNIT};
const UINT kSizeGroup[] = {IDC_TAPEDRV_SIZE_LABEL, IDC_TAPEDRV_SIZE, IDC_TAPEDRV_SIZE_SPIN, IDC_TAPEDRV_SIZE_UNIT};
const UINT kEotGroup[] = {IDC_TAPEDRV_EOT_LABEL, IDC_TAPEDRV_EOT, IDC_TAPEDRV_EOT_SPIN, IDC_TAPEDRV_EOT_UNIT};
const UINT kCompressGroup[] = {IDC_TAPEDRV_LEVEL, IDC_TAPEDRV_LEVEL_LOW, IDC_TAPEDRV_LEVEL_HIGH, IDC_TAPEDRV_ZLIB,
                               IDC_TAPEDRV_BZIP2};
const UINT kScsiGroup[] = {IDC_TAPEDRV_BLKID32, IDC_TAPEDRV_BLKID22, IDC_TAPEDRV_NOERG};

template <size_t N>
size_t CountOf(const UINT (&)[N])
{
    return N;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddTapeDlg, CDeviceDlg)
    ON_BN_CLICKED(IDC_TAPEDRV_BROWSE, OnBrowseTapeFile)
    ON_BN_CLICKED(IDC_TAPEDRV_STRICT_AWS, OnStrictAws)
    ON_BN_CLICKED(IDC_TAPEDRV_READONLY, OnReadOnly)
    ON_EN_CHANGE(IDC_TAPEDRV_FILE, OnFileNameChange)
    ON_EN_KILLFOCUS(IDC_TAPEDRV_CHUNK, OnChunkSizeKillFocus)
    ON_CBN_SELENDOK(IDC_DEVDLG_DEVTYPE, OnDeviceTypeSelEndOk)
END_MESSAGE_MAP()

CAddTapeDlg::CAddTapeDlg(CWnd* pParent)
    : CDeviceDlg(IDD, kTapeClass, pParent), m_nTapeSizeMB(g_nDefTapeSizeMB), m_nEOTMarginKB(g_nDefEOTMarginKB)
{
}

// Steps 2-5: the file name and its kind; the last values (adding) or the
// drive's own words (reinitialising); the block-id default of the type.
void CAddTapeDlg::LoadDevice()
{
    CString strFile = m_Device.m_strFirstArg;
    TrimBlanks(strFile);
    m_strLoadedFile = strFile;
    if (!strFile.IsEmpty())
        m_strFileName = strFile;
    m_nFileType = GetTapeFileType(m_strFileName);
    STapeOptions opts = Options();
    if (m_bAdd) {
        int nChunk = (int)ProfileGetInt(kAddTapeSection, "ChunkSize", -1);
        int nSize = (int)ProfileGetInt(kAddTapeSection, "TapeSize", -1);
        int nMargin = (int)ProfileGetInt(kAddTapeSection, "EOTMargin", -1);
        if (nChunk >= 0)
            opts.nChunkSize = (UINT)nChunk;
        if (nSize >= 0)
            opts.nTapeSizeMB = (UINT)nSize;
        if (nMargin >= 0)
            opts.nEOTMarginKB = (UINT)nMargin;
    } else {
        ParseTapeArguments(m_Device.m_strOtherArgs, opts);
    }
    DefaultTapeBlockIdType(opts, m_Device.m_wDevType);
    m_bStrictAWS = opts.bStrictAWS;
    m_bReadOnly = opts.bReadOnly;
    m_nChunkSize = opts.nChunkSize;
    m_nTapeSizeMB = opts.nTapeSizeMB;
    m_nEOTMarginKB = opts.nEOTMarginKB;
    m_nEOTMarginBytes = opts.nEOTMarginBytes;
    m_nCompressMethod = opts.nCompressMethod;
    m_nCompressLevel = opts.nCompressLevel;
    m_nBlockIdType = opts.nBlockIdType;
    m_bNoERG = opts.bNoERG;
    m_otherWords.Copy(opts.otherWords);
}

// The dialog's values as the argument builder takes them.
STapeOptions CAddTapeDlg::Options() const
{
    STapeOptions opts;
    opts.bStrictAWS = m_bStrictAWS;
    opts.bReadOnly = m_bReadOnly;
    opts.nChunkSize = m_nChunkSize;
    opts.nTapeSizeMB = m_nTapeSizeMB;
    opts.nEOTMarginKB = m_nEOTMarginKB;
    opts.nEOTMarginBytes = m_nEOTMarginBytes;
    opts.nCompressMethod = m_nCompressMethod;
    opts.nCompressLevel = m_nCompressLevel;
    opts.nBlockIdType = m_nBlockIdType;
    opts.bNoERG = m_bNoERG;
    opts.otherWords.Copy(m_otherWords);
    return opts;
}

// Step 9 and 10: the ranges, then the controls of the file's kind.
void CAddTapeDlg::InitControls()
{
    SendDlgItemMessage(IDC_TAPEDRV_CHUNK_SPIN, UDM_SETRANGE32, kTapeChunkSizeMin, kTapeChunkSizeMax);
    SendDlgItemMessage(IDC_TAPEDRV_SIZE_SPIN, UDM_SETRANGE32, kTapeSizeMinMB, g_nMaxTapeSizeMB);
    SendDlgItemMessage(IDC_TAPEDRV_EOT_SPIN, UDM_SETRANGE32, 0, g_nMaxEOTMarginKB);
    SendDlgItemMessage(IDC_TAPEDRV_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(0, 9));
    SendDlgItemMessage(IDC_TAPEDRV_LEVEL, TBM_SETPOS, TRUE, m_nCompressLevel);
    // The spins' buddies were written before the ranges existed.
    SetDlgItemInt(IDC_TAPEDRV_SIZE, m_nTapeSizeMB, FALSE);
    SetDlgItemInt(IDC_TAPEDRV_EOT, m_nEOTMarginKB, FALSE);
    UpdateControls();
}

void CAddTapeDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TAPEDRV_FILE, m_FileEdit);
    DDX_Control(pDX, IDC_TAPEDRV_CHUNK, m_ChunkEdit);
    m_bFilling = !pDX->m_bSaveAndValidate;
    DDX_Text(pDX, IDC_TAPEDRV_FILE, m_strFileName);
    m_bFilling = false;
    int nStrict = m_bStrictAWS, nReadOnly = m_bReadOnly, nNoErg = m_bNoERG;
    DDX_Check(pDX, IDC_TAPEDRV_STRICT_AWS, nStrict);
    DDX_Check(pDX, IDC_TAPEDRV_NOERG, nNoErg);
    DDX_Radio(pDX, IDC_TAPEDRV_ZLIB, m_nCompressMethod);
    DDX_Radio(pDX, IDC_TAPEDRV_BLKID32, m_nBlockIdType);
    DDX_Slider(pDX, IDC_TAPEDRV_LEVEL, m_nCompressLevel);
    if (!pDX->m_bSaveAndValidate) {
        SetDlgItemInt(IDC_TAPEDRV_CHUNK, m_nChunkSize, FALSE);
        SetDlgItemInt(IDC_TAPEDRV_SIZE, m_nTapeSizeMB, FALSE);
        SetDlgItemInt(IDC_TAPEDRV_EOT, m_nEOTMarginKB, FALSE);
        DDX_Check(pDX, IDC_TAPEDRV_READONLY, nReadOnly);
        return;
    }
    m_bStrictAWS = nStrict == BST_CHECKED;
    m_bNoERG = nNoErg == BST_CHECKED;
    // A kind-6 file shows Read-only checked without it being the user's choice.
    if (m_nFileType != TAPE_OMA)
        m_bReadOnly = IsChecked(IDC_TAPEDRV_READONLY);
    // The chunk size first; then the sizes, whose spins alone would not
    // stop a typed value (the margin in bytes is computed in 64 bits).
    // Fields that the file's kind locks keep their values unchecked.
    UINT nChunk = m_nChunkSize;
    if (::IsWindowEnabled(m_ChunkEdit.m_hWnd) &&
        !CheckRange(pDX, IDC_TAPEDRV_CHUNK, nChunk, kTapeChunkSizeMin, kTapeChunkSizeMax, "Chunk Size"))
        return;
    if (!m_bStrictAWS)
        m_nChunkSize = nChunk;
    if (::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_TAPEDRV_SIZE)) &&
        !CheckRange(pDX, IDC_TAPEDRV_SIZE, m_nTapeSizeMB, kTapeSizeMinMB, g_nMaxTapeSizeMB, "Tape Size"))
        return;
    if (::IsWindowEnabled(::GetDlgItem(m_hWnd, IDC_TAPEDRV_EOT)))
        CheckRange(pDX, IDC_TAPEDRV_EOT, m_nEOTMarginKB, 0, g_nMaxEOTMarginKB, "EOT Margin");
}

// A decimal number in [nMin, nMax], else the range balloon titled pszTitle.
bool CAddTapeDlg::CheckRange(CDataExchange* pDX, UINT nCtrl, UINT& value, UINT nMin, UINT nMax, const char* pszTitle)
{
    CString str;
    GetDlgItemText(nCtrl, str);
    long long n = 0;
    if (!ParseFieldInt(str, 0, 0xFFFFFFFFll, n))
        n = -1;
    pDX->PrepareEditCtrl((int)nCtrl);
    if (n < 0) {
        CString strText;
        strText.Format("Enter a number from %u to %u.", nMin, nMax);
        return Refuse(pDX, nCtrl, pszTitle, strText);
    }
    DDV_MinMaxUInt_EB(pDX, (UINT)n, nMin, nMax, pszTitle);
    if (pDX->m_bFailed)
        return false;
    value = (UINT)n;
    return true;
}

// In use by another device (adding), then the input file itself; "*"
// (no tape) is never checked, a SCSI drive is not a file.
bool CAddTapeDlg::ValidateFields(CDataExchange* pDX)
{
    TrimBlanks(m_strFileName);
    if (m_strFileName == "*")
        return true;
    if (!CheckFileNotInUse(pDX, m_strFileName, IDC_TAPEDRV_FILE, "Filename"))
        return false;
    if (GetTapeFileType(m_strFileName) == TAPE_SCSI)
        return true;
    return CheckInputFile(pDX, m_strFileName, IDC_TAPEDRV_FILE, "Filename");
}

void CAddTapeDlg::BuildArguments()
{
    // The file check made the name a full path in Windows form; a name of
    // the file the statement already named keeps the statement's spelling,
    // so that an OK that changes nothing changes nothing.
    CString strFile = m_strFileName;
    TrimBlanks(strFile);
    if (IsSameDeviceFile(strFile, m_strLoadedFile))
        strFile = m_strLoadedFile;
    m_Device.m_strFirstArg = strFile;
    m_nFileType = GetTapeFileType(strFile);
    m_Device.m_strOtherArgs = BuildTapeArguments(Options(), m_nFileType, m_Device.m_wDevType);
}

// The command; adding also remembers the sizes for the next drive.
CString CAddTapeDlg::BuildCommand()
{
    if (m_bAdd) {
        ProfileWriteInt(kAddTapeSection, "ChunkSize", (int)m_nChunkSize);
        ProfileWriteInt(kAddTapeSection, "TapeSize", (int)m_nTapeSizeMB);
        ProfileWriteInt(kAddTapeSection, "EOTMargin", (int)m_nEOTMarginKB);
    }
    return TapeCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_wDevType, m_Device.m_strFirstArg,
                       m_Device.m_strOtherArgs);
}

void CAddTapeDlg::OnBrowseTapeFile()
{
    CString strDir = g_pView ? g_pView->GetTapeFilesDir() : CString();
    GetDlgItemText(IDC_TAPEDRV_FILE, m_strFileName);
    CString strPath = m_strFileName == "*" ? CString() : m_strFileName;
    // The view's file checks are always on: the chosen file must exist.
    BrowseForFile(GetTapeFilesFilter(), strPath, "Tape File", strDir, GetDlgItem(IDC_TAPEDRV_FILE), true);
}

void CAddTapeDlg::OnStrictAws()
{
    m_bStrictAWS = IsChecked(IDC_TAPEDRV_STRICT_AWS);
    UpdateControls();
}

void CAddTapeDlg::OnReadOnly()
{
    if (m_nFileType != TAPE_OMA)
        m_bReadOnly = IsChecked(IDC_TAPEDRV_READONLY);
}

// An emptied field shows "*" (no tape) at once, selected, so that what is
// typed next replaces it instead of ending in it.
void CAddTapeDlg::OnFileNameChange()
{
    if (m_bFilling)
        return;
    GetDlgItemText(IDC_TAPEDRV_FILE, m_strFileName);
    if (m_strFileName.IsEmpty()) {
        m_strFileName = "*";
        m_bFilling = true;
        SetDlgItemText(IDC_TAPEDRV_FILE, m_strFileName);
        SendDlgItemMessage(IDC_TAPEDRV_FILE, EM_SETSEL, 0, -1);
        m_bFilling = false;
    }
    UpdateControls();
}

void CAddTapeDlg::OnChunkSizeKillFocus()
{
    if (m_bStrictAWS)
        return;
    BOOL bOk = FALSE;
    UINT n = GetDlgItemInt(IDC_TAPEDRV_CHUNK, &bOk, FALSE);
    if (bOk)
        m_nChunkSize = n;
}

// The type decides the block ids: 32-bit for a 3590, 22-bit otherwise.
void CAddTapeDlg::OnDeviceTypeSelEndOk()
{
    m_Device.m_wDevType = DeviceTypeFromName(SelectedTypeName());
    m_nBlockIdType = m_Device.m_wDevType == kTapeType3590 ? 0 : 1;
    SetCheck(IDC_TAPEDRV_BLKID32, m_nBlockIdType == 0);
    SetCheck(IDC_TAPEDRV_BLKID22, m_nBlockIdType == 1);
}

void CAddTapeDlg::EnableControls(const UINT* pIDs, size_t nCount, bool bEnable)
{
    for (size_t i = 0; i < nCount; ++i)
        EnableControl(pIDs[i], bEnable);
}

// The controls that the kind of the current name takes.
void CAddTapeDlg::UpdateControls()
{
    CString strFile = m_strFileName;
    TrimBlanks(strFile);
    m_nFileType = GetTapeFileType(strFile);
    bool bReadOnlyKind = m_nFileType == TAPE_OMA;
    SetCheck(IDC_TAPEDRV_READONLY, bReadOnlyKind || m_bReadOnly);
    EnableControl(IDC_TAPEDRV_READONLY, !bReadOnlyKind);
    bool bScsi = m_nFileType == TAPE_SCSI;
    bool bFake = m_nFileType == TAPE_FAKETAPE;
    if (bScsi || bFake) {
        SetCheck(IDC_TAPEDRV_STRICT_AWS, false);
        EnableControl(IDC_TAPEDRV_STRICT_AWS, false);
        EnableControls(kChunkGroup, CountOf(kChunkGroup), false);
        EnableControls(kSizeGroup, CountOf(kSizeGroup), bFake);
        EnableControls(kEotGroup, CountOf(kEotGroup), true);
        EnableControls(kCompressGroup, CountOf(kCompressGroup), false);
        EnableControls(kScsiGroup, CountOf(kScsiGroup), bScsi);
        return;
    }
    SetCheck(IDC_TAPEDRV_STRICT_AWS, !bReadOnlyKind && m_bStrictAWS);
    EnableControl(IDC_TAPEDRV_STRICT_AWS, !bReadOnlyKind);
    EnableControls(kChunkGroup, CountOf(kChunkGroup), !bReadOnlyKind && !m_bStrictAWS);
    EnableControls(kSizeGroup, CountOf(kSizeGroup), !bReadOnlyKind);
    EnableControls(kEotGroup, CountOf(kEotGroup), !bReadOnlyKind);
    EnableControls(kCompressGroup, CountOf(kCompressGroup),
                   m_nFileType == TAPE_VET || m_nFileType == TAPE_AWS_OTHER);
    EnableControls(kScsiGroup, CountOf(kScsiGroup), false);
    if (!bReadOnlyKind)
        SetDlgItemInt(IDC_TAPEDRV_CHUNK, m_bStrictAWS ? kTapeChunkSizeMin : m_nChunkSize, FALSE);
}

std::vector<CDeviceDlg::SHelpRow> CAddTapeDlg::HelpRows() const
{
    return {{0, IDS_HELP_TAPEDRV},
            {IDC_TAPEDRV_INPUT_GROUP, IDS_HELP_TAPEDRV_INPUT_GROUP},
            {IDC_TAPEDRV_FILE, IDS_HELP_TAPEDRV_FILE},
            {IDC_TAPEDRV_BROWSE, IDS_HELP_TAPEDRV_BROWSE},
            {IDC_TAPEDRV_TYPE_GROUP, IDS_HELP_TAPEDRV_TYPE_GROUP},
            {IDC_TAPEDRV_STRICT_AWS, IDS_HELP_TAPEDRV_STRICT_AWS},
            {IDC_TAPEDRV_READONLY, IDS_HELP_TAPEDRV_READONLY},
            {IDC_TAPEDRV_SIZE_GROUP, IDS_HELP_TAPEDRV_SIZE_GROUP},
            {IDC_TAPEDRV_CHUNK_LABEL, IDS_HELP_TAPEDRV_CHUNK},
            {IDC_TAPEDRV_CHUNK_UNIT, IDS_HELP_TAPEDRV_CHUNK},
            {IDC_TAPEDRV_CHUNK, IDS_HELP_TAPEDRV_CHUNK},
            {IDC_TAPEDRV_CHUNK_SPIN, IDS_HELP_TAPEDRV_CHUNK},
            {IDC_TAPEDRV_SIZE_LABEL, IDS_HELP_TAPEDRV_SIZE},
            {IDC_TAPEDRV_SIZE_UNIT, IDS_HELP_TAPEDRV_SIZE},
            {IDC_TAPEDRV_SIZE, IDS_HELP_TAPEDRV_SIZE},
            {IDC_TAPEDRV_SIZE_SPIN, IDS_HELP_TAPEDRV_SIZE},
            {IDC_TAPEDRV_EOT_LABEL, IDS_HELP_TAPEDRV_EOT},
            {IDC_TAPEDRV_EOT_UNIT, IDS_HELP_TAPEDRV_EOT},
            {IDC_TAPEDRV_EOT, IDS_HELP_TAPEDRV_EOT},
            {IDC_TAPEDRV_EOT_SPIN, IDS_HELP_TAPEDRV_EOT},
            {IDC_TAPEDRV_COMPRESS_GROUP, IDS_HELP_TAPEDRV_COMPRESS_GROUP},
            {IDC_TAPEDRV_ZLIB, IDS_HELP_TAPEDRV_ZLIB},
            {IDC_TAPEDRV_BZIP2, IDS_HELP_TAPEDRV_BZIP2},
            {IDC_TAPEDRV_LEVEL, IDS_HELP_TAPEDRV_LEVEL},
            {IDC_TAPEDRV_LEVEL_LOW, IDS_HELP_TAPEDRV_LEVEL_TEXT},
            {IDC_TAPEDRV_LEVEL_DOTS, IDS_HELP_TAPEDRV_LEVEL_TEXT},
            {IDC_TAPEDRV_LEVEL_HIGH, IDS_HELP_TAPEDRV_LEVEL_TEXT},
            {IDC_TAPEDRV_SCSI_GROUP, IDS_HELP_TAPEDRV_SCSI_GROUP},
            {IDC_TAPEDRV_BLKID32, IDS_HELP_TAPEDRV_BLKID32},
            {IDC_TAPEDRV_BLKID22, IDS_HELP_TAPEDRV_BLKID22},
            {IDC_TAPEDRV_NOERG, IDS_HELP_TAPEDRV_NOERG}};
}

// The file field stretches; the type boxes move down as 1 and 2 of 2, the
// three size rows as 1 to 3 of 3, the SCSI choices across as 1 to 3 of 3.
void CAddTapeDlg::SetupDynamicLayout()
{
    AddSzXControlById(IDC_DEVDLG_IDENT_GROUP, mdResize);
    AddSzXControlById(IDC_TAPEDRV_INPUT_GROUP, mdResize);
    AddSzXControlById(IDC_TAPEDRV_FILE, mdResize);
    AddSzXControlById(IDC_TAPEDRV_BROWSE, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DEVDLG_OPTIONS_GROUP), mdResize, mdResize);
    AddSzYControlEvenMove(2, 1, IDC_TAPEDRV_STRICT_AWS, true);
    AddSzYControlEvenMove(2, 2, IDC_TAPEDRV_READONLY, true);
    const UINT* rows[] = {kChunkGroup, kSizeGroup, kEotGroup};
    for (int r = 0; r < 3; ++r)
        for (size_t i = 0; i < 4; ++i)
            AddSzYControlEvenMove(3, r + 1, rows[r][i], true);
    for (int k = 0; k < 3; ++k)
        AddSzXControlEvenMove(3, k + 1, kScsiGroup[k], true);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDCANCEL), mdRepos, mdRepos);
}
