// cdxCDynamicDialog.cpp: the help tables of the resizable plain dialog.
#include "framework/cdxCDynamicDialog.h"

#include "framework/HelpButtonHelp.h"

CString cdxCDynamicDialog::GetHelpString(DWORD dwKey)
{
    RegisterStandardHelpStrings();
    UINT nStringId = 0;
    CString str;
    if (m_HelpStrings.Lookup(dwKey, nStringId))
        str = LoadHelpText(nStringId);
    return str;
}

void cdxCDynamicDialog::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    size_t n = 0;
    const StandardHelpString* p = StandardHelpStrings(n);
    for (size_t i = 0; i < n; ++i)
        SetHelpString(StandardHelpKey(p[i], m_nIDHelpDialog), p[i].nStringId);
}

UINT cdxCDynamicDialog::GetHelpId(DWORD dwKey)
{
    RegisterHelpStrings();
    UINT nId = 0;
    return m_HelpIds.Lookup(dwKey, nId) ? nId : dwKey;
}
