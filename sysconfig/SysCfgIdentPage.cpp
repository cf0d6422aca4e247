// SysCfgIdentPage.cpp: the Identification page.
#include "sysconfig/SysCfgIdentPage.h"

#include "config/CVornConfigFile.h"
#include "platform/PathFunctions.h"
#include "sysconfig/SysCfgDialog.h"

BEGIN_MESSAGE_MAP(CSysCfgIdentPage, CSysCfgPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_IDENT_LPARNAME, IDC_IDENT_LPARNAME, OnChangeText)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_IDENT_DESCRIPTION, IDC_IDENT_DESCRIPTION, OnChangeText)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_IDENT_MANUFACTURER, IDC_IDENT_MANUFACTURER, OnChangeText)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_IDENT_HARDWARE, IDC_IDENT_CPUIDFMT, OnChangeText)
    ON_BN_CLICKED(IDC_IDENT_IGNOREERRORS, OnClickIgnoreErrors)
END_MESSAGE_MAP()

namespace {

// The ten text fields: control, configuration member and text limit.
struct IdentText {
    UINT nCtrlId;
    CString CVornConfigFile::*pString;  // null: the model name nModel
    int nModel;
    int nLimit;                         // 0: none
};

const IdentText kTexts[] = {
    {IDC_IDENT_DESCRIPTION, &CVornConfigFile::m_strDescription, 0, 0},
    {IDC_IDENT_LPARNUM, &CVornConfigFile::m_strLparNum, 0, 5},
    {IDC_IDENT_CPUIDFMT, &CVornConfigFile::m_strCPUIdFmt, 0, 5},
    {IDC_IDENT_LPARNAME, &CVornConfigFile::m_strLparName, 0, 8},
    {IDC_IDENT_HARDWARE, nullptr, 0, 16},
    {IDC_IDENT_CAPACITY, nullptr, 1, 16},
    {IDC_IDENT_PERM, nullptr, 2, 16},
    {IDC_IDENT_TEMP, nullptr, 3, 16},
    {IDC_IDENT_MANUFACTURER, &CVornConfigFile::m_strManufacturer, 0, 16},
    {IDC_IDENT_PLANT, &CVornConfigFile::m_strPlant, 0, 4},
};

CString& TextOf(CVornConfigFile& cfg, const IdentText& t)
{
    return t.pString ? cfg.*(t.pString) : cfg.m_strModel[t.nModel];
}

const SysCfgHelpRow kHelpStrings[] = {
    {0, 10000},
    {IDC_IDENT_FILENAME, 10001},
    {IDC_IDENT_DESCRIPTION, 10002},
    {IDC_IDENT_LPARNUM, 10003},
    {IDC_IDENT_CPUIDFMT, 10004},
    {IDC_IDENT_LPARNAME, 10005},
    {IDC_IDENT_MANUFACTURER, 10006},
    {IDC_IDENT_PLANT, 10007},
    {IDC_IDENT_MODELS, 10008},
    {IDC_IDENT_HARDWARE, 10009},
    {IDC_IDENT_CAPACITY, 10010},
    {IDC_IDENT_PERM, 10011},
    {IDC_IDENT_TEMP, 10012},
    {IDC_IDENT_IGNOREERRORS, 10013},
};

const SysCfgHelpRow kHelpIds[] = {
    {0, 2267},
    {IDC_IDENT_DESCRIPTION, 2274},
    {IDC_IDENT_LPARNUM, 2278},
    {IDC_IDENT_CPUIDFMT, 1594},
    {IDC_IDENT_LPARNAME, 2276},
    {IDC_IDENT_MANUFACTURER, 2280},
    {IDC_IDENT_PLANT, 2282},
    {IDC_IDENT_HARDWARE, 2285},
    {IDC_IDENT_CAPACITY, 2287},
    {IDC_IDENT_PERM, 2289},
    {IDC_IDENT_TEMP, 2291},
    {IDC_IDENT_IGNOREERRORS, 1214},
};

}  // namespace

CSysCfgIdentPage::CSysCfgIdentPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgIdentPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgIdentPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

bool CSysCfgIdentPage::IsModified() const
{
    for (const IdentText& t : kTexts)
        if (TextOf(Edited(), t) != TextOf(Applied(), t))
            return true;
    return Edited().m_bIgnoreParseErrors != Applied().m_bIgnoreParseErrors;
}

void CSysCfgIdentPage::SnapshotSettings()
{
    for (const IdentText& t : kTexts)
        TextOf(Applied(), t) = TextOf(Edited(), t);
    Applied().m_bIgnoreParseErrors = Edited().m_bIgnoreParseErrors;
}

BOOL CSysCfgIdentPage::OnInitDialog()
{
    InitPage();
    for (const IdentText& t : kTexts)
        if (t.nLimit)
            SendDlgItemMessage(t.nCtrlId, EM_LIMITTEXT, t.nLimit);
    SnapshotSettings();
    AddSzXControlById(IDC_IDENT_FILENAME, mdResize);
    AddSzXControlById(IDC_IDENT_DESCRIPTION, mdResize);
    AddSzXControlById(IDC_IDENT_MODELS, mdResize);
    AddSzXControlById(IDC_IDENT_IGNOREERRORS, mdRelative);
    // The upper fields keep their rows in eight equal parts of the height;
    // the model names' group, its fields and the check box ride the bottom
    // edge, so that the rows above never run into the group.
    AddRow(8, 1, {IDC_IDENT_FILENAME});
    AddRow(8, 2, {IDC_IDENT_DESCRIPTION});
    AddRow(8, 3, {IDC_IDENT_LPARNUM, IDC_IDENT_CPUIDFMT});
    AddRow(8, 4, {IDC_IDENT_LPARNAME});
    AddRow(8, 5, {IDC_IDENT_MANUFACTURER, IDC_IDENT_PLANT});
    const UINT bottom[] = {IDC_IDENT_MODELS,   IDC_IDENT_HARDWARE, IDC_IDENT_CAPACITY,    IDC_IDENT_PERM,
                           IDC_IDENT_TEMP,     IDC_IDENT_IGNOREERRORS};
    for (UINT nID : bottom) {
        AddSzAxisControl(nID, mdRepos);
        if (nID != IDC_IDENT_MODELS && nID != IDC_IDENT_IGNOREERRORS)
            AddSzAxisControl(IDC_LABEL_OF(nID), mdRepos);
    }
    m_bPageInitialized = true;
    return TRUE;
}

void CSysCfgIdentPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    if (!pDX->m_bSaveAndValidate)
        SetDlgItemText(IDC_IDENT_FILENAME, WindowsizedDirectory(cfg.GetFullPath()));
    for (const IdentText& t : kTexts)
        DDX_Text(pDX, (int)t.nCtrlId, TextOf(cfg, t));
    ExchangeBool(pDX, IDC_IDENT_IGNOREERRORS, cfg.m_bIgnoreParseErrors);
    RunCheck(pDX, CheckIdentification);
}

void CSysCfgIdentPage::OnChangeText(UINT nID)
{
    if (m_bUpdating)
        return;
    m_bUpdating = true;
    for (const IdentText& t : kTexts)
        if (t.nCtrlId == nID)
            GetDlgItemText((int)nID, TextOf(Edited(), t));
    ReevaluateModified();
    m_bUpdating = false;
}

void CSysCfgIdentPage::OnClickIgnoreErrors()
{
    Edited().m_bIgnoreParseErrors = IsChecked(IDC_IDENT_IGNOREERRORS);
    ReevaluateModified();
}
