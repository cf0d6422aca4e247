// SysCfgArchPage.cpp: the Architecture page.
#include "sysconfig/SysCfgArchPage.h"

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "platform/DDX.h"
#include "platform/NumberParse.h"
#include "sysconfig/SysCfgDialog.h"

namespace {

// The tailoring boxes in the order of their bits, 0x8000 ("Quiet") down to
// 0x0080 ("Null").
const UINT kTailorIds[kTailorBoxes] = {IDC_ARCH_QUIET, IDC_ARCH_VM,    IDC_ARCH_VSE, IDC_ARCH_ZVSE, IDC_ARCH_LINUX,
                                       IDC_ARCH_SOLARIS, IDC_ARCH_OS390, IDC_ARCH_ZOS, IDC_ARCH_NULL};

int TailorIndex(UINT nID)
{
    for (int i = 0; i < kTailorBoxes; ++i)
        if (kTailorIds[i] == nID)
            return i;
    return -1;
}

const SysCfgHelpRow kHelpStrings[] = {
    {0, 10100},
    {IDC_ARCH_TAILOR_GROUP, 10101},
    {IDC_ARCH_QUIET, 10102},
    {IDC_ARCH_VM, 10103},
    {IDC_ARCH_VSE, 10104},
    {IDC_ARCH_ZVSE, 10105},
    {IDC_ARCH_LINUX, 10106},
    {IDC_ARCH_SOLARIS, 10107},
    {IDC_ARCH_OS390, 10108},
    {IDC_ARCH_ZOS, 10109},
    {IDC_ARCH_NULL, 10110},
    {IDC_ARCH_MODE_GROUP, 10111},
    {IDC_ARCH_S370, 10112},
    {IDC_ARCH_ESA390, 10113},
    {IDC_ARCH_ZARCH, 10114},
    {IDC_ARCH_OPTIONS_GROUP, 10115},
    {IDC_ARCH_LEGACYSENSEID, 10116},
    {IDC_ARCH_SENSEID_STATUS, 10116},
    {IDC_ARCH_DIAG8, 10117},
    {IDC_ARCH_DIAG8_ECHO, 10118},
    {IDC_ARCH_ECPSVM, 10119},
    {IDC_ARCH_ECPSVM_LEVEL, 10120},
    {IDC_ARCH_ECPSVM_SPIN, 10120},
    {IDC_ARCH_ECPSVM_LEVEL_LABEL, 10120},
    {IDC_ARCH_ECPSVM_TRAP, 10121},
};

const SysCfgHelpRow kHelpIds[] = {
    {0, 2335},
    {IDC_ARCH_QUIET, 2340},
    {IDC_ARCH_VM, 2340},
    {IDC_ARCH_VSE, 2340},
    {IDC_ARCH_ZVSE, 2340},
    {IDC_ARCH_LINUX, 2340},
    {IDC_ARCH_SOLARIS, 2340},
    {IDC_ARCH_OS390, 2340},
    {IDC_ARCH_ZOS, 2340},
    {IDC_ARCH_NULL, 2340},
    {IDC_ARCH_S370, 2349},
    {IDC_ARCH_ESA390, 2349},
    {IDC_ARCH_ZARCH, 2349},
    {IDC_ARCH_LEGACYSENSEID, 2355},
    {IDC_ARCH_DIAG8, 2357},
    {IDC_ARCH_DIAG8_ECHO, 2358},
    {IDC_ARCH_ECPSVM, 2359},
    {IDC_ARCH_ECPSVM_TRAP, 1342},
    {IDC_ARCH_ECPSVM_LEVEL, 2360},
};

}  // namespace

BEGIN_MESSAGE_MAP(CSysCfgArchPage, CSysCfgPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_S370, IDC_ARCH_ZARCH, OnClickArchMode)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_QUIET, IDC_ARCH_QUIET, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_VM, IDC_ARCH_LINUX, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_ZVSE, IDC_ARCH_ZVSE, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_SOLARIS, IDC_ARCH_SOLARIS, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_OS390, IDC_ARCH_OS390, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_ZOS, IDC_ARCH_ZOS, OnClickTailorBox)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ARCH_NULL, IDC_ARCH_NULL, OnClickTailorBox)
    ON_BN_CLICKED(IDC_ARCH_LEGACYSENSEID, OnClickLegacySenseId)
    ON_BN_CLICKED(IDC_ARCH_DIAG8, OnClickDiag8)
    ON_BN_CLICKED(IDC_ARCH_DIAG8_ECHO, OnClickDiag8Echo)
    ON_BN_CLICKED(IDC_ARCH_ECPSVM, OnClickEcpsVm)
    ON_BN_CLICKED(IDC_ARCH_ECPSVM_TRAP, OnClickTrap)
    ON_EN_CHANGE(IDC_ARCH_ECPSVM_LEVEL, OnChangeEcpsVmLevel)
END_MESSAGE_MAP()

CSysCfgArchPage::CSysCfgArchPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgArchPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgArchPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

bool CSysCfgArchPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_wOsTailor != a.m_wOsTailor || e.m_nArchMode != a.m_nArchMode ||
           e.m_nEcpsvmEnabled != a.m_nEcpsvmEnabled || e.m_nEcpsvmLevel != a.m_nEcpsvmLevel ||
           e.m_bEcpsvmTrap != a.m_bEcpsvmTrap || e.m_nDiag8CmdEnabled != a.m_nDiag8CmdEnabled ||
           e.m_nDiag8CmdEcho != a.m_nDiag8CmdEcho || e.m_bLegacySenseId != a.m_bLegacySenseId;
}

void CSysCfgArchPage::SnapshotSettings()
{
    CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_wOsTailor = e.m_wOsTailor;
    a.m_nArchMode = e.m_nArchMode;
    a.m_nEcpsvmEnabled = e.m_nEcpsvmEnabled;
    a.m_nEcpsvmLevel = e.m_nEcpsvmLevel;
    a.m_bEcpsvmTrap = e.m_bEcpsvmTrap;
    a.m_nDiag8CmdEnabled = e.m_nDiag8CmdEnabled;
    a.m_nDiag8CmdEcho = e.m_nDiag8CmdEcho;
    a.m_bLegacySenseId = e.m_bLegacySenseId;
    m_ecpsMemory.bTrap = a.m_bEcpsvmTrap;
    m_ecpsMemory.nLevel = (UINT)a.m_nEcpsvmLevel;
}

void CSysCfgArchPage::UnpackTailorFlags()
{
    ::UnpackTailorFlags(Edited().m_wOsTailor, m_bTailor);
}

BOOL CSysCfgArchPage::OnInitDialog()
{
    UnpackTailorFlags();
    SnapshotSettings();
    InitPage();
    m_LevelSpin.SubclassDlgItem(IDC_ARCH_ECPSVM_SPIN, this);
    CString strMax;
    strMax.Format("%u", g_nMaxECPSVMLevel);
    SendDlgItemMessage(IDC_ARCH_ECPSVM_LEVEL, EM_LIMITTEXT, (WPARAM)strMax.GetLength());
    m_ecpsMemory.nLevel = (UINT)Edited().m_nEcpsvmLevel;
    m_LevelSpin.SetRange32(0, (int)g_nMaxECPSVMLevel);
    m_LevelSpin.SetPos32(Edited().m_nEcpsvmLevel);
    CheckDlgButton(IDC_ARCH_ECPSVM, Edited().m_nEcpsvmEnabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ARCH_ECPSVM_TRAP, Edited().m_bEcpsvmTrap ? BST_CHECKED : BST_UNCHECKED);
    // What the check boxes enable, and the layout, in a step of their own
    // when the page is made in steps.
    InitLater([this] {
        OnClickEcpsVm();
        OnClickLegacySenseId();
        RegisterLayout();
        m_bPageInitialized = true;
    });
    return TRUE;
}

// The tailoring group grows downwards with its boxes spread over its height;
// the architecture group widens with its radios spread over the width; the
// options group grows both ways, its rows spread over its height and moving
// by half the width change.
void CSysCfgArchPage::RegisterLayout()
{
    AddSzAxisControl(IDC_ARCH_TAILOR_GROUP, mdResize);
    for (int i = 0; i < kTailorBoxes; ++i)
        AddSzYControlEvenMove(kTailorBoxes, i + 1, kTailorIds[i], false);
    AddSzXControlById(IDC_ARCH_MODE_GROUP, mdResize);
    const struct {
        UINT nID;
        int nPart;  // of four parts of the width
    } radios[] = {{IDC_ARCH_S370, 1}, {IDC_ARCH_ESA390, 2}, {IDC_ARCH_ZARCH, 4}};
    for (const auto& r : radios)
        AddSzXControlEvenMove(4, r.nPart, r.nID, false);
    AddSzXControlById(IDC_ARCH_OPTIONS_GROUP, mdResize);
    AddSzAxisControl(IDC_ARCH_OPTIONS_GROUP, mdResize);
    const struct {
        UINT nID;
        int nRow;  // of six rows of the height
    } options[] = {
        {IDC_ARCH_LEGACYSENSEID, 2}, {IDC_ARCH_SENSEID_STATUS, 2},     {IDC_ARCH_DIAG8, 3},
        {IDC_ARCH_DIAG8_ECHO, 3},    {IDC_ARCH_ECPSVM, 4},             {IDC_ARCH_ECPSVM_LEVEL, 4},
        {IDC_ARCH_ECPSVM_SPIN, 4},   {IDC_ARCH_ECPSVM_LEVEL_LABEL, 4}, {IDC_ARCH_ECPSVM_TRAP, 4},
    };
    for (const auto& o : options) {
        AddSzXControlById(o.nID, mdRelative);
        AddSzYControlEvenMove(6, o.nRow, o.nID, false);
    }
}

void CSysCfgArchPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    DDX_Radio(pDX, IDC_ARCH_S370, cfg.m_nArchMode);
    for (int i = 0; i < kTailorBoxes; ++i)
        DDX_Check(pDX, (int)kTailorIds[i], m_bTailor[i]);
    DDX_Check(pDX, IDC_ARCH_ECPSVM, cfg.m_nEcpsvmEnabled);
    ExchangeBool(pDX, IDC_ARCH_ECPSVM_TRAP, cfg.m_bEcpsvmTrap);
    DDX_Check(pDX, IDC_ARCH_DIAG8, cfg.m_nDiag8CmdEnabled);
    DDX_Check(pDX, IDC_ARCH_DIAG8_ECHO, cfg.m_nDiag8CmdEcho);
    ExchangeBool(pDX, IDC_ARCH_LEGACYSENSEID, cfg.m_bLegacySenseId);
    ExchangeUnsigned(pDX, IDC_ARCH_ECPSVM_LEVEL, cfg.m_nEcpsvmLevel);
    RunCheck(pDX, CheckEcpsVmLevel);
}

void CSysCfgArchPage::OnClickArchMode(UINT)
{
    if (m_bPageInitialized)
        UpdateData(TRUE);
    ReevaluateModified();
}

void CSysCfgArchPage::OnClickTailorBox(UINT nID)
{
    int nBox = TailorIndex(nID);
    if (nBox < 0)
        return;
    ClickTailorBox(m_bTailor, nBox, IsChecked((int)nID));
    Edited().m_wOsTailor = PackTailorFlags(m_bTailor, Edited().m_wOsTailor);
    ReevaluateModified();
    if (m_bPageInitialized)
        UpdateData(FALSE);
}

void CSysCfgArchPage::OnClickLegacySenseId()
{
    if (m_bPageInitialized)
        UpdateData(TRUE);
    ReevaluateModified();
    SetDlgItemText(IDC_ARCH_SENSEID_STATUS, Edited().m_bLegacySenseId ? "(enable)" : "(disable)");
}

void CSysCfgArchPage::OnClickDiag8()
{
    Edited().m_nDiag8CmdEnabled = IsChecked(IDC_ARCH_DIAG8);
    ReevaluateModified();
}

void CSysCfgArchPage::OnClickDiag8Echo()
{
    Edited().m_nDiag8CmdEcho = IsChecked(IDC_ARCH_DIAG8_ECHO);
    ReevaluateModified();
}

// Switching ECPS:VM on brings back the level and trap chosen before it was
// switched off; switching it off puts the last-applied ones back.
void CSysCfgArchPage::OnClickEcpsVm()
{
    CVornConfigFile& cfg = Edited();
    bool bEnabled = IsChecked(IDC_ARCH_ECPSVM);
    cfg.m_nEcpsvmEnabled = bEnabled;
    if (bEnabled)
        EnableEcpsVm(cfg, m_ecpsMemory);
    else
        DisableEcpsVm(cfg, Applied());
    CString str;
    str.Format("%u", (UINT)cfg.m_nEcpsvmLevel);
    SetTextUpdating(IDC_ARCH_ECPSVM_LEVEL, str);
    CheckDlgButton(IDC_ARCH_ECPSVM_TRAP, cfg.m_bEcpsvmTrap ? BST_CHECKED : BST_UNCHECKED);
    const int ids[] = {IDC_ARCH_ECPSVM_LEVEL, IDC_ARCH_ECPSVM_SPIN, IDC_ARCH_ECPSVM_TRAP};
    for (int nID : ids)
        if (CWnd* pCtrl = GetDlgItem(nID))
            pCtrl->EnableWindow(bEnabled);
    ReevaluateModified();
}

void CSysCfgArchPage::OnClickTrap()
{
    m_ecpsMemory.bTrap = Edited().m_bEcpsvmTrap = IsChecked(IDC_ARCH_ECPSVM_TRAP);
    ReevaluateModified();
}

void CSysCfgArchPage::OnChangeEcpsVmLevel()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    CString str;
    GetDlgItemText(IDC_ARCH_ECPSVM_LEVEL, str);
    StringToUINT(str, m_ecpsMemory.nLevel);
    Edited().m_nEcpsvmLevel = (int)m_ecpsMemory.nLevel;
    ReevaluateModified();
}
