// PackListDlg.cpp: the file list of the PackCheck and PackSqueeze dialogs.
#include "utilities/PackListDlg.h"

#include <commctrl.h>

#include "config/DasdImage.h"
#include "config/FieldValidators.h"
#include "config/FileChecks.h"
#include "config/FileDialogs.h"
#include "platform/CDataExchange.h"
#include "platform/CSplitPath.h"
#include "platform/DDX.h"
#include "platform/EnableDlgControl.h"
#include "platform/ErrorBalloon.h"
#include "platform/ListRowText.h"
#include "platform/TextFunctions.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityRules.h"

namespace {

const char kListKey[] = "InputFilesListBox";
const char kAddLabel[] = "Filename";
const char kBrowseTitle[] = "Disk Input file";

}  // namespace

BEGIN_MESSAGE_MAP(CPackListDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_UTIL_INPUT_FILE, OnInputChanged)
    ON_BN_CLICKED(IDC_UTIL_FILE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_UTIL_FILE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_UTIL_FILE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_UTIL_FILE_DOWN, OnMoveDown)
    ON_LBN_SELCHANGE(IDC_UTIL_FILE_LIST, OnSelChange)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CPackListDlg::CPackListDlg(UINT nIDTemplate) : CUtilityDlg(nIDTemplate), m_List(nullptr, IDC_UTIL_FILE_LIST) {}

std::vector<CString> CPackListDlg::ListedFiles() const
{
    std::vector<CString> files;
    HWND hList = ::GetDlgItem(m_hWnd, IDC_UTIL_FILE_LIST);
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i)
        files.push_back(ListBoxGetText(hList, i));
    return files;
}

void CPackListDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
}

void CPackListDlg::InitControls()
{
    m_List = CFileListButtons(m_hWnd, IDC_UTIL_FILE_LIST);
    GetListSetting(IDC_UTIL_FILE_LIST, kListKey);
    SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_SETCURSEL, (WPARAM)-1, 0);
    m_List.UpdateButtons();
    // Also over a restored name (most likely one added before): "Add" comes
    // back with the first change of the edit.
    GetDlgItem(IDC_UTIL_FILE_ADD)->EnableWindow(FALSE);
}

void CPackListDlg::SaveList() const
{
    WriteListSetting(IDC_UTIL_FILE_LIST, kListKey);
}

bool CPackListDlg::CheckListNotEmpty(CDataExchange* pDX)
{
    if (!AddTypedFile(pDX))
        return false;
    pDX->PrepareCtrl(IDC_UTIL_FILE_ADD);
    if (SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_GETCOUNT, 0, 0) > 0)
        return true;
    m_InputEdit.SetCueBanner(L"Enter a filename here...");
    ErrorBalloon(this, IDC_UTIL_FILE_LIST, "Files List",
                 "You have not specified any input files. Enter a filename into the Filename field and click "
                 "'Add'.",
                 kBalloonIconWarning);
    pDX->Fail();
    return false;
}

CString CPackListDlg::RunTitle(const CString& strProgram, const CString& strOptionWords) const
{
    std::vector<CString> files = ListedFiles();
    CString strFirst = files.empty() ? CString() : CSplitPath(files[0]).GetFileNameAndExt();
    return FileListRunTitle(strProgram, strOptionWords, strFirst, (int)files.size());
}

bool CPackListDlg::ListHas64BitImage() const
{
    for (const CString& strFile : ListedFiles())
        if (Is64BitImageType(GetDasdImageType(strFile, true)))
            return true;
    return false;
}

void CPackListDlg::NoteCheckedSize(const char* pszFile, bool bPassed)
{
    CString strNameExt;
    UINT64 ullSize = 0;
    int nStatus = InputFileStatus(pszFile, strNameExt, ullSize);
    m_ullLastCheckedSize = (bPassed || nStatus == kInputCKD64Unsupported) ? ullSize : 0;
}

std::vector<CUtilityDlg::SHelpRow> CPackListDlg::ListHelpRows() const
{
    return {{IDC_UTIL_INPUT_GROUP, IDS_HELP_UTIL_LIST_FILENAME}, {IDC_UTIL_INPUT_FILE, IDS_HELP_UTIL_LIST_FILENAME},
            {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_LIST_BROWSE},  {IDC_UTIL_FILE_ADD, IDS_HELP_UTIL_LIST_ADD},
            {IDC_UTIL_FILE_REMOVE, IDS_HELP_UTIL_LIST_REMOVE},   {IDC_UTIL_FILE_UP, IDS_HELP_UTIL_LIST_UP},
            {IDC_UTIL_FILE_DOWN, IDS_HELP_UTIL_LIST_DOWN},       {IDC_UTIL_FILE_LIST, IDS_HELP_UTIL_LIST}};
}

void CPackListDlg::OnBrowse()
{
    CString strChosen;
    CStringArray chosen;
    if (BrowseForFile(GetDiskFilesFilter(), strChosen, kBrowseTitle, GroupFolder(), nullptr, true, &chosen) != IDOK)
        return;
    m_strInputFile.Empty();
    SetDlgItemText(IDC_UTIL_INPUT_FILE, "");
    for (int i = 0; i < chosen.GetSize(); ++i) {
        // Windows form, as "Add" keeps a typed one: the utility is handed it.
        CString strFile = CSplitPath(chosen[i]).GetFullPath();
        bool bPassed = ValidateInputFileMsgBox(strFile);
        NoteCheckedSize(strFile, bPassed);
        if (!bPassed)
            break;
        SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)strFile);
    }
    SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_SETCURSEL, (WPARAM)-1, 0);
    m_List.ItemsChanged();
    GetDlgItem(IDC_UTIL_FILE_ADD)->EnableWindow(FALSE);
}

void CPackListDlg::OnInputChanged()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    GetDlgItem(IDC_UTIL_FILE_ADD)->EnableWindow(!m_strInputFile.IsEmpty());
}

void CPackListDlg::OnAdd()
{
    CDataExchange dx(this, TRUE);
    AddTypedFile(&dx);
}

// The edit keeps its name after "Add" (as after opening), so "Add" then goes
// off until the name changes: a name is waiting to be added exactly while
// "Add" is on. False when the check refused it (with its balloon).
bool CPackListDlg::AddTypedFile(CDataExchange* pDX)
{
    HWND hAdd = ::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD);
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    CString strTyped = m_strInputFile;
    TrimBlanks(strTyped);
    if (!::IsWindowEnabled(hAdd) || strTyped.IsEmpty())
        return true;
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    CString strNameExt;
    bool bPassed = DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, kAddLabel, &strNameExt);
    NoteCheckedSize(m_strInputFile, bPassed);
    if (!bPassed) {
        // The whole name, from its start, is in view for correcting.
        SendDlgItemMessage(IDC_UTIL_INPUT_FILE, EM_SCROLLCARET, 0, 0);
        return false;
    }
    SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)m_strInputFile);
    SendDlgItemMessage(IDC_UTIL_FILE_LIST, LB_SETCURSEL, (WPARAM)-1, 0);
    m_List.ItemsChanged();
    EnableDlgControl(hAdd, FALSE);
    return true;
}

void CPackListDlg::OnRemove()
{
    m_List.Remove();
}

void CPackListDlg::OnMoveUp()
{
    m_List.Move(-1);
}

void CPackListDlg::OnMoveDown()
{
    m_List.Move(+1);
}

void CPackListDlg::OnSelChange()
{
    m_List.UpdateButtons();
}

void CPackListDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
