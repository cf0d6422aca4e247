// SysCfgSettingsPage.cpp: the Settings page.
#include "sysconfig/SysCfgSettingsPage.h"

#include <commctrl.h>

#include "config/CVornConfigFile.h"
#include "config/CodePageHistory.h"
#include "config/FileDialogs.h"
#include "config/Limits.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"
#include "session/PrivateMessages.h"
#include "sysconfig/PortStepping.h"
#include "sysconfig/SysCfgDialog.h"
#include "sysconfig/SysCfgValues.h"

BEGIN_MESSAGE_MAP(CSysCfgSettingsPage, CSysCfgPage)
    ON_CBN_EDITCHANGE(IDC_SET_CODEPAGE, OnEditCodePage)
    ON_CBN_SELENDOK(IDC_SET_CODEPAGE, OnSelectCodePage)
    ON_CBN_SELENDOK(IDC_SET_TRACEOPT, OnSelectTraceOpt)
    ON_BN_CLICKED(IDC_SET_NOCH9OFLOW, OnClickNoCh9Oflow)
    ON_BN_CLICKED(IDC_SET_NAMEONLY, OnClickNameOnly)
    ON_BN_CLICKED(IDC_SET_SYSG_ENABLE, OnClickSysgEnable)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SET_PANRATE, IDC_SET_PANRATE, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SET_CNSLPORT, IDC_SET_CNSLPORT, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SET_SYSGPORT, IDC_SET_SYSGPORT, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SET_KPALV_IDLE, IDC_SET_KPALV_IDLE, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SET_KPALV_TIMEOUT, IDC_SET_KPALV_TIMEOUT, OnChangeNumber)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SET_CNSLPORT_SPIN, OnDeltaPosCnslPort)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SET_SYSGPORT_SPIN, OnDeltaPosSysgPort)
    ON_BN_CLICKED(IDC_SET_SHCMD, OnClickShellCmd)
    ON_EN_CHANGE(IDC_SET_RCFILE, OnChangeRcFile)
    ON_EN_CHANGE(IDC_SET_LOGOFILE, OnChangeLogoFile)
    ON_BN_CLICKED(IDC_SET_RCFILE_BROWSE, OnBrowseRcFile)
    ON_BN_CLICKED(IDC_SET_LOGOFILE_BROWSE, OnBrowseLogoFile)
    ON_MESSAGE(WM_HISTORY_ITEM_DELETED, OnCodePageDeleted)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_SETTINGS},
    {IDC_SET_CODEPAGE, 10801},
    {IDC_SET_TRACEOPT, 10802},
    {IDC_SET_NOCH9OFLOW, 10803},
    {IDC_SET_PANRATE, 10804},
    {IDC_SET_PANRATE_SPIN, 10804},
    {IDC_SET_NAMEONLY, 10816},
    {IDC_SET_CNSLPORT, 10805},
    {IDC_SET_CNSLPORT_SPIN, 10805},
    {IDC_SET_SYSG_ENABLE, 10806},
    {IDC_SET_SYSGPORT, 10806},
    {IDC_SET_SYSGPORT_SPIN, 10806},
    {IDC_SET_KPALV_GROUP, 10807},
    {IDC_SET_KPALV_IDLE, 10808},
    {IDC_SET_KPALV_IDLE_SPIN, 10808},
    {IDC_SET_KPALV_TIMEOUT, 10809},
    {IDC_SET_KPALV_TIMEOUT_SPIN, 10809},
    {IDC_SET_KPALV_COUNT, 10810},
    {IDC_SET_KPALV_COUNT_SPIN, 10810},
    {IDC_SET_SHCMD, 10811},
    {IDC_SET_SHCMD_STATUS, 10811},
    {IDC_SET_RCFILE_BROWSE, 10812},
    {IDC_SET_RCFILE, 10813},
    {IDC_SET_LOGOFILE_BROWSE, 10814},
    {IDC_SET_LOGOFILE, 10815},
};

const SysCfgHelpRow kHelpIds[] = {
    {IDC_SET_NOCH9OFLOW, 1216},
    {IDC_SET_NAMEONLY, 1542},
    {IDC_SET_SYSG_ENABLE, 1630},
    {IDC_SET_SYSGPORT, 1630},
    {IDC_SET_SYSGPORT_SPIN, 1630},
    {IDC_SET_RCFILE_BROWSE, 1217},
    {IDC_SET_RCFILE, 1218},
    {IDC_SET_LOGOFILE_BROWSE, 1220},
    {IDC_SET_LOGOFILE, 1222},
};

const SysCfgHelpRow kHelpKeyRemaps[] = {
    {IDC_SET_PANRATE, IDC_SET_PANRATE_SPIN},
    {IDC_SET_CNSLPORT, IDC_SET_CNSLPORT_SPIN},
    {IDC_SET_KPALV_IDLE, IDC_SET_KPALV_IDLE_SPIN},
    {IDC_SET_KPALV_TIMEOUT, IDC_SET_KPALV_TIMEOUT_SPIN},
    {IDC_SET_KPALV_COUNT, IDC_SET_KPALV_COUNT_SPIN},
};

// The number edits and the values they hold.
const struct {
    int nId;
    int CVornConfigFile::*pValue;
} kNumbers[] = {
    {IDC_SET_PANRATE, &CVornConfigFile::m_nPanRate},
    {IDC_SET_CNSLPORT, &CVornConfigFile::m_nCnslPort},
    {IDC_SET_SYSGPORT, &CVornConfigFile::m_nSysgPort},
    {IDC_SET_KPALV_IDLE, &CVornConfigFile::m_nKpAlvIdle},
    {IDC_SET_KPALV_TIMEOUT, &CVornConfigFile::m_nKpAlvIntv},
    {IDC_SET_KPALV_COUNT, &CVornConfigFile::m_nKpAlvCount},
};

const int kMaxSeconds = 2147483647;

}  // namespace

CSysCfgSettingsPage::CSysCfgSettingsPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgSettingsPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgSettingsPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

const SysCfgHelpRow* CSysCfgSettingsPage::HelpKeyRemapRows(size_t& nRows) const
{
    return HelpRows(kHelpKeyRemaps, nRows);
}

// Thirteen values; the third keepalive value is only shown.
bool CSysCfgSettingsPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_strCodePage != a.m_strCodePage || e.m_strTraceOpt != a.m_strTraceOpt ||
           e.m_bNoCh9Oflow != a.m_bNoCh9Oflow || e.m_bPanNamesOnly != a.m_bPanNamesOnly ||
           e.m_nPanRate != a.m_nPanRate || e.m_nCnslPort != a.m_nCnslPort || e.m_nSysgPort != a.m_nSysgPort ||
           e.m_bSysgPortEnabled != a.m_bSysgPortEnabled || e.m_nKpAlvIdle != a.m_nKpAlvIdle ||
           e.m_nKpAlvIntv != a.m_nKpAlvIntv || e.m_nShCmdOpt != a.m_nShCmdOpt || e.m_strRCFile != a.m_strRCFile ||
           e.m_strLogoFile != a.m_strLogoFile;
}

void CSysCfgSettingsPage::SnapshotSettings()
{
    const CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_strCodePage = e.m_strCodePage;
    a.m_strTraceOpt = e.m_strTraceOpt;
    a.m_bNoCh9Oflow = e.m_bNoCh9Oflow;
    a.m_bPanNamesOnly = e.m_bPanNamesOnly;
    a.m_nPanRate = e.m_nPanRate;
    a.m_nCnslPort = e.m_nCnslPort;
    a.m_nSysgPort = e.m_nSysgPort;
    a.m_bSysgPortEnabled = e.m_bSysgPortEnabled;
    a.m_nKpAlvIdle = e.m_nKpAlvIdle;
    a.m_nKpAlvIntv = e.m_nKpAlvIntv;
    a.m_nShCmdOpt = e.m_nShCmdOpt;
    a.m_strRCFile = e.m_strRCFile;
    a.m_strLogoFile = e.m_strLogoFile;
}

BOOL CSysCfgSettingsPage::OnInitDialog()
{
    m_CodePageCombo.SetItemDeletedMessage(WM_HISTORY_ITEM_DELETED);
    InitPage();
    // The lists (the code page history read from the settings) and what
    // follows take a step of their own when the page is made in steps.
    InitLater([this] {
        CVornConfigFile& cfg = Edited();
        CString strDefault;
        strDefault.LoadString(IDS_CODEPAGE_HISTORY);
        m_CodePageCombo.FillFromText(ReadCodePageHistory(strDefault), ';');
        int nIndex = m_CodePageCombo.FindStringExact(-1, m_strCodePage);
        if (nIndex >= 0)
            m_CodePageCombo.SetCurSel(nIndex);
        else
            m_CodePageCombo.SetWindowText(m_strCodePage);  // not in the history (yet)

        CString strModes;
        strModes.LoadString(IDS_TRACE_MODES);
        m_TraceCombo.FillFromText(strModes, ';');
        m_TraceCombo.SetCurSel(m_TraceCombo.FindStringExact(-1, cfg.m_strTraceOpt));

        SendDlgItemMessage(IDC_SET_PANRATE_SPIN, UDM_SETRANGE32, g_nMinPanRate, g_nMaxPanRate);
        SendDlgItemMessage(IDC_SET_CNSLPORT_SPIN, UDM_SETRANGE32, 23, 65535);
        SendDlgItemMessage(IDC_SET_SYSGPORT_SPIN, UDM_SETRANGE32, 23, 65535);
        const int keepalive[] = {IDC_SET_KPALV_IDLE_SPIN, IDC_SET_KPALV_TIMEOUT_SPIN, IDC_SET_KPALV_COUNT_SPIN};
        for (int nId : keepalive)
            SendDlgItemMessage(nId, UDM_SETRANGE32, 1, kMaxSeconds);
        GetDlgItem(IDC_SET_KPALV_COUNT)->EnableWindow(FALSE);
        GetDlgItem(IDC_SET_KPALV_COUNT_SPIN)->EnableWindow(FALSE);
        EnableSysgPort();

        SnapshotSettings();
        // The fields widen with the page and what stands right of them follows
        // the right edge; the shell box keeps to the middle; the labels of the
        // left column and the ">" buttons stay. The SYSG row (box, label, edit
        // and spin) rides the right edge whole, so its edit still ends where the
        // console port's edit ends.
        const struct {
            UINT nID;
            int nMode;
        } modes[] = {
            {IDC_SET_CODEPAGE, mdResize},         {IDC_SET_TRACEOPT, mdResize},
            {IDC_SET_PANRATE, mdResize},          {IDC_SET_CNSLPORT, mdResize},
            {IDC_SET_KPALV_GROUP, mdResize},      {IDC_SET_KPALV_IDLE, mdResize},
            {IDC_SET_KPALV_TIMEOUT, mdResize},    {IDC_SET_KPALV_COUNT, mdResize},
            {IDC_SET_RCFILE, mdResize},           {IDC_SET_LOGOFILE, mdResize},
            {IDC_SET_NOCH9OFLOW, mdRepos},        {IDC_SET_NAMEONLY, mdRepos},
            {IDC_SET_PANRATE_SPIN, mdRepos},      {IDC_SET_CNSLPORT_SPIN, mdRepos},
            {IDC_SET_KPALV_IDLE_SPIN, mdRepos},   {IDC_SET_KPALV_TIMEOUT_SPIN, mdRepos},
            {IDC_SET_KPALV_COUNT_SPIN, mdRepos},  {IDC_SET_SYSG_ENABLE, mdRepos},
            {IDC_LABEL_OF(IDC_SET_SYSGPORT), mdRepos},
            {IDC_SET_SYSGPORT, mdRepos},          {IDC_SET_SYSGPORT_SPIN, mdRepos},
            {IDC_SET_SHCMD, mdRelative},          {IDC_SET_SHCMD_STATUS, mdRelative},
        };
        for (const auto& m : modes)
            AddSzXControlById(m.nID, m.nMode);
        m_bPageInitialized = true;
    });
    return TRUE;
}

void CSysCfgSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    DDX_Control(pDX, IDC_SET_CODEPAGE, m_CodePageCombo);
    DDX_Control(pDX, IDC_SET_TRACEOPT, m_TraceCombo);
    DDX_Control(pDX, IDC_SET_RCFILE, m_RcFileEdit);
    DDX_Control(pDX, IDC_SET_LOGOFILE, m_LogoFileEdit);
    DDX_Control(pDX, IDC_SET_KPALV_IDLE, m_KeepAliveEdits[0]);
    DDX_Control(pDX, IDC_SET_KPALV_TIMEOUT, m_KeepAliveEdits[1]);
    DDX_Control(pDX, IDC_SET_KPALV_COUNT, m_KeepAliveEdits[2]);
    if (!pDX->m_bSaveAndValidate)
        m_strCodePage = CodePageShown(cfg.m_strCodePage);
    DDX_CBString(pDX, IDC_SET_CODEPAGE, m_strCodePage);
    // A mode word the list does not hold is kept, not emptied.
    if (pDX->m_bSaveAndValidate && m_TraceCombo.GetCurSel() >= 0)
        m_TraceCombo.GetLBText(m_TraceCombo.GetCurSel(), cfg.m_strTraceOpt);
    ExchangeBool(pDX, IDC_SET_NOCH9OFLOW, cfg.m_bNoCh9Oflow);
    ExchangeBool(pDX, IDC_SET_NAMEONLY, cfg.m_bPanNamesOnly);
    ExchangeBool(pDX, IDC_SET_SYSG_ENABLE, cfg.m_bSysgPortEnabled);
    for (const auto& n : kNumbers)
        ExchangeUnsigned(pDX, n.nId, cfg.*n.pValue);
    DDX_Check(pDX, IDC_SET_SHCMD, cfg.m_nShCmdOpt);
    if (!pDX->m_bSaveAndValidate)
        SetDlgItemText(IDC_SET_SHCMD_STATUS, ShellCmdModeText(cfg.m_nShCmdOpt));
    DDX_Text(pDX, IDC_SET_RCFILE, cfg.m_strRCFile);
    DDX_Text(pDX, IDC_SET_LOGOFILE, cfg.m_strLogoFile);
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed)
        cfg.m_strCodePage = CodePageStored(m_strCodePage);
    RunCheck(pDX, CheckSettings);
}

void CSysCfgSettingsPage::Changed()
{
    if (m_bPageInitialized)
        ReevaluateModified();
}

void CSysCfgSettingsPage::TakeCodePage()
{
    Edited().m_strCodePage = CodePageStored(m_strCodePage);
    Changed();
}

// Typing: the edit field's text, also while the opened list highlights an
// entry that merely begins with it.
void CSysCfgSettingsPage::OnEditCodePage()
{
    if (!m_bPageInitialized)
        return;
    m_CodePageCombo.GetWindowText(m_strCodePage);
    TakeCodePage();
}

void CSysCfgSettingsPage::OnSelectCodePage()
{
    if (!m_bPageInitialized)
        return;
    int nSel = m_CodePageCombo.GetCurSel();
    if (nSel >= 0)
        m_CodePageCombo.GetLBText(nSel, m_strCodePage);
    else
        m_CodePageCombo.GetWindowText(m_strCodePage);
    TakeCodePage();
}

void CSysCfgSettingsPage::OnSelectTraceOpt()
{
    if (!m_bPageInitialized)
        return;
    int nSel = m_TraceCombo.GetCurSel();
    if (nSel >= 0)
        m_TraceCombo.GetLBText(nSel, Edited().m_strTraceOpt);
    Changed();
}

void CSysCfgSettingsPage::OnClickNoCh9Oflow()
{
    if (!m_bPageInitialized)
        return;
    Edited().m_bNoCh9Oflow = IsChecked(IDC_SET_NOCH9OFLOW);
    Changed();
}

void CSysCfgSettingsPage::OnClickNameOnly()
{
    if (!m_bPageInitialized)
        return;
    Edited().m_bPanNamesOnly = IsChecked(IDC_SET_NAMEONLY);
    Changed();
}

void CSysCfgSettingsPage::EnableSysgPort()
{
    bool bEnabled = Edited().m_bSysgPortEnabled;
    GetDlgItem(IDC_SET_SYSGPORT)->EnableWindow(bEnabled);
    GetDlgItem(IDC_SET_SYSGPORT_SPIN)->EnableWindow(bEnabled);
}

void CSysCfgSettingsPage::OnClickSysgEnable()
{
    if (!m_bPageInitialized)
        return;
    Edited().m_bSysgPortEnabled = IsChecked(IDC_SET_SYSG_ENABLE);
    EnableSysgPort();
    Changed();
}

void CSysCfgSettingsPage::OnChangeNumber(UINT nID)
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    for (const auto& n : kNumbers) {
        if (n.nId != (int)nID)
            continue;
        CString str;
        GetDlgItemText(n.nId, str);
        UINT nValue = 0;
        Edited().*n.pValue = StringToUINT(str, nValue) ? (int)nValue : kNotANumber;
    }
    Changed();
}

void CSysCfgSettingsPage::StepPort(int nEditId, int& nPort, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;  // the spin's own change is not wanted
    if (!m_bPageInitialized)
        return;
    int nNew = 0;
    if (!StepConsolePort(nPort, ((NMUPDOWN*)pNMHDR)->iDelta, nNew))
        return;
    CString str;
    str.Format("%u", (UINT)nNew);
    SetTextUpdating(nEditId, str);
    nPort = nNew;
    Changed();
}

void CSysCfgSettingsPage::OnDeltaPosCnslPort(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepPort(IDC_SET_CNSLPORT, Edited().m_nCnslPort, pNMHDR, pResult);
}

void CSysCfgSettingsPage::OnDeltaPosSysgPort(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepPort(IDC_SET_SYSGPORT, Edited().m_nSysgPort, pNMHDR, pResult);
}

// Reads only its own box: a full exchange here would run the page's checks
// and raise another field's balloon on a click of this one.
void CSysCfgSettingsPage::OnClickShellCmd()
{
    if (!m_bPageInitialized)
        return;
    int nMode = (int)IsDlgButtonChecked(IDC_SET_SHCMD);
    Edited().m_nShCmdOpt = nMode;
    SetDlgItemText(IDC_SET_SHCMD_STATUS, ShellCmdModeText(nMode));
    Changed();
}

void CSysCfgSettingsPage::CopyFileName(int nEditId, CString& strFile)
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    GetDlgItemText(nEditId, strFile);
    m_bUpdating = false;
    Changed();
}

void CSysCfgSettingsPage::OnChangeRcFile()
{
    CopyFileName(IDC_SET_RCFILE, Edited().m_strRCFile);
}

void CSysCfgSettingsPage::OnChangeLogoFile()
{
    CopyFileName(IDC_SET_LOGOFILE, Edited().m_strLogoFile);
}

void CSysCfgSettingsPage::BrowseFile(const char* pszFilter, const char* pszTitle, CSaveSelEdit& edit)
{
    CString strPath;
    edit.GetWindowText(strPath);
    // The chosen name goes into the edit, whose change notification takes it.
    BrowseForFile(pszFilter, strPath, pszTitle, m_pDlg->m_strConfigFilesDir, &edit, true);
}

void CSysCfgSettingsPage::OnBrowseRcFile()
{
    BrowseFile("Run Command Files (*.rc)|*.rc|Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", ".RC File",
               m_RcFileEdit);
}

void CSysCfgSettingsPage::OnBrowseLogoFile()
{
    BrowseFile("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", "Logo File", m_LogoFileEdit);
}

// The combo box has removed the entry before it reports it: the next entry
// is selected, or the one before it after the last; the history is stored
// again with the current code page first and once.
LRESULT CSysCfgSettingsPage::OnCodePageDeleted(WPARAM wp, LPARAM)
{
    int nCount = m_CodePageCombo.GetCount();
    int nSel = (int)wp < nCount ? (int)wp : nCount - 1;
    if (nSel >= 0) {
        m_CodePageCombo.SetCurSel(nSel);
        m_CodePageCombo.GetLBText(nSel, m_strCodePage);
    } else {
        m_CodePageCombo.SetWindowText("");
        m_strCodePage.Empty();
    }
    TrimBlanks(m_strCodePage);
    CStringArray entries;
    for (int i = 0; i < nCount; ++i) {
        CString strEntry;
        m_CodePageCombo.GetLBText(i, strEntry);
        entries.Add(strEntry);
    }
    WriteCodePageHistory(BuildCodePageHistory(m_strCodePage, entries));
    TakeCodePage();
    return 0;
}
