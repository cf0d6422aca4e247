// VMFPLC2Dlg.cpp: the VMFPLC2 utility's dialog.
#include "utilities/VMFPLC2Dlg.h"

#include <commctrl.h>

#include "config/CodePageHistory.h"
#include "config/FileChecks.h"
#include "config/FileDialogs.h"
#include "config/FieldValidators.h"
#include "framework/HelpKeys.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"
#include "utilities/VMFPLC2CtlFileDlg.h"
#include "utilities/Vmfplc2Rules.h"

namespace {

const CTapeUtilityDlg::SBrowseTexts kTexts = {"Tape Input File", "Select which directory to create the output file in.",
                                              "Tape Output file"};

// The help context ids of the dialog and its controls.
const SControlHelp kHelpIds[] = {
    {0, 1498},
    {IDC_PLC2_DUMP, 1501},
    {IDC_PLC2_LOAD, 1502},
    {IDC_PLC2_SCAN, 1503},
    {IDC_UTIL_INPUT_BROWSE, 1505},
    {IDC_UTIL_INPUT_FILE, 1506},
    {IDC_UTIL_OUTPUT_DIR_BROWSE, 1508},
    {IDC_UTIL_OUTPUT_DIR, 1509},
    {IDC_UTIL_OUTPUT_FILE_BROWSE, 1510},
    {IDC_UTIL_OUTPUT_FILE, 1511},
    {IDC_PLC2_CTL_BROWSE, 1513},
    {IDC_PLC2_CTL_FILE, 1514},
    {IDC_PLC2_CTL_EDIT, 1515},
    {IDC_PLC2_TAPE_DUMP, 1517},
    {IDC_UTIL_COMPRESS_USING, 1519},
    {IDC_UTIL_VERBOSE, 1520},
    {IDC_TAPE_CODEPAGE, 1522},
    {IDC_UTIL_METHOD_ZLIB, 1523},
    {IDC_UTIL_METHOD_BZIP2, 1524},
    {IDC_TAPE_LEVEL, 1486},
    {IDHELP, 1529},
    {IDOK, 1530},
    {IDCANCEL, 1531},
};

}  // namespace

BEGIN_MESSAGE_MAP(CVMFPLC2Dlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_PLC2_DUMP, OnFunctionClicked)
    ON_BN_CLICKED(IDC_PLC2_LOAD, OnFunctionClicked)
    ON_BN_CLICKED(IDC_PLC2_SCAN, OnFunctionClicked)
    ON_BN_CLICKED(IDC_UTIL_COMPRESS_USING, OnCompressedClicked)
    ON_BN_CLICKED(IDC_PLC2_CTL_BROWSE, OnBrowseControlFile)
    ON_BN_CLICKED(IDC_PLC2_CTL_EDIT, OnEditControlFile)
    ON_CBN_SELENDOK(IDC_TAPE_CODEPAGE, OnCodePageChanged)
    ON_CBN_EDITCHANGE(IDC_TAPE_CODEPAGE, OnCodePageChanged)
END_MESSAGE_MAP()

CVMFPLC2Dlg::CVMFPLC2Dlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CVMFPLC2Dlg::LoadSettings()
{
    GetSetting("nFunction", m_nFunction);
    GetSetting("strInputFile", m_strInputFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("strCtlFile", m_strCtlFile);
    GetSetting("bTapeDumpFmt", m_bTapeDumpFmt);
    GetSetting("bVerbose", m_bVerbose);
    GetSetting("bCompressOutput", m_bCompressOutput);
    GetSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    GetSetting("nCompressionLevel", m_nCompressionLevel);
    GetSetting("strCodePage", m_strCodePage);
    if (m_nFunction < kPlc2Dump || m_nFunction > kPlc2Scan)
        m_nFunction = kPlc2Dump;
    if (m_nCompressionAlgorithm != 1)
        m_nCompressionAlgorithm = 0;
    if (m_nCompressionLevel < 1 || m_nCompressionLevel > 9)
        m_nCompressionLevel = 6;
}

void CVMFPLC2Dlg::SaveSettings()
{
    WriteSetting("nFunction", m_nFunction);
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("strCtlFile", m_strCtlFile);
    WriteSetting("bTapeDumpFmt", m_bTapeDumpFmt);
    WriteSetting("bVerbose", m_bVerbose);
    WriteSetting("bCompressOutput", m_bCompressOutput);
    WriteSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    WriteSetting("nCompressionLevel", m_nCompressionLevel);
    WriteSetting("strCodePage", m_strCodePage);
}

void CVMFPLC2Dlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TAPE_CODEPAGE, m_CodePageCombo);
    DDX_Control(pDX, IDC_PLC2_CTL_FILE, m_CtlEdit);
    DDX_Radio(pDX, IDC_PLC2_DUMP, m_nFunction);
    ExchangeFiles(pDX);
    DDX_Text(pDX, IDC_PLC2_CTL_FILE, m_strCtlFile);
    ExchangeCheck(pDX, IDC_PLC2_TAPE_DUMP, m_bTapeDumpFmt);
    ExchangeCheck(pDX, IDC_UTIL_COMPRESS_USING, m_bCompressOutput);
    ExchangeCheck(pDX, IDC_UTIL_VERBOSE, m_bVerbose);
    if (pDX->m_bSaveAndValidate)
        m_strCodePage = GetCodePage(IDC_TAPE_CODEPAGE);
    DDX_Radio(pDX, IDC_UTIL_METHOD_ZLIB, m_nCompressionAlgorithm);
    DDX_Slider(pDX, IDC_TAPE_LEVEL, m_nCompressionLevel);
}

void CVMFPLC2Dlg::InitControls()
{
    SendDlgItemMessage(IDC_TAPE_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(1, 9));
    SendDlgItemMessage(IDC_TAPE_LEVEL, TBM_SETPOS, TRUE, (LPARAM)m_nCompressionLevel);
    FillCodePageCombo(IDC_TAPE_CODEPAGE, m_strCodePage);
    OnFunctionClicked();
    m_bInitialized = true;
}

void CVMFPLC2Dlg::EnableFunctionControls()
{
    bool bDump = m_nFunction == kPlc2Dump;
    EnableControls({IDC_UTIL_INPUT_FILE, IDC_UTIL_INPUT_BROWSE}, !bDump);
    EnableControls({IDC_UTIL_OUTPUT_DIR_BROWSE, IDC_UTIL_OUTPUT_DIR, IDC_UTIL_OUTPUT_FILE_BROWSE, IDC_UTIL_OUTPUT_FILE},
                   bDump);
    EnableControls({IDC_PLC2_CTL_BROWSE, IDC_PLC2_CTL_FILE, IDC_PLC2_CTL_EDIT, IDC_PLC2_CODEPAGE_LABEL,
                    IDC_TAPE_CODEPAGE},
                   m_nFunction != kPlc2Scan);
    EnableControls({IDC_UTIL_COMPRESS_USING}, bDump);
    SetCheck(IDC_UTIL_COMPRESS_USING, bDump && m_bCompressOutput);
    EnableControls({IDC_UTIL_METHOD_ZLIB, IDC_UTIL_METHOD_BZIP2, IDC_TAPE_LEVEL, IDC_PLC2_LEVEL_LOW,
                    IDC_PLC2_LEVEL_HIGH},
                   bDump && m_bCompressOutput);
}

void CVMFPLC2Dlg::OnFunctionClicked()
{
    m_nFunction = IsChecked(IDC_PLC2_DUMP)   ? kPlc2Dump
                  : IsChecked(IDC_PLC2_LOAD) ? kPlc2Load
                  : IsChecked(IDC_PLC2_SCAN) ? kPlc2Scan
                                             : kPlc2Dump;
    EnableFunctionControls();
}

void CVMFPLC2Dlg::OnCompressedClicked()
{
    m_bCompressOutput = IsChecked(IDC_UTIL_COMPRESS_USING);
    EnableFunctionControls();
}

void CVMFPLC2Dlg::OnCodePageChanged()
{
    if (m_bInitialized)
        m_strCodePage = SelectedCodePage(IDC_TAPE_CODEPAGE);
}

// The control file's picker starts in the tape folder unless the edit
// names a folder of its own; for "Edit" it takes a new name too.
INT_PTR CVMFPLC2Dlg::BrowseControlFile(bool bMustExist)
{
    return BrowseForFile("All Files (*.*)|*.*||", m_strCtlFile, "Control File", GroupFolder(),
                         GetDlgItem(IDC_PLC2_CTL_FILE), bMustExist);
}

void CVMFPLC2Dlg::OnBrowseControlFile()
{
    GetDlgItemText(IDC_PLC2_CTL_FILE, m_strCtlFile);
    BrowseControlFile(true);
}

// A name is asked for until it names a new file or a usable one; then the
// editor opens on it (a new file with its "Save" button). What it writes
// on disk is what counts.
void CVMFPLC2Dlg::OnEditControlFile()
{
    GetDlgItemText(IDC_PLC2_CTL_FILE, m_strCtlFile);
    for (;;) {
        CString strName = m_strCtlFile, strMsg;
        bool bUsable = !TrimBlanks(strName).IsEmpty() &&
                       (!FileExists(strName) || m_nFunction == kPlc2Scan || CheckInputFile(strName, strMsg));
        if (bUsable)
            break;
        if (BrowseControlFile(false) != IDOK)
            return;
    }
    CVMFPLC2CtlFileDlg editor(this);
    editor.m_bDump = m_nFunction == kPlc2Dump;
    editor.m_strPath = m_strCtlFile;
    editor.m_strDefaultCodePage = CodePageShown(m_strCodePage);
    editor.DoModal();
}

bool CVMFPLC2Dlg::ValidateOptions(CDataExchange*)
{
    m_strCodePage = CodePageStored(m_strCodePage);
    return true;
}

// The tape input for LOAD and SCAN, then the control file for DUMP and LOAD.
bool CVMFPLC2Dlg::CheckInputFiles(CDataExchange* pDX)
{
    m_ullInputSize = 0;
    if (m_nFunction != kPlc2Dump && !CheckInput(pDX, "Tape Input"))
        return false;
    if (m_nFunction == kPlc2Scan)
        return true;
    pDX->PrepareEditCtrl(IDC_PLC2_CTL_FILE);
    return DDV_InputFile(pDX, m_strCtlFile, IDC_PLC2_CTL_FILE, "Control File");
}

bool CVMFPLC2Dlg::CheckOutputFile(CDataExchange* pDX)
{
    if (m_nFunction != kPlc2Dump) {
        m_strOutputPath.Empty();
        return true;
    }
    return CheckOutput(pDX, "Tape Output");
}

void CVMFPLC2Dlg::BuildCommandLine()
{
    SaveSettings();
    CString strWords = Vmfplc2OptionWords(m_nFunction, m_bVerbose, m_strCodePage, m_bTapeDumpFmt, m_bCompressOutput,
                                          m_nCompressionAlgorithm, m_nCompressionLevel);
    static const char* const kFunctionWords[] = {"DUMP", "LOAD", "SCAN"};
    CString strHead = ProgramWord() + " " + strWords + " " + kFunctionWords[m_nFunction];
    m_strCommandLine = strHead;
    m_strTitle = strHead + " ";
    switch (m_nFunction) {
    case kPlc2Dump:
        AppendCommandFile(m_strCommandLine, m_strCtlFile);
        AppendCommandFile(m_strCommandLine, m_strOutputPath);
        m_strTitle += QuoteIfNeeded(m_strOutputFile, '"');
        break;
    case kPlc2Load:
        AppendCommandFile(m_strCommandLine, m_strCtlFile);
        AppendCommandFile(m_strCommandLine, m_strInputFile);
        m_strTitle += QuoteIfNeeded(m_strInputNameExt, '"');
        break;
    default:
        AppendCommandFile(m_strCommandLine, m_strInputFile);
        m_strTitle += QuoteIfNeeded(m_strInputNameExt, '"');
        break;
    }
    m_nExpectedTotal = m_nFunction == kPlc2Dump ? 0 : (INT64)m_ullInputSize;
}

void CVMFPLC2Dlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    SetControlHelp(*this, &CVMFPLC2Dlg::SetHelpId, IDD, kHelpIds);
}

std::vector<CUtilityDlg::SHelpRow> CVMFPLC2Dlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VMFPLC2},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_PLC2_DESCRIPTION},
        {IDC_PLC2_FUNCTION_GROUP, IDS_HELP_PLC2_FUNCTION},
        {IDC_PLC2_DUMP, IDS_HELP_PLC2_DUMP},
        {IDC_PLC2_LOAD, IDS_HELP_PLC2_LOAD},
        {IDC_PLC2_SCAN, IDS_HELP_PLC2_SCAN},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_PLC2_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_PLC2_INPUT_FILE},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_PLC2_INPUT_BROWSE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_PLC2_OUTPUT},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_PLC2_DIR_BROWSE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_PLC2_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_PLC2_OUTPUT_BROWSE},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_PLC2_OUTPUT_FILE},
        {IDC_PLC2_CTL_GROUP, IDS_HELP_PLC2_CTL},
        {IDC_PLC2_CTL_BROWSE, IDS_HELP_PLC2_CTL_BROWSE},
        {IDC_PLC2_CTL_FILE, IDS_HELP_PLC2_CTL_FILE},
        {IDC_PLC2_CTL_EDIT, IDS_HELP_PLC2_CTL_EDIT},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_PLC2_OPTIONS},
        {IDC_PLC2_TAPE_DUMP, IDS_HELP_PLC2_TAPE_DUMP},
        {IDC_UTIL_VERBOSE, IDS_HELP_PLC2_VERBOSE},
        {IDC_UTIL_COMPRESS_USING, IDS_HELP_PLC2_COMPRESS},
        {IDC_PLC2_CODEPAGE_LABEL, IDS_HELP_PLC2_CODEPAGE},
        {IDC_TAPE_CODEPAGE, IDS_HELP_PLC2_CODEPAGE},
        {IDC_UTIL_METHOD_ZLIB, IDS_HELP_PLC2_ZLIB},
        {IDC_UTIL_METHOD_BZIP2, IDS_HELP_PLC2_BZIP2},
        {IDC_TAPE_LEVEL, IDS_HELP_PLC2_LEVEL},
        {IDC_PLC2_LEVEL_LOW, IDS_HELP_PLC2_LEVEL},
        {IDC_PLC2_LEVEL_HIGH, IDS_HELP_PLC2_LEVEL},
    };
}
