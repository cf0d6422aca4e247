// SysCfgAdvancedPage.cpp: the Advanced page.
#include "sysconfig/SysCfgAdvancedPage.h"

#include "config/CVornConfigFile.h"
#include "config/FileDialogs.h"
#include "platform/BrowseForDirectory.h"
#include "sysconfig/ModuleList.h"
#include "sysconfig/SysCfgDialog.h"

BEGIN_MESSAGE_MAP(CSysCfgAdvancedPage, CSysCfgPage)
    ON_EN_CHANGE(IDC_ADV_MODPATH, OnChangeModPath)
    ON_EN_CHANGE(IDC_ADV_LDMOD, OnChangeLdMod)
    ON_BN_CLICKED(IDC_ADV_MODPATH_BROWSE, OnBrowseModuleDir)
    ON_BN_CLICKED(IDC_ADV_LDMOD_BROWSE, OnBrowseModules)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_ADVANCED},
    {IDC_ADV_MODPATH, 11001},
    {IDC_ADV_MODPATH_BROWSE, 11002},
    {IDC_ADV_LDMOD, 11003},
    {IDC_ADV_LDMOD_BROWSE, 11004},
    {IDC_ADV_GROUP, 11005},
};

}  // namespace

CSysCfgAdvancedPage::CSysCfgAdvancedPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgAdvancedPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgAdvancedPage::HelpIdRows(size_t& nRows) const
{
    nRows = 0;
    return nullptr;
}

bool CSysCfgAdvancedPage::IsModified() const
{
    return Edited().m_strModPath != Applied().m_strModPath || Edited().m_strLdMod != Applied().m_strLdMod;
}

void CSysCfgAdvancedPage::SnapshotSettings()
{
    Applied().m_strModPath = Edited().m_strModPath;
    Applied().m_strLdMod = Edited().m_strLdMod;
}

BOOL CSysCfgAdvancedPage::OnInitDialog()
{
    InitPage();
    SnapshotSettings();
    const UINT stretch[] = {IDC_ADV_GROUP, IDC_ADV_MODPATH, IDC_ADV_LDMOD};
    for (UINT nID : stretch)
        AddSzXControlById(nID, mdResize);
    m_bPageInitialized = true;
    return TRUE;
}

void CSysCfgAdvancedPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ADV_MODPATH, Edited().m_strModPath);
    DDX_Text(pDX, IDC_ADV_LDMOD, Edited().m_strLdMod);
}

void CSysCfgAdvancedPage::OnChangeModPath()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    GetDlgItemText(IDC_ADV_MODPATH, Edited().m_strModPath);
    ReevaluateModified();
}

void CSysCfgAdvancedPage::OnChangeLdMod()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    GetDlgItemText(IDC_ADV_LDMOD, Edited().m_strLdMod);
    ReevaluateModified();
}

CString CSysCfgAdvancedPage::StartFolder() const
{
    const CString& strModPath = Edited().m_strModPath;
    return strModPath.IsEmpty() ? m_pDlg->m_strExecutablesDir : strModPath;
}

void CSysCfgAdvancedPage::OnBrowseModuleDir()
{
    CString strFolder;
    if (BrowseForDirectoryEx(m_hWnd, "Select default dynamic modules load directory", StartFolder(), strFolder)) {
        Edited().m_strModPath = strFolder;
        SetTextUpdating(IDC_ADV_MODPATH, strFolder);
    }
    ReevaluateModified();
}

void CSysCfgAdvancedPage::OnBrowseModules()
{
    CVornConfigFile& cfg = Edited();
    GetDlgItemText(IDC_ADV_LDMOD, cfg.m_strLdMod);
    CStringArray list;
    CString strInitial;
    LdModToSelection(cfg.m_strLdMod, cfg.m_strModPath, list, strInitial);
    // An empty MODPATH set from the modules' own folder shows at once, so
    // that the next exchange does not read the old text back.
    SetTextUpdating(IDC_ADV_MODPATH, cfg.m_strModPath);
    ReevaluateModified();
    INT_PTR nResult = BrowseForFile("DLLs (*.dll)|*.dll|All files (*.*)|*.*||", strInitial, "Additional Dynmods",
                                    StartFolder(), nullptr, true, &list);
    if (nResult == IDOK) {
        if (LdModFromChoice(list, cfg.m_strModPath, cfg.m_strLdMod))
            SetTextUpdating(IDC_ADV_MODPATH, cfg.m_strModPath);
        else
            MessageBox(g_strModulesOneFolder, "Additional Dynmods", MB_OK | MB_ICONEXCLAMATION);
    }
    SetTextUpdating(IDC_ADV_LDMOD, cfg.m_strLdMod);
    ReevaluateModified();
}
