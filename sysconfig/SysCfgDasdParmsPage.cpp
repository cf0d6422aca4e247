// SysCfgDasdParmsPage.cpp: the Dasd Parameters page under Devices.
#include "sysconfig/SysCfgDasdParmsPage.h"

#include <climits>

#include <commctrl.h>

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "platform/CScrollBar.h"
#include "platform/NumberParse.h"
#include "sysconfig/SysCfgDialog.h"

BEGIN_MESSAGE_MAP(CSysCfgDasdParmsPage, CSysCfgPage)
    ON_BN_CLICKED(IDC_DASD_USE_DEFAULTS, OnClickUseDefaults)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_DASD_RA, IDC_DASD_TRACE, OnChangeNumber)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_DASD_NOSTRESS, IDC_DASD_GCMSGS, OnClickSwitch)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_DASD_COMP_DEFAULT, IDC_DASD_COMP_BZIP2, OnClickCompression)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {

// The unsigned edits with their fields; FREEPEND is the signed one.
struct NumberRow {
    UINT nEditId;
    UINT nSpinId;
    int CCKDParms::*pValue;
};

const NumberRow kNumbers[] = {
    {IDC_DASD_RA, IDC_DASD_RA_SPIN, &CCKDParms::m_nRA},
    {IDC_DASD_RAQ, IDC_DASD_RAQ_SPIN, &CCKDParms::m_nRAQ},
    {IDC_DASD_RAT, IDC_DASD_RAT_SPIN, &CCKDParms::m_nRAT},
    {IDC_DASD_WR, IDC_DASD_WR_SPIN, &CCKDParms::m_nWR},
    {IDC_DASD_GCINT, IDC_DASD_GCINT_SPIN, &CCKDParms::m_nGCINT},
    {IDC_DASD_TRACE, IDC_DASD_TRACE_SPIN, &CCKDParms::m_nTRACE},
};

struct SwitchRow {
    UINT nId;
    bool CCKDParms::*pValue;
};

const SwitchRow kSwitches[] = {
    {IDC_DASD_NOSTRESS, &CCKDParms::m_bNOSTRESS}, {IDC_DASD_FSYNC, &CCKDParms::m_bFSYNC},
    {IDC_DASD_LINUXNULL, &CCKDParms::m_bLINUXNULL}, {IDC_DASD_GCSTART, &CCKDParms::m_bGCSTART},
    {IDC_DASD_NOSFD, &CCKDParms::m_bNOSFD},       {IDC_DASD_GCMSGS, &CCKDParms::m_bGCMSGS},
};

// Every control of the parameter group, enabled only while the user's own
// values are in use.
const UINT kGroupControls[] = {
    IDC_DASD_COMP_DEFAULT, IDC_DASD_COMP_NONE, IDC_DASD_COMP_ZLIB, IDC_DASD_COMP_BZIP2, IDC_DASD_COMPPARM,
    IDC_DASD_COMPPARM_LEAST, IDC_DASD_COMPPARM_MOST, IDC_DASD_RA, IDC_DASD_RA_SPIN, IDC_DASD_RAQ,
    IDC_DASD_RAQ_SPIN, IDC_DASD_RAT, IDC_DASD_RAT_SPIN, IDC_DASD_WR, IDC_DASD_WR_SPIN, IDC_DASD_GCINT,
    IDC_DASD_GCINT_SPIN, IDC_DASD_TRACE, IDC_DASD_TRACE_SPIN, IDC_DASD_FREEPEND, IDC_DASD_FREEPEND_SPIN,
    IDC_DASD_GCPARM, IDC_DASD_GCPARM_LEAST, IDC_DASD_GCPARM_MOST, IDC_DASD_NOSTRESS, IDC_DASD_FSYNC,
    IDC_DASD_LINUXNULL, IDC_DASD_GCSTART, IDC_DASD_NOSFD, IDC_DASD_GCMSGS,
    IDC_LABEL_OF(IDC_DASD_RA), IDC_LABEL_OF(IDC_DASD_RAQ), IDC_LABEL_OF(IDC_DASD_RAT), IDC_LABEL_OF(IDC_DASD_WR),
    IDC_LABEL_OF(IDC_DASD_GCINT), IDC_LABEL_OF(IDC_DASD_TRACE), IDC_LABEL_OF(IDC_DASD_FREEPEND),
    IDC_LABEL_OF(IDC_DASD_GCPARM),
};

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_DASDPARMS},
    {IDC_DASD_USE_DEFAULTS, 10701},
    {IDC_DASD_CCKD_GROUP, 10702},
    {IDC_DASD_COMP_GROUP, 10703},
    {IDC_DASD_COMP_DEFAULT, 10704},
    {IDC_DASD_COMP_NONE, 17017},
    {IDC_DASD_COMP_ZLIB, 17015},
    {IDC_DASD_COMP_BZIP2, 17016},
    {IDC_DASD_COMPPARM, 10753},
    {IDC_DASD_COMPPARM_LEAST, 10753},
    {IDC_DASD_COMPPARM_MOST, 10753},
    {IDC_DASD_RA, 10709},
    {IDC_DASD_RA_SPIN, 10709},
    {IDC_DASD_RAQ, 10710},
    {IDC_DASD_RAQ_SPIN, 10710},
    {IDC_DASD_RAT, 10711},
    {IDC_DASD_RAT_SPIN, 10711},
    {IDC_DASD_WR, 10712},
    {IDC_DASD_WR_SPIN, 10712},
    {IDC_DASD_GCINT, 10713},
    {IDC_DASD_GCINT_SPIN, 10713},
    {IDC_DASD_GCPARM, 10714},
    {IDC_DASD_GCPARM_LEAST, 10714},
    {IDC_DASD_GCPARM_MOST, 10714},
    {IDC_DASD_FREEPEND, 10715},
    {IDC_DASD_FREEPEND_SPIN, 10715},
    {IDC_DASD_TRACE, 10716},
    {IDC_DASD_TRACE_SPIN, 10716},
    {IDC_DASD_NOSTRESS, 10717},
    {IDC_DASD_FSYNC, 10718},
    {IDC_DASD_LINUXNULL, 10719},
    {IDC_DASD_GCSTART, 10720},
    {IDC_DASD_NOSFD, 10721},
    {IDC_DASD_GCMSGS, 10722},
};

const SysCfgHelpRow kHelpIds[] = {
    {IDC_DASD_NOSFD, 1198},
    {IDC_DASD_GCMSGS, 1626},
};

const SysCfgHelpRow kHelpKeyRemaps[] = {
    {IDC_DASD_RAT, IDC_DASD_RAT_SPIN},     {IDC_DASD_RA, IDC_DASD_RA_SPIN},
    {IDC_DASD_RAQ, IDC_DASD_RAQ_SPIN},     {IDC_DASD_WR, IDC_DASD_WR_SPIN},
    {IDC_DASD_FREEPEND, IDC_DASD_FREEPEND_SPIN}, {IDC_DASD_TRACE, IDC_DASD_TRACE_SPIN},
    {IDC_DASD_GCINT, IDC_DASD_GCINT_SPIN},
};

}  // namespace

CSysCfgDasdParmsPage::CSysCfgDasdParmsPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgDasdParmsPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgDasdParmsPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

const SysCfgHelpRow* CSysCfgDasdParmsPage::HelpKeyRemapRows(size_t& nRows) const
{
    return HelpRows(kHelpKeyRemaps, nRows);
}

bool CSysCfgDasdParmsPage::IsModified() const
{
    CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    e.m_bCCKDGiven = IsCckdPresent(e.m_cckd);
    return e.m_bCCKDGiven != a.m_bCCKDGiven || e.m_cckd != a.m_cckd;
}

void CSysCfgDasdParmsPage::SnapshotSettings()
{
    CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    e.m_bCCKDGiven = IsCckdPresent(e.m_cckd);
    a.m_bCCKDGiven = e.m_bCCKDGiven;
    a.m_cckd = e.m_cckd;
}

BOOL CSysCfgDasdParmsPage::OnInitDialog()
{
    CCKDParms& cckd = Edited().m_cckd;
    m_bUseDefaults = !IsCckdPresent(cckd);
    // The defaults go in before the exchange that shows the fields, so that
    // they are shown once (an exchange of every field cost 20-30 ms).
    if (m_bUseDefaults) {
        cckd.SetDefaults();
        Edited().m_bCCKDGiven = false;
    }
    InitPage();
    static_assert(sizeof kNumbers / sizeof kNumbers[0] == sizeof m_NumberEdits / sizeof m_NumberEdits[0],
                  "one filtered edit for each number of the table");
    for (size_t i = 0; i < sizeof kNumbers / sizeof kNumbers[0]; ++i)
        m_NumberEdits[i].SubclassDlgItem(kNumbers[i].nEditId, this);
    m_FreependEdit.SubclassDlgItem(IDC_DASD_FREEPEND, this);
    // The ranges go in one by one: a minimum below 0 does not fit TBM_SETRANGE's words.
    SendDlgItemMessage(IDC_DASD_COMPPARM, TBM_SETRANGEMIN, FALSE, g_nMinCCKDcompparm);
    SendDlgItemMessage(IDC_DASD_COMPPARM, TBM_SETRANGEMAX, TRUE, g_nMaxCCKDcompparm);
    SendDlgItemMessage(IDC_DASD_COMPPARM, TBM_SETPOS, TRUE, cckd.m_nCOMPPARM);
    const struct {
        UINT nSpinId;
        int nMin;
        int nMax;
    } spins[] = {
        {IDC_DASD_RAT_SPIN, 0, (int)g_nMaxCCKDrat},        {IDC_DASD_RAQ_SPIN, 0, (int)g_nMaxCCKDraq},
        {IDC_DASD_RA_SPIN, 1, (int)g_nMaxCCKDra},          {IDC_DASD_TRACE_SPIN, 0, (int)g_nMaxCCKDtrace},
        {IDC_DASD_FREEPEND_SPIN, -1, g_nMaxCCKDfreepend},  {IDC_DASD_WR_SPIN, 1, (int)g_nMaxCCKDwr},
        {IDC_DASD_GCINT_SPIN, 1, (int)g_nMaxCCKDgcint},
    };
    for (const auto& s : spins)
        SendDlgItemMessage(s.nSpinId, UDM_SETRANGE32, (WPARAM)s.nMin, (LPARAM)s.nMax);
    SendDlgItemMessage(IDC_DASD_GCPARM, TBM_SETRANGEMIN, FALSE, g_nMinCCKDgcparm);
    SendDlgItemMessage(IDC_DASD_GCPARM, TBM_SETRANGEMAX, TRUE, g_nMaxCCKDgcparm);
    SendDlgItemMessage(IDC_DASD_GCPARM, TBM_SETPOS, TRUE, cckd.m_nGCPARM);
    // Enabling some forty controls costs as much as the exchange above: a
    // page made in steps does it, and what follows, in steps of their own.
    InitLater([this] { EnableCckdControls(false); });
    InitLater([this] {
        m_defaults.Keep(Edited().m_cckd);
        SnapshotSettings();
        ReevaluateModified();
        RegisterLayout();
        m_bPageInitialized = true;
    });
    return TRUE;
}

void CSysCfgDasdParmsPage::RegisterLayout()
{
    const struct {
        UINT nID;
        int nMode;
    } modes[] = {
        {IDC_DASD_USE_DEFAULTS, mdNone},
        {IDC_DASD_CCKD_GROUP, mdResize},
        {IDC_DASD_COMP_GROUP, mdResize},
        {IDC_LABEL_OF(IDC_DASD_RA), mdNone},
        {IDC_LABEL_OF(IDC_DASD_RAT), mdNone},
        {IDC_LABEL_OF(IDC_DASD_GCINT), mdNone},
        {IDC_LABEL_OF(IDC_DASD_FREEPEND), mdNone},
        {IDC_LABEL_OF(IDC_DASD_GCPARM), mdNone},
        {IDC_DASD_RAQ_SPIN, mdRepos},
        {IDC_DASD_WR_SPIN, mdRepos},
        {IDC_DASD_TRACE_SPIN, mdRepos},
        {IDC_DASD_GCPARM, mdResize},
        {IDC_DASD_GCPARM_LEAST, mdNone},
        {IDC_DASD_GCPARM_MOST, mdRepos},
    };
    for (const auto& m : modes)
        AddSzXControlById(m.nID, m.nMode);
    // By edge percentages of the width change.
    const struct {
        UINT nID;
        BYTE left, right;
    } edges[] = {
        {IDC_DASD_COMP_DEFAULT, 7, 7},
        {IDC_DASD_COMP_NONE, 14, 14},
        {IDC_DASD_COMP_ZLIB, 21, 21},
        {IDC_DASD_COMP_BZIP2, 28, 28},
        {IDC_DASD_COMPPARM, 35, 100},
        {IDC_DASD_COMPPARM_LEAST, 35, 35},
        {IDC_DASD_COMPPARM_MOST, 100, 100},
        // Two fields a row: left edit, its spin, right label, right edit.
        {IDC_DASD_RA, 0, 50},
        {IDC_DASD_RA_SPIN, 50, 50},
        {IDC_LABEL_OF(IDC_DASD_RAQ), 50, 50},
        {IDC_DASD_RAQ, 50, 100},
        {IDC_DASD_RAT, 0, 50},
        {IDC_DASD_RAT_SPIN, 50, 50},
        {IDC_LABEL_OF(IDC_DASD_WR), 50, 50},
        {IDC_DASD_WR, 50, 100},
        {IDC_DASD_GCINT, 0, 50},
        {IDC_DASD_GCINT_SPIN, 50, 50},
        {IDC_LABEL_OF(IDC_DASD_TRACE), 50, 50},
        {IDC_DASD_TRACE, 50, 100},
        {IDC_DASD_FREEPEND, 0, 50},
        {IDC_DASD_FREEPEND_SPIN, 50, 50},
        {IDC_DASD_NOSTRESS, 0, 25},
        {IDC_DASD_LINUXNULL, 0, 25},
        {IDC_DASD_NOSFD, 0, 25},
        {IDC_DASD_FSYNC, 50, 75},
        {IDC_DASD_GCSTART, 50, 75},
        {IDC_DASD_GCMSGS, 50, 75},
    };
    for (const auto& e : edges)
        if (CWnd* pCtrl = GetDlgItem((int)e.nID))
            AddSzXControl(pCtrl->m_hWnd, e.left, e.right);
}

void CSysCfgDasdParmsPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CCKDParms& cckd = Edited().m_cckd;
    ExchangeBool(pDX, IDC_DASD_USE_DEFAULTS, m_bUseDefaults);
    if (pDX->m_bFailed)
        return;
    if (pDX->m_bSaveAndValidate) {
        for (UINT nID = IDC_DASD_COMP_DEFAULT; nID <= IDC_DASD_COMP_BZIP2; ++nID)
            if (IsChecked((int)nID))
                cckd.m_nCOMP = (int)(nID - IDC_DASD_COMP_DEFAULT) - 1;
        cckd.m_nCOMPPARM = (int)SendDlgItemMessage(IDC_DASD_COMPPARM, TBM_GETPOS);
        cckd.m_nGCPARM = (int)SendDlgItemMessage(IDC_DASD_GCPARM, TBM_GETPOS);
    } else {
        // Only what differs from what is shown: every apply comes here.
        const int nRadio = IDC_DASD_COMP_DEFAULT + 1 + cckd.m_nCOMP;
        if (!IsChecked(nRadio))
            CheckRadioButton(IDC_DASD_COMP_DEFAULT, IDC_DASD_COMP_BZIP2, nRadio);
        auto showPos = [this](int nId, int nPos) {
            if ((int)SendDlgItemMessage(nId, TBM_GETPOS) != nPos)
                SendDlgItemMessage(nId, TBM_SETPOS, TRUE, nPos);
        };
        showPos(IDC_DASD_COMPPARM, cckd.m_nCOMPPARM);
        showPos(IDC_DASD_GCPARM, cckd.m_nGCPARM);
    }
    for (const NumberRow& r : kNumbers)
        ExchangeUnsigned(pDX, (int)r.nEditId, cckd.*(r.pValue));
    ExchangeSigned(pDX, IDC_DASD_FREEPEND, cckd.m_nFREEPEND);
    for (const SwitchRow& r : kSwitches)
        ExchangeBool(pDX, (int)r.nId, cckd.*(r.pValue));
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed && !m_bUseDefaults) {
        SysCfgFieldFailure failure;
        if (!CheckDasdParms(cckd, failure))
            SysCfgDdvFail(pDX, failure);
    }
}

// The statement is given exactly when a value differs from the defaults,
// in what the dialog hands over.
BOOL CSysCfgDasdParmsPage::OnApply()
{
    if (!CSysCfgPage::OnApply())
        return FALSE;
    Edited().m_bCCKDGiven = IsCckdPresent(Edited().m_cckd);
    return TRUE;
}

// Values applied equal to the defaults set the box and disable the group.
void CSysCfgDasdParmsPage::OnApplied()
{
    m_bUseDefaults = !IsCckdPresent(Applied().m_cckd);
    if (IsChecked(IDC_DASD_USE_DEFAULTS) != m_bUseDefaults)
        CheckDlgButton(IDC_DASD_USE_DEFAULTS, m_bUseDefaults ? BST_CHECKED : BST_UNCHECKED);
    EnableCckdControls();
}

void CSysCfgDasdParmsPage::EnableCckdControls(bool bShowDefaults)
{
    if (m_bUseDefaults && bShowDefaults) {
        CVornConfigFile& cfg = Edited();
        cfg.m_cckd.SetDefaults();
        cfg.m_bCCKDGiven = false;
        UpdateData(FALSE);
        ReevaluateModified();
    }
    // Only the controls whose state changes: every apply comes here, and
    // enabling some forty controls costs 20-35 ms even when none changes.
    for (UINT nID : kGroupControls)
        if (CWnd* pCtrl = GetDlgItem((int)nID))
            if ((pCtrl->IsWindowEnabled() != FALSE) == m_bUseDefaults)
                pCtrl->EnableWindow(!m_bUseDefaults);
}

void CSysCfgDasdParmsPage::OnClickUseDefaults()
{
    m_bUseDefaults = IsChecked(IDC_DASD_USE_DEFAULTS);
    CVornConfigFile& cfg = Edited();
    if (m_bUseDefaults) {
        m_defaults.SwitchOn(cfg.m_cckd);
    } else {
        m_defaults.SwitchOff(cfg.m_cckd);
        UpdateData(FALSE);
        cfg.m_bCCKDGiven = IsCckdPresent(cfg.m_cckd);
        ReevaluateModified();
    }
    EnableCckdControls();
}

void CSysCfgDasdParmsPage::OnChangeNumber(UINT nID)
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    CString str;
    GetDlgItemText((int)nID, str);
    CCKDParms& cckd = Edited().m_cckd;
    if (nID == IDC_DASD_FREEPEND) {
        INT n = 0;
        cckd.m_nFREEPEND = StringToINT(str, n) ? n : INT_MIN;
    } else {
        for (const NumberRow& r : kNumbers)
            if (r.nEditId == nID) {
                UINT n = 0;
                cckd.*(r.pValue) = StringToUINT(str, n) ? (int)n : kNotANumber;
            }
    }
    ReevaluateModified();
}

// A click reads its own control only, so that it never raises another
// field's balloon.
void CSysCfgDasdParmsPage::OnClickSwitch(UINT nID)
{
    if (!m_bPageInitialized)
        return;
    for (const SwitchRow& r : kSwitches)
        if (r.nId == nID)
            Edited().m_cckd.*(r.pValue) = IsChecked((int)nID);
    ReevaluateModified();
}

void CSysCfgDasdParmsPage::OnClickCompression(UINT nID)
{
    if (!m_bPageInitialized || !IsChecked((int)nID))
        return;
    Edited().m_cckd.m_nCOMP = (int)(nID - IDC_DASD_COMP_DEFAULT) - 1;
    ReevaluateModified();
}

void CSysCfgDasdParmsPage::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CSysCfgPage::OnHScroll(nSBCode, nPos, pScrollBar);
    if (!pScrollBar)
        return;
    int nCtrl = ::GetDlgCtrlID(pScrollBar->m_hWnd);
    int nValue = (int)::SendMessageA(pScrollBar->m_hWnd, TBM_GETPOS, 0, 0);
    if (nCtrl == IDC_DASD_COMPPARM)
        Edited().m_cckd.m_nCOMPPARM = nValue;
    else if (nCtrl == IDC_DASD_GCPARM)
        Edited().m_cckd.m_nGCPARM = nValue;
    else
        return;
    ReevaluateModified();
}
