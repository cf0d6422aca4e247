// PreferencesDlg.cpp: CPreferencesDlg, the preferences dialog.
#include "preferences/PreferencesDlg.h"

#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

// The string ids of the captions, as m_strCaptions holds them.
const UINT kCaptionIds[] = {
    IDS_PREFS_TITLE, IDS_PREFS_DIRS, IDS_PREFS_EXTS, IDS_PREFS_LOGGING, IDS_PREFS_MEMORY, IDS_PREFS_DISK,
    IDS_PREFS_FORMAT, IDS_PREFS_NUMBERING, IDS_PREFS_APPEARANCE, IDS_PREFS_CONSOLE, IDS_PREFS_DEVLIST,
    IDS_PREFS_CONTROLS, IDS_PREFS_PERCENT, IDS_PREFS_STATUSBAR, IDS_PREFS_DISPLAYALTER, IDS_PREFS_OPTIONS,
    IDS_PREFS_MISC, IDS_PREFS_MISC2, IDS_PREFS_MISC3,
};
enum {
    kCapTitle, kCapDirs, kCapExts, kCapLogging, kCapMemory, kCapDisk, kCapFormat, kCapNumbering, kCapAppearance,
    kCapConsole, kCapDevList, kCapControls, kCapPercent, kCapStatusBar, kCapDisplayAlter, kCapOptions, kCapMisc,
    kCapMisc2, kCapMisc3
};

const int kTreeWidth = 125;

}  // namespace

BEGIN_MESSAGE_MAP(CPreferencesDlg, CSettingsDialog)
    ON_MESSAGE(WM_PREFS_AUTOCLOSE, OnPrefsAutoClose)
END_MESSAGE_MAP()

CPreferencesDlg::CPreferencesDlg(CWnd* pParent)
    : CSettingsDialog(IDD_PREFERENCES, kTreeWidth, "Settings", "Verdana", ::GetSysColor(COLOR_CAPTIONTEXT),
                      ::GetSysColor(COLOR_ACTIVECAPTION), pParent),
      m_hViewWnd(g_pView ? g_pView->m_hWnd : nullptr)
{
    CPrefsPage* pages[] = {&m_DirsPage,    &m_ExtsPage,     &m_LogsPage,       &m_MemLogPage,
                           &m_DiskLogPage, &m_LogFmtPage,   &m_LogNumPage,     &m_ConsPage,
                           &m_DevlistPage, &m_ControlsPage, &m_PercentPage,    &m_StatLinePage,
                           &m_DisplayAlterPage};
    for (CPrefsPage* p : pages)
        m_pPages[p->GetPageIndex()] = p;
    m_pPages[kPrefsMisc] = &m_MiscPage;
    m_pPages[kPrefsMisc2] = &m_Misc2Page;
    m_pPages[kPrefsMisc3] = &m_Misc3Page;
    for (CPrefsPage* p : m_pPages)
        if (p)
            p->m_pDlg = this;
    for (int i = 0; i < kCaptionCount; ++i)
        m_strCaptions[i].LoadString(kCaptionIds[i]);

    const CString& strLogging = m_strCaptions[kCapLogging];
    const CString& strAppearance = m_strCaptions[kCapAppearance];
    const CString& strOptions = m_strCaptions[kCapOptions];
    AddPage(nullptr, m_strCaptions[kCapDirs], &m_DirsPage, m_DirsPage.IDD);
    AddPage(nullptr, m_strCaptions[kCapExts], &m_ExtsPage, m_ExtsPage.IDD);
    AddPage(nullptr, strLogging, &m_LogsPage, m_LogsPage.IDD);
    AddPage(strLogging, m_strCaptions[kCapMemory], &m_MemLogPage, m_MemLogPage.IDD);
    AddPage(strLogging, m_strCaptions[kCapDisk], &m_DiskLogPage, m_DiskLogPage.IDD);
    AddPage(strLogging, m_strCaptions[kCapFormat], &m_LogFmtPage, m_LogFmtPage.IDD);
    AddPage(strLogging, m_strCaptions[kCapNumbering], &m_LogNumPage, m_LogNumPage.IDD);
    AddPage(nullptr, strAppearance, (CWnd*)nullptr, 0);
    AddPage(strAppearance, m_strCaptions[kCapConsole], &m_ConsPage, m_ConsPage.IDD);
    AddPage(strAppearance, m_strCaptions[kCapDevList], &m_DevlistPage, m_DevlistPage.IDD);
    AddPage(strAppearance, m_strCaptions[kCapControls], &m_ControlsPage, m_ControlsPage.IDD);
    AddPage(strAppearance, m_strCaptions[kCapPercent], &m_PercentPage, m_PercentPage.IDD);
    AddPage(strAppearance, m_strCaptions[kCapStatusBar], &m_StatLinePage, m_StatLinePage.IDD);
    AddPage(strAppearance, m_strCaptions[kCapDisplayAlter], &m_DisplayAlterPage, m_DisplayAlterPage.IDD);
    AddPage(nullptr, strOptions, (CWnd*)nullptr, 0);
    AddPage(strOptions, m_strCaptions[kCapMisc], &m_MiscPage, m_MiscPage.IDD);
    AddPage(strOptions, m_strCaptions[kCapMisc2], &m_Misc2Page, m_Misc2Page.IDD);
    AddPage(strOptions, m_strCaptions[kCapMisc3], &m_Misc3Page, m_Misc3Page.IDD);
}

// The pages are members: the base's records only borrow them.
CPreferencesDlg::~CPreferencesDlg()
{
    DestroyPages();
}

CPrefsPage* CPreferencesDlg::GetPrefsPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < kPrefsPageCount ? m_pPages[nIndex] : nullptr;
}

int CPreferencesDlg::PlaceOfIndex(int nIndex) const
{
    if (!GetPrefsPage(nIndex))
        return -1;
    int nPlace = 0;
    for (int i = 0; i < nIndex; ++i)
        nPlace += m_pPages[i] ? 1 : 0;
    return nPlace;
}

int CPreferencesDlg::IndexOfPlace(int nPlace) const
{
    for (int i = 0; i < kPrefsPageCount; ++i)
        if (m_pPages[i] && nPlace-- == 0)
            return i;
    return 0;
}

INT_PTR CPreferencesDlg::DoModal()
{
    m_nStartPage = PlaceOfIndex(m_nStartPage);  // -1: the base starts at the first page
    INT_PTR nResult = CSettingsDialog::DoModal();
    m_nStartPage = IndexOfPlace(m_nStartPage);
    return nResult;
}

BOOL CPreferencesDlg::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    if (!CSettingsDialog::OnInitDialog())
        return FALSE;
    SetTitle(m_strCaptions[kCapTitle], 0);
    ResetModified();
    if (m_bAutoClose)
        PostMessage(WM_PREFS_AUTOCLOSE);
    return TRUE;
}

LRESULT CPreferencesDlg::OnPrefsAutoClose(WPARAM, LPARAM)
{
    OnOK();
    return 0;
}
