// ReelDivideDlg.cpp: the tape image splitter's dialog and its add dialog.
#include "utilities/ReelDivideDlg.h"

#include <cstdlib>

#include "config/OverwriteConfirmation.h"
#include "config/ProfileHelpers.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/ListRowText.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "utilities/TapeUtilityRules.h"
#include "utilities/UtilityRules.h"

namespace {

const char kListKey[] = "OutputFilesListBox";
const UINT kMaxNumFiles = 9999;

const CTapeUtilityDlg::SBrowseTexts kTexts = {"Tape File", nullptr, nullptr};
// The add dialog keeps its own settings section.
const SUtilityInfo kAddInfo = {0, IDD_REELDIVIDE_ADD, "SPLITADD", kUtilityGroupTape, -1, kUtilityFolderTape, false};
const CTapeUtilityDlg::SBrowseTexts kAddTexts = {
    nullptr, "Select which directory to create the next Tape output file in.", "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelDivideDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_FILE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_UTIL_FILE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_UTIL_FILE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_UTIL_FILE_DOWN, OnMoveDown)
    ON_LBN_SELCHANGE(IDC_TAPE_OUTPUT_LIST, OnSelChange)
END_MESSAGE_MAP()

CReelDivideDlg::CReelDivideDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelDivideDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
}

void CReelDivideDlg::InitControls()
{
    GetListSetting(IDC_TAPE_OUTPUT_LIST, kListKey);
    SendDlgItemMessage(IDC_TAPE_OUTPUT_LIST, LB_SETCURSEL, (WPARAM)-1);
    Buttons().UpdateButtons();
}

void CReelDivideDlg::ExchangeFields(CDataExchange* pDX)
{
    ExchangeFiles(pDX);
}

// The list must have entries, each one readable (an entry edited by hand
// in the settings is named rather than sent half read).
bool CReelDivideDlg::ValidateOptions(CDataExchange* pDX)
{
    HWND hList = ::GetDlgItem(m_hWnd, IDC_TAPE_OUTPUT_LIST);
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    if (nCount <= 0) {
        SendDlgItemMessage(IDC_UTIL_INPUT_FILE, EM_SETCUEBANNER, TRUE, (LPARAM)L"Enter a filename here...");
        return Refuse(pDX, IDC_TAPE_OUTPUT_LIST, "Files List",
                      "You have not specified any input files. Enter a filename into the Filename field and click "
                      "'Add'.");
    }
    m_counts.RemoveAll();
    m_paths.RemoveAll();
    for (int i = 0; i < nCount; ++i) {
        CString strCount, strPath;
        if (!ParseDivideItem(ListBoxGetText(hList, i), strCount, strPath)) {
            ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)i, 0);
            Buttons().UpdateButtons();
            CString strText;
            strText.Format("Entry %d of the list of output files is not a count followed by a file name. Remove it "
                           "and add it again.",
                           i + 1);
            return Refuse(pDX, IDC_TAPE_OUTPUT_LIST, "Files List", strText);
        }
        m_counts.Add(strCount);
        m_paths.Add(strPath);
    }
    return true;
}

bool CReelDivideDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInput(pDX, "Input Filename");
}

// Each listed output that exists must be allowed to go (the answer given
// when it was added stands); a refused one is selected in the list.
bool CReelDivideDlg::CheckOutputFile(CDataExchange* pDX)
{
    for (int i = 0; i < m_paths.GetSize(); ++i) {
        if (!FileExists(m_paths[i]) || ConfirmOverwrite(m_paths[i]))
            continue;
        SendDlgItemMessage(IDC_TAPE_OUTPUT_LIST, LB_SETCURSEL, (WPARAM)i, 0);
        Buttons().UpdateButtons();
        return Refuse(pDX, IDC_TAPE_OUTPUT_LIST, "Output File", "File already exists.");
    }
    return true;
}

std::vector<CString> CReelDivideDlg::OutputPaths() const
{
    return std::vector<CString>(m_paths.begin(), m_paths.end());
}

void CReelDivideDlg::BuildCommandLine()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteListSetting(IDC_TAPE_OUTPUT_LIST, kListKey);
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strInputNameExt;
    m_strCommandLine = strWord;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    for (int i = 0; i < m_paths.GetSize(); ++i) {
        AppendCommandFile(m_strCommandLine, m_paths[i]);
        AppendCommandGroup(m_strCommandLine, m_counts[i]);
    }
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

void CReelDivideDlg::OnAdd()
{
    CReelDivideAddDlg dlg;
    HWND hList = ::GetDlgItem(m_hWnd, IDC_TAPE_OUTPUT_LIST);
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        CString strCount, strPath;
        ParseDivideItem(ListBoxGetText(hList, i), strCount, strPath);
        dlg.m_takenPaths.Add(strPath);
    }
    if (dlg.DoModal() != IDOK)
        return;
    CString strItem = FormatDivideItem((UINT)std::atoi(dlg.m_strCount), dlg.m_strPath);
    ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)strItem);
    ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)-1, 0);
    Buttons().ItemsChanged();
}

void CReelDivideDlg::OnRemove()
{
    Buttons().Remove();
}

void CReelDivideDlg::OnMoveUp()
{
    Buttons().Move(-1);
}

void CReelDivideDlg::OnMoveDown()
{
    Buttons().Move(1);
}

void CReelDivideDlg::OnSelChange()
{
    Buttons().UpdateButtons();
}

std::vector<CUtilityDlg::SHelpRow> CReelDivideDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELDIVIDE},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELDIVIDE},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_LIST},
        {IDC_TAPE_LIST_LABEL1, IDS_HELP_TAPE_OUTPUT_LIST},
        {IDC_TAPE_LIST_LABEL2, IDS_HELP_TAPE_OUTPUT_LIST},
        {IDC_TAPE_OUTPUT_LIST, IDS_HELP_TAPE_OUTPUT_LIST},
        {IDC_UTIL_FILE_ADD, IDS_HELP_TAPE_LIST_ADD},
        {IDC_UTIL_FILE_REMOVE, IDS_HELP_TAPE_LIST_REMOVE},
        {IDC_UTIL_FILE_UP, IDS_HELP_TAPE_LIST_UP},
        {IDC_UTIL_FILE_DOWN, IDS_HELP_TAPE_LIST_DOWN},
    };
}

// ---- the add dialog ----

CReelDivideAddDlg::CReelDivideAddDlg() : CTapeUtilityDlg(IDD, kAddInfo, kAddTexts) {}

void CReelDivideAddDlg::OnCancel()
{
    cdxCDynamicHelpDialog::OnCancel();
}

void CReelDivideAddDlg::LoadSettings()
{
    int n = (int)m_nNumFiles;
    GetSetting("nNumFiles", n);
    m_nNumFiles = (UINT)n;
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
}

void CReelDivideAddDlg::SaveSettings()
{
    WriteSetting("nNumFiles", (int)m_nNumFiles);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
}

void CReelDivideAddDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TAPE_NUM_FILES, m_nNumFiles);
    DDV_MinMaxUInt_EB(pDX, m_nNumFiles, 1, kMaxNumFiles, "Number of Files");
    ExchangeFiles(pDX);
}

void CReelDivideAddDlg::InitControls()
{
    SetSpinRange(IDC_TAPE_NUM_FILES_SPIN, 0, (int)kMaxNumFiles);
}

// The output file is checked as any other, then it must not be in the list.
bool CReelDivideAddDlg::CheckOutputFile(CDataExchange* pDX)
{
    if (!CheckOutput(pDX, "Output File"))
        return false;
    for (int i = 0; i < m_takenPaths.GetSize(); ++i) {
        if (m_takenPaths[i].CompareNoCase(m_strOutputPath) != 0)
            continue;
        CString strText;
        strText.Format("File \"%s\" already exists in the list of output files. Each entry in the list of output "
                       "files must be unique. Please specify a different output filename.",
                       (LPCSTR)m_strOutputPath);
        m_strOutputPath.Empty();
        return Refuse(pDX, IDC_UTIL_OUTPUT_FILE, "Output File", strText);
    }
    return true;
}

void CReelDivideAddDlg::BuildCommandLine()
{
    SaveSettings();
    m_strCount.Format("%d", (int)m_nNumFiles);
    m_strPath = m_strOutputPath;
}

std::vector<CUtilityDlg::SHelpRow> CReelDivideAddDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELDIVIDE_ADD},
        {IDC_TAPE_NUM_FILES_LABEL, IDS_HELP_TAPE_NUM_FILES},
        {IDC_TAPE_NUM_FILES, IDS_HELP_TAPE_NUM_FILES},
        {IDC_TAPE_NUM_FILES_SPIN, IDS_HELP_TAPE_NUM_FILES},
        {IDC_TAPE_NEXT_OUTPUT_LABEL, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
    };
}
