// SysCfgProcsPage.cpp: the Processors page and its CPU model list.
#include "sysconfig/SysCfgProcsPage.h"

#include <algorithm>

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "config/WindowHelpers.h"
#include "platform/CDC.h"
#include "platform/DDX.h"
#include "platform/NumberParse.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"
#include "sysconfig/SysCfgValues.h"

BEGIN_MESSAGE_MAP(CSysCfgProcsPage, CSysCfgPage)
    ON_BN_CLICKED(IDC_PROCS_MODEL_PICK, OnOpenModelList)
    ON_CBN_SELENDOK(IDC_PROCS_MODEL_LIST, OnModelListPicked)
    ON_CBN_SELENDCANCEL(IDC_PROCS_MODEL_LIST, OnModelListCancelled)
    ON_EN_CHANGE(IDC_PROCS_SERIAL, OnChangeSerial)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_MODEL, IDC_PROCS_MODEL, OnChangeModelOrVersion)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_VERSION, IDC_PROCS_VERSION, OnChangeModelOrVersion)
    ON_EN_CHANGE(IDC_PROCS_MAXCPU, OnChangeMaxCpu)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_NUMCPU, IDC_PROCS_NUMCPU, OnChangeCount)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_NUMVEC, IDC_PROCS_NUMVEC, OnChangeCount)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_MAINSIZE, IDC_PROCS_MAINSIZE, OnChangeStorage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PROCS_XPNDSIZE, IDC_PROCS_XPNDSIZE, OnChangeStorage)
    ON_MESSAGE(WM_MAXCPU_CHANGED, OnMaxCpuChangedMsg)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, 10200},
    {IDC_PROCS_SERIAL, 10201},
    {IDC_PROCS_MODEL, 10202},
    {IDC_PROCS_MODEL_PICK, 10203},
    {IDC_PROCS_MODEL_LIST, 10204},
    {IDC_PROCS_VERSION, 10205},
    {IDC_PROCS_MAXCPU, 10206},
    {IDC_PROCS_MAXCPU_SPIN, 10206},
    {IDC_PROCS_NUMCPU, 10207},
    {IDC_PROCS_NUMCPU_SPIN, 10207},
    {IDC_PROCS_NUMVEC, 10208},
    {IDC_PROCS_NUMVEC_SPIN, 10208},
    {IDC_PROCS_MAINSIZE, 10209},
    {IDC_PROCS_MAINSIZE_SPIN, 10209},
    {IDC_PROCS_XPNDSIZE, 10210},
    {IDC_PROCS_XPNDSIZE_SPIN, 10210},
};

const SysCfgHelpRow kHelpKeyRemaps[] = {
    {IDC_PROCS_MODEL_PICK, IDC_PROCS_MODEL_LIST},
    {IDC_PROCS_MAXCPU, IDC_PROCS_MAXCPU_SPIN},
    {IDC_PROCS_NUMCPU, IDC_PROCS_NUMCPU_SPIN},
    {IDC_PROCS_NUMVEC, IDC_PROCS_NUMVEC_SPIN},
    {IDC_PROCS_MAINSIZE, IDC_PROCS_MAINSIZE_SPIN},
    {IDC_PROCS_XPNDSIZE, IDC_PROCS_XPNDSIZE_SPIN},
};

int ToSpin(UINT64 ull)
{
    return ull > 0x7FFFFFFF ? 0x7FFFFFFF : (int)ull;
}

}  // namespace

CSysCfgProcsPage::CSysCfgProcsPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgProcsPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgProcsPage::HelpIdRows(size_t& nRows) const
{
    nRows = 0;
    return nullptr;
}

const SysCfgHelpRow* CSysCfgProcsPage::HelpKeyRemapRows(size_t& nRows) const
{
    return HelpRows(kHelpKeyRemaps, nRows);
}

bool CSysCfgProcsPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_strCPUSerial != a.m_strCPUSerial || e.m_strCPUModel != a.m_strCPUModel ||
           e.m_strCPUVersion != a.m_strCPUVersion || e.m_nNumCPUs != a.m_nNumCPUs || e.m_nMaxCPUs != a.m_nMaxCPUs ||
           e.m_nNumVec != a.m_nNumVec || e.m_ullMainSize != a.m_ullMainSize || e.m_ullXpndSize != a.m_ullXpndSize;
}

void CSysCfgProcsPage::SnapshotSettings()
{
    CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_strCPUSerial = e.m_strCPUSerial;
    a.m_strCPUModel = e.m_strCPUModel;
    a.m_strCPUVersion = e.m_strCPUVersion;
    a.m_nNumCPUs = e.m_nNumCPUs;
    a.m_nMaxCPUs = e.m_nMaxCPUs;
    a.m_nNumVec = e.m_nNumVec;
    a.m_ullMainSize = e.m_ullMainSize;
    a.m_ullXpndSize = e.m_ullXpndSize;
}

void CSysCfgProcsPage::LoadCpuTypes()
{
    m_ModelList.ResetContent();
    const CString& strProgramDir = m_pDlg ? m_pDlg->m_strProgramDir : CString();
    const CString& strConfigDir = m_pDlg ? m_pDlg->m_strConfigFilesDir : CString();
    m_cpuTypes.Load(strProgramDir.IsEmpty() ? CString() : strProgramDir + "\\cpu-types.txt",
                    strConfigDir.IsEmpty() ? CString() : strConfigDir + "cpu-types.txt");
    for (const CpuTypeEntry& e : m_cpuTypes.Entries())
        m_ModelList.AddString(e.strText);
    FitDroppedWidth();
}

// The list stands right of "<", narrower than its names: its drop-down is
// as wide as the longest (with its scroll bar), so that each shows whole.
void CSysCfgProcsPage::FitDroppedWidth()
{
    CClientDC dc(&m_ModelList);
    CDCSelect font(dc, (HFONT)m_ModelList.SendMessage(WM_GETFONT));
    int nWidest = 0;
    for (const CpuTypeEntry& e : m_cpuTypes.Entries())
        nWidest = std::max<int>(nWidest, dc.GetTextExtent(e.strText).cx);
    m_ModelList.SetDroppedWidth((UINT)(nWidest + ::GetSystemMetrics(SM_CXVSCROLL) + 4 * ::GetSystemMetrics(SM_CXEDGE)));
}

BOOL CSysCfgProcsPage::OnInitDialog()
{
    InitPage();
    m_ModelList.SubclassDlgItem(IDC_PROCS_MODEL_LIST, this);
    m_MaxCpuSpin.SubclassDlgItem(IDC_PROCS_MAXCPU_SPIN, this);
    m_NumCpuSpin.SubclassDlgItem(IDC_PROCS_NUMCPU_SPIN, this);
    m_NumVecSpin.SubclassDlgItem(IDC_PROCS_NUMVEC_SPIN, this);
    m_MainSpin.SubclassDlgItem(IDC_PROCS_MAINSIZE_SPIN, this);
    m_XpndSpin.SubclassDlgItem(IDC_PROCS_XPNDSIZE_SPIN, this);
    m_MainEdit.SubclassDlgItem(IDC_PROCS_MAINSIZE, this);
    m_XpndEdit.SubclassDlgItem(IDC_PROCS_XPNDSIZE, this);
    LoadCpuTypes();
    if (m_cpuTypes.IsEmpty())
        GetDlgItem(IDC_PROCS_MODEL_PICK)->ShowWindow(SW_HIDE);
    SendDlgItemMessage(IDC_PROCS_SERIAL, EM_LIMITTEXT, 6);
    SendDlgItemMessage(IDC_PROCS_MODEL, EM_LIMITTEXT, 4);
    SendDlgItemMessage(IDC_PROCS_VERSION, EM_LIMITTEXT, 2);
    m_MaxCpuSpin.SetRange32(0, (int)g_nMaxCPUs);
    m_NumCpuSpin.SetRange32(0, Edited().m_nMaxCPUs);
    m_NumVecSpin.SetRange32(0, (int)g_nMaxCPUs);
    m_MainSpin.SetRange32(2, ToSpin(g_ullMaxMainMem / kBytesPerMB));
    m_XpndSpin.SetRange32(0, ToSpin(g_ullMaxExpandedMem / kBytesPerMB));
    SnapshotSettings();
    const UINT stretch[] = {IDC_PROCS_SERIAL, IDC_PROCS_MODEL, IDC_PROCS_VERSION, IDC_PROCS_MAXCPU,
                            IDC_PROCS_NUMCPU, IDC_PROCS_NUMVEC, IDC_PROCS_MAINSIZE, IDC_PROCS_XPNDSIZE};
    for (UINT nID : stretch)
        AddSzXControlById(nID, mdResize);
    const UINT ride[] = {IDC_PROCS_MODEL_PICK,  IDC_PROCS_MODEL_LIST,    IDC_PROCS_MAXCPU_SPIN,
                         IDC_PROCS_NUMCPU_SPIN, IDC_PROCS_NUMVEC_SPIN,   IDC_PROCS_MAINSIZE_SPIN,
                         IDC_PROCS_XPNDSIZE_SPIN};
    for (UINT nID : ride)
        AddSzXControlById(nID, mdRepos);
    AddRow(11, 1, {IDC_PROCS_SERIAL});
    AddRow(11, 2, {IDC_PROCS_MODEL, IDC_PROCS_MODEL_PICK, IDC_PROCS_MODEL_LIST});
    AddRow(11, 3, {IDC_PROCS_VERSION});
    AddRow(11, 4, {IDC_PROCS_MAXCPU, IDC_PROCS_MAXCPU_SPIN});
    AddRow(11, 5, {IDC_PROCS_NUMCPU, IDC_PROCS_NUMCPU_SPIN});
    AddRow(11, 6, {IDC_PROCS_NUMVEC, IDC_PROCS_NUMVEC_SPIN});
    AddRow(11, 7, {IDC_PROCS_MAINSIZE, IDC_PROCS_MAINSIZE_SPIN});
    AddRow(11, 8, {IDC_PROCS_XPNDSIZE, IDC_PROCS_XPNDSIZE_SPIN});
    m_bPageInitialized = true;
    return TRUE;
}

BOOL CSysCfgProcsPage::OnSetActive()
{
    BOOL bResult = CSysCfgPage::OnSetActive();
    if (!bResult)
        return bResult;
    OnMaxCpuChanged();
    return TRUE;
}

void CSysCfgProcsPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    DDX_Text(pDX, IDC_PROCS_SERIAL, cfg.m_strCPUSerial);
    DDX_Text(pDX, IDC_PROCS_MODEL, cfg.m_strCPUModel);
    DDX_Text(pDX, IDC_PROCS_VERSION, cfg.m_strCPUVersion);
    ExchangeUnsigned(pDX, IDC_PROCS_NUMCPU, cfg.m_nNumCPUs);
    ExchangeUnsigned(pDX, IDC_PROCS_MAXCPU, cfg.m_nMaxCPUs);
    ExchangeUnsigned(pDX, IDC_PROCS_NUMVEC, cfg.m_nNumVec);
    if (pDX->m_bFailed)
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetDlgItemText(IDC_PROCS_MAINSIZE, BytesToMegabytesText(cfg.m_ullMainSize));
        SetDlgItemText(IDC_PROCS_XPNDSIZE, BytesToMegabytesText(cfg.m_ullXpndSize));
        return;
    }
    // A count of megabytes beyond the limit is refused before it is turned
    // into bytes: a size that cannot hold is kept out of range.
    CString str;
    GetDlgItemText(IDC_PROCS_MAINSIZE, str);
    if (!MegabytesTextToBytes(str, cfg.m_ullMainSize, g_ullMaxMainMem, cfg.m_ullMainSize))
        cfg.m_ullMainSize = ~0ull;
    GetDlgItemText(IDC_PROCS_XPNDSIZE, str);
    if (!MegabytesTextToBytes(str, cfg.m_ullXpndSize, g_ullMaxExpandedMem, cfg.m_ullXpndSize))
        cfg.m_ullXpndSize = ~0ull;
    RunCheck(pDX, CheckProcessors);
}

// ---- the model list ------------------------------------------------------

void CSysCfgProcsPage::OnOpenModelList()
{
    if (m_cpuTypes.IsEmpty())
        return;
    CString strModel, strVersion;
    GetDlgItemText(IDC_PROCS_MODEL, strModel);
    GetDlgItemText(IDC_PROCS_VERSION, strVersion);
    m_ModelList.SetCurSel(m_cpuTypes.FindStart(m_strRememberedEntry, strModel, strVersion));
    SetWindowVisibleStyle(&m_ModelList, true, false);
    m_ModelList.EnableWindow(TRUE);
    m_ModelList.SetFocus();
    m_ModelList.ShowDropDown(TRUE);
    m_bSetFromList = true;
    ReevaluateModified();
}

void CSysCfgProcsPage::CloseModelList()
{
    GetDlgItem(IDC_PROCS_MODEL_PICK)->SetFocus();
    m_ModelList.ShowWindow(SW_HIDE);
    Invalidate();
}

void CSysCfgProcsPage::OnModelListCancelled()
{
    m_bSetFromList = false;
    CloseModelList();
}

// Each of the two writes is marked as coming from the list, so the
// picked entry stays remembered after both.
void CSysCfgProcsPage::WritePicked(int nIDC, const CString& strText)
{
    m_bSetFromList = true;
    SetDlgItemText(nIDC, strText);
    m_bSetFromList = false;
}

void CSysCfgProcsPage::OnModelListPicked()
{
    CloseModelList();
    int nSel = m_ModelList.GetCurSel();
    if (nSel < 0 || nSel >= (int)m_cpuTypes.Entries().size())
        return;
    const CpuTypeEntry& entry = m_cpuTypes.Entries()[(size_t)nSel];
    m_strRememberedEntry = entry.strText;
    WritePicked(IDC_PROCS_MODEL, entry.strModel);
    if (!Edited().m_strCPUVersion.IsEmpty())
        WritePicked(IDC_PROCS_VERSION, entry.strVersion);
    ReevaluateModified();
}

// ---- field changes -------------------------------------------------------

void CSysCfgProcsPage::OnChangeSerial()
{
    if (!m_bPageInitialized)
        return;
    GetDlgItemText(IDC_PROCS_SERIAL, Edited().m_strCPUSerial);
    ReevaluateModified();
}

void CSysCfgProcsPage::OnChangeModelOrVersion(UINT nID)
{
    if (!m_bPageInitialized)
        return;
    GetDlgItemText((int)nID, nID == IDC_PROCS_MODEL ? Edited().m_strCPUModel : Edited().m_strCPUVersion);
    ReevaluateModified();
    if (m_bSetFromList) {
        m_bSetFromList = false;
        return;
    }
    m_strRememberedEntry.Empty();
    ReevaluateModified();
}

void CSysCfgProcsPage::OnChangeMaxCpu()
{
    if (!m_bPageInitialized)
        return;
    CString str;
    GetDlgItemText(IDC_PROCS_MAXCPU, str);
    UINT n = (UINT)Edited().m_nMaxCPUs;
    StringToUINT(str, n);
    Edited().m_nMaxCPUs = (int)n;
    if (n <= g_nMaxCPUs && m_pDlg && m_pDlg->m_hWnd)
        m_pDlg->SendMessage(WM_MAXCPU_CHANGED, 0, 0);
    ReevaluateModified();
}

void CSysCfgProcsPage::OnChangeCount(UINT nID)
{
    if (!m_bPageInitialized)
        return;
    int& nValue = nID == IDC_PROCS_NUMCPU ? Edited().m_nNumCPUs : Edited().m_nNumVec;
    CString str;
    GetDlgItemText((int)nID, str);
    UINT n = (UINT)nValue;
    StringToUINT(str, n);
    nValue = (int)n;
    ReevaluateModified();
}

void CSysCfgProcsPage::OnChangeStorage(UINT nID)
{
    if (!m_bPageInitialized)
        return;
    bool bMain = nID == IDC_PROCS_MAINSIZE;
    UINT64& ullBytes = bMain ? Edited().m_ullMainSize : Edited().m_ullXpndSize;
    CString str;
    GetDlgItemText((int)nID, str);
    MegabytesTextToBytes(str, ullBytes, bMain ? g_ullMaxMainMem : g_ullMaxExpandedMem, ullBytes);
    ReevaluateModified();
}

LRESULT CSysCfgProcsPage::OnMaxCpuChangedMsg(WPARAM, LPARAM)
{
    OnMaxCpuChanged();
    return 1;
}

// "Number of CPUs" follows the maximum: its spin's range, and its value
// when it was above it.
void CSysCfgProcsPage::OnMaxCpuChanged()
{
    if (!m_bPageInitialized)
        return;
    CVornConfigFile& cfg = Edited();
    m_NumCpuSpin.SetRange32(0, cfg.m_nMaxCPUs);
    if ((UINT)cfg.m_nNumCPUs <= (UINT)cfg.m_nMaxCPUs)
        return;
    cfg.m_nNumCPUs = cfg.m_nMaxCPUs;
    CString str;
    str.Format("%u", (UINT)cfg.m_nNumCPUs);
    m_bPageInitialized = false;
    SetDlgItemText(IDC_PROCS_NUMCPU, str);
    m_bPageInitialized = true;
    ReevaluateModified();
}
