// CMyFontDialog.cpp: the titled font dialog.
#include "framework/CMyFontDialog.h"

#include "config/WindowHelpers.h"
#include "platform/CDC.h"
#include "platform/CGdiObject.h"

CMyFontDialog::CMyFontDialog(LPCSTR pszTitle, const LOGFONTA* plfInitial)
    : CFontDialog(plfInitial, CF_SCREENFONTS | CF_EFFECTS, nullptr, nullptr),
      m_strTitle(pszTitle && *pszTitle ? pszTitle : "Choose Font")
{
}

INT_PTR CMyFontDialog::DoModal()
{
    if (m_cf.Flags & CF_INITTOLOGFONTSTRUCT)
        TakeDrawnFace(m_lf);
    return CFontDialog::DoModal();
}

BOOL CMyFontDialog::OnInitDialog()
{
    CFontDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    // On the desktop; the system's dialog that has an owner is then centred
    // over it (CCentreOnOwner), as every dialog is.
    PositionWindowOnDesktop(this);
    return TRUE;
}

void CMyFontDialog::GetSelectedFont(LOGFONTA& lf, bool bKeepDetails)
{
    GetCurrentFont(&lf);
    if (!bKeepDetails)
        MakeFontPortable(lf);
}

void MakeFontPortable(LOGFONTA& lf)
{
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = 0;
    lf.lfClipPrecision = 0;
    lf.lfQuality = 0;
    lf.lfPitchAndFamily = 0;
}

void TakeDrawnFace(LOGFONTA& lf)
{
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    char szFace[LF_FACESIZE] = "";
    {
        CClientDC dc(nullptr);
        CDCSelect selFont(dc, font);
        ::GetTextFaceA(dc, LF_FACESIZE, szFace);
    }
    if (szFace[0])
        lstrcpynA(lf.lfFaceName, szFace, LF_FACESIZE);
}
