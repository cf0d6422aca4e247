// PackProbeDlg.cpp: the compressed-image diagnostic dialog.
#include "utilities/PackProbeDlg.h"

#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "utilities/UtilityRules.h"

namespace {

// One field in the order of its settings key: a check box with its flag or
// a number edit with its text.
struct SFieldRow {
    UINT nCtrl;
    const char* pszKey;
    bool SProbeOptions::*pFlag;
    CString SProbeOptions::*pText;
};

const SFieldRow kFields[] = {
    {IDC_PACKPROBE_DEVHDR, "bDEVHDR", &SProbeOptions::bDevHdr, nullptr},
    {IDC_PACKPROBE_CDEVHDR, "bCDEVHDR", &SProbeOptions::bCDevHdr, nullptr},
    {IDC_PACKPROBE_L1TAB, "bL1TAB", &SProbeOptions::bL1Tab, nullptr},
    {IDC_PACKPROBE_L2TAB, "bL2TAB", &SProbeOptions::bL2Tab, nullptr},
    {IDC_PACKPROBE_TRKSUM, "bTrackSummary", &SProbeOptions::bTrackSummary, nullptr},
    {IDC_PACKPROBE_HEXDUMP, "bHexDump", &SProbeOptions::bHexDump, nullptr},
    {IDC_PACKPROBE_CCHH, "bCCHH", &SProbeOptions::bCCHH, nullptr},
    {IDC_PACKPROBE_CYL, "strCylinder", nullptr, &SProbeOptions::strCylinder},
    {IDC_PACKPROBE_HEAD, "strHead", nullptr, &SProbeOptions::strHead},
    {IDC_PACKPROBE_TT, "bTT", &SProbeOptions::bTT, nullptr},
    {IDC_PACKPROBE_TRACK, "strTrackAddr", nullptr, &SProbeOptions::strTrack},
    {IDC_PACKPROBE_RAW, "bRawOffset", &SProbeOptions::bRawOffset, nullptr},
    {IDC_PACKPROBE_OFFSET, "strOffset", nullptr, &SProbeOptions::strOffset},
    {IDC_PACKPROBE_LENGTH, "strLength", nullptr, &SProbeOptions::strLength},
    {IDC_PACKPROBE_DEBUG, "bDebug", &SProbeOptions::bDebug, nullptr},
};

}  // namespace

BEGIN_MESSAGE_MAP(CPackProbeDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_UTIL_INPUT_FILE, OnInputChanged)
    ON_BN_CLICKED(IDC_PACKPROBE_CCHH, OnCCHHClicked)
    ON_BN_CLICKED(IDC_PACKPROBE_TT, OnTTClicked)
    ON_BN_CLICKED(IDC_PACKPROBE_RAW, OnRawClicked)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CPackProbeDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    for (const SFieldRow& row : kFields) {
        if (row.pFlag)
            GetSetting(row.pszKey, m_Options.*row.pFlag);
        else
            GetSetting(row.pszKey, m_Options.*row.pText);
    }
    ReadInputImageType(m_strInputFile);
}

void CPackProbeDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    for (const SFieldRow& row : kFields) {
        if (row.pFlag)
            WriteSetting(row.pszKey, m_Options.*row.pFlag);
        else
            WriteSetting(row.pszKey, m_Options.*row.pText);
    }
}

void CPackProbeDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    for (const SFieldRow& row : kFields) {
        if (row.pFlag)
            DDX_CheckBool(pDX, (int)row.nCtrl, m_Options.*row.pFlag);
        else
            DDX_Text(pDX, (int)row.nCtrl, m_Options.*row.pText);
    }
}

void CPackProbeDlg::InitControls()
{
    OnCCHHClicked();
    OnTTClicked();
    OnRawClicked();
}

void CPackProbeDlg::UpdateL2TabBox()
{
    GetDlgItem(IDC_PACKPROBE_L2TAB)->EnableWindow(m_Options.bCCHH || m_Options.bTT);
}

void CPackProbeDlg::OnCCHHClicked()
{
    m_Options.bCCHH = IsDlgButtonChecked(IDC_PACKPROBE_CCHH) == BST_CHECKED;
    for (UINT nCtrl : {IDC_PACKPROBE_CYL_LABEL, IDC_PACKPROBE_CYL, IDC_PACKPROBE_HEAD_LABEL, IDC_PACKPROBE_HEAD})
        GetDlgItem((int)nCtrl)->EnableWindow(m_Options.bCCHH);
    UpdateL2TabBox();
}

void CPackProbeDlg::OnTTClicked()
{
    m_Options.bTT = IsDlgButtonChecked(IDC_PACKPROBE_TT) == BST_CHECKED;
    for (UINT nCtrl : {IDC_PACKPROBE_TRACK_LABEL, IDC_PACKPROBE_TRACK})
        GetDlgItem((int)nCtrl)->EnableWindow(m_Options.bTT);
    UpdateL2TabBox();
}

void CPackProbeDlg::OnRawClicked()
{
    m_Options.bRawOffset = IsDlgButtonChecked(IDC_PACKPROBE_RAW) == BST_CHECKED;
    for (UINT nCtrl :
         {IDC_PACKPROBE_OFFSET_LABEL, IDC_PACKPROBE_OFFSET, IDC_PACKPROBE_LENGTH_LABEL, IDC_PACKPROBE_LENGTH})
        GetDlgItem((int)nCtrl)->EnableWindow(m_Options.bRawOffset);
}

bool CPackProbeDlg::CheckNumber(CDataExchange* pDX, UINT nEdit, const char* pszLabel, const CString& strText)
{
    const char* pszRefusal = ProbeNumberRefusal(strText);
    return !pszRefusal || Refuse(pDX, nEdit, pszLabel, pszRefusal);
}

// The image first, then the options: the numbers of the chosen groups
// only, then that something is chosen.
bool CPackProbeDlg::ValidateOptions(CDataExchange* pDX)
{
    // 1-3: the image: readable, an existing file, compressed. An empty or
    // missing name is told as such before the image's format.
    if (!CheckInputImage(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input File", m_strInputNameExt,
                         m_ullInputSize))
        return false;
    if (!IsCompressedImageType(m_bInputImageType))
        return Refuse(pDX, IDC_UTIL_INPUT_FILE, "Input File",
                      "The specified file is not a compressed CCKD/CFBA DASD image file.");
    // 4: the numbers of the chosen groups, then at least one option.
    const SProbeOptions& o = m_Options;
    if (o.bCCHH && (!CheckNumber(pDX, IDC_PACKPROBE_CYL, "Cylinder", o.strCylinder) ||
                    !CheckNumber(pDX, IDC_PACKPROBE_HEAD, "Head", o.strHead)))
        return false;
    if (o.bTT && !CheckNumber(pDX, IDC_PACKPROBE_TRACK, "Track", o.strTrack))
        return false;
    if (o.bRawOffset && (!CheckNumber(pDX, IDC_PACKPROBE_OFFSET, "Offset", o.strOffset) ||
                         !CheckNumber(pDX, IDC_PACKPROBE_LENGTH, "Length", o.strLength)))
        return false;
    if (!ProbeHasOption(o))
        return Refuse(pDX, IDC_UTIL_OPTIONS_GROUP, "Options", "At least one option must be specified.");
    // A ticked L2TAB without a track choice is dropped (and saved so).
    m_Options.bL2Tab = ProbeL2TabCounts(o);
    return true;
}

void CPackProbeDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord =
        ProgramWord(Wants64BitProgram(Has64BitUtilities(), false, ReadInputImageType(m_strInputFile)));
    m_strTitle = strWord + " " + m_strInputNameExt;
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, PackProbeOptionWords(m_Options));
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    m_nExpectedTotal = (INT64)m_ullInputSize;
    WriteSetting("InputFile", m_strInputFile);
}

std::vector<CUtilityDlg::SHelpRow> CPackProbeDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_PACKPROBE},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_PACKPROBE},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_PACKPROBE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_PACKPROBE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_PACKPROBE_DEVHDR, IDS_HELP_PACKPROBE_DEVHDR},
        {IDC_PACKPROBE_CDEVHDR, IDS_HELP_PACKPROBE_CDEVHDR},
        {IDC_PACKPROBE_L1TAB, IDS_HELP_PACKPROBE_L1TAB},
        {IDC_PACKPROBE_L2TAB, IDS_HELP_PACKPROBE_L2TAB},
        {IDC_PACKPROBE_TRKSUM, IDS_HELP_PACKPROBE_TRKSUM},
        {IDC_PACKPROBE_HEXDUMP, IDS_HELP_PACKPROBE_HEXDUMP},
        {IDC_PACKPROBE_CCHH_GROUP, IDS_HELP_PACKPROBE_CCHH},
        {IDC_PACKPROBE_CCHH, IDS_HELP_PACKPROBE_CCHH},
        {IDC_PACKPROBE_CYL_LABEL, IDS_HELP_PACKPROBE_CYL},
        {IDC_PACKPROBE_CYL, IDS_HELP_PACKPROBE_CYL},
        {IDC_PACKPROBE_HEAD_LABEL, IDS_HELP_PACKPROBE_HEAD},
        {IDC_PACKPROBE_HEAD, IDS_HELP_PACKPROBE_HEAD},
        {IDC_PACKPROBE_TT_GROUP, IDS_HELP_PACKPROBE_TT},
        {IDC_PACKPROBE_TT, IDS_HELP_PACKPROBE_TT},
        {IDC_PACKPROBE_TRACK_LABEL, IDS_HELP_PACKPROBE_TRACK},
        {IDC_PACKPROBE_TRACK, IDS_HELP_PACKPROBE_TRACK},
        {IDC_PACKPROBE_RAW_GROUP, IDS_HELP_PACKPROBE_RAW},
        {IDC_PACKPROBE_RAW, IDS_HELP_PACKPROBE_RAW},
        {IDC_PACKPROBE_OFFSET_LABEL, IDS_HELP_PACKPROBE_OFFSET},
        {IDC_PACKPROBE_OFFSET, IDS_HELP_PACKPROBE_OFFSET},
        {IDC_PACKPROBE_LENGTH_LABEL, IDS_HELP_PACKPROBE_LENGTH},
        {IDC_PACKPROBE_LENGTH, IDS_HELP_PACKPROBE_LENGTH},
        {IDC_PACKPROBE_DEBUG, IDS_HELP_PACKPROBE_DEBUG},
    };
}

const CUtilityDlg::SLayoutRow* CPackProbeDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1},     {IDC_UTIL_INPUT_GROUP, 1},    {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2},    {IDC_UTIL_OPTIONS_GROUP, 1},  {IDC_PACKPROBE_CCHH_GROUP, 1},
        {IDC_PACKPROBE_TT_GROUP, 1},   {IDC_PACKPROBE_RAW_GROUP, 1}, {IDOK, 3},
        {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CPackProbeDlg::OnBrowse()
{
    if (BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Compressed (CCKD/CFBA) DASD Input File"))
        ReadInputImageType(m_strInputFile);
}

void CPackProbeDlg::OnInputChanged()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    ReadInputImageType(m_strInputFile);
}

void CPackProbeDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
