// PrefAppearancePage.cpp: CPrefAppearancePage, what the appearance pages
// share: the titled colour and font dialogs and the painted sample area.
#include "preferences/AppearancePages.h"

#include "framework/CMyColorDialog.h"
#include "framework/CMyFontDialog.h"

bool CPrefAppearancePage::ChooseColor(const char* pszTitle, COLORREF& cr)
{
    CMyColorDialog dlg(pszTitle);
    dlg.m_cc.Flags |= CC_RGBINIT;
    dlg.m_cc.rgbResult = cr;
    if (dlg.DoModal() != IDOK)
        return false;
    cr = dlg.GetColor();
    return true;
}

bool CPrefAppearancePage::ChooseFont(const char* pszTitle, LOGFONTA& lf, int& nPointSize)
{
    CMyFontDialog dlg(pszTitle, &lf);
    dlg.m_cf.Flags &= ~(DWORD)CF_EFFECTS;
    if (dlg.DoModal() != IDOK)
        return false;
    dlg.GetSelectedFont(lf);  // portable: character set 1, the rest 0
    nPointSize = dlg.GetSize() / 10;
    return true;
}

CRect CPrefAppearancePage::SampleArea() const
{
    CRect rcPage, rcLabel;
    GetClientRect(&rcPage);
    HWND hLabel = ::GetDlgItem(m_hWnd, IDC_PREF_SAMPLE_LABEL);
    ::GetWindowRect(hLabel, &rcLabel);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rcLabel, 2);
    return CRect(rcPage.left + 32, rcLabel.bottom + 4, rcPage.right - 35, rcPage.bottom - 31);
}
