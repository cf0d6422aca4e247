// PackSqueezeDlg.cpp: the compressed-image free-space removal dialog.
#include "utilities/PackSqueezeDlg.h"

#include <commctrl.h>

#include "config/DasdImage.h"
#include "platform/CDataExchange.h"
#include "platform/CScrollBar.h"
#include "platform/DDX.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityRules.h"

namespace {

const int kMaxCheckLevel = 3;

}  // namespace

BEGIN_MESSAGE_MAP(CPackSqueezeDlg, CPackListDlg)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

void CPackSqueezeDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("nCheckLevel", m_nCheckLevel);
    if (m_nCheckLevel < 0 || m_nCheckLevel > kMaxCheckLevel)
        m_nCheckLevel = 0;
}

void CPackSqueezeDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("nCheckLevel", m_nCheckLevel);
    SaveList();
}

void CPackSqueezeDlg::ExchangeFields(CDataExchange* pDX)
{
    CPackListDlg::ExchangeFields(pDX);
    DDX_Slider(pDX, IDC_PACKSQUEEZE_LEVEL, m_nCheckLevel);
}

void CPackSqueezeDlg::InitControls()
{
    CPackListDlg::InitControls();
    // The range is set after the first exchange: put the stored level back.
    SendDlgItemMessage(IDC_PACKSQUEEZE_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxCheckLevel));
    SendDlgItemMessage(IDC_PACKSQUEEZE_LEVEL, TBM_SETPOS, TRUE, (LPARAM)m_nCheckLevel);
}

// Level 2 cannot be chosen: the slider passes over it (a level 2 stored in
// the settings is shown and kept until the slider moves).
void CPackSqueezeDlg::OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar)
{
    HWND hSlider = GetDlgItem(IDC_PACKSQUEEZE_LEVEL)->m_hWnd;
    if (!pScrollBar || pScrollBar->m_hWnd != hSlider)
        return;
    int nPos = (int)::SendMessageA(hSlider, TBM_GETPOS, 0, 0);
    int nNew = SqueezeSliderPosition(nPos, (int)nSBCode, m_nCheckLevel);
    if (nNew != nPos)
        ::SendMessageA(hSlider, TBM_SETPOS, TRUE, (LPARAM)nNew);
}

bool CPackSqueezeDlg::ValidateOptions(CDataExchange* pDX)
{
    if (!CheckListNotEmpty(pDX))
        return false;
    bool b64 = false, b32 = false;
    for (const CString& strFile : ListedFiles())
        (Is64BitImageType(GetDasdImageType(strFile, true)) ? b64 : b32) = true;
    if (b64 && b32)
        return Refuse(pDX, IDC_UTIL_FILE_LIST, "Files List",
                      "All files must be the same type: either all CCKD or all CCKD64.");
    m_strOptionWord.Format("-%d", m_nCheckLevel);
    return true;
}

void CPackSqueezeDlg::BuildCommandLine()
{
    SaveSettings();
    // Unlike the other utilities, the image alone decides the program.
    CString strWord = ProgramWord(ListHas64BitImage());
    m_strTitle = RunTitle(strWord, "");
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, m_strOptionWord);
    for (const CString& strFile : ListedFiles())
        AppendCommandFile(m_strCommandLine, strFile);
    m_nExpectedTotal = LastCheckedSize();
}

std::vector<CUtilityDlg::SHelpRow> CPackSqueezeDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = {
        {0, IDS_HELP_PACKSQUEEZE},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_PACKSQUEEZE},
        {IDC_PACKSQUEEZE_LEVEL_LABEL, IDS_HELP_PACKSQUEEZE_LEVEL},
        {IDC_PACKSQUEEZE_LEVEL, IDS_HELP_PACKSQUEEZE_LEVEL},
        {IDC_PACKSQUEEZE_LEVEL0_TEXT, IDS_HELP_PACKSQUEEZE_LEVEL0},
        {IDC_PACKSQUEEZE_LEVEL1_TEXT, IDS_HELP_PACKSQUEEZE_LEVEL1},
        {IDC_PACKSQUEEZE_LEVEL3_TEXT, IDS_HELP_PACKSQUEEZE_LEVEL3},
    };
    for (const SHelpRow& row : ListHelpRows())
        rows.push_back(row);
    return rows;
}

const CUtilityDlg::SLayoutRow* CPackSqueezeDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1}, {IDC_UTIL_INPUT_GROUP, 1}, {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2}, {IDC_UTIL_FILE_ADD, 2}, {IDC_UTIL_FILE_REMOVE, 2},
        {IDC_UTIL_FILE_UP, 2}, {IDC_UTIL_FILE_DOWN, 2}, {IDC_UTIL_FILE_LIST, 1},
        {IDC_PACKSQUEEZE_LEVEL, 1}, {IDC_PACKSQUEEZE_LEVEL1_TEXT, 3}, {IDC_PACKSQUEEZE_LEVEL3_TEXT, 2},
        {IDOK, 3}, {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}
