// AddCardReaderDlg.cpp: the card reader's definition dialog.
#include "devices/AddCardReaderDlg.h"

#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/WindowHelpers.h"
#include "devices/SockdevDlg.h"
#include "platform/CSplitPath.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "session/VornGUIView.h"
#include "utilities/FileListButtons.h"
#include "utilities/UtilityDlg.h"

namespace {

const SDeviceDlgClass kReaderClass = {0, IDS_DEVTYPES_READER, "Add New Card Reader", "Reinitialize Card Reader", 1};

// The option boxes in their row, left to right.
const UINT kOptionBoxes[] = {IDC_DEVDLG_ASCII, IDC_RDR_TRUNC, IDC_RDR_EBCDIC,
                             IDC_RDR_AUTOPAD,  IDC_RDR_EOF,   IDC_RDR_MULTIFILE};

// What socket mode disables besides the list.
const UINT kFileControls[] = {IDC_RDR_FILE_LABEL, IDC_RDR_FILE,   IDC_RDR_BROWSE,   IDC_RDR_ADD,
                              IDC_RDR_REMOVE,     IDC_RDR_MOVE_UP, IDC_RDR_MOVE_DOWN, IDC_RDR_FILE_LIST};

CFileListButtons ListButtons(HWND hDlg)
{
    return CFileListButtons(hDlg, IDC_RDR_FILE_LIST, IDC_RDR_REMOVE, IDC_RDR_MOVE_UP, IDC_RDR_MOVE_DOWN);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddCardReaderDlg, CDeviceDlg)
    ON_EN_CHANGE(IDC_RDR_FILE, OnFileNameChange)
    ON_BN_CLICKED(IDC_RDR_ADD, OnAddFile)
    ON_BN_CLICKED(IDC_RDR_BROWSE, OnBrowseInputFile)
    ON_BN_CLICKED(IDC_RDR_REMOVE, OnRemoveFile)
    ON_BN_CLICKED(IDC_RDR_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_RDR_MOVE_DOWN, OnMoveDown)
    ON_LBN_SELCHANGE(IDC_RDR_FILE_LIST, OnFileListSelChange)
    ON_BN_CLICKED(IDC_DEVDLG_ASCII, OnAscii)
    ON_BN_CLICKED(IDC_RDR_EBCDIC, OnEbcdic)
    ON_BN_CLICKED(IDC_RDR_TRUNC, OnTrunc)
    ON_BN_CLICKED(IDC_RDR_AUTOPAD, OnAutopad)
    ON_BN_CLICKED(IDC_RDR_MULTIFILE, OnMultifile)
    ON_BN_CLICKED(IDC_RDR_SOCKDEV, OnSockdev)
END_MESSAGE_MAP()

CAddCardReaderDlg::CAddCardReaderDlg(CWnd* pParent) : CDeviceDlg(IDD, kReaderClass, pParent) {}

// The device's file name is the first file, or the socket's "host:port".
void CAddCardReaderDlg::LoadDevice()
{
    ParseReaderArguments(m_Device.m_strFirstArg, m_Device.m_strOtherArgs, m_LocalFiles, m_Opts);
    m_strSocketSpec = m_Device.m_strFirstArg;
}

void CAddCardReaderDlg::InitControls()
{
    if (!m_bAdd)
        for (int i = 0; i < m_LocalFiles.GetSize(); ++i)
            m_FileList.AddString(m_LocalFiles[i]);
    SetListBoxHorizontalExtent(m_FileList.m_hWnd);
    SetDlgItemText(IDC_RDR_FILE, "");
    for (UINT nID : {IDC_RDR_ADD, IDC_RDR_REMOVE, IDC_RDR_MOVE_UP, IDC_RDR_MOVE_DOWN})
        EnableControl(nID, false);
    m_FileList.SetCurSel(-1);
    if (m_Opts.bEbcdic)
        ApplyEbcdicRule();
    if (m_Opts.bAscii)
        ApplyAsciiRule();
    UpdateOptionControls();
    if (m_Opts.bSockdev)
        EnterSocketMode();
}

void CAddCardReaderDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_RDR_FILE_LIST, m_FileList);
}

void CAddCardReaderDlg::OnFileNameChange()
{
    CString str;
    GetDlgItemText(IDC_RDR_FILE, str);
    TrimBlanks(str);
    EnableControl(IDC_RDR_ADD, !str.IsEmpty() && !m_Opts.bSockdev);
}

void CAddCardReaderDlg::AppendFile(const CString& strFile)
{
    m_FileList.AddString(strFile);
}

// After "Add" and the browser: the field empty, no selection, the buttons,
// the extent, the multifile rule and the options.
void CAddCardReaderDlg::AfterFilesAdded()
{
    SetDlgItemText(IDC_RDR_FILE, "");
    for (UINT nID : {IDC_RDR_ADD, IDC_RDR_REMOVE, IDC_RDR_MOVE_UP, IDC_RDR_MOVE_DOWN})
        EnableControl(nID, false);
    m_FileList.SetCurSel(-1);
    SetListBoxHorizontalExtent(m_FileList.m_hWnd);
    if (m_FileList.GetCount() >= 2 && m_bMultifileAuto) {
        m_Opts.bMultifile = true;
        m_bMultifileAuto = false;
    }
    UpdateOptionControls();
}

void CAddCardReaderDlg::OnAddFile()
{
    CDataExchange dx(this, TRUE);
    AddTypedFile(&dx);
}

// "Add", and OK for a file typed but not added: false when the check
// refused it; the file then keeps its text, selected, with the balloon.
bool CAddCardReaderDlg::AddTypedFile(CDataExchange* pDX)
{
    if (m_Opts.bSockdev)
        return true;  // the socket takes the list's place
    CString strFile;
    GetDlgItemText(IDC_RDR_FILE, strFile);
    TrimBlanks(strFile);
    if (strFile.IsEmpty())
        return true;
    if (!DDV_InputFile(pDX, strFile, IDC_RDR_FILE, "Input File"))
        return false;
    AppendFile(strFile);
    AfterFilesAdded();
    return true;
}

// The device number is checked first; then a file left in the field is
// taken into the list as "Add" would, so OK never drops it unsaid.
bool CAddCardReaderDlg::ValidateFields(CDataExchange* pDX)
{
    return AddTypedFile(pDX);
}

// Several decks at once, in the order chosen, until the first refused one;
// each in Windows form, as "Add" keeps a typed one.
void CAddCardReaderDlg::OnBrowseInputFile()
{
    CString strPath;
    CStringArray chosen;
    CString strFolder = g_pView ? g_pView->GetReaderFilesDir() : CString();
    if (BrowseForFile(GetReaderFilesFilter(), strPath, "Reader Input", strFolder, nullptr, true, &chosen) != IDOK)
        return;
    SetDlgItemText(IDC_RDR_FILE, "");
    for (int i = 0; i < chosen.GetSize(); ++i) {
        CString strFile = CSplitPath(chosen[i]).GetFullPath();
        if (!ValidateInputFileMsgBox(strFile))
            break;
        AppendFile(strFile);
    }
    AfterFilesAdded();
}

void CAddCardReaderDlg::OnRemoveFile()
{
    ListButtons(m_hWnd).Remove();
    if (m_FileList.GetCount() == 0)
        m_bMultifileAuto = true;
    UpdateOptionControls();
}

void CAddCardReaderDlg::OnMoveUp()
{
    ListButtons(m_hWnd).Move(-1);
}

void CAddCardReaderDlg::OnMoveDown()
{
    ListButtons(m_hWnd).Move(+1);
}

void CAddCardReaderDlg::OnFileListSelChange()
{
    UpdateSelectionButtons();
}

void CAddCardReaderDlg::UpdateSelectionButtons()
{
    ListButtons(m_hWnd).UpdateButtons();
}

void CAddCardReaderDlg::ShowOption(UINT nID, bool bState)
{
    EnableControl(nID, true);
    SetCheck(nID, bState);
}

// ascii on: ebcdic off, autopad cleared and locked, trunc free.
void CAddCardReaderDlg::ApplyAsciiRule()
{
    m_Opts.bEbcdic = false;
    SetCheck(IDC_RDR_EBCDIC, false);
    SetCheck(IDC_RDR_AUTOPAD, false);
    EnableControl(IDC_RDR_AUTOPAD, false);
    ShowOption(IDC_RDR_TRUNC, m_Opts.bTrunc);
}

// ebcdic on: ascii off, trunc cleared and locked, autopad free.
void CAddCardReaderDlg::ApplyEbcdicRule()
{
    m_Opts.bAscii = false;
    SetCheck(IDC_DEVDLG_ASCII, false);
    SetCheck(IDC_RDR_TRUNC, false);
    EnableControl(IDC_RDR_TRUNC, false);
    ShowOption(IDC_RDR_AUTOPAD, m_Opts.bAutopad);
}

void CAddCardReaderDlg::OnAscii()
{
    m_Opts.bAscii = IsChecked(IDC_DEVDLG_ASCII);
    if (m_Opts.bAscii)
        ApplyAsciiRule();
    else
        ShowOption(IDC_RDR_AUTOPAD, m_Opts.bAutopad);
}

void CAddCardReaderDlg::OnEbcdic()
{
    m_Opts.bEbcdic = IsChecked(IDC_RDR_EBCDIC);
    if (m_Opts.bEbcdic)
        ApplyEbcdicRule();
    else
        ShowOption(IDC_RDR_TRUNC, m_Opts.bTrunc);
}

void CAddCardReaderDlg::OnTrunc()
{
    m_Opts.bTrunc = IsChecked(IDC_RDR_TRUNC);
}

void CAddCardReaderDlg::OnAutopad()
{
    m_Opts.bAutopad = IsChecked(IDC_RDR_AUTOPAD);
}

void CAddCardReaderDlg::OnMultifile()
{
    m_Opts.bMultifile = IsChecked(IDC_RDR_MULTIFILE);
    m_bMultifileAuto = false;
}

// With a file in the list the six boxes show their states under the
// rules; without one they are all locked.
void CAddCardReaderDlg::UpdateOptionControls()
{
    bool bAny = m_FileList.GetCount() > 0;
    const bool states[] = {m_Opts.bAscii, m_Opts.bTrunc, m_Opts.bEbcdic, m_Opts.bAutopad, m_Opts.bEof, m_Opts.bMultifile};
    for (size_t i = 0; i < sizeof kOptionBoxes / sizeof kOptionBoxes[0]; ++i) {
        EnableControl(kOptionBoxes[i], bAny);
        SetCheck(kOptionBoxes[i], states[i]);
    }
    if (!bAny)
        return;
    if (m_Opts.bEbcdic)
        ApplyEbcdicRule();
    if (m_Opts.bAscii)
        ApplyAsciiRule();
    if (m_Opts.bSockdev)
        EnableControl(IDC_RDR_MULTIFILE, false);
}

void CAddCardReaderDlg::OnSockdev()
{
    if (!IsChecked(IDC_RDR_SOCKDEV)) {
        LeaveSocketMode();
        return;
    }
    CSockdevDlg dlg(this);
    dlg.m_strSpec = m_strSocketSpec;
    if (dlg.DoModal() != IDOK) {
        m_Opts.bSockdev = false;
        SetCheck(IDC_RDR_SOCKDEV, false);
        return;
    }
    m_strSocketSpec = dlg.m_strSpec;
    EnterSocketMode();
}

void CAddCardReaderDlg::EnableFileControls(bool bEnable)
{
    for (UINT nID : kFileControls)
        EnableControl(nID, bEnable);
}

// The files and their selection go aside; the list shows the socket.
void CAddCardReaderDlg::EnterSocketMode()
{
    m_Opts.bSockdev = true;
    SetCheck(IDC_RDR_SOCKDEV, true);
    m_nSavedSel = m_FileList.GetCurSel();
    m_SavedFiles.RemoveAll();
    for (int i = 0; i < m_FileList.GetCount(); ++i) {
        CString str;
        m_FileList.GetText(i, str);
        m_SavedFiles.Add(str);
    }
    m_FileList.ResetContent();
    m_FileList.AddString(m_strSocketSpec);
    SetListBoxHorizontalExtent(m_FileList.m_hWnd);
    EnableFileControls(false);
    m_Opts.bMultifile = false;
    UpdateOptionControls();
}

void CAddCardReaderDlg::LeaveSocketMode()
{
    m_Opts.bSockdev = false;
    SetCheck(IDC_RDR_SOCKDEV, false);
    m_FileList.ResetContent();
    for (int i = 0; i < m_SavedFiles.GetSize(); ++i)
        m_FileList.AddString(m_SavedFiles[i]);
    m_FileList.SetCurSel(m_nSavedSel);
    SetListBoxHorizontalExtent(m_FileList.m_hWnd);
    EnableFileControls(true);
    OnFileNameChange();
    UpdateSelectionButtons();
    UpdateOptionControls();
}

// The list (the socket alone in socket mode) and the boxes as shown.
void CAddCardReaderDlg::BuildArguments()
{
    CStringArray files;
    for (int i = 0; i < m_FileList.GetCount(); ++i) {
        CString str;
        m_FileList.GetText(i, str);
        files.Add(str);
    }
    SReaderOptions shown;
    shown.bSockdev = m_Opts.bSockdev;
    shown.bAscii = IsChecked(IDC_DEVDLG_ASCII);
    shown.bEbcdic = IsChecked(IDC_RDR_EBCDIC);
    shown.bTrunc = IsChecked(IDC_RDR_TRUNC);
    shown.bEof = IsChecked(IDC_RDR_EOF);
    shown.bAutopad = IsChecked(IDC_RDR_AUTOPAD);
    shown.bMultifile = IsChecked(IDC_RDR_MULTIFILE);
    BuildReaderArguments(files, shown, m_Device.m_strFirstArg, m_Device.m_strOtherArgs);
}

CString CAddCardReaderDlg::BuildCommand()
{
    return ReaderCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_strTypeWord, m_Device.m_strFirstArg,
                         m_Device.m_strOtherArgs);
}

std::vector<CDeviceDlg::SHelpRow> CAddCardReaderDlg::HelpRows() const
{
    return {{0, IDS_HELP_RDR},
            {IDC_RDR_SOCKDEV, IDS_HELP_RDR_SOCKDEV},
            {IDC_RDR_FILES_GROUP, IDS_HELP_RDR_FILES_GROUP},
            {IDC_RDR_FILE_LABEL, IDS_HELP_RDR_FILES_GROUP},
            {IDC_RDR_FILE, IDS_HELP_RDR_FILE},
            {IDC_RDR_BROWSE, IDS_HELP_RDR_BROWSE},
            {IDC_RDR_FILE_LIST, IDS_HELP_RDR_FILE_LIST},
            {IDC_RDR_ADD, IDS_HELP_RDR_ADD},
            {IDC_RDR_REMOVE, IDS_HELP_RDR_REMOVE},
            {IDC_RDR_MOVE_UP, IDS_HELP_RDR_MOVE_UP},
            {IDC_RDR_MOVE_DOWN, IDS_HELP_RDR_MOVE_DOWN},
            {IDC_DEVDLG_ASCII, IDS_HELP_RDR_ASCII},
            {IDC_RDR_EBCDIC, IDS_HELP_RDR_EBCDIC},
            {IDC_RDR_TRUNC, IDS_HELP_RDR_TRUNC},
            {IDC_RDR_EOF, IDS_HELP_RDR_EOF},
            {IDC_RDR_AUTOPAD, IDS_HELP_RDR_AUTOPAD},
            {IDC_RDR_MULTIFILE, IDS_HELP_RDR_MULTIFILE}};
}

// The list grows both ways, the buttons beside it share its growth in
// height, the option boxes share the growth in width.
void CAddCardReaderDlg::SetupDynamicLayout()
{
    AddSzXControlById(IDC_DEVDLG_IDENT_GROUP, mdResize);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_RDR_FILES_GROUP), mdResize, mdResize);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_RDR_FILE_LIST), mdResize, mdResize);
    AddSzXControlById(IDC_RDR_FILE, mdResize);
    AddSzXControlById(IDC_RDR_BROWSE, mdRepos);
    const UINT buttons[] = {IDC_RDR_ADD, IDC_RDR_REMOVE, IDC_RDR_MOVE_UP, IDC_RDR_MOVE_DOWN};
    for (int i = 0; i < 4; ++i) {
        AddSzXControlById(buttons[i], mdRepos);
        AddSzYControlEvenMove(4, i + 1, buttons[i], true);
    }
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDC_DEVDLG_OPTIONS_GROUP), mdResize, mdRepos);
    for (int i = 0; i < 6; ++i) {
        AddSzXControlEvenMove(6, i + 1, kOptionBoxes[i], true);
        AddSzAxisControl(kOptionBoxes[i], mdRepos);
    }
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(m_hWnd, IDCANCEL), mdRepos, mdRepos);
}
