// AboutDlg.cpp: the About box: its texts and links, the sample panel
// controls and its remembered place.
#include "mainwindow/AboutDlg.h"

#include "config/GdiHelpers.h"
#include "config/ProcessHelpers.h"
#include "config/ProductIdentity.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "mainwindow/ControlPanelMath.h"
#include "mainwindow/UnhandledException.h"
#include "platform/CDC.h"
#include "platform/CDataExchange.h"
#include "platform/CWinApp.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"

namespace {

const char kPlacementName[] = "CAboutDlg";
const char kSection[] = "URLs";
// The links' colour.
const COLORREF kLinkColor = RGB(0, 0, 204);

// Balloon strings (offsets from IDS_HELP_ABOUT) and help context ids.
struct SAboutHelp {
    UINT nID;
    UINT nString;
    UINT nHelpId;
};
const SAboutHelp kAboutHelp[] = {
    {0, 0, 1171},
    {IDC_ABOUT_DIAL, 1, 1190},
    {IDC_ABOUT_LOAD, 2, 1176},
    {IDC_ABOUT_POWEROFF, 3, 1177},
    {IDC_ABOUT_EMULATOR, 4, 1193},
    {IDC_ABOUT_VERSION, 5, 1191},
    {IDC_ABOUT_COPYRIGHT, 6, 1192},
    {IDC_ABOUT_EMU_COPYRIGHT, 7, 1193},
    {IDC_ABOUT_SUPPORT, 8, 1196},
    {IDC_ABOUT_EMU_SUPPORT, 9, 1196},
    {IDC_ABOUT_CREDITS, 10, 1197},
};

CString UrlSetting(const char* pszKey, const char* pszDefault)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileString(kSection, pszKey, pszDefault) : CString(pszDefault);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CHelpButtonDlg)
    ON_BN_CLICKED(IDC_ABOUT_POWEROFF, OnPowerOff)
    ON_BN_CLICKED(IDC_ABOUT_LOAD, OnLoad)
    ON_BN_CLICKED(IDC_ABOUT_DIAL, OnDial)
    ON_WM_DRAWITEM()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent)
{
    m_strVersion.Format("%s -- Version %s", g_strProductName, g_strProductVersion);
    m_strCopyright = g_strCopyrightLine;
    m_strProductURL = UrlSetting("VornGUIProductURL", g_strDefaultProductURL);
    m_strSupportEmail = UrlSetting("VornGUISupportEmail", g_strDefaultSupportEmail);
    m_strEmulatorURL = UrlSetting("VornamicProductURL", g_strDefaultEmulatorURL);
    m_strEmuSupportEmail = UrlSetting("VornamicSupportEmail", g_strDefaultEmulatorSupportEmail);
    m_strCreditsURL = UrlSetting("PanelImagesURL", "https://www.quadrelle.example/panel-images/");
}

CString CAboutDlg::BuildSupportMailLink(const CString& strAddress)
{
    return ::BuildSupportMailLink(strAddress.GetString(), g_strProductName, g_strProductVersion).c_str();
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_EMULATOR, m_wndEmulatorLink);
    DDX_Control(pDX, IDC_ABOUT_VERSION, m_wndVersionLink);
    DDX_Control(pDX, IDC_ABOUT_COPYRIGHT, m_wndCopyright);
    DDX_Control(pDX, IDC_ABOUT_SUPPORT, m_wndSupportLink);
    DDX_Control(pDX, IDC_ABOUT_EMU_SUPPORT, m_wndEmuSupportLink);
    DDX_Control(pDX, IDC_ABOUT_CREDITS, m_wndCreditsLink);
    DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
    DDX_Text(pDX, IDC_ABOUT_COPYRIGHT, m_strCopyright);
    DDX_Text(pDX, IDC_ABOUT_SUPPORT, m_strSupportEmail);
    DDX_Text(pDX, IDC_ABOUT_EMU_SUPPORT, m_strEmuSupportEmail);
}

void CAboutDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const SAboutHelp& h : kAboutHelp)
        SetHelpString(MakeHelpKey(IDD, h.nID), IDS_HELP_ABOUT + h.nString);
}

void CAboutDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CHelpButtonDlg::RegisterHelpStrings();
    for (const SAboutHelp& h : kAboutHelp)
        SetHelpId(MakeHelpKey(IDD, h.nID), h.nHelpId);
}

BOOL CAboutDlg::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    CHelpButtonDlg::OnInitDialog();
    // The dial on the dialog's face instead of the panel's key colour.
    CBitmap dial;
    if (dial.Attach(::LoadBitmapA(AfxGetResourceHandle(), "DIALU")) &&
        ReplaceBitmapColor(&m_bmpDial, &dial, ::GetSysColor(COLOR_3DFACE), FALSE, 0, 0))
        SendDlgItemMessage(IDC_ABOUT_DIAL, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)m_bmpDial.m_hObject);
    if (!m_btnLoad.AutoLoad(IDC_ABOUT_LOAD, this) || !m_btnPowerOff.AutoLoad(IDC_ABOUT_POWEROFF, this))
        return FALSE;
    m_wndEmulatorLink.SetURL(m_strEmulatorURL);
    m_wndVersionLink.SetURL(m_strProductURL);
    m_wndSupportLink.SetURL(BuildSupportMailLink(m_strSupportEmail));
    m_wndEmuSupportLink.SetURL(BuildEmulatorMailLink(m_strEmuSupportEmail.GetString()).c_str());
    m_wndCreditsLink.SetURL(m_strCreditsURL);
    for (CHyperLink* pLink :
         {&m_wndEmulatorLink, &m_wndVersionLink, &m_wndSupportLink, &m_wndEmuSupportLink, &m_wndCreditsLink})
        pLink->SetLinkColor(kLinkColor);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    return TRUE;
}

// POWEROFF plays its sound and closes the box.
void CAboutDlg::OnPowerOff()
{
    PlaySoundResource("PressButton");
    EndDialog(IDOK);
}

void CAboutDlg::OnLoad()
{
    PlaySoundResource("PressButton");
}

// The sample dial sounds but does not turn.
void CAboutDlg::OnDial()
{
    PlaySoundResource("TwistDial");
}

void CAboutDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDIS)
{
    if (nIDCtl != IDC_ABOUT_DIAL || !m_bmpDial.m_hObject) {
        Default();
        return;
    }
    CDC dcItem(pDIS->hDC), dcMem;
    if (!dcMem.CreateCompatibleDC(&dcItem))
        return;
    CDCSelect selBitmap(dcMem, m_bmpDial.m_hObject);
    const RECT& rc = pDIS->rcItem;
    ::BitBlt(pDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, dcMem, 0, 0, SRCCOPY);
}

void CAboutDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
