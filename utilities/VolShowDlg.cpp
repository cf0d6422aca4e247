// VolShowDlg.cpp: the VOLSHOW dialog.
#include "utilities/VolShowDlg.h"

#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

BEGIN_MESSAGE_MAP(CVolShowDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_VOLSHOW_LIST_MEMBERS, OnListMembers)
    ON_BN_CLICKED(IDC_VOLSHOW_SHOW_CONTENTS, OnShowContents)
    ON_BN_CLICKED(IDC_VOLSHOW_ALL_MEMBERS, OnAllMembers)
    ON_BN_CLICKED(IDC_VOLSHOW_ONE_MEMBER, OnOneMember)
    ON_BN_CLICKED(IDC_VOLSHOW_ASCII, OnAsciiClicked)
    ON_BN_CLICKED(IDC_VOLSHOW_CARDS, OnCardsClicked)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseImage)
    ON_BN_CLICKED(IDC_VOLSHOW_SHADOW_BROWSE, OnBrowseShadow)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CVolShowDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("strShadowFile", m_strShadowFile);
    GetSetting("strDatasetName", m_strDatasetName);
    GetSetting("nRunOption", m_nRunOption);
    GetSetting("nDisplayMemberContentsOption", m_nDisplayMemberContentsOption);
    GetSetting("strMemberName", m_strMemberName);
    GetSetting("bAscii", m_bAscii);
    GetSetting("bCardImages", m_bCardImages);
    // A hand-edited value outside a radio group shows its first choice.
    if (m_nRunOption != kVolShowContents)
        m_nRunOption = kVolShowListMembers;
    if (m_nDisplayMemberContentsOption != kVolShowAllMembers)
        m_nDisplayMemberContentsOption = kVolShowOneMember;
}

void CVolShowDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strShadowFile", m_strShadowFile);
    WriteSetting("strDatasetName", m_strDatasetName);
    WriteSetting("nRunOption", m_nRunOption);
    WriteSetting("nDisplayMemberContentsOption", m_nDisplayMemberContentsOption);
    WriteSetting("strMemberName", m_strMemberName);
    WriteSetting("bAscii", m_bAscii);
    WriteSetting("bCardImages", m_bCardImages);
}

void CVolShowDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_VOLSHOW_SHADOW, m_strShadowFile);
    DDX_Text(pDX, IDC_VOLSHOW_DATASET, m_strDatasetName);
    DDX_Radio(pDX, IDC_VOLSHOW_LIST_MEMBERS, m_nRunOption);
    DDX_Radio(pDX, IDC_VOLSHOW_ALL_MEMBERS, m_nDisplayMemberContentsOption);
    DDX_Text(pDX, IDC_VOLSHOW_MEMBER, m_strMemberName);
    DDX_CheckBool(pDX, IDC_VOLSHOW_ASCII, m_bAscii);
    DDX_CheckBool(pDX, IDC_VOLSHOW_CARDS, m_bCardImages);
}

void CVolShowDlg::InitControls()
{
    ShowRunOption(m_nRunOption);
}

// An empty or missing image is told as such before its format is judged.
bool CVolShowDlg::CheckInputFiles(CDataExchange* pDX)
{
    TrimBlanks(m_strInputFile);
    CString strImage = m_strInputFile;  // the command line keeps the text as typed, trimmed
    return CheckInputImage(pDX, strImage, IDC_UTIL_INPUT_FILE, "DASD Image", m_strInputNameExt, m_ullImageSize) &&
           CheckShadowFile(pDX, m_strShadowFile, IDC_VOLSHOW_SHADOW, "Shadow Filename") && CheckNames(pDX);
}

bool CVolShowDlg::CheckNames(CDataExchange* pDX)
{
    TrimBlanks(m_strDatasetName);
    if (!IsPlainMemberText(m_strDatasetName))
        return Refuse(pDX, IDC_VOLSHOW_DATASET, "Dataset Name",
                      "The Partitioned dataset name cannot contain blanks or special characters.");
    if (m_nRunOption == kVolShowContents && m_nDisplayMemberContentsOption == kVolShowOneMember) {
        TrimBlanks(m_strMemberName);
        if (!IsPlainMemberText(m_strMemberName))
            return Refuse(pDX, IDC_VOLSHOW_MEMBER, "Specific Member",
                          "The member name cannot contain blanks or special characters.");
    }
    if (m_bAscii && m_bCardImages) {
        pDX->PrepareCtrl(IDC_VOLSHOW_ASCII);
        ErrorBalloon(this, IDC_VOLSHOW_DISPLAY_LABEL, "Display Options",
                     "Either 'ascii' or 'card image' may be specified, but not both.", kBalloonIconWarning);
        pDX->Fail();
        return false;
    }
    return true;
}

void CVolShowDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    CString strSpec = VolShowMemberSpec(m_strDatasetName, m_nRunOption, m_nDisplayMemberContentsOption,
                                        m_strMemberName, m_bAscii, m_bCardImages);
    m_strTitle = strWord + " " + m_strInputNameExt + " " + strSpec;
    m_strCommandLine = strWord + " -i " + QuoteIfNeeded(m_strInputFile, '"');
    m_strCommandLine += ShadowArgument(m_strShadowFile);
    AppendCommandGroup(m_strCommandLine, strSpec);
    m_nExpectedTotal = (INT64)m_ullImageSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolShowDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLSHOW},
        {IDC_VOLSHOW_IMAGE_LABEL, IDS_HELP_VOLSHOW_IMAGE},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_VOLSHOW_IMAGE},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_VOLSHOW_SHADOW_LABEL, IDS_HELP_VOLSHOW_SHADOW},
        {IDC_VOLSHOW_SHADOW, IDS_HELP_VOLSHOW_SHADOW},
        {IDC_VOLSHOW_SHADOW_BROWSE, IDS_HELP_VOLSHOW_SHADOW_BROWSE},
        {IDC_VOLSHOW_DATASET_LABEL, IDS_HELP_VOLSHOW_DATASET},
        {IDC_VOLSHOW_DATASET, IDS_HELP_VOLSHOW_DATASET},
        {IDC_VOLSHOW_RUN_GROUP, IDS_HELP_VOLSHOW_RUN},
        {IDC_VOLSHOW_LIST_MEMBERS, IDS_HELP_VOLSHOW_LIST_MEMBERS},
        {IDC_VOLSHOW_SHOW_CONTENTS, IDS_HELP_VOLSHOW_SHOW_CONTENTS},
        {IDC_VOLSHOW_CONTENTS_GROUP, IDS_HELP_VOLSHOW_SHOW_CONTENTS},
        {IDC_VOLSHOW_ALL_MEMBERS, IDS_HELP_VOLSHOW_ALL_MEMBERS},
        {IDC_VOLSHOW_ONE_MEMBER, IDS_HELP_VOLSHOW_ONE_MEMBER},
        {IDC_VOLSHOW_MEMBER, IDS_HELP_VOLSHOW_ONE_MEMBER},
        {IDC_VOLSHOW_DISPLAY_LABEL, IDS_HELP_VOLSHOW_ASCII},
        {IDC_VOLSHOW_ASCII, IDS_HELP_VOLSHOW_ASCII},
        {IDC_VOLSHOW_CARDS, IDS_HELP_VOLSHOW_CARDS},
    };
}

const CUtilityDlg::SLayoutRow* CVolShowDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_INPUT_FILE, 1},        {IDC_UTIL_INPUT_BROWSE, 2}, {IDC_VOLSHOW_SHADOW, 1},
        {IDC_VOLSHOW_SHADOW_BROWSE, 2},  {IDC_VOLSHOW_DATASET, 1},   {IDC_VOLSHOW_RUN_GROUP, 1},
        {IDC_VOLSHOW_CONTENTS_GROUP, 1}, {IDOK, 3},                  {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CVolShowDlg::ShowRunOption(int nRun)
{
    m_nRunOption = nRun;
    CheckRadioButton(IDC_VOLSHOW_LIST_MEMBERS, IDC_VOLSHOW_SHOW_CONTENTS,
                     nRun == kVolShowContents ? IDC_VOLSHOW_SHOW_CONTENTS : IDC_VOLSHOW_LIST_MEMBERS);
    bool bContents = nRun == kVolShowContents;
    for (UINT nID : {IDC_VOLSHOW_CONTENTS_GROUP, IDC_VOLSHOW_ALL_MEMBERS, IDC_VOLSHOW_ONE_MEMBER,
                     IDC_VOLSHOW_DISPLAY_LABEL, IDC_VOLSHOW_ASCII, IDC_VOLSHOW_CARDS})
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), bContents);
    bool bOne = IsDlgButtonChecked(IDC_VOLSHOW_ONE_MEMBER) == BST_CHECKED;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_VOLSHOW_MEMBER), bContents && bOne);
}

void CVolShowDlg::ShowMemberChoice(int nMembers)
{
    m_nDisplayMemberContentsOption = nMembers;
    CheckRadioButton(IDC_VOLSHOW_ALL_MEMBERS, IDC_VOLSHOW_ONE_MEMBER,
                     nMembers == kVolShowOneMember ? IDC_VOLSHOW_ONE_MEMBER : IDC_VOLSHOW_ALL_MEMBERS);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_VOLSHOW_MEMBER), nMembers == kVolShowOneMember);
}

void CVolShowDlg::OnListMembers()
{
    ShowRunOption(kVolShowListMembers);
}

void CVolShowDlg::OnShowContents()
{
    ShowRunOption(kVolShowContents);
}

void CVolShowDlg::OnAllMembers()
{
    ShowMemberChoice(kVolShowAllMembers);
}

void CVolShowDlg::OnOneMember()
{
    ShowMemberChoice(kVolShowOneMember);
}

// ASCII and card images exclude each other: ticking one unticks the other.
void CVolShowDlg::OnAsciiClicked()
{
    m_bAscii = IsDlgButtonChecked(IDC_VOLSHOW_ASCII) == BST_CHECKED;
    if (m_bAscii) {
        m_bCardImages = false;
        CheckDlgButton(IDC_VOLSHOW_CARDS, BST_UNCHECKED);
    }
}

void CVolShowDlg::OnCardsClicked()
{
    m_bCardImages = IsDlgButtonChecked(IDC_VOLSHOW_CARDS) == BST_CHECKED;
    if (m_bCardImages) {
        m_bAscii = false;
        CheckDlgButton(IDC_VOLSHOW_ASCII, BST_UNCHECKED);
    }
}

void CVolShowDlg::OnBrowseImage()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Disk Input File");
}

void CVolShowDlg::OnBrowseShadow()
{
    BrowseInputFile(IDC_VOLSHOW_SHADOW, m_strShadowFile, "Shadow File Input");
}

void CVolShowDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
