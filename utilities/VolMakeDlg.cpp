// VolMakeDlg.cpp: the dialog that creates an empty disk image.
#include "utilities/VolMakeDlg.h"

#include <windows.h>
#include <commctrl.h>

#include "config/DasdModels.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

const char* const CVolMakeDlg::kFirstModel = "3350-1";
CVolMakeDlg::FileSystemNameFn CVolMakeDlg::s_pfnFileSystemName = CVolMakeDlg::QueryFileSystemName;

namespace {

const int kMaxVolserChars = 6;
const int kLinuxDevType = 3390;
const char kOutputPrompt[] = "Select which directory to create the output dasd image file in.";

}  // namespace

BEGIN_MESSAGE_MAP(CVolMakeDlg, CUtilityDlg)
    ON_CBN_SELCHANGE(IDC_UTIL_DEV_MODEL, OnModelChanged)
    ON_NOTIFY(UDN_DELTAPOS, IDC_UTIL_SIZE_SPIN, OnSizeSpin)
    ON_EN_CHANGE(IDC_UTIL_SIZE, OnSizeChanged)
    ON_EN_KILLFOCUS(IDC_UTIL_SIZE, OnSizeKillFocus)
    ON_BN_CLICKED(IDC_UTIL_ALT_SIZE, OnAltSizeClicked)
    ON_BN_CLICKED(IDC_UTIL_LINUX, OnLinuxClicked)
    ON_BN_CLICKED(IDC_UTIL_COMPRESS_USING, OnCompressClicked)
    ON_BN_CLICKED(IDC_UTIL_VOL1_LABEL, OnVol1Clicked)
    ON_BN_CLICKED(IDC_UTIL_LARGE_FILE, OnLargeFileClicked)
    ON_BN_CLICKED(IDC_UTIL_CKD64, OnCkd64Clicked)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDirectory)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_FILE_BROWSE, OnBrowseOutputFile)
    ON_EN_SETFOCUS(IDC_UTIL_OUTPUT_FILE, OnOutputFileSetFocus)
END_MESSAGE_MAP()

CVolMakeDlg::CVolMakeDlg() : CUtilityDlg(IDD)
{
}

bool CVolMakeDlg::QueryFileSystemName(const char* pszRoot, CString& strName)
{
    char szName[MAX_PATH + 1] = "";
    if (!::GetVolumeInformationA(pszRoot, nullptr, 0, nullptr, nullptr, nullptr, szName, sizeof szName))
        return false;
    strName = szName;
    return true;
}

void CVolMakeDlg::LoadSettings()
{
    GetSetting("bLinux", m_bLinux);
    GetSetting("bCompress", m_bCompress);
    GetSetting("nCompressionMethod", m_nCompressionMethod);
    GetSetting("bAltSize", m_bAltSize);
    GetSetting("bLargeFile", m_bLargeFile);
    GetSetting("bVol1Label", m_bVol1Label);
    GetSetting("nSize", m_nSize);
    GetSetting("nTotalSize", m_nTotalSize);
    GetSetting("strVolser", m_strVolser);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("bCKD64", m_bCkd64);
    GetSetting("strDevModel", m_strDevModel);
    if (m_nCompressionMethod < 0 || m_nCompressionMethod > 2)
        m_nCompressionMethod = 0;
}

void CVolMakeDlg::SaveSettings()
{
    WriteSetting("bLinux", m_bLinux);
    WriteSetting("bCompress", m_bCompress);
    WriteSetting("nCompressionMethod", m_nCompressionMethod);
    WriteSetting("bAltSize", m_bAltSize);
    WriteSetting("bLargeFile", m_bLargeFile);
    WriteSetting("bVol1Label", m_bVol1Label);
    WriteSetting("nSize", m_nSize);
    WriteSetting("nTotalSize", m_nTotalSize);
    WriteSetting("strVolser", m_strVolser);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("bCKD64", m_bCkd64);
    WriteSetting("strDevModel", m_strDevModel);
}

// The model is read from the list by the checks; the size is taken as a
// number the size check judges (an empty or overlong text is no size). For
// a model with a fixed size the size's own exchange checks it against the
// bounds of every such model, with the range check's own text.
void CVolMakeDlg::ExchangeFields(CDataExchange* pDX)
{
    if (pDX->m_bSaveAndValidate) {
        CString strSize, strModel;
        GetDlgItemText(IDC_UTIL_SIZE, strSize);
        long long n = 0;
        m_nSize = ParseFieldInt(strSize, 0, kVolMakeUnlimitedSize, n) ? (int)n : -1;
        GetDlgItemText(IDC_UTIL_DEV_MODEL, strModel);
        if (VolMakeModelMaximum(strModel) > 0) {
            pDX->PrepareEditCtrl(IDC_UTIL_SIZE);
            DDV_MinMaxInt_EB(pDX, m_nSize, kVolMakeMinSize, kVolMakeLargestFixedSize, "Size");
            if (pDX->m_bFailed)
                return;
        }
    } else {
        DDX_Text(pDX, IDC_UTIL_SIZE, m_nSize);
    }
    ExchangeCheck(pDX, IDC_UTIL_ALT_SIZE, m_bAltSize);
    DDX_Text(pDX, IDC_UTIL_VOLSER, m_strVolser);
    if (pDX->m_bSaveAndValidate && m_strVolser.GetLength() > kMaxVolserChars) {
        DDX_FailWithBalloon(pDX, "The volume serial number is at most 6 characters long.", "Volser", 3);
        return;
    }
    ExchangeCheck(pDX, IDC_UTIL_VOL1_LABEL, m_bVol1Label);
    ExchangeCheck(pDX, IDC_UTIL_LINUX, m_bLinux);
    ExchangeCheck(pDX, IDC_UTIL_COMPRESS_USING, m_bCompress);
    DDX_Radio(pDX, IDC_UTIL_METHOD_ZLIB, m_nCompressionMethod);
    ExchangeCheck(pDX, IDC_UTIL_LARGE_FILE, m_bLargeFile);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    ExchangeCheck(pDX, IDC_UTIL_CKD64, m_bCkd64);
}

void CVolMakeDlg::InitControls()
{
    HWND hList = ::GetDlgItem(m_hWnd, IDC_UTIL_DEV_MODEL);
    int nSelect = -1, nFirst = 0;
    for (int i = 0; i < g_nDasdModelCount; ++i) {
        const char* pszName = g_DasdModelTable[i].pszName;
        int nIndex = (int)::SendMessageA(hList, CB_ADDSTRING, 0, (LPARAM)pszName);
        if (m_strDevModel == pszName)
            nSelect = nIndex;
        if (CString(kFirstModel) == pszName)
            nFirst = nIndex;
    }
    // A model not in the list (always on a first opening) shows the model
    // whose size the constructor's defaults are.
    ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)(nSelect >= 0 ? nSelect : nFirst), 0);
    CString strModel;
    GetDlgItemText(IDC_UTIL_DEV_MODEL, strModel);
    TakeModel(strModel);
    UpdateDeviceType();
    SendDlgItemMessage(IDC_UTIL_VOLSER, EM_LIMITTEXT, kMaxVolserChars, 0);
    for (UINT nID : {IDC_UTIL_METHOD_ZLIB, IDC_UTIL_METHOD_BZIP2, IDC_UTIL_METHOD_NONE})
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), m_bCompress);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_VOLSER), m_bVol1Label);
    m_hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    m_bSizeCheckArmed = true;
}

void CVolMakeDlg::OnCancel()
{
    m_bSizeCheckArmed = false;
    CUtilityDlg::OnCancel();
}

void CVolMakeDlg::TakeModel(const CString& strModel)
{
    m_strDevModel = strModel;
    m_nMaxSize = VolMakeModelMaximum(strModel);
    m_nSize = m_nMaxSize;
    m_nTotalSize = m_nMaxSize;
}

void CVolMakeDlg::UpdateDeviceType()
{
    auto setBox = [this](UINT nID, bool bEnable, bool bCheck) {
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), bEnable);
        ::CheckDlgButton(m_hWnd, (int)nID, bCheck ? BST_CHECKED : BST_UNCHECKED);
    };
    if (GetModelDevTypeNumber(m_strDevModel) == kLinuxDevType) {
        setBox(IDC_UTIL_LINUX, true, m_bLinux);
    } else {
        setBox(IDC_UTIL_LINUX, false, false);
        if (IsFbaModel(m_strDevModel))
            m_bAltSize = false;
    }
    setBox(IDC_UTIL_ALT_SIZE, !IsFbaModel(m_strDevModel), m_bAltSize);

    if (!m_bUpdating) {
        CString strSize;
        strSize.Format("%d", m_nSize);
        SetDlgItemText(IDC_UTIL_SIZE, strSize);
    }
    SetSpinRange(IDC_UTIL_SIZE_SPIN, kVolMakeMinSize, VolMakeSizeLimit(m_strDevModel));
    int nAlternates = VolMakeAlternates(m_strDevModel, m_bAltSize);
    m_nTotalSize = m_nSize + nAlternates;
    CString strText;
    strText.Format("%d", nAlternates);
    SetDlgItemText(IDC_UTIL_ALT_SHOWN, strText);
    strText.Format("%d", m_nTotalSize);
    SetDlgItemText(IDC_UTIL_TOTAL, strText);
    bool bSizeFree = m_nMaxSize == 0;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_SIZE), bSizeFree);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_SIZE_SPIN), bSizeFree);
}

void CVolMakeDlg::OnModelChanged()
{
    CString strModel;
    GetDlgItemText(IDC_UTIL_DEV_MODEL, strModel);
    TakeModel(strModel);
    UpdateDeviceType();
}

void CVolMakeDlg::OnSizeSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    m_nSize = StepSpinValue(m_nSize, pUpDown->iDelta, kVolMakeMinSize, VolMakeSizeLimit(m_strDevModel));
    UpdateDeviceType();
    *pResult = 0;
}

void CVolMakeDlg::OnSizeChanged()
{
    if (!m_bSizeCheckArmed || m_bUpdating)
        return;
    CString strSize;
    GetDlgItemText(IDC_UTIL_SIZE, strSize);
    long long n = 0;
    if (!ParseFieldInt(strSize, 0, kVolMakeUnlimitedSize, n) || !IsVolMakeSizeAccepted(m_strDevModel, n))
        return;
    m_nSize = (int)n;
    m_bUpdating = true;
    UpdateDeviceType();
    m_bUpdating = false;
}

void CVolMakeDlg::ShowSizeBalloon()
{
    CString strText;
    strText.Format("Please enter a value from %d to %d.", kVolMakeMinSize, VolMakeSizeLimit(m_strDevModel));
    ErrorBalloon(this, IDC_UTIL_SIZE, "Size", strText, kBalloonIconWarning);
}

// Leaving the size for Cancel says nothing: Cancel is about to close.
void CVolMakeDlg::OnSizeKillFocus()
{
    if (!m_bSizeCheckArmed || ::GetFocus() == m_hCancel)
        return;
    CString strSize;
    GetDlgItemText(IDC_UTIL_SIZE, strSize);
    long long n = 0;
    if (ParseFieldInt(strSize, 0, kVolMakeUnlimitedSize, n) && IsVolMakeSizeAccepted(m_strDevModel, n))
        return;
    ShowSizeBalloon();
    HWND hSize = ::GetDlgItem(m_hWnd, IDC_UTIL_SIZE);
    ::SetFocus(hSize);
    ::SendMessageA(hSize, EM_SETSEL, 0, -1);
    ::SendMessageA(hSize, EM_SCROLLCARET, 0, 0);
}

void CVolMakeDlg::OnAltSizeClicked()
{
    m_bAltSize = IsDlgButtonChecked(IDC_UTIL_ALT_SIZE) == BST_CHECKED;
    UpdateDeviceType();
}

void CVolMakeDlg::OnLinuxClicked()
{
    m_bLinux = IsDlgButtonChecked(IDC_UTIL_LINUX) == BST_CHECKED;
    UpdateDeviceType();
}

void CVolMakeDlg::OnCompressClicked()
{
    m_bCompress = IsDlgButtonChecked(IDC_UTIL_COMPRESS_USING) == BST_CHECKED;
    for (UINT nID : {IDC_UTIL_METHOD_ZLIB, IDC_UTIL_METHOD_BZIP2, IDC_UTIL_METHOD_NONE})
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), m_bCompress);
    UpdateDeviceType();
}

void CVolMakeDlg::OnVol1Clicked()
{
    m_bVol1Label = IsDlgButtonChecked(IDC_UTIL_VOL1_LABEL) == BST_CHECKED;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_VOLSER), m_bVol1Label);
}

void CVolMakeDlg::OnLargeFileClicked()
{
    m_bLargeFile = IsDlgButtonChecked(IDC_UTIL_LARGE_FILE) == BST_CHECKED;
}

void CVolMakeDlg::OnCkd64Clicked()
{
    m_bCkd64 = IsDlgButtonChecked(IDC_UTIL_CKD64) == BST_CHECKED;
}

void CVolMakeDlg::OnBrowseOutputDirectory()
{
    if (BrowseOutputDirectory(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory, kOutputPrompt))
        CheckLargeFiles(nullptr);
}

void CVolMakeDlg::OnBrowseOutputFile()
{
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    if (BrowseOutputFile(IDC_UTIL_OUTPUT_DIR, IDC_UTIL_OUTPUT_FILE, m_strOutputDirectory, m_strOutputFile))
        CheckLargeFiles(nullptr);
}

void CVolMakeDlg::OnOutputFileSetFocus()
{
    CString strFile;
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, strFile);
    if (!TrimBlanks(strFile).IsEmpty())
        return;
    ProposeEditText(IDC_UTIL_OUTPUT_FILE, VolMakeDefaultName(Choice()));
}

SVolMakeChoice CVolMakeDlg::Choice() const
{
    SVolMakeChoice c;
    c.strModel = m_strDevModel;
    c.nTotal = m_nTotalSize;
    c.bAltCyls = IsDlgButtonChecked(IDC_UTIL_ALT_SIZE) == BST_CHECKED;
    c.bVol1Label = m_bVol1Label;
    GetDlgItemText(IDC_UTIL_VOLSER, c.strVolser);
    c.bLinux = m_bLinux;
    c.bCompress = m_bCompress;
    c.nMethod = IsDlgButtonChecked(IDC_UTIL_METHOD_BZIP2) == BST_CHECKED  ? 1
                : IsDlgButtonChecked(IDC_UTIL_METHOD_NONE) == BST_CHECKED ? 2
                                                                          : 0;
    c.bLargeFile = m_bLargeFile;
    return c;
}

// The single-file box follows the output folder's volume: cleared and
// disabled on one without large files (refused when the box was wanted),
// else enabled and showing the field. A folder without a drive letter has
// no volume to ask. Without pDX (after a browse) the balloon only tells.
bool CVolMakeDlg::CheckLargeFiles(CDataExchange* pDX)
{
    CString strDir;
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, strDir);
    CString strRoot = LargeFileCheckRoot(strDir);
    if (strRoot.IsEmpty())
        return true;
    CString strFileSystem;
    HWND hBox = ::GetDlgItem(m_hWnd, IDC_UTIL_LARGE_FILE);
    if (!s_pfnFileSystemName(strRoot, strFileSystem) || !IsFileSystemWithoutLargeFiles(strFileSystem)) {
        ::EnableWindow(hBox, TRUE);
        ::CheckDlgButton(m_hWnd, IDC_UTIL_LARGE_FILE, m_bLargeFile ? BST_CHECKED : BST_UNCHECKED);
        return true;
    }
    ::CheckDlgButton(m_hWnd, IDC_UTIL_LARGE_FILE, BST_UNCHECKED);
    ::EnableWindow(hBox, FALSE);
    if (!m_bLargeFile)
        return true;
    const char kTitle[] = "Force Single File Output";
    const char kText[] = "The specified Output File volume does not support \"large\" files.";
    if (pDX)
        return Refuse(pDX, IDC_UTIL_LARGE_FILE, kTitle, kText);
    ErrorBalloon(this, IDC_UTIL_LARGE_FILE, kTitle, kText, kBalloonIconWarning);
    return false;
}

bool CVolMakeDlg::ValidateOptions(CDataExchange* pDX)
{
    CString strModel;
    GetDlgItemText(IDC_UTIL_DEV_MODEL, strModel);
    m_strDevModel = strModel;
    m_nMaxSize = VolMakeModelMaximum(strModel);
    if (m_bLinux && GetModelDevTypeNumber(strModel) != kLinuxDevType)
        return Refuse(pDX, IDC_UTIL_DEV_MODEL, "Device Type",
                      "Only 3390 devices are supported for the -linux formatting option.");
    if (m_bVol1Label) {
        CString strVolser = VolserWithoutBlanks(m_strVolser);
        if (strVolser != m_strVolser)
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser", "The volume serial number cannot contain any blanks.");
        if (strVolser.IsEmpty() || strVolser.GetLength() > kMaxVolserChars)
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser",
                          "The 'VOL1 label' option requires a 1-6 character volume serial number.");
    }
    if (!IsVolMakeSizeInRange(strModel, m_nSize)) {
        CString strText;
        strText.Format("Please enter a value from %d to %d.", kVolMakeMinSize, VolMakeSizeLimit(strModel));
        return Refuse(pDX, IDC_UTIL_SIZE, "Size", strText);
    }
    m_nTotalSize = m_nSize + VolMakeAlternates(strModel, m_bAltSize);
    if (!CheckLargeFiles(pDX))
        return false;
    SVolMakeChoice c = Choice();
    c.strVolser = m_strVolser;
    c.nMethod = m_nCompressionMethod;
    c.bAltCyls = m_bAltSize;
    m_strOptionWords = VolMakeOptionWords(c);
    m_strSizeTail = VolMakeSizeTail(c);
    m_nExpectedTotal = m_nTotalSize;
    return true;
}

bool CVolMakeDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutputPath(pDX, m_strOutputDirectory, m_strOutputFile, IDC_UTIL_OUTPUT_FILE, "Output Filename");
}

void CVolMakeDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord(Wants64BitProgram(Has64BitUtilities(), m_bCkd64, 0));
    m_strTitle = strWord + " " + m_strOptionWords + " " + m_strOutputFile + " " + m_strSizeTail;
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, m_strOptionWords);
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    AppendCommandGroup(m_strCommandLine, m_strSizeTail);
    WriteSetting("PrevDevType", m_strDevModel);
    WriteSetting("PrevVolser", m_strVolser);
    WriteSetting("PrevComp", m_bCompress);
    WriteSetting("PrevMethod", m_nCompressionMethod);
}

std::vector<CUtilityDlg::SHelpRow> CVolMakeDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLMAKE},
        {IDC_UTIL_DEVICE_GROUP, IDS_HELP_UTIL_DEVICE},
        {IDC_UTIL_DEV_MODEL, IDS_HELP_UTIL_DEV_MODEL},
        {IDC_UTIL_SIZE, IDS_HELP_UTIL_SIZE},
        {IDC_UTIL_SIZE_SPIN, IDS_HELP_UTIL_SIZE},
        {IDC_UTIL_ALT_SHOWN, IDS_HELP_UTIL_ALT_SHOWN},
        {IDC_UTIL_TOTAL, IDS_HELP_UTIL_TOTAL},
        {IDC_UTIL_ALT_SIZE, IDS_HELP_UTIL_ALT_SIZE},
        {IDC_UTIL_VOLSER, IDS_HELP_UTIL_VOLSER},
        {IDC_UTIL_VOL1_LABEL, IDS_HELP_UTIL_VOL1},
        {IDC_UTIL_LINUX, IDS_HELP_UTIL_LINUX},
        {IDC_UTIL_COMPRESS_USING, IDS_HELP_UTIL_COMPRESS},
        {IDC_UTIL_METHOD_ZLIB, IDS_HELP_UTIL_ZLIB},
        {IDC_UTIL_METHOD_BZIP2, IDS_HELP_UTIL_BZIP2},
        {IDC_UTIL_METHOD_NONE, IDS_HELP_UTIL_METHOD_NONE},
        {IDC_UTIL_LARGE_FILE, IDS_HELP_UTIL_LARGE_FILE},
        {IDC_UTIL_CKD64, IDS_HELP_UTIL_CKD64},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_UTIL_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_UTIL_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_UTIL_OUTPUT_DIR_BROWSE},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_UTIL_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_UTIL_OUTPUT_FILE_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
    };
}

const CUtilityDlg::SLayoutRow* CVolMakeDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DEVICE_GROUP, 1},       {IDC_UTIL_OUTPUT_GROUP, 1},  {IDC_UTIL_OUTPUT_DIR, 1},
        {IDC_UTIL_OUTPUT_FILE, 1},        {IDC_UTIL_OUTPUT_DIR_BROWSE, 2}, {IDC_UTIL_OUTPUT_FILE_BROWSE, 2},
        {IDC_UTIL_OPTIONS_GROUP, 1},      {IDOK, 3},                   {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}
