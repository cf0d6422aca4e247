// UtilityDlg.cpp: the base of the utility dialogs: settings, the order of
// the checks, the output path, browse buttons, spins, the code-page combo,
// help and layout registration.
#include "utilities/UtilityDlg.h"

#include <commctrl.h>

#include "config/CodePageHistory.h"
#include "config/DasdImage.h"
#include "config/DirectoryValidation.h"
#include "config/FieldValidators.h"
#include "config/FileDialogPaths.h"
#include "config/FileDialogs.h"
#include "config/OverwriteConfirmation.h"
#include "config/ProfileHelpers.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/AfxAssert.h"
#include "platform/BrowseForDirectory.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "resources/resource.h"
#include "session/ViewSettings.h"
#include "session/VornGUIView.h"
#include "config/DevClassIcons.h"
#include "utilities/OneFileUtilityDlg.h"
#include "utilities/UtilityRules.h"

namespace {

// The view's filter text of a kind (the stored default without a view).
CString ViewFilter(EFileFilter eFilter)
{
    return g_pView ? g_pView->Settings().m_strFilters[eFilter] : CViewSettings().m_strFilters[eFilter];
}

}  // namespace

CString GetDiskFilesFilter()
{
    return BuildFileFilter("Disk Files", ViewFilter(kFilterDisk));
}

CString GetTapeFilesFilter()
{
    return BuildFileFilter("Tape Files", ViewFilter(kFilterTape));
}

CString GetReaderFilesFilter()
{
    return BuildFileFilter("Reader Files", ViewFilter(kFilterReader));
}

CString GetPunchFilesFilter()
{
    return BuildFileFilter("Punch Files", ViewFilter(kFilterPunch));
}

CString GetPrinterFilesFilter()
{
    return BuildFileFilter("Printer Files", ViewFilter(kFilterPrinter));
}

BEGIN_MESSAGE_MAP(CUtilityDlg, cdxCDynamicHelpDialog)
END_MESSAGE_MAP()

CUtilityDlg::CUtilityDlg(UINT nIDTemplate)
    : cdxCDynamicHelpDialog(nIDTemplate), m_pInfo(FindUtilityByTemplate(nIDTemplate))
{
    ASSERT(m_pInfo);
}

CUtilityDlg::CUtilityDlg(UINT nIDTemplate, const SUtilityInfo& info)
    : cdxCDynamicHelpDialog(nIDTemplate), m_pInfo(&info)
{
}

std::vector<CString> CUtilityDlg::OutputPaths() const
{
    return m_strOutputPath.IsEmpty() ? std::vector<CString>() : std::vector<CString>{m_strOutputPath};
}

bool CUtilityDlg::Has64BitUtilities()
{
    return g_pView && g_pView->Has64BitUtilities();
}

BOOL CUtilityDlg::OnInitDialog()
{
    LoadSettings();
    cdxCDynamicHelpDialog::OnInitDialog();
    SetIcon(DevClassIcon(m_pInfo->eGroup), FALSE);
    InitControls();
    // "Write output in new 64-bit file format" only while the 64-bit
    // utility programs are there.
    if (HWND hCkd64 = ::GetDlgItem(m_hWnd, IDC_UTIL_CKD64))
        ::EnableWindow(hCkd64, Has64BitUtilities());
    size_t nRows = 0;
    const SLayoutRow* pRows = LayoutRows(nRows);
    for (size_t i = 0; i < nRows; ++i)
        if (::GetDlgItem(m_hWnd, (int)pRows[i].nCtrl))  // a family's rows name every member's controls
            AddSzXControlById(pRows[i].nCtrl, pRows[i].nMode);
    return TRUE;
}

void CUtilityDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    ExchangeFields(pDX);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    // The overwrite question comes last: a later refusal would otherwise
    // follow a "Yes" that was already given.
    if (!ValidateOptions(pDX) || !CheckInputFiles(pDX) || !CheckOutputFile(pDX) || pDX->m_bFailed)
        return;
    BuildCommandLine();
}

void CUtilityDlg::OnCancel()
{
    ForgetOverwriteConfirmations();
    m_strOutputPath.Empty();
    cdxCDynamicHelpDialog::OnCancel();
}

void CUtilityDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    for (const SHelpRow& row : HelpRows())
        SetHelpString(MakeHelpKey(m_nIDTemplate, row.nCtrl), row.nString);
}

void CUtilityDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const SHelpRow& row : HelpRows())
        SetHelpId(MakeHelpKey(m_nIDTemplate, row.nCtrl), row.nString);
}

void CUtilityDlg::GetSetting(const char* pszKey, CString& strValue) const
{
    GetProfileCString(Section(), pszKey, strValue);
}

void CUtilityDlg::GetSetting(const char* pszKey, int& nValue) const
{
    GetProfileIntVar(Section(), pszKey, nValue);
}

void CUtilityDlg::GetSetting(const char* pszKey, bool& bValue) const
{
    GetProfileBool(Section(), pszKey, bValue);
}

void CUtilityDlg::WriteSetting(const char* pszKey, const CString& strValue) const
{
    WriteProfileCString(Section(), pszKey, strValue);
}

void CUtilityDlg::WriteSetting(const char* pszKey, int nValue) const
{
    WriteProfileInt(Section(), pszKey, nValue);
}

void CUtilityDlg::WriteSetting(const char* pszKey, bool bValue) const
{
    WriteProfileBool(Section(), pszKey, bValue);
}

void CUtilityDlg::GetOutputDirectorySetting(CString& strDir) const
{
    GetSetting("strOutputDirectory", strDir);
    CString strTrimmed = strDir;
    // Shown in Windows form also when an older release stored it with '/'.
    strDir = WindowsizedDirectory(TrimBlanks(strTrimmed).IsEmpty() ? GroupFolder() : strDir, true);
}

void CUtilityDlg::GetListSetting(UINT nListBox, const char* pszKey)
{
    HWND hList = ::GetDlgItem(m_hWnd, (int)nListBox);
    LoadListBoxFromProfile(hList, pszKey, Section());
    SetListBoxHorizontalExtent(hList);
}

void CUtilityDlg::WriteListSetting(UINT nListBox, const char* pszKey) const
{
    SaveListBoxToProfile(::GetDlgItem(m_hWnd, (int)nListBox), pszKey, Section());
}

void CUtilityDlg::ExchangeCheck(CDataExchange* pDX, int nIDC, bool& bValue)
{
    int nCheck = bValue ? 1 : 0;
    DDX_Check(pDX, nIDC, nCheck);
    bValue = nCheck != 0;
}

bool CUtilityDlg::Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszLabel, const char* pszText)
{
    pDX->PrepareEditCtrl((int)nCtrl);
    ErrorBalloon(this, nCtrl, pszLabel, pszText, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

bool CUtilityDlg::CheckOutputPath(CDataExchange* pDX, CString& strDir, CString& strFile, UINT nCtrl,
                                  const char* pszLabel)
{
    m_strOutputPath.Empty();
    bool bDirEdit = ::GetDlgItem(m_hWnd, IDC_UTIL_OUTPUT_DIR) != nullptr;
    // The folder's edit is read-only: a path typed as the file name is the
    // user's other way to name the folder.
    if (SplitTypedOutputPath(strDir, strFile)) {
        if (bDirEdit)
            SetDlgItemText(IDC_UTIL_OUTPUT_DIR, strDir);
        SetDlgItemText((int)nCtrl, strFile);
    }
    // The folder is a read-only edit filled by its browse button: without
    // this the file check would call an empty folder a missing file name,
    // and a folder that has gone would only fail the run.
    UINT nDirCtrl = bDirEdit ? IDC_UTIL_OUTPUT_DIR : nCtrl;
    pDX->PrepareEditCtrl((int)nDirCtrl);
    if (!DDV_OutputDirectory(pDX, strDir, (int)nDirCtrl, "Output Directory"))
        return false;
    pDX->PrepareEditCtrl((int)nCtrl);
    if (!DDV_OutputFile(pDX, strDir, strFile, (int)nCtrl, pszLabel))
        return false;
    m_strOutputPath = JoinOutputPath(strDir, strFile);
    return true;
}

bool CUtilityDlg::CheckInputImage(CDataExchange* pDX, CString& strFile, UINT nEdit, const char* pszLabel,
                                  CString& strNameExt, UINT64& ullSize)
{
    pDX->PrepareEditCtrl((int)nEdit);
    if (!DDV_InputFile(pDX, strFile, (int)nEdit, pszLabel, &strNameExt, &ullSize))
        return false;
    if (ReadInputImageType(strFile) == DASD_IMAGE_UNKNOWN)
        return Refuse(pDX, nEdit, pszLabel, COneFileUtilityDlg::kUnknownImageText);
    return true;
}

bool CUtilityDlg::CheckShadowFile(CDataExchange* pDX, CString& strShadow, UINT nCtrl, const char* pszLabel)
{
    CString strTrimmed = strShadow;
    if (TrimBlanks(strTrimmed).IsEmpty()) {
        strShadow.Empty();
        return true;
    }
    pDX->PrepareEditCtrl((int)nCtrl);
    return DDV_InputFile(pDX, strShadow, (int)nCtrl, pszLabel);
}

CString CUtilityDlg::ProgramWord(bool b64Wanted) const
{
    return UtilityProgramWord(m_pInfo->pszCaption, b64Wanted);
}

BYTE CUtilityDlg::ReadInputImageType(const CString& strFile)
{
    CString strPath = strFile;
    TrimBlanks(strPath);
    m_bInputImageType = strPath.IsEmpty() ? (BYTE)DASD_IMAGE_UNKNOWN : GetDasdImageType(strPath, true);
    return m_bInputImageType;
}

CString CUtilityDlg::GroupFilter() const
{
    return m_pInfo->eGroup == kUtilityGroupTape ? GetTapeFilesFilter() : GetDiskFilesFilter();
}

CString CUtilityDlg::GroupFolder() const
{
    if (!g_pView)
        return CString();
    return m_pInfo->eGroup == kUtilityGroupTape ? g_pView->GetTapeFilesDir() : g_pView->GetDiskFilesDir();
}

bool CUtilityDlg::BrowseInputFile(UINT nEdit, CString& strFile, const char* pszTitle)
{
    GetDlgItemText((int)nEdit, strFile);
    return BrowseForFile(GroupFilter(), strFile, pszTitle, GroupFolder(), GetDlgItem((int)nEdit), true) == IDOK;
}

bool CUtilityDlg::BrowseOutputDirectory(UINT nEdit, CString& strDir, const char* pszPrompt)
{
    // The picker opens at the folder in the field, expanded down to it; the
    // view's folder for the dialog's kind of file is only the fallback.
    CString strShown;
    GetDlgItemText((int)nEdit, strShown);
    CString strStart = IsValidDirectory(strShown) ? strShown : GroupFolder();
    CString strChosen;
    if (!BrowseForDirectoryEx(m_hWnd, pszPrompt, strStart, strChosen))
        return false;
    strDir = strChosen;
    SetDlgItemText((int)nEdit, strDir);
    return true;
}

bool CUtilityDlg::BrowseOutputFile(UINT nDirEdit, UINT nFileEdit, CString& strDir, CString& strFile,
                                   const char* pszTitle, bool bOverwritePrompt)
{
    if (BrowseForSaveFile(strDir, strFile, pszTitle, GroupFolder(), GroupFilter(), GetDlgItem((int)nFileEdit), false,
                          bOverwritePrompt, GetDlgItem((int)nDirEdit)) != IDOK)
        return false;
    CString strPath = JoinOutputPath(strDir, strFile);
    if (bOverwritePrompt && FileExists(strPath))
        RememberOverwriteConfirmed(strPath);
    return true;
}

void CUtilityDlg::SetSpinRange(UINT nSpin, int nLow, int nHigh)
{
    SendDlgItemMessage((int)nSpin, UDM_SETRANGE32, (WPARAM)nLow, (LPARAM)nHigh);
}

void CUtilityDlg::ProposeEditText(UINT nEdit, const CString& strText)
{
    HWND hEdit = ::GetDlgItem(m_hWnd, (int)nEdit);
    ::SetWindowTextA(hEdit, strText);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
    // The edit takes the focus in the middle of the press, holding the
    // mouse until the release, when the mouse moving meanwhile would
    // select from the start to where it went: the press ends here.
    if (hEdit && ::GetCapture() == hEdit)
        ::ReleaseCapture();
}

void CUtilityDlg::FillCodePageCombo(UINT nCombo, const CString& strStoredCodePage)
{
    CStringArray entries;
    SplitCodePageHistory(ReadCodePageHistory(), entries);
    HWND hCombo = ::GetDlgItem(m_hWnd, (int)nCombo);
    ::SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < entries.GetSize(); ++i)
        ::SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)(LPCSTR)entries[i]);
    CString strShown = CodePageShown(strStoredCodePage);
    int nIndex = (int)::SendMessageA(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCSTR)strShown);
    if (nIndex >= 0)
        ::SendMessageA(hCombo, CB_SETCURSEL, (WPARAM)nIndex, 0);
    else
        ::SetWindowTextA(hCombo, strShown);
}

CString CUtilityDlg::GetCodePage(UINT nCombo) const
{
    CString strShown;
    GetDlgItemText((int)nCombo, strShown);
    return CodePageStored(strShown);
}

void CUtilityDlg::KeepHeight(WINDOWPOS* pPos)
{
    KeepWindowHeight(m_hWnd, pPos);
}

const CUtilityDlg::SLayoutRow* CUtilityDlg::InputAndOptionsLayoutRows(size_t& nCount)
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1}, {IDC_UTIL_INPUT_GROUP, 1},   {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2}, {IDC_UTIL_OPTIONS_GROUP, 1}, {IDOK, 3},
        {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}
