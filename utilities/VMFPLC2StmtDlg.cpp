// VMFPLC2StmtDlg.cpp: the dialog of one VMFPLC2 file statement.
#include "utilities/VMFPLC2StmtDlg.h"

#include "config/CodePageHistory.h"
#include "config/FieldValidators.h"
#include "config/FileChecks.h"
#include "config/FileDialogs.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/CDataExchange.h"
#include "platform/CSplitPath.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"

namespace {

const SControlHelp kHelpStrings[] = {
    {0, IDS_HELP_PLC2_STMT_DLG},
    {IDC_PLC2_CP_GROUP, IDS_HELP_PLC2_CP},
    {IDC_TAPE_CODEPAGE, IDS_HELP_PLC2_CP},
    {IDC_PLC2_OVERRIDE, IDS_HELP_PLC2_OVERRIDE},
    {IDC_PLC2_DEFAULT_CP, IDS_HELP_PLC2_DEFAULT},
    {IDC_PLC2_DEFAULT_LABEL, IDS_HELP_PLC2_DEFAULT},
    {IDC_PLC2_CMS_GROUP, IDS_HELP_PLC2_CMS},
    {IDC_PLC2_FILENAME_LABEL, IDS_HELP_PLC2_FILENAME},
    {IDC_PLC2_FILENAME, IDS_HELP_PLC2_FILENAME},
    {IDC_PLC2_FILETYPE_LABEL, IDS_HELP_PLC2_FILETYPE},
    {IDC_PLC2_FILETYPE, IDS_HELP_PLC2_FILETYPE},
    {IDC_PLC2_FILEMODE_LABEL, IDS_HELP_PLC2_FILEMODE},
    {IDC_PLC2_FILEMODE, IDS_HELP_PLC2_FILEMODE},
    {IDC_PLC2_FORMAT_GROUP, IDS_HELP_PLC2_FORMAT},
    {IDC_PLC2_RECFM_LABEL, IDS_HELP_PLC2_RECFM},
    {IDC_TAPE_RECFM, IDS_HELP_PLC2_RECFM},
    {IDC_TAPE_LRECL_LABEL, IDS_HELP_PLC2_LRECL},
    {IDC_TAPE_LRECL, IDS_HELP_PLC2_LRECL},
    {IDC_TAPE_LRECL_SPIN, IDS_HELP_PLC2_LRECL},
    {IDC_PLC2_TYPE_LABEL, IDS_HELP_PLC2_TYPE},
    {IDC_PLC2_TYPE, IDS_HELP_PLC2_TYPE},
    {IDC_PLC2_HOST_GROUP, IDS_HELP_PLC2_HOST},
    {IDC_PLC2_HOST_FILE, IDS_HELP_PLC2_HOST},
    {IDC_PLC2_HOST_BROWSE, IDS_HELP_PLC2_HOST_BROWSE},
};
const SControlHelp kHelpIds[] = {
    {0, 1516},
    {IDC_PLC2_OVERRIDE, 1525},
    {IDC_TAPE_CODEPAGE, 1526},
    {IDC_PLC2_DEFAULT_CP, 1568},
    {IDC_PLC2_FILENAME, 1548},
    {IDC_PLC2_FILETYPE, 1554},
    {IDC_PLC2_FILEMODE, 1558},
    {IDC_TAPE_RECFM, 1566},
    {IDC_TAPE_LRECL, 1539},
    {IDC_TAPE_LRECL_SPIN, 1539},
    {IDC_PLC2_TYPE, 1573},
    {IDC_PLC2_HOST_BROWSE, 1575},
    {IDC_PLC2_HOST_FILE, 1576},
    {IDHELP, 1577},
    {IDOK, 1578},
    {IDCANCEL, 1579},
};

void FillFromResource(CWLComboBoxEx& list, UINT nString)
{
    CString strItems;
    strItems.LoadString(nString);
    list.FillFromText(strItems, ';');
}

}  // namespace

BEGIN_MESSAGE_MAP(CVMFPLC2StmtDlg, cdxCDynamicHelpDialog)
    ON_BN_CLICKED(IDC_PLC2_OVERRIDE, OnOverrideClicked)
    ON_BN_CLICKED(IDC_PLC2_HOST_BROWSE, OnBrowseHostFile)
    ON_CBN_SELENDOK(IDC_TAPE_RECFM, OnRecfmChanged)
    ON_CBN_SELENDOK(IDC_PLC2_TYPE, OnTypeChanged)
END_MESSAGE_MAP()

// The groups and the host file widen with the dialog.
BEGIN_DYNAMIC_MAP(CVMFPLC2StmtDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_CP_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_CMS_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_FORMAT_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_HOST_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_HOST_FILE, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_HOST_BROWSE, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDOK, mdRelative, mdNone)
    DYNAMIC_MAP_ENTRY(IDCANCEL, mdRelative, mdNone)
END_DYNAMIC_MAP()

CVMFPLC2StmtDlg::CVMFPLC2StmtDlg(CWnd* pParent) : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent) {}

void CVMFPLC2StmtDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetControlHelp(*this, &CVMFPLC2StmtDlg::SetHelpString, IDD, kHelpStrings);
}

void CVMFPLC2StmtDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetControlHelp(*this, &CVMFPLC2StmtDlg::SetHelpId, IDD, kHelpIds);
}

BOOL CVMFPLC2StmtDlg::OnInitDialog()
{
    if (!m_strStatement.IsEmpty())
        ParseVmfplc2Statement(m_strStatement, m_fields);
    cdxCDynamicHelpDialog::OnInitDialog();
    SetAppSmallIcon(m_hWnd);
    // The built-in code pages, whatever the settings hold.
    m_CodePageList.FillFromText(kDefaultCodePageHistory, ';');
    int nCodePage = 0;
    if (m_fields.bOverride)
        nCodePage = m_CodePageList.FindStringExact(-1, m_fields.strOverrideCodePage);
    m_CodePageList.SetCurSel(nCodePage);
    m_font.CreatePointFont(100, "Courier New", FIXED_PITCH | FF_MODERN);
    m_DefaultEdit.SetFont(m_font);
    SendDlgItemMessage(IDC_PLC2_FILENAME, EM_LIMITTEXT, 8);
    SendDlgItemMessage(IDC_PLC2_FILETYPE, EM_LIMITTEXT, 8);
    SendDlgItemMessage(IDC_PLC2_FILEMODE, EM_LIMITTEXT, 2);
    SendDlgItemMessage(IDC_TAPE_LRECL_SPIN, UDM_SETRANGE32, 1, kVmfplc2MaxLrecl);
    FillFromResource(m_RecfmList, IDS_PLC2_RECFMS);
    FillFromResource(m_TypeList, IDS_PLC2_FILE_TYPES);
    m_RecfmList.SetCurSel(m_fields.nRecfm);
    m_TypeList.SetCurSel(m_fields.nFileType);
    OnRecfmChanged();
    OnTypeChanged();
    return TRUE;
}

void CVMFPLC2StmtDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAPE_CODEPAGE, m_CodePageList);
    DDX_Control(pDX, IDC_TAPE_RECFM, m_RecfmList);
    DDX_Control(pDX, IDC_PLC2_TYPE, m_TypeList);
    DDX_Control(pDX, IDC_PLC2_DEFAULT_CP, m_DefaultEdit);
    DDX_Control(pDX, IDC_PLC2_HOST_FILE, m_HostEdit);
    int nOverride = m_fields.bOverride ? 1 : 0;
    DDX_Check(pDX, IDC_PLC2_OVERRIDE, nOverride);
    m_fields.bOverride = nOverride != 0;
    if (!pDX->m_bSaveAndValidate)
        DDX_Text(pDX, IDC_PLC2_DEFAULT_CP, m_strDefaultCodePage);
    DDX_Text(pDX, IDC_PLC2_FILENAME, m_fields.strFilename);
    DDX_Text(pDX, IDC_PLC2_FILETYPE, m_fields.strFiletype);
    DDX_Text(pDX, IDC_PLC2_FILEMODE, m_fields.strFilemode);
    DDX_Text(pDX, IDC_TAPE_LRECL, m_fields.nLrecl);
    DDX_Text(pDX, IDC_PLC2_HOST_FILE, m_fields.strHostFile);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    m_fields.nRecfm = m_RecfmList.GetCurSel() == kRecfmVariable ? kRecfmVariable : kRecfmFixed;
    int nType = m_TypeList.GetCurSel();
    m_fields.nFileType = nType >= kFileBinary && nType <= kFileTextual ? nType : kFileBinary;
    if (!CheckFields(pDX) || !CheckHostFile(pDX))
        return;
    if (IsVmfplc2CommentOrTapeMark(m_fields.strFilename))
        return;  // handed back as it was
    // An override read from the statement but missing from the list is
    // written as it was read.
    SVmfplc2Statement fields = m_fields;
    int nCodePage = m_CodePageList.GetCurSel();
    if (fields.bOverride && nCodePage >= 0)
        m_CodePageList.GetLBText(nCodePage, fields.strOverrideCodePage);
    m_strStatement = FormatVmfplc2Statement(fields, m_strDefaultCodePage);
}

bool CVMFPLC2StmtDlg::Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText)
{
    pDX->PrepareEditCtrl((int)nCtrl);
    ErrorBalloon(this, nCtrl, pszTitle, pszText, kBalloonIconError);
    pDX->Fail();
    return false;
}

bool CVMFPLC2StmtDlg::CheckFields(CDataExchange* pDX)
{
    TrimBlanks(m_fields.strFilename);
    TrimBlanks(m_fields.strFiletype);
    TrimBlanks(m_fields.strFilemode);
    if (IsVmfplc2CommentOrTapeMark(m_fields.strFilename))
        return true;
    if (!IsValidCmsName(m_fields.strFilename))
        return Refuse(pDX, IDC_PLC2_FILENAME, "CMS Filename", "Invalid CMS filename.");
    if (!IsValidCmsName(m_fields.strFiletype))
        return Refuse(pDX, IDC_PLC2_FILETYPE, "CMS Filetype", "Invalid CMS filetype.");
    if (!IsValidCmsFilemode(m_fields.strFilemode))
        return Refuse(pDX, IDC_PLC2_FILEMODE, "CMS Filemode", "Invalid CMS filemode.");
    if (m_fields.nRecfm == kRecfmFixed && (m_fields.nLrecl < 1 || m_fields.nLrecl > kVmfplc2MaxLrecl))
        return Refuse(pDX, IDC_TAPE_LRECL, "LRECL", "Invalid logical record length (1-65535).");
    if (m_fields.bOverride && m_fields.nFileType != kFileTextual)
        return Refuse(pDX, IDC_PLC2_OVERRIDE, "Override", "Code Page override option unsupported for chosen Format Type.");
    return true;
}

// For DUMP the host file must exist. For LOAD it is written by the run, so
// only its name and folder are checked: nothing is asked about a file that
// the run may never touch.
bool CVMFPLC2StmtDlg::CheckHostFile(CDataExchange* pDX)
{
    CString& strHost = m_fields.strHostFile;
    if (m_bDump) {
        pDX->PrepareEditCtrl(IDC_PLC2_HOST_FILE);
        if (!DDV_InputFile(pDX, strHost, IDC_PLC2_HOST_FILE, "Host File"))
            return false;
    } else {
        CSplitPath split(strHost);
        CString strMsg;
        bool bExists = false;
        if (!CheckOutputFileMsg(split.GetFileNameAndExt(), split.GetFullPathOnly(), strMsg, bExists))
            return Refuse(pDX, IDC_PLC2_HOST_FILE, "Host File", strMsg);
    }
    strHost.Replace('/', '\\');
    SetDlgItemText(IDC_PLC2_HOST_FILE, strHost);
    return true;
}

void CVMFPLC2StmtDlg::OnOverrideClicked()
{
    m_fields.bOverride = ::IsDlgButtonChecked(m_hWnd, IDC_PLC2_OVERRIDE) == BST_CHECKED;
    m_CodePageList.EnableWindow(m_fields.bOverride);
}

void CVMFPLC2StmtDlg::OnRecfmChanged()
{
    m_fields.nRecfm = m_RecfmList.GetCurSel() == kRecfmVariable ? kRecfmVariable : kRecfmFixed;
    for (UINT nId : {IDC_TAPE_LRECL_LABEL, IDC_TAPE_LRECL, IDC_TAPE_LRECL_SPIN})
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nId), m_fields.nRecfm == kRecfmFixed);
}

void CVMFPLC2StmtDlg::OnTypeChanged()
{
    int nType = m_TypeList.GetCurSel();
    m_fields.nFileType = nType >= kFileBinary && nType <= kFileTextual ? nType : kFileBinary;
    bool bTextual = m_fields.nFileType == kFileTextual;
    ::CheckDlgButton(m_hWnd, IDC_PLC2_OVERRIDE, bTextual && m_fields.bOverride ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_PLC2_OVERRIDE), bTextual);
    m_CodePageList.EnableWindow(bTextual && m_fields.bOverride);
}

void CVMFPLC2StmtDlg::OnBrowseHostFile()
{
    CString& strHost = m_fields.strHostFile;
    GetDlgItemText(IDC_PLC2_HOST_FILE, strHost);
    if (m_bDump) {
        if (BrowseForFile("All Files (*.*)|*.*||", strHost, "Input Host file", nullptr, nullptr, true) != IDOK)
            return;
    } else {
        CSplitPath split(strHost);
        CString strDir = split.GetFullPathOnly(), strName = split.GetFileNameAndExt();
        if (BrowseForSaveFile(strDir, strName, "Output Host file", strDir, "All Files (*.*)|*.*||", nullptr, false,
                              false) != IDOK)
            return;
        strHost = strDir + strName;
    }
    strHost.Replace('/', '\\');
    SetDlgItemText(IDC_PLC2_HOST_FILE, strHost);
}
