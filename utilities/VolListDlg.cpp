// VolListDlg.cpp: the VOLLIST dialog.
#include "utilities/VolListDlg.h"

#include <vector>

#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/ProfileHelpers.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/ListRowText.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

const char CVolListDlg::kListKey[] = "InputFilesListBox";

namespace {

const char kAllFilesFilter[] = "All Files (*.*)|*.*||";
const wchar_t kInputCue[] = L"Enter a filename here...";

}  // namespace

BEGIN_MESSAGE_MAP(CVolListDlg, CUtilityDlg)
    ON_EN_CHANGE(IDC_UTIL_INPUT_FILE, OnInputChanged)
    ON_EN_CHANGE(IDC_VOLLIST_SHADOW, OnShadowChanged)
    ON_BN_CLICKED(IDC_UTIL_FILE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_UTIL_FILE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_UTIL_FILE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_UTIL_FILE_DOWN, OnMoveDown)
    ON_CONTROL(LBN_SELCHANGE, IDC_VOLLIST_FILES, OnSelChange)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseImage)
    ON_BN_CLICKED(IDC_VOLLIST_SHADOW_BROWSE, OnBrowseShadow)
    ON_BN_CLICKED(IDC_VOLLIST_DSN_COLS, OnDsnColsClicked)
    ON_BN_CLICKED(IDC_VOLLIST_YEAR_OFFSET, OnYearOffsetClicked)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CVolListDlg::LoadSettings()
{
    SVolListSwitches& s = m_switches;
    GetSetting("strLastBrowsedDir", m_strLastBrowsedDir);
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("strShadowFile", m_strShadowFile);
    GetSetting("bHeaders", s.bHeaders);
    GetSetting("bFormat1", s.bFormat1);
    GetSetting("bDSNCols", s.bDSNCols);
    GetProfileIntVar(Section(), "nColumns", s.nColumns);
    GetSetting("bYearOffset", s.bYearOffset);
    GetSetting("nYears", s.nYears);
    GetSetting("bCCHH", s.bCCHH);
    GetSetting("bCalDate", s.bCalDate);
    GetSetting("bRefDate", s.bRefDate);
    GetSetting("bExpDate", s.bExpDate);
    GetSetting("bNoSort", s.bNoSort);
}

void CVolListDlg::SaveSettings()
{
    const SVolListSwitches& s = m_switches;
    WriteSetting("strLastBrowsedDir", m_strLastBrowsedDir);
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strShadowFile", m_strShadowFile);
    WriteSetting("bHeaders", s.bHeaders);
    WriteSetting("bFormat1", s.bFormat1);
    WriteSetting("bDSNCols", s.bDSNCols);
    WriteProfileInt(Section(), "nColumns", s.nColumns);
    WriteSetting("bYearOffset", s.bYearOffset);
    WriteSetting("nYears", s.nYears);
    WriteSetting("bCCHH", s.bCCHH);
    WriteSetting("bCalDate", s.bCalDate);
    WriteSetting("bRefDate", s.bRefDate);
    WriteSetting("bExpDate", s.bExpDate);
    WriteSetting("bNoSort", s.bNoSort);
    WriteListSetting(IDC_VOLLIST_FILES, kListKey);
}

void CVolListDlg::ExchangeFields(CDataExchange* pDX)
{
    SVolListSwitches& s = m_switches;
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_VOLLIST_SHADOW, m_strShadowFile);
    DDX_CheckBool(pDX, IDC_VOLLIST_HEADERS, s.bHeaders);
    DDX_CheckBool(pDX, IDC_VOLLIST_FORMAT1, s.bFormat1);
    DDX_CheckBool(pDX, IDC_VOLLIST_DSN_COLS, s.bDSNCols);
    DDX_Text(pDX, IDC_VOLLIST_COLUMNS, s.nColumns);
    DDX_CheckBool(pDX, IDC_VOLLIST_YEAR_OFFSET, s.bYearOffset);
    DDX_Text(pDX, IDC_VOLLIST_YEARS, s.nYears);
    DDX_CheckBool(pDX, IDC_VOLLIST_CCHH, s.bCCHH);
    DDX_CheckBool(pDX, IDC_VOLLIST_CALDATE, s.bCalDate);
    DDX_CheckBool(pDX, IDC_VOLLIST_REFDATE, s.bRefDate);
    DDX_CheckBool(pDX, IDC_VOLLIST_EXPDATE, s.bExpDate);
    DDX_CheckBool(pDX, IDC_VOLLIST_NOSORT, s.bNoSort);
}

void CVolListDlg::InitControls()
{
    GetListSetting(IDC_VOLLIST_FILES, kListKey);
    SendDlgItemMessage(IDC_VOLLIST_FILES, LB_SETCURSEL, (WPARAM)-1, 0);
    Buttons().UpdateButtons();
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD), !m_strInputFile.IsEmpty());
    SetSpinRange(IDC_VOLLIST_COLUMNS_SPIN, (int)kMinDsnColumns, (int)kMaxDsnColumns);
    SetSpinRange(IDC_VOLLIST_YEARS_SPIN, -kMaxYearOffset, kMaxYearOffset);
    EnableControls(m_switches.bDSNCols, IDC_VOLLIST_COLUMNS, IDC_VOLLIST_COLUMNS_SPIN, IDC_VOLLIST_COLUMNS_UNIT);
    EnableControls(m_switches.bYearOffset, IDC_VOLLIST_YEARS, IDC_VOLLIST_YEARS_SPIN, IDC_VOLLIST_YEARS_UNIT);
}

bool CVolListDlg::ValidateOptions(CDataExchange* pDX)
{
    if (!AddTypedImage(pDX))
        return false;
    if (ItemCount() == 0) {
        pDX->PrepareCtrl(IDC_UTIL_FILE_ADD);
        SendDlgItemMessage(IDC_UTIL_INPUT_FILE, EM_SETCUEBANNER, 0, (LPARAM)kInputCue);
        ErrorBalloon(this, IDC_VOLLIST_FILES, "Files List",
                     "You have not specified any input files. Enter a filename into the Input File field and click "
                     "'Add'.",
                     kBalloonIconWarning);
        pDX->Fail();
        return false;
    }
    if (m_switches.bDSNCols && !IsValidDsnColumns(m_switches.nColumns))
        return Refuse(pDX, IDC_VOLLIST_COLUMNS, "DSN Columns",
                      "The dataset names column width must be in the range of 1 to 44.");
    if (m_switches.bYearOffset && !IsValidYearOffset(m_switches.nYears))
        return Refuse(pDX, IDC_VOLLIST_YEARS, "Years Offset",
                      "The years offset value must be in the range of -142 to +142.");
    return true;
}

void CVolListDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    int nCount = ItemCount();
    CString strImage, strShadow;
    ParseVolListItem(Item(0), strImage, strShadow);
    m_strTitle = strWord + " " + FileNameOfPath(strImage);
    if (!strShadow.IsEmpty())
        m_strTitle += " sf=" + FileNameOfPath(strShadow);
    if (nCount > 1)
        m_strTitle += " ...";
    m_strCommandLine = strWord + VolListSwitchWords(m_switches);
    for (int i = 0; i < nCount; ++i)
        m_strCommandLine += VolListItemArguments(Item(i));
    m_nExpectedTotal = 0;
}

std::vector<CUtilityDlg::SHelpRow> CVolListDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLLIST},
        {IDC_VOLLIST_INPUT_GROUP, IDS_HELP_VOLLIST_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_VOLLIST_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_VOLLIST_SHADOW_LABEL, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLLIST_SHADOW, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLLIST_SHADOW_BROWSE, IDS_HELP_UTIL_SHADOW_BROWSE},
        {IDC_VOLLIST_FILES, IDS_HELP_VOLLIST_FILES},
        {IDC_UTIL_FILE_ADD, IDS_HELP_VOLLIST_ADD},
        {IDC_UTIL_FILE_REMOVE, IDS_HELP_UTIL_FILE_REMOVE},
        {IDC_UTIL_FILE_UP, IDS_HELP_UTIL_FILE_UP},
        {IDC_UTIL_FILE_DOWN, IDS_HELP_UTIL_FILE_DOWN},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_VOLLIST_HEADERS, IDS_HELP_VOLLIST_HEADERS},
        {IDC_VOLLIST_FORMAT1, IDS_HELP_VOLLIST_FORMAT1},
        {IDC_VOLLIST_DSN_COLS, IDS_HELP_VOLLIST_DSN_COLS},
        {IDC_VOLLIST_COLUMNS, IDS_HELP_VOLLIST_DSN_COLS},
        {IDC_VOLLIST_COLUMNS_UNIT, IDS_HELP_VOLLIST_DSN_COLS},
        {IDC_VOLLIST_YEAR_OFFSET, IDS_HELP_VOLLIST_YEAR_OFFSET},
        {IDC_VOLLIST_YEARS, IDS_HELP_VOLLIST_YEAR_OFFSET},
        {IDC_VOLLIST_YEARS_UNIT, IDS_HELP_VOLLIST_YEAR_OFFSET},
        {IDC_VOLLIST_CCHH, IDS_HELP_VOLLIST_CCHH},
        {IDC_VOLLIST_CALDATE, IDS_HELP_VOLLIST_CALDATE},
        {IDC_VOLLIST_REFDATE, IDS_HELP_VOLLIST_REFDATE},
        {IDC_VOLLIST_EXPDATE, IDS_HELP_VOLLIST_EXPDATE},
        {IDC_VOLLIST_NOSORT, IDS_HELP_VOLLIST_NOSORT},
    };
}

const CUtilityDlg::SLayoutRow* CVolListDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_VOLLIST_INPUT_GROUP, 1}, {IDC_UTIL_INPUT_FILE, 1},   {IDC_UTIL_INPUT_BROWSE, 2},
        {IDC_VOLLIST_SHADOW, 1},      {IDC_VOLLIST_SHADOW_BROWSE, 2}, {IDC_VOLLIST_FILES, 1},
        {IDC_UTIL_FILE_ADD, 2},       {IDC_UTIL_FILE_REMOVE, 2},  {IDC_UTIL_FILE_UP, 2},
        {IDC_UTIL_FILE_DOWN, 2},      {IDC_UTIL_OPTIONS_GROUP, 1}, {IDOK, 3},
        {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CVolListDlg::EnableControls(bool bEnable, UINT nFirst, UINT nSecond, UINT nThird)
{
    for (UINT nID : {nFirst, nSecond, nThird})
        EnableDlgControl(::GetDlgItem(m_hWnd, (int)nID), bEnable);
}

int CVolListDlg::ItemCount() const
{
    return (int)::SendDlgItemMessageA(m_hWnd, IDC_VOLLIST_FILES, LB_GETCOUNT, 0, 0);
}

CString CVolListDlg::Item(int nIndex) const
{
    return ListBoxGetText(::GetDlgItem(m_hWnd, IDC_VOLLIST_FILES), nIndex);
}

void CVolListDlg::OnInputChanged()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD), !m_strInputFile.IsEmpty());
}

void CVolListDlg::OnShadowChanged()
{
    GetDlgItemText(IDC_VOLLIST_SHADOW, m_strShadowFile);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD), !m_strShadowFile.IsEmpty() && !m_strInputFile.IsEmpty());
}

void CVolListDlg::OnAdd()
{
    CDataExchange dx(this, TRUE);
    AddTypedImage(&dx);
}

// "Add", and OK for an image typed but not added: checks the image and its
// shadow and appends them as one item; afterwards both edits are empty and
// nothing is selected. False when a check refused (with its balloon).
bool CVolListDlg::AddTypedImage(CDataExchange* pDX)
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    GetDlgItemText(IDC_VOLLIST_SHADOW, m_strShadowFile);
    CString strTyped = m_strInputFile;
    TrimBlanks(strTyped);
    if (strTyped.IsEmpty())
        return true;
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    if (!DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input File") ||
        !CheckShadowFile(pDX, m_strShadowFile, IDC_VOLLIST_SHADOW, "Shadow File"))
        return false;
    SendDlgItemMessage(IDC_VOLLIST_FILES, LB_ADDSTRING, 0,
                       (LPARAM)(LPCSTR)ComposeVolListItem(m_strInputFile, m_strShadowFile));
    SetDlgItemText(IDC_UTIL_INPUT_FILE, "");
    SetDlgItemText(IDC_VOLLIST_SHADOW, "");
    SendDlgItemMessage(IDC_VOLLIST_FILES, LB_SETCURSEL, (WPARAM)-1, 0);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD), FALSE);
    Buttons().ItemsChanged();
    return true;
}

void CVolListDlg::OnRemove()
{
    Buttons().Remove();
}

void CVolListDlg::OnMoveUp()
{
    Buttons().Move(-1);
}

void CVolListDlg::OnMoveDown()
{
    Buttons().Move(+1);
}

// A Ctrl-click deselects: the list box of one selection has no other way.
void CVolListDlg::OnSelChange()
{
    bool bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (bCtrl)
        SendDlgItemMessage(IDC_VOLLIST_FILES, LB_SETCURSEL, (WPARAM)-1, 0);
    Buttons().UpdateButtons();
}

// The file dialog starts in the folder of the last browse and leaves the
// current folder at the chosen file's, which becomes the next start.
void CVolListDlg::BrowseInto(UINT nEdit, CString& strFile, const char* pszTitle)
{
    GetDlgItemText((int)nEdit, strFile);
    BrowseForFile(kAllFilesFilter, strFile, pszTitle, m_strLastBrowsedDir, GetDlgItem((int)nEdit), true);
    m_strLastBrowsedDir = WindowsizedDirectory(GetStdCurrentDirectory());
}

void CVolListDlg::OnBrowseImage()
{
    BrowseInto(IDC_UTIL_INPUT_FILE, m_strInputFile, "Input DASD file");
}

void CVolListDlg::OnBrowseShadow()
{
    BrowseInto(IDC_VOLLIST_SHADOW, m_strShadowFile, "Shadow file");
}

void CVolListDlg::OnDsnColsClicked()
{
    m_switches.bDSNCols = IsDlgButtonChecked(IDC_VOLLIST_DSN_COLS) == BST_CHECKED;
    EnableControls(m_switches.bDSNCols, IDC_VOLLIST_COLUMNS, IDC_VOLLIST_COLUMNS_SPIN, IDC_VOLLIST_COLUMNS_UNIT);
}

void CVolListDlg::OnYearOffsetClicked()
{
    m_switches.bYearOffset = IsDlgButtonChecked(IDC_VOLLIST_YEAR_OFFSET) == BST_CHECKED;
    EnableControls(m_switches.bYearOffset, IDC_VOLLIST_YEARS, IDC_VOLLIST_YEARS_SPIN, IDC_VOLLIST_YEARS_UNIT);
}

void CVolListDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
