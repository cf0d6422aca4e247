// SysCfgDialog.cpp: the system configuration dialog: its tree of pages, its
// title, the hand-over of each Apply and OK to the view and the relay of
// the maximum CPU count to the pages that follow it.
#include "sysconfig/SysCfgDialog.h"

#include "config/WindowHelpers.h"
#include "platform/CSplitPath.h"
#include "session/PrivateMessages.h"

// The settings dialog carries no class information of its own.
IMPLEMENT_DYNAMIC(CSysCfgDialog, CDialog)

BEGIN_MESSAGE_MAP(CSysCfgDialog, CSettingsDialog)
    ON_MESSAGE(WM_MAXCPU_CHANGED, OnMaxCpuChanged)
END_MESSAGE_MAP()

namespace {

// The tree: each page's caption, template and parent (-1 for the top level).
struct SysCfgTreeRow {
    UINT nCaptionId;
    UINT nTemplateId;
    int nParent;
};

const SysCfgTreeRow kTree[kSysCfgPageCount] = {
    {IDS_SYSCFG_IDENT, IDD_SYSCFG_IDENT, -1},
    {IDS_SYSCFG_ARCH, IDD_SYSCFG_ARCH, -1},
    {IDS_SYSCFG_PROCS, IDD_SYSCFG_PROCS, kSysCfgArchPage},
    {IDS_SYSCFG_ENGINES_0, IDD_SYSCFG_ENGINES, kSysCfgProcsPage},
    {IDS_SYSCFG_ENGINES_32, IDD_SYSCFG_ENGINES, kSysCfgProcsPage},
    {IDS_SYSCFG_CLOCK, IDD_SYSCFG_CLOCK, kSysCfgArchPage},
    {IDS_SYSCFG_DEVICES, IDD_SYSCFG_DEVICES, -1},
    {IDS_SYSCFG_DEVOPTS, IDD_SYSCFG_DEVOPTS, kSysCfgDevicesPage},
    {IDS_SYSCFG_DASDPARMS, IDD_SYSCFG_DASDPARMS, kSysCfgDevicesPage},
    {IDS_SYSCFG_SETTINGS, IDD_SYSCFG_SETTINGS, -1},
    {IDS_SYSCFG_HTTPSRVR, IDD_SYSCFG_HTTPSRVR, kSysCfgSettingsPage},
    {IDS_SYSCFG_ADVANCED, IDD_SYSCFG_ADVANCED, kSysCfgSettingsPage},
};

// The folder of the running program, without its trailing separator.
CString ProgramFolder()
{
    char sz[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, sz, MAX_PATH);
    CString str = sz;
    return str.Left(str.ReverseFind('\\'));
}

}  // namespace

CSysCfgDialog::CSysCfgDialog(CWnd* pViewWnd)
    : CSettingsDialog(IDD_SYSCFG, 150, "Settings", "Verdana", ::GetSysColor(COLOR_CAPTIONTEXT),
                      ::GetSysColor(COLOR_ACTIVECAPTION), pViewWnd),
      m_IdentPage(this),
      m_ArchPage(this),
      m_ProcsPage(this),
      m_Engines0Page(this, 0),
      m_Engines32Page(this, 32),
      m_ClockPage(this),
      m_DevicesPage(this),
      m_DevOptsPage(this),
      m_DasdParmsPage(this),
      m_SettingsPage(this),
      m_HttpSrvrPage(this),
      m_AdvancedPage(this),
      m_strProgramDir(ProgramFolder()),
      m_pViewWnd(pViewWnd)
{
    for (int i = 0; i < kSysCfgPageCount; ++i)
        m_strCaptions[i].LoadString(kTree[i].nCaptionId);
    for (int i = 0; i < kSysCfgPageCount; ++i) {
        CSysCfgPage* pPage = PageAt(i);
        if (!pPage)
            continue;
        int nParent = kTree[i].nParent;
        if (nParent >= 0 && !PageAt(nParent))
            nParent = -1;
        AddPage(nParent < 0 ? nullptr : (LPCSTR)m_strCaptions[nParent], m_strCaptions[i], pPage,
                kTree[i].nTemplateId);
    }
    for (int i = 0; i < kSysCfgPageCount; ++i)
        if (CSysCfgPage* pPage = PageAt(i))
            MakePageAfterStart(pPage);
    MakePageWhenShown(&m_Engines0Page);
    MakePageWhenShown(&m_Engines32Page);
    OpenInSteps();
}

CSysCfgDialog::~CSysCfgDialog() = default;

CSysCfgPage* CSysCfgDialog::PageAt(int nIndex)
{
    switch (nIndex) {
    case kSysCfgIdentPage: return &m_IdentPage;
    case kSysCfgArchPage: return &m_ArchPage;
    case kSysCfgProcsPage: return &m_ProcsPage;
    case kSysCfgEngines0Page: return &m_Engines0Page;
    case kSysCfgEngines32Page: return &m_Engines32Page;
    case kSysCfgClockPage: return &m_ClockPage;
    case kSysCfgDevicesPage: return &m_DevicesPage;
    case kSysCfgDevOptsPage: return &m_DevOptsPage;
    case kSysCfgDasdParmsPage: return &m_DasdParmsPage;
    case kSysCfgSettingsPage: return &m_SettingsPage;
    case kSysCfgHttpSrvrPage: return &m_HttpSrvrPage;
    case kSysCfgAdvancedPage: return &m_AdvancedPage;
    default: return nullptr;
    }
}

void CSysCfgDialog::RefreshDevOptsLoadUnit()
{
    m_DevOptsPage.RefreshLoadUnit();
}

void CSysCfgDialog::RefreshDevicesLoadUnit()
{
    m_DevicesPage.RefreshLoadUnit();
}

// The title goes in before the settings dialog's start, which shows it
// (set after, it was set twice). FALSE: it opens in steps and puts the
// focus itself once it shows.
BOOL CSysCfgDialog::OnInitDialog()
{
    SetAppSmallIcon(m_hWnd);
    m_appliedConfig = m_config;
    m_strTitle.LoadString(IDS_SYSCFG_TITLE);
    if (m_config.HasPath())
        m_strTitle += "  -  " + m_config.m_strFileName;
    else
        m_strTitle += "  -  (new)";
    return CSettingsDialog::OnInitDialog();
}

bool CSysCfgDialog::CheckAllPages()
{
    SettingsPageRecord* pCurrent = GetCurrentRecord();
    std::vector<SettingsPageRecord*> order;
    if (pCurrent)
        order.push_back(pCurrent);
    for (const auto& p : Records())
        if (p.get() != pCurrent)
            order.push_back(p.get());
    for (SettingsPageRecord* pRecord : order) {
        CSysCfgPage* pPage = dynamic_cast<CSysCfgPage*>(pRecord->pPage);
        if (!pPage || (pRecord->HasWindow() ? pPage->CheckPage(false) : pPage->CheckWithoutWindow()))
            continue;
        // Shown (and so made, when it was not), the page checks again with
        // its balloon (showing it may have corrected the value, as the
        // Processors page does with the number of CPUs).
        if (pRecord != pCurrent)
            SelectPage(pRecord);
        if (pRecord->HasWindow() && !pPage->CheckPage(true))
            return false;
    }
    return true;
}

bool CSysCfgDialog::CheckPagesBeforeApply()
{
    return CheckAllPages();
}

bool CSysCfgDialog::ApplyUnmadePage(SettingsPageRecord* pRecord, bool)
{
    CSysCfgPage* pPage = dynamic_cast<CSysCfgPage*>(pRecord->pPage);
    return !pPage || pPage->CheckWithoutWindow();
}

// Each page handed the whole configuration over as it applied: twelve
// copies of every device to the view at each OK, then one more. After OK
// the dialog goes: its pages take no snapshot.
bool CSysCfgDialog::EndApply(bool bOk)
{
    if (!HandOver()) {
        SettingsPageRecord* pFirstModified = nullptr;
        for (const auto& p : Records()) {
            CSysCfgPage* pPage = dynamic_cast<CSysCfgPage*>(p->pPage);
            if (!pFirstModified && pPage && pPage->IsModified())
                pFirstModified = p.get();
        }
        SelectPage(pFirstModified ? pFirstModified : Records().front().get());
        return false;
    }
    if (bOk)
        return true;
    for (const auto& p : Records())
        if (CSysCfgPage* pPage = dynamic_cast<CSysCfgPage*>(p->pPage))
            pPage->SnapshotSettings();
    for (const auto& p : Records())
        if (CSysCfgPage* pPage = dynamic_cast<CSysCfgPage*>(p->pPage); pPage && p->HasWindow())
            pPage->TakeApplied();
    return true;
}

bool CSysCfgDialog::HandOver()
{
    if (!m_pViewWnd || !::IsWindow(m_pViewWnd->m_hWnd))
        return false;
    if (!m_pViewWnd->SendMessage(WM_SYSCFG_APPLY, 0, (LPARAM)this))
        return false;
    // Accepted: the Devices page sends its queued commands while the emulator runs.
    if (m_DevicesPage.m_hWnd)
        m_DevicesPage.SendMessage(WM_SYSCFG_APPLY, 0, 0);
    return true;
}

LRESULT CSysCfgDialog::OnMaxCpuChanged(WPARAM, LPARAM)
{
    CSysCfgPage* pages[] = {&m_ProcsPage, &m_Engines0Page, &m_Engines32Page};
    for (CSysCfgPage* pPage : pages)
        if (pPage->m_hWnd)
            pPage->SendMessage(WM_MAXCPU_CHANGED, 0, 0);
    return 0;
}
