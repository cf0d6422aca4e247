// VMFPLC2CtlFileDlg.cpp: the VMFPLC2 control file's editor.
#include "utilities/VMFPLC2CtlFileDlg.h"

#include <cstring>

#include "config/ProcessHelpers.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/BCMenu.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/ListRowText.h"
#include "platform/MessageBoxes.h"
#include "platform/PathFunctions.h"
#include "platform/SafeFileReplace.h"
#include "platform/TextFunctions.h"
#include "platform/WindowHelpers.h"
#include "session/ViewSettings.h"
#include "session/VornGUIView.h"
#include "utilities/VMFPLC2StmtDlg.h"
#include "utilities/VMFPLC2StmtEditDlg.h"
#include "utilities/Vmfplc2Rules.h"

namespace {

const SControlHelp kHelpStrings[] = {
    {0, IDS_HELP_PLC2_CTLFILE_DLG},         {IDC_PLC2_PATH, IDS_HELP_PLC2_PATH},
    {IDC_PLC2_STATEMENTS_GROUP, IDS_HELP_PLC2_STATEMENT}, {IDC_PLC2_STATEMENTS, IDS_HELP_PLC2_STATEMENTS},
    {IDC_UTIL_FILE_ADD, IDS_HELP_PLC2_ADD}, {IDC_UTIL_FILE_REMOVE, IDS_HELP_PLC2_REMOVE},
    {IDC_UTIL_FILE_UP, IDS_HELP_PLC2_UP},   {IDC_UTIL_FILE_DOWN, IDS_HELP_PLC2_DOWN},
    {IDC_PLC2_EDIT_FILE, IDS_HELP_PLC2_EDIT_FILE}, {IDC_PLC2_REFRESH, IDS_HELP_PLC2_REFRESH},
};
const SControlHelp kHelpIds[] = {
    {0, 1488},
    {IDC_UTIL_FILE_ADD, 1493},
    {IDC_UTIL_FILE_REMOVE, 1494},
    {IDC_UTIL_FILE_UP, 1495},
    {IDC_UTIL_FILE_DOWN, 1496},
    {IDC_PLC2_STATEMENTS, 1499},
    {IDC_PLC2_EDIT_FILE, 1587},
    {IDC_PLC2_REFRESH, 1588},
    {IDHELP, 1500},
    {IDOK, 1504},
    {IDCANCEL, 1507},
};

CString Quoted(const CString& str)
{
    return "\"" + str + "\"";
}

}  // namespace

BEGIN_MESSAGE_MAP(CVMFPLC2CtlFileDlg, cdxCDynamicHelpDialog)
    ON_BN_CLICKED(IDC_UTIL_FILE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_UTIL_FILE_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_UTIL_FILE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_UTIL_FILE_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_PLC2_EDIT_FILE, OnEditOrSave)
    ON_BN_CLICKED(IDC_PLC2_REFRESH, OnRefresh)
    ON_LBN_SELCHANGE(IDC_PLC2_STATEMENTS, OnSelChange)
    ON_LBN_DBLCLK(IDC_PLC2_STATEMENTS, OnDblClk)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_PLC2_INSERT_COMMENT, OnInsertComment)
    ON_COMMAND(ID_PLC2_INSERT_TAPEMARK, OnInsertTapeMark)
    ON_COMMAND(ID_PLC2_MANUAL_EDIT, OnManualEdit)
    ON_COMMAND(ID_PLC2_VISUAL_EDIT, OnVisualEdit)
END_MESSAGE_MAP()

// The list grows with the dialog; the buttons keep to its right and bottom.
BEGIN_DYNAMIC_MAP(CVMFPLC2CtlFileDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_PATH, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_STATEMENTS_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_STATEMENTS, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_UTIL_FILE_ADD, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_UTIL_FILE_REMOVE, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_UTIL_FILE_UP, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_UTIL_FILE_DOWN, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_EDIT_FILE, mdNone, mdRepos)
    DYNAMIC_MAP_ENTRY(IDC_PLC2_REFRESH, mdNone, mdRepos)
    DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdRepos)
    DYNAMIC_MAP_ENTRY(IDCANCEL, mdRepos, mdRepos)
END_DYNAMIC_MAP()

CVMFPLC2CtlFileDlg::CVMFPLC2CtlFileDlg(CWnd* pParent) : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent)
{
}

void CVMFPLC2CtlFileDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        DDX_Text(pDX, IDC_PLC2_PATH, m_strPath);
}

void CVMFPLC2CtlFileDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetControlHelp(*this, &CVMFPLC2CtlFileDlg::SetHelpString, IDD, kHelpStrings);
}

void CVMFPLC2CtlFileDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetControlHelp(*this, &CVMFPLC2CtlFileDlg::SetHelpId, IDD, kHelpIds);
}

BOOL CVMFPLC2CtlFileDlg::OnInitDialog()
{
    cdxCDynamicHelpDialog::OnInitDialog();
    SetAppSmallIcon(m_hWnd);
    m_font.CreatePointFont(100, "Courier New", FIXED_PITCH | FF_MODERN);
    ::SendMessageA(List(), WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), TRUE);
    if (!m_strPath.IsEmpty() && FileExists(m_strPath))
        LoadControlFile();
    else
        SetDlgItemText(IDC_PLC2_EDIT_FILE, "Save");
    UpdateSelection(-1);
    return TRUE;
}

int CVMFPLC2CtlFileDlg::Count() const
{
    return (int)::SendMessageA(List(), LB_GETCOUNT, 0, 0);
}

CString CVMFPLC2CtlFileDlg::Item(int nIndex) const
{
    return ListBoxGetText(List(), nIndex);
}

void CVMFPLC2CtlFileDlg::InsertItem(int nIndex, const CString& strText)
{
    ::SendMessageA(List(), LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)(LPCSTR)strText);
}

bool CVMFPLC2CtlFileDlg::LoadControlFile()
{
    if (!FileExists(m_strPath))
        return true;
    HANDLE hFile = ::CreateFileA(m_strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        ErrorMessageBox("The control file could not be opened", Quoted(m_strPath), ::GetLastError());
        return false;
    }
    std::string strData;
    char buffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hFile, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0)
        strData.append(buffer, dwRead);
    ::CloseHandle(hFile);
    ::SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    size_t nStart = 0;
    while (nStart < strData.size()) {
        size_t nEnd = strData.find('\n', nStart);
        size_t nNext = nEnd == std::string::npos ? strData.size() : nEnd + 1;
        std::string strLine = strData.substr(nStart, (nEnd == std::string::npos ? strData.size() : nEnd) - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        ::SendMessageA(List(), LB_ADDSTRING, 0, (LPARAM)strLine.c_str());
        nStart = nNext;
    }
    SetListBoxHorizontalExtent(List());
    RememberFileStamp();
    return true;
}

CString CVMFPLC2CtlFileDlg::ListText(bool bTrimTrailing) const
{
    CString strText;
    for (int i = 0; i < Count(); ++i) {
        CString strLine = Item(i);
        if (bTrimTrailing)
            strLine.TrimRight();
        strText += strLine + "\r\n";
    }
    return strText;
}

bool CVMFPLC2CtlFileDlg::SaveControlFile()
{
    SafeReplaceResult result = SafeReplaceFile(m_strPath, ListText(true));
    if (result.eStage != kReplaceOk) {
        ErrorMessageBox("The control file could not be created", Quoted(m_strPath), result.dwError);
        return false;
    }
    RememberFileStamp();
    SetDlgItemText(IDC_PLC2_EDIT_FILE, "Edit");
    return true;
}

void CVMFPLC2CtlFileDlg::RememberFileStamp()
{
    m_bHaveStamp = ::GetFileAttributesExA(m_strPath, GetFileExInfoStandard, &m_stamp) != FALSE;
}

bool CVMFPLC2CtlFileDlg::FileChangedSinceRead() const
{
    WIN32_FILE_ATTRIBUTE_DATA now = {};
    if (!::GetFileAttributesExA(m_strPath, GetFileExInfoStandard, &now))
        return false;  // not there (any more): nothing to lose
    if (!m_bHaveStamp)
        return true;
    return std::memcmp(&now.ftLastWriteTime, &m_stamp.ftLastWriteTime, sizeof now.ftLastWriteTime) != 0 ||
           now.nFileSizeLow != m_stamp.nFileSizeLow || now.nFileSizeHigh != m_stamp.nFileSizeHigh;
}

// A file changed meanwhile (in the text editor, say) or never read is not
// replaced unasked, and a failed write loses nothing: the old file stays
// whole and the editor open with its lines.
bool CVMFPLC2CtlFileDlg::WriteControlFile()
{
    if (FileChangedSinceRead() &&
        TDMessageBox("The control file has changed since it was read.",
                     Quoted(m_strPath) + "\n\nReplace it with the statements shown here?", nullptr,
                     MB_YESNO | MB_ICONWARNING) != IDYES)
        return false;
    SafeReplaceResult result = SafeReplaceFile(m_strPath, ListText(false));
    if (result.eStage != kReplaceOk) {
        ErrorMessageBox("The control file file could not be opened.", Quoted(m_strPath), result.dwError);
        return false;
    }
    RememberFileStamp();
    return true;
}

void CVMFPLC2CtlFileDlg::OnOK()
{
    if (Count() == 0) {
        ErrorBalloon(this, IDC_PLC2_STATEMENTS, "Statements",
                     "You have not specified any control file statements. Click the 'Add' button to add a statement "
                     "to the control file.",
                     kBalloonIconError);
        return;
    }
    if (WriteControlFile())
        EndDialog(IDOK);
}

void CVMFPLC2CtlFileDlg::UpdateSelection(int nIndex)
{
    m_nCurrent = nIndex;
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_ADD), TRUE);
    int nCount = Count();
    if (nCount > 0 && m_nCurrent >= nCount)
        m_nCurrent = nCount - 1;
    if (m_nCurrent < 0 || nCount == 0) {
        m_nCurrent = -1;
        ::SendMessageA(List(), LB_SETCURSEL, (WPARAM)-1, 0);
        for (UINT nId : {IDC_UTIL_FILE_REMOVE, IDC_UTIL_FILE_UP, IDC_UTIL_FILE_DOWN})
            EnableDlgControl(::GetDlgItem(m_hWnd, (int)nId), FALSE);
        return;
    }
    m_strCurrentLine = Item(m_nCurrent);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_REMOVE), TRUE);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_UP), m_nCurrent > 0);
    EnableDlgControl(::GetDlgItem(m_hWnd, IDC_UTIL_FILE_DOWN), m_nCurrent < nCount - 1);
    ::SendMessageA(List(), LB_SETCURSEL, (WPARAM)m_nCurrent, 0);
    SetListBoxHorizontalExtent(List());
}

void CVMFPLC2CtlFileDlg::OnAdd()
{
    CVMFPLC2StmtDlg dlg(this);
    dlg.m_bDump = m_bDump;
    dlg.m_strDefaultCodePage = m_strDefaultCodePage;
    if (dlg.DoModal() == IDOK) {
        InsertItem(m_nCurrent + 1, dlg.m_strStatement);
        ++m_nCurrent;
    }
    UpdateSelection(m_nCurrent);
}

void CVMFPLC2CtlFileDlg::OnRemove()
{
    if (m_nCurrent < 0)
        return;
    ::SendMessageA(List(), LB_DELETESTRING, (WPARAM)m_nCurrent, 0);
    UpdateSelection(Count() == 0 ? -1 : m_nCurrent);
}

void CVMFPLC2CtlFileDlg::Move(int nDelta)
{
    int nTarget = m_nCurrent + nDelta;
    if (m_nCurrent < 0 || nTarget < 0 || nTarget >= Count())
        return;
    CString strText = Item(m_nCurrent);
    ::SendMessageA(List(), LB_DELETESTRING, (WPARAM)m_nCurrent, 0);
    InsertItem(nTarget, strText);
    UpdateSelection(nTarget);
}

void CVMFPLC2CtlFileDlg::OnEditOrSave()
{
    if (!FileExists(m_strPath)) {
        SaveControlFile();
        return;
    }
    EditFileInEditor(m_strPath, g_pView ? g_pView->Settings().m_strPreferredEditor : CString());
}

void CVMFPLC2CtlFileDlg::OnRefresh()
{
    LoadControlFile();
    UpdateSelection(-1);
}

void CVMFPLC2CtlFileDlg::OnSelChange()
{
    UpdateSelection((int)::SendMessageA(List(), LB_GETCURSEL, 0, 0));
}

void CVMFPLC2CtlFileDlg::OnDblClk()
{
    int nSel = (int)::SendMessageA(List(), LB_GETCURSEL, 0, 0);
    if (nSel < 0)
        return;
    UpdateSelection(nSel);
    OnVisualEdit();
}

// The commands act after the item nearest the point; below the last item
// only the inserts are offered, and a comment or tape mark has no fields
// to edit visually.
void CVMFPLC2CtlFileDlg::OnContextMenu(CWnd*, CPoint point)
{
    if (Count() == 0)
        return;
    CPoint pt = CalcContextMenuPoint(List(), point);
    CPoint ptList = pt;
    ::ScreenToClient(List(), &ptList);
    DWORD dwHit = (DWORD)::SendMessageA(List(), LB_ITEMFROMPOINT, 0, MAKELPARAM(ptList.x, ptList.y));
    int nNearest = LOWORD(dwHit);
    bool bOutside = HIWORD(dwHit) != 0;
    UpdateSelection(bOutside ? -1 : nNearest);
    m_nCurrent = nNearest < Count() ? nNearest : Count() - 1;
    BCMenu menu;
    menu.LoadMenu(IDR_VMFPLC2_MENU);
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    pPopup->SetDefaultItem(ID_PLC2_VISUAL_EDIT);
    if (bOutside) {
        pPopup->EnableMenuItem(ID_PLC2_VISUAL_EDIT, MF_BYCOMMAND | MF_GRAYED);
        pPopup->EnableMenuItem(ID_PLC2_MANUAL_EDIT, MF_BYCOMMAND | MF_GRAYED);
    } else if (IsVmfplc2CommentOrTapeMark(m_strCurrentLine)) {
        pPopup->EnableMenuItem(ID_PLC2_VISUAL_EDIT, MF_BYCOMMAND | MF_GRAYED);
    }
    SetForegroundWindow();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    PostMessage(WM_NULL);
}

void CVMFPLC2CtlFileDlg::InsertLine(const CString& strText)
{
    m_strCurrentLine = strText;
    InsertItem(m_nCurrent + 1, strText);
    UpdateSelection(m_nCurrent + 1);
}

void CVMFPLC2CtlFileDlg::ReplaceCurrent(const CString& strText)
{
    ::SendMessageA(List(), LB_DELETESTRING, (WPARAM)m_nCurrent, 0);
    InsertItem(m_nCurrent, strText);
}

void CVMFPLC2CtlFileDlg::OnManualEdit()
{
    if (m_nCurrent < 0)
        return;
    CVMFPLC2StmtEditDlg dlg(this);
    dlg.m_strStatement = m_strCurrentLine;
    if (dlg.DoModal() == IDOK)
        ReplaceCurrent(dlg.m_strStatement);
    UpdateSelection(m_nCurrent);
}

void CVMFPLC2CtlFileDlg::OnVisualEdit()
{
    if (m_nCurrent < 0)
        return;
    if (IsVmfplc2CommentOrTapeMark(m_strCurrentLine)) {
        OnManualEdit();
        return;
    }
    CVMFPLC2StmtDlg dlg(this);
    dlg.m_bDump = m_bDump;
    dlg.m_strDefaultCodePage = m_strDefaultCodePage;
    dlg.m_strStatement = m_strCurrentLine;
    if (dlg.DoModal() == IDOK)
        ReplaceCurrent(dlg.m_strStatement);
    UpdateSelection(m_nCurrent);
}
