// SysCfgTODClockPage.cpp: the Clock page.
#include "sysconfig/SysCfgTODClockPage.h"

#include <cmath>

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "platform/DDX.h"
#include "platform/NumberParse.h"
#include "sysconfig/SysCfgDialog.h"
#include "sysconfig/SysCfgValues.h"

BEGIN_MESSAGE_MAP(CSysCfgTODClockPage, CSysCfgPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_CLOCK_EPOCH, IDC_CLOCK_EPOCH, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_CLOCK_YROFFSET, IDC_CLOCK_YROFFSET, OnChangeNumber)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_CLOCK_INTERVAL, IDC_CLOCK_INTERVAL, OnChangeNumber)
    ON_EN_CHANGE(IDC_CLOCK_DRAG, OnChangeDrag)
    ON_EN_CHANGE(IDC_CLOCK_TZOFFSET, OnChangeTzOffset)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, 10400},
    {IDC_CLOCK_EPOCH, 10401},
    {IDC_CLOCK_EPOCH_SPIN, 10401},
    {IDC_CLOCK_YROFFSET, 10402},
    {IDC_CLOCK_YROFFSET_SPIN, 10402},
    {IDC_CLOCK_INTERVAL, 10403},
    {IDC_CLOCK_INTERVAL_SPIN, 10403},
    {IDC_CLOCK_USECS, 10403},
    {IDC_CLOCK_DRAG, 10404},
    {IDC_CLOCK_DRAG_SPIN, 10404},
    {IDC_CLOCK_TZOFFSET, 10405},
};

const SysCfgHelpRow kHelpIds[] = {
    {0, 2637},
    {IDC_CLOCK_EPOCH, 2642},
    {IDC_CLOCK_EPOCH_SPIN, 2642},
    {IDC_CLOCK_YROFFSET, 2647},
    {IDC_CLOCK_YROFFSET_SPIN, 2647},
    {IDC_CLOCK_INTERVAL, 2652},
    {IDC_CLOCK_INTERVAL_SPIN, 2652},
    {IDC_CLOCK_DRAG, 2658},
    {IDC_CLOCK_DRAG_SPIN, 2658},
    {IDC_CLOCK_TZOFFSET, 2663},
};

}  // namespace

CSysCfgTODClockPage::CSysCfgTODClockPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgTODClockPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgTODClockPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

bool CSysCfgTODClockPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_nSysEpoch != a.m_nSysEpoch || e.m_nYrOffset != a.m_nYrOffset || e.m_strTzOffset != a.m_strTzOffset ||
           e.m_nTimerInt != a.m_nTimerInt || e.m_dTodDrag != a.m_dTodDrag;
}

void CSysCfgTODClockPage::SnapshotSettings()
{
    CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_nSysEpoch = e.m_nSysEpoch;
    a.m_nYrOffset = e.m_nYrOffset;
    a.m_strTzOffset = e.m_strTzOffset;
    a.m_nTimerInt = e.m_nTimerInt;
    a.m_dTodDrag = e.m_dTodDrag;
}

BOOL CSysCfgTODClockPage::OnInitDialog()
{
    CVornConfigFile& cfg = Edited();
    // A drag factor outside the limits opens as 1.0, before the snapshot,
    // so that the page does not show as modified.
    if (!(cfg.m_dTodDrag >= g_dMinTODDrag && cfg.m_dTodDrag <= g_dMaxTODDrag))
        cfg.m_dTodDrag = 1.0;
    InitPage();
    m_EpochSpin.SubclassDlgItem(IDC_CLOCK_EPOCH_SPIN, this);
    m_YrOffsetSpin.SubclassDlgItem(IDC_CLOCK_YROFFSET_SPIN, this);
    m_YrOffsetEdit.SubclassDlgItem(IDC_CLOCK_YROFFSET, this);
    m_IntervalSpin.SubclassDlgItem(IDC_CLOCK_INTERVAL_SPIN, this);
    m_DragEdit.SubclassDlgItem(IDC_CLOCK_DRAG, this);
    m_DragSpin.SubclassDlgItem(IDC_CLOCK_DRAG_SPIN, this);
    m_IntervalSpin.SetRange32((int)MinTodUpdateInterval(cfg), (int)g_nMaxTODUpdIntv);
    m_DragEdit.SetPrecision(4);
    m_DragEdit.SetRange(g_dMinTODDrag, g_dMaxTODDrag);
    m_DragEdit.SetStep(g_dMinTODDrag);
    m_DragEdit.SetValue(cfg.m_dTodDrag);
    m_DragSpin.SetBuddy(&m_DragEdit);
    m_DragSpin.SetRange(g_dMinTODDrag, g_dMaxTODDrag);
    m_DragSpin.SetStep(g_dMinTODDrag);
    m_DragSpin.SetPos(cfg.m_dTodDrag);
    std::vector<SpinAccel> accel = DragFactorAcceleration(g_dMinTODDrag, g_dMaxTODDrag);
    if (!accel.empty()) {
        std::vector<UDACCEL> table;
        for (const SpinAccel& a : accel)
            table.push_back(UDACCEL{a.nSec, a.nInc});
        m_DragSpin.SetAccel((int)table.size(), table.data());
    }
    SendDlgItemMessage(IDC_CLOCK_EPOCH, EM_LIMITTEXT, 4);
    SendDlgItemMessage(IDC_CLOCK_YROFFSET, EM_LIMITTEXT, 4);
    SendDlgItemMessage(IDC_CLOCK_TZOFFSET, EM_LIMITTEXT, 5);
    m_EpochSpin.SetRange32((int)g_nMinEpoch, (int)g_nMaxEpoch);
    m_YrOffsetSpin.SetRange32(g_nMinYearOffset, g_nMaxYearOffset);
    SnapshotSettings();
    const UINT stretch[] = {IDC_CLOCK_EPOCH, IDC_CLOCK_YROFFSET, IDC_CLOCK_INTERVAL, IDC_CLOCK_DRAG,
                            IDC_CLOCK_TZOFFSET};
    for (UINT nID : stretch)
        AddSzXControlById(nID, mdResize);
    const UINT ride[] = {IDC_CLOCK_EPOCH_SPIN, IDC_CLOCK_YROFFSET_SPIN, IDC_CLOCK_INTERVAL_SPIN, IDC_CLOCK_DRAG_SPIN,
                         IDC_CLOCK_USECS};
    for (UINT nID : ride)
        AddSzXControlById(nID, mdRepos);
    AddRow(9, 1, {IDC_CLOCK_EPOCH, IDC_CLOCK_EPOCH_SPIN});
    AddRow(9, 2, {IDC_CLOCK_YROFFSET, IDC_CLOCK_YROFFSET_SPIN});
    AddRow(9, 3, {IDC_CLOCK_INTERVAL, IDC_CLOCK_INTERVAL_SPIN, IDC_CLOCK_USECS});
    AddRow(9, 4, {IDC_CLOCK_DRAG, IDC_CLOCK_DRAG_SPIN});
    AddRow(9, 5, {IDC_CLOCK_TZOFFSET});
    m_bPageInitialized = true;
    return TRUE;
}

void CSysCfgTODClockPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    ExchangeUnsigned(pDX, IDC_CLOCK_EPOCH, cfg.m_nSysEpoch);
    ExchangeSigned(pDX, IDC_CLOCK_YROFFSET, cfg.m_nYrOffset);
    DDX_Text(pDX, IDC_CLOCK_TZOFFSET, cfg.m_strTzOffset);
    ExchangeUnsigned(pDX, IDC_CLOCK_INTERVAL, cfg.m_nTimerInt);
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed) {
        CString str;
        GetDlgItemText(IDC_CLOCK_DRAG, str);
        if (!ParseFieldDouble(str, cfg.m_dTodDrag))
            cfg.m_dTodDrag = std::nan("");
    }
    RunCheck(pDX, CheckClock);
}

void CSysCfgTODClockPage::OnChangeNumber(UINT nID)
{
    if (!m_bPageInitialized)
        return;
    CVornConfigFile& cfg = Edited();
    CString str;
    GetDlgItemText((int)nID, str);
    if (nID == IDC_CLOCK_YROFFSET) {
        StringToINT(str, cfg.m_nYrOffset);
    } else {
        int& nValue = nID == IDC_CLOCK_EPOCH ? cfg.m_nSysEpoch : cfg.m_nTimerInt;
        UINT n = (UINT)nValue;
        StringToUINT(str, n);
        nValue = (int)n;
    }
    ReevaluateModified();
}

void CSysCfgTODClockPage::OnChangeDrag()
{
    if (!m_bPageInitialized)
        return;
    Edited().m_dTodDrag = m_DragEdit.GetValue();
    ReevaluateModified();
}

void CSysCfgTODClockPage::OnChangeTzOffset()
{
    if (!m_bPageInitialized)
        return;
    GetDlgItemText(IDC_CLOCK_TZOFFSET, Edited().m_strTzOffset);
    ReevaluateModified();
}
