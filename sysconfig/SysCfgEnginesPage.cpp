// SysCfgEnginesPage.cpp: the engines pages.
#include "sysconfig/SysCfgEnginesPage.h"

#include "config/CVornConfigFile.h"
#include "framework/HelpKeys.h"
#include "platform/DDX.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"
#include "sysconfig/SysCfgValues.h"

BEGIN_MESSAGE_MAP(CSysCfgEnginesPage, CSysCfgPage)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_ENGINES_COMBO0, IDC_ENGINES_COMBO31, OnSelEngine)
    ON_MESSAGE(WM_MAXCPU_CHANGED, OnMaxCpuChanged)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kPageString = {0, 10300};

// Combo boxes 2000 to 2030 stand for 2031 in the help file.
struct EngineRemaps {
    SysCfgHelpRow rows[CSysCfgEnginesPage::kEngines - 1];
    EngineRemaps()
    {
        for (UINT n = 0; n + 1 < CSysCfgEnginesPage::kEngines; ++n)
            rows[n] = SysCfgHelpRow{IDC_ENGINES_COMBO0 + n, IDC_ENGINES_COMBO31};
    }
};

}  // namespace

CSysCfgEnginesPage::CSysCfgEnginesPage(CSysCfgDialog* pDlg, UINT nFirstEngine)
    : CSysCfgPage(IDD, pDlg), m_nFirstEngine(nFirstEngine)
{
}

const SysCfgHelpRow* CSysCfgEnginesPage::HelpStringRows(size_t& nRows) const
{
    nRows = 1;
    return &kPageString;
}

const SysCfgHelpRow* CSysCfgEnginesPage::HelpIdRows(size_t& nRows) const
{
    nRows = 0;
    return nullptr;
}

const SysCfgHelpRow* CSysCfgEnginesPage::HelpKeyRemapRows(size_t& nRows) const
{
    static const EngineRemaps remaps;
    nRows = kEngines - 1;
    return remaps.rows;
}

// Every label shares one balloon, every combo box another.
void CSysCfgEnginesPage::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CSysCfgPage::RegisterStandardHelpStrings();
    for (UINT n = 0; n < kEngines; ++n) {
        SetHelpString(MakeHelpKey(m_nIDTemplate, IDC_ENGINES_LABEL0 + n), 10301);
        SetHelpString(MakeHelpKey(m_nIDTemplate, IDC_ENGINES_COMBO0 + n), 10302);
    }
}

bool CSysCfgEnginesPage::IsModified() const
{
    for (UINT n = 0; n < kEngines; ++n)
        if (Edited().m_dwEngineTypes[m_nFirstEngine + n] != Applied().m_dwEngineTypes[m_nFirstEngine + n])
            return true;
    return false;
}

void CSysCfgEnginesPage::SnapshotSettings()
{
    for (UINT n = 0; n < kEngines; ++n)
        Applied().m_dwEngineTypes[m_nFirstEngine + n] = Edited().m_dwEngineTypes[m_nFirstEngine + n];
}

BOOL CSysCfgEnginesPage::OnInitDialog()
{
    InitPage();
    CString strCaption;
    strCaption.Format("Engines %u-%u", m_nFirstEngine, m_nFirstEngine + kEngines - 1);
    SetCaptionText(strCaption);
    CString strTypes;
    strTypes.LoadString(IDS_ENGINE_TYPES);
    for (UINT n = 0; n < kEngines; ++n) {
        m_Combos[n].FillFromText(strTypes, ';');
        m_Combos[n].SetCurSel((int)Edited().m_dwEngineTypes[m_nFirstEngine + n]);
        CString strLabel;
        strLabel.Format("CPU %02X:", m_nFirstEngine + n);
        SetDlgItemText(IDC_ENGINES_LABEL0 + n, strLabel);
    }
    SnapshotSettings();
    EnableEngineCombos();
    LayoutEngineGrid();
    m_bPageInitialized = true;
    return TRUE;
}

void CSysCfgEnginesPage::EnableEngineCombos()
{
    for (UINT n = 0; n < kEngines; ++n)
        if (m_Combos[n].m_hWnd)
            m_Combos[n].EnableWindow(IsEngineEnabled(m_nFirstEngine, n, Edited().m_nMaxCPUs));
}

// A grid of four columns and eight rows: each processor's label and combo
// box move with their column's part of the width and their row's part of
// the height.
void CSysCfgEnginesPage::LayoutEngineGrid()
{
    for (UINT n = 0; n < kEngines; ++n) {
        const UINT ids[] = {IDC_ENGINES_LABEL0 + n, IDC_ENGINES_COMBO0 + n};
        for (UINT nID : ids) {
            AddSzXControlEvenMove(4, (int)(n % 4) + 1, nID, false);
            AddSzYControlEvenMove(8, (int)(n / 4) + 1, nID, false);
        }
    }
}

BOOL CSysCfgEnginesPage::OnSetActive()
{
    BOOL bResult = CSysCfgPage::OnSetActive();
    if (!bResult)
        return bResult;
    if (m_bPageInitialized)
        EnableEngineCombos();
    return TRUE;
}

bool CSysCfgEnginesPage::CheckWithoutWindow() const
{
    SysCfgFieldFailure failure;
    return CheckEngineTypes(Edited(), m_nFirstEngine, failure);
}

void CSysCfgEnginesPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    for (UINT n = 0; n < kEngines; ++n) {
        DDX_Control(pDX, (int)(IDC_ENGINES_COMBO0 + n), m_Combos[n]);
        int nType = (int)Edited().m_dwEngineTypes[m_nFirstEngine + n];
        DDX_CBIndex(pDX, (int)(IDC_ENGINES_COMBO0 + n), nType);
        if (pDX->m_bSaveAndValidate)
            Edited().m_dwEngineTypes[m_nFirstEngine + n] = (DWORD)nType;
    }
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    SysCfgFieldFailure failure;
    if (!CheckEngineTypes(Edited(), m_nFirstEngine, failure))
        SysCfgDdvFail(pDX, failure);
}

void CSysCfgEnginesPage::OnSelEngine(UINT nID)
{
    UINT n = nID - IDC_ENGINES_COMBO0;
    Edited().m_dwEngineTypes[m_nFirstEngine + n] = (DWORD)m_Combos[n].GetCurSel();
    ReevaluateModified();
}

LRESULT CSysCfgEnginesPage::OnMaxCpuChanged(WPARAM, LPARAM)
{
    if (m_bPageInitialized)
        EnableEngineCombos();
    return 0;
}
