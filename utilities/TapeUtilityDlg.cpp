// TapeUtilityDlg.cpp: what the tape utility dialogs share.
#include "utilities/TapeUtilityDlg.h"

#include <commctrl.h>

#include "config/CodePageHistory.h"
#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/ListRowText.h"
#include "resources/resource.h"
#include "utilities/TapeUtilityRules.h"

BEGIN_MESSAGE_MAP(CTapeUtilityDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseInput)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDirectory)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_FILE_BROWSE, OnBrowseOutputFile)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TAPE_VOLSER_SPIN, OnVolserSpin)
END_MESSAGE_MAP()

CTapeUtilityDlg::CTapeUtilityDlg(UINT nIDTemplate, const SBrowseTexts& texts)
    : CUtilityDlg(nIDTemplate), m_texts(texts)
{
}

CTapeUtilityDlg::CTapeUtilityDlg(UINT nIDTemplate, const SUtilityInfo& info, const SBrowseTexts& texts)
    : CUtilityDlg(nIDTemplate, info), m_texts(texts)
{
}

void CTapeUtilityDlg::ExchangeFiles(CDataExchange* pDX)
{
    if (m_texts.pszInputTitle) {
        DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
        DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    }
    if (m_texts.pszOutputTitle) {
        DDX_Control(pDX, IDC_UTIL_OUTPUT_FILE, m_OutputEdit);
        DDX_Text(pDX, IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
        DDX_Text(pDX, IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    }
}

bool CTapeUtilityDlg::CheckInput(CDataExchange* pDX, const char* pszLabel)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    return DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, pszLabel, &m_strInputNameExt, &m_ullInputSize);
}

bool CTapeUtilityDlg::CheckOutput(CDataExchange* pDX, const char* pszLabel)
{
    return CheckOutputPath(pDX, m_strOutputDirectory, m_strOutputFile, IDC_UTIL_OUTPUT_FILE, pszLabel);
}

const CUtilityDlg::SLayoutRow* CTapeUtilityDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1},        {IDC_UTIL_INPUT_GROUP, 1},         {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2},       {IDC_TAPE_META_FILE, 2},           {IDC_UTIL_OUTPUT_GROUP, 1},
        {IDC_UTIL_OUTPUT_DIR, 1},         {IDC_UTIL_OUTPUT_FILE, 1},         {IDC_UTIL_OUTPUT_DIR_BROWSE, 2},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, 2}, {IDC_UTIL_OPTIONS_GROUP, 1},       {IDC_TAPE_AWS_INPUT_GROUP, 1},
        {IDC_TAPE_AWS_OUTPUT_GROUP, 1},   {IDC_TAPE_OUTPUT_LIST, 1},         {IDC_TAPE_LIST_LABEL1, 1},
        {IDC_TAPE_LIST_LABEL2, 1},        {IDC_UTIL_FILE_ADD, 2},            {IDC_UTIL_FILE_REMOVE, 2},
        {IDC_UTIL_FILE_UP, 2},            {IDC_UTIL_FILE_DOWN, 2},           {IDC_PLC2_FUNCTION_GROUP, 1},
        {IDC_PLC2_CTL_GROUP, 1},          {IDC_PLC2_CTL_FILE, 1},            {IDC_PLC2_CTL_BROWSE, 2},
        {IDC_PLC2_CTL_EDIT, 2},           {IDOK, 3},                         {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CTapeUtilityDlg::EnableControls(std::initializer_list<UINT> controls, bool bEnable)
{
    for (UINT nCtrl : controls)
        EnableDlgControl(::GetDlgItem(m_hWnd, (int)nCtrl), bEnable);
}

void CTapeUtilityDlg::OnBrowseInput()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, m_texts.pszInputTitle);
}

void CTapeUtilityDlg::OnBrowseOutputDirectory()
{
    BrowseOutputDirectory(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory, m_texts.pszOutputPrompt);
}

void CTapeUtilityDlg::OnBrowseOutputFile()
{
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    BrowseOutputFile(IDC_UTIL_OUTPUT_DIR, IDC_UTIL_OUTPUT_FILE, m_strOutputDirectory, m_strOutputFile,
                     m_texts.pszOutputTitle);
}

void CTapeUtilityDlg::OnVolserSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    CString strVolser, strStepped;
    GetDlgItemText(IDC_UTIL_VOLSER, strVolser);
    if (StepVolser(strVolser, pUpDown->iDelta, strStepped))
        SetDlgItemText(IDC_UTIL_VOLSER, strStepped);
    *pResult = 1;
}

CString CTapeUtilityDlg::SelectedCodePage(UINT nCombo) const
{
    HWND hCombo = ::GetDlgItem(m_hWnd, (int)nCombo);
    int nSel = (int)::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    if (nSel < 0)
        return GetCodePage(nCombo);
    return CodePageStored(ComboBoxGetLBText(hCombo, nSel));
}
