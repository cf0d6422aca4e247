// CGdiObject.cpp: the GDI object members that need more than one call.
#include "platform/CGdiObject.h"

#include "platform/CWinApp.h"

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR pszFaceName, BYTE bPitchAndFamily)
{
    LOGFONTA lf = {};
    HDC hDC = ::GetDC(nullptr);
    lf.lfHeight = -::MulDiv(nPointSize, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, hDC);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = bPitchAndFamily;
    ::lstrcpynA(lf.lfFaceName, pszFaceName, LF_FACESIZE);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}
