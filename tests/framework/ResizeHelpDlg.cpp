// ResizeHelpDlg.cpp: the test dialog's anchoring and help strings.
#include "ResizeHelpDlg.h"

BEGIN_DYNAMIC_MAP(CResizeHelpDlg, cdxCDynamicHelpDialog)
    DYNAMIC_MAP_XENTRY(IDC_NAME, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_LIST, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_CENTRE, mdRelative, mdRepos)
    DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdRepos)
    DYNAMIC_MAP_ENTRY(IDCANCEL, mdRepos, mdRepos)
    DYNAMIC_MAP_ENTRY(IDHELP, mdRepos, mdRepos)
END_DYNAMIC_MAP()

void CResizeHelpDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, IDC_LIST), IDS_HELP_LIST);
}
