// VisualStylesXP.cpp: the loader of the theme and composition libraries, the
// fail stubs and the wrappers of their entry points.
#include "framework/VisualStylesXP.h"

#include "platform/Trace.h"
#include "platform/WinOSFlavor.h"

CVisualStylesXP g_VisualStylesXP;

namespace {

// Fail stubs by result: Zero answers a null handle, FALSE or 0; Fail E_FAIL.
template <class F>
struct Stub;
template <class R, class... A>
struct Stub<R(WINAPI*)(A...)> {
    static R WINAPI Zero(A...) { return R(); }
    static HRESULT WINAPI Fail(A...) { return E_FAIL; }
};

HPAINTBUFFER WINAPI StubBeginBufferedPaint(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC* phdc)
{
    if (phdc)
        *phdc = nullptr;
    return nullptr;
}

COLORREF WINAPI StubGetThemeSysColor(HTHEME, int)
{
    return RGB(255, 255, 255);
}

void WINAPI StubSetThemeAppProperties(DWORD)
{
}

// Windows 11 draws no composited caption we could paint into: the lookup of
// IsCompositionActive is made to fail there, so the process runs uncomposed.
const char kForcedCompositionName[] = "Wren forcing GetProc(\"IsCompositionActive\") failure for >= Win11";

// Loads a library from the system directory only; null when it is missing.
HMODULE LoadSystemLibrary(const CString& strName)
{
    char szDir[MAX_PATH];
    UINT n = ::GetSystemDirectoryA(szDir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return nullptr;
    CString strPath = CString(szDir) + "\\" + strName;
    return ::LoadLibraryExA(strPath, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

CVisualStylesXP::CVisualStylesXP(const char* pszThemeDll, const char* pszDwmDll)
    : m_strThemeDll(pszThemeDll), m_strDwmDll(pszDwmDll)
{
}

CVisualStylesXP::~CVisualStylesXP()
{
    if (m_hThemeDll)
        ::FreeLibrary(m_hThemeDll);
    m_hThemeDll = nullptr;
    if (m_hDwmApiDll)
        ::FreeLibrary(m_hDwmApiDll);
    m_hDwmApiDll = nullptr;
}

HMODULE CVisualStylesXP::LoadOnce(HMODULE& hLib, bool& bTried, const CString& strName, const char* pszField)
{
    if (bTried)
        return hLib;
    bTried = true;
    hLib = LoadSystemLibrary(strName);
    m_dwLastError = hLib ? 0 : ::GetLastError();
    if (hLib)
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "%s = LoadLibrary( \"%s\" ) succeeded\n", pszField, strName.GetString());
    else
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "%s = LoadLibrary( \"%s\" ) FAILED! GetLastError = 0x%08.8X: %s\n",
                          pszField, strName.GetString(), (unsigned)m_dwLastError,
                          FormatLastError(m_dwLastError).GetString());
    return hLib;
}

HMODULE CVisualStylesXP::ThemeLibrary()
{
    return LoadOnce(m_hThemeDll, m_bThemeTried, m_strThemeDll, "m_hThemeDll");
}

HMODULE CVisualStylesXP::DwmLibrary()
{
    return LoadOnce(m_hDwmApiDll, m_bDwmTried, m_strDwmDll, "m_hDwmApiDll");
}

FARPROC CVisualStylesXP::Lookup(HMODULE hLib, const char* pszField, const char* pszName, FARPROC pfnStub)
{
    if (!hLib)
        return pfnStub;
    FARPROC pfn = ::GetProcAddress(hLib, pszName);
    m_dwLastError = pfn ? 0 : ::GetLastError();
    if (pfn) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "GetProcAddress( %s, \"%s\" ) succeeded\n", pszField, pszName);
        return pfn;
    }
    WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "GetProcAddress( %s, \"%s\" ) FAILED! GetLastError = 0x%08.8X: %s\n",
                      pszField, pszName, (unsigned)m_dwLastError, FormatLastError(m_dwLastError).GetString());
    return pfnStub;
}

FARPROC CVisualStylesXP::GetProc(const char* pszName, FARPROC pfnStub)
{
    return Lookup(ThemeLibrary(), "m_hThemeDll", pszName, pfnStub);
}

FARPROC CVisualStylesXP::DwmGetProc(const char* pszName, FARPROC pfnStub)
{
    return Lookup(DwmLibrary(), "m_hDwmApiDll", pszName, pfnStub);
}

template <class F>
F CVisualStylesXP::Resolve(F& pfn, const char* pszName, F pfnStub,
                           FARPROC (CVisualStylesXP::*pfnGetProc)(const char*, FARPROC))
{
    if (!pfn)
        // Through void (*)(), the one pointer type that casts to any function
        // pointer type without a warning.
        pfn = reinterpret_cast<F>(reinterpret_cast<void (*)()>(
            (this->*pfnGetProc)(pszName, reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(pfnStub)))));
    return pfn;
}

BOOL CVisualStylesXP::IsCompositionActive()
{
    const char* pszName = g_eWinOSFlavor >= WINOS_WIN11 ? kForcedCompositionName : "IsCompositionActive";
    return Resolve(m_pfnIsCompositionActive, pszName, &Stub<decltype(&::IsCompositionActive)>::Zero,
                   &CVisualStylesXP::GetProc)();
}

HTHEME CVisualStylesXP::OpenThemeData(HWND hwnd, LPCWSTR pszClassList)
{
    return Resolve(m_pfnOpenThemeData, "OpenThemeData", &Stub<decltype(&::OpenThemeData)>::Zero, &CVisualStylesXP::GetProc)(hwnd, pszClassList);
}

HRESULT CVisualStylesXP::CloseThemeData(HTHEME hTheme)
{
    return Resolve(m_pfnCloseThemeData, "CloseThemeData", &Stub<decltype(&::CloseThemeData)>::Fail, &CVisualStylesXP::GetProc)(hTheme);
}

HRESULT CVisualStylesXP::DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, const RECT *pClipRect)
{
    return Resolve(m_pfnDrawThemeBackground, "DrawThemeBackground", &Stub<decltype(&::DrawThemeBackground)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CVisualStylesXP::DrawThemeBackgroundEx(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, const DTBGOPTS *pOptions)
{
    return Resolve(m_pfnDrawThemeBackgroundEx, "DrawThemeBackgroundEx", &Stub<decltype(&::DrawThemeBackgroundEx)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pRect, pOptions);
}

HRESULT CVisualStylesXP::DrawThemeText(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwTextFlags, DWORD dwTextFlags2, const RECT *pRect)
{
    return Resolve(m_pfnDrawThemeText, "DrawThemeText", &Stub<decltype(&::DrawThemeText)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags, dwTextFlags2, pRect);
}

HRESULT CVisualStylesXP::DrawThemeTextEx(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwFlags, LPRECT pRect, const DTTOPTS *pOptions)
{
    return Resolve(m_pfnDrawThemeTextEx, "DrawThemeTextEx", &Stub<decltype(&::DrawThemeTextEx)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwFlags, pRect, pOptions);
}

HRESULT CVisualStylesXP::GetThemeBackgroundContentRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pBoundingRect, RECT *pContentRect)
{
    return Resolve(m_pfnGetThemeBackgroundContentRect, "GetThemeBackgroundContentRect", &Stub<decltype(&::GetThemeBackgroundContentRect)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pBoundingRect, pContentRect);
}

HRESULT CVisualStylesXP::GetThemeBackgroundExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pContentRect, RECT *pExtentRect)
{
    return Resolve(m_pfnGetThemeBackgroundExtent, "GetThemeBackgroundExtent", &Stub<decltype(&::GetThemeBackgroundExtent)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pContentRect, pExtentRect);
}

HRESULT CVisualStylesXP::GetThemePartSize(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, RECT *prc, enum THEMESIZE eSize, SIZE *psz)
{
    return Resolve(m_pfnGetThemePartSize, "GetThemePartSize", &Stub<decltype(&::GetThemePartSize)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, prc, eSize, psz);
}

HRESULT CVisualStylesXP::GetThemeTextExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwTextFlags, const RECT *pBoundingRect, RECT *pExtentRect)
{
    return Resolve(m_pfnGetThemeTextExtent, "GetThemeTextExtent", &Stub<decltype(&::GetThemeTextExtent)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags, pBoundingRect, pExtentRect);
}

HRESULT CVisualStylesXP::GetThemeTextMetrics(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, TEXTMETRIC *ptm)
{
    return Resolve(m_pfnGetThemeTextMetrics, "GetThemeTextMetrics", &Stub<decltype(&::GetThemeTextMetrics)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, ptm);
}

HRESULT CVisualStylesXP::GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, HRGN *pRegion)
{
    return Resolve(m_pfnGetThemeBackgroundRegion, "GetThemeBackgroundRegion", &Stub<decltype(&::GetThemeBackgroundRegion)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pRect, pRegion);
}

HRESULT CVisualStylesXP::HitTestThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, DWORD dwOptions, const RECT *pRect, HRGN hrgn, POINT ptTest, WORD *pwHitTestCode)
{
    return Resolve(m_pfnHitTestThemeBackground, "HitTestThemeBackground", &Stub<decltype(&::HitTestThemeBackground)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, dwOptions, pRect, hrgn, ptTest, pwHitTestCode);
}

HRESULT CVisualStylesXP::DrawThemeEdge(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pDestRect, UINT uEdge, UINT uFlags, RECT *pContentRect)
{
    return Resolve(m_pfnDrawThemeEdge, "DrawThemeEdge", &Stub<decltype(&::DrawThemeEdge)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pDestRect, uEdge, uFlags, pContentRect);
}

HRESULT CVisualStylesXP::DrawThemeIcon(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, HIMAGELIST himl, int iImageIndex)
{
    return Resolve(m_pfnDrawThemeIcon, "DrawThemeIcon", &Stub<decltype(&::DrawThemeIcon)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, pRect, himl, iImageIndex);
}

BOOL CVisualStylesXP::IsThemePartDefined(HTHEME hTheme, int iPartId, int iStateId)
{
    return Resolve(m_pfnIsThemePartDefined, "IsThemePartDefined", &Stub<decltype(&::IsThemePartDefined)>::Zero, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId);
}

BOOL CVisualStylesXP::IsThemeBackgroundPartiallyTransparent(HTHEME hTheme, int iPartId, int iStateId)
{
    return Resolve(m_pfnIsThemeBackgroundPartiallyTransparent, "IsThemeBackgroundPartiallyTransparent", &Stub<decltype(&::IsThemeBackgroundPartiallyTransparent)>::Zero, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId);
}

HRESULT CVisualStylesXP::GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF *pColor)
{
    return Resolve(m_pfnGetThemeColor, "GetThemeColor", &Stub<decltype(&::GetThemeColor)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT CVisualStylesXP::GetThemeMetric(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, int *piVal)
{
    return Resolve(m_pfnGetThemeMetric, "GetThemeMetric", &Stub<decltype(&::GetThemeMetric)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, iPropId, piVal);
}

HRESULT CVisualStylesXP::GetThemeString(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszBuff, int cchMaxBuffChars)
{
    return Resolve(m_pfnGetThemeString, "GetThemeString", &Stub<decltype(&::GetThemeString)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pszBuff, cchMaxBuffChars);
}

HRESULT CVisualStylesXP::GetThemeBool(HTHEME hTheme, int iPartId, int iStateId, int iPropId, BOOL *pfVal)
{
    return Resolve(m_pfnGetThemeBool, "GetThemeBool", &Stub<decltype(&::GetThemeBool)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pfVal);
}

HRESULT CVisualStylesXP::GetThemeInt(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int *piVal)
{
    return Resolve(m_pfnGetThemeInt, "GetThemeInt", &Stub<decltype(&::GetThemeInt)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CVisualStylesXP::GetThemeEnumValue(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int *piVal)
{
    return Resolve(m_pfnGetThemeEnumValue, "GetThemeEnumValue", &Stub<decltype(&::GetThemeEnumValue)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT CVisualStylesXP::GetThemePosition(HTHEME hTheme, int iPartId, int iStateId, int iPropId, POINT *pPoint)
{
    return Resolve(m_pfnGetThemePosition, "GetThemePosition", &Stub<decltype(&::GetThemePosition)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pPoint);
}

HRESULT CVisualStylesXP::GetThemeFont(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, LOGFONTW *pFont)
{
    return Resolve(m_pfnGetThemeFont, "GetThemeFont", &Stub<decltype(&::GetThemeFont)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, iPropId, pFont);
}

HRESULT CVisualStylesXP::GetThemeRect(HTHEME hTheme, int iPartId, int iStateId, int iPropId, RECT *pRect)
{
    return Resolve(m_pfnGetThemeRect, "GetThemeRect", &Stub<decltype(&::GetThemeRect)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pRect);
}

HRESULT CVisualStylesXP::GetThemeMargins(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, RECT *prc, MARGINS *pMargins)
{
    return Resolve(m_pfnGetThemeMargins, "GetThemeMargins", &Stub<decltype(&::GetThemeMargins)>::Fail, &CVisualStylesXP::GetProc)(hTheme, hdc, iPartId, iStateId, iPropId, prc, pMargins);
}

HRESULT CVisualStylesXP::GetThemeIntList(HTHEME hTheme, int iPartId, int iStateId, int iPropId, INTLIST *pIntList)
{
    return Resolve(m_pfnGetThemeIntList, "GetThemeIntList", &Stub<decltype(&::GetThemeIntList)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pIntList);
}

HRESULT CVisualStylesXP::GetThemePropertyOrigin(HTHEME hTheme, int iPartId, int iStateId, int iPropId, enum PROPERTYORIGIN *pOrigin)
{
    return Resolve(m_pfnGetThemePropertyOrigin, "GetThemePropertyOrigin", &Stub<decltype(&::GetThemePropertyOrigin)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pOrigin);
}

HRESULT CVisualStylesXP::SetWindowTheme(HWND hwnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList)
{
    return Resolve(m_pfnSetWindowTheme, "SetWindowTheme", &Stub<decltype(&::SetWindowTheme)>::Fail, &CVisualStylesXP::GetProc)(hwnd, pszSubAppName, pszSubIdList);
}

HRESULT CVisualStylesXP::GetThemeFilename(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszThemeFileName, int cchMaxBuffChars)
{
    return Resolve(m_pfnGetThemeFilename, "GetThemeFilename", &Stub<decltype(&::GetThemeFilename)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iPartId, iStateId, iPropId, pszThemeFileName, cchMaxBuffChars);
}

COLORREF CVisualStylesXP::GetThemeSysColor(HTHEME hTheme, int iColorId)
{
    return Resolve(m_pfnGetThemeSysColor, "GetThemeSysColor", &StubGetThemeSysColor, &CVisualStylesXP::GetProc)(hTheme, iColorId);
}

HBRUSH CVisualStylesXP::GetThemeSysColorBrush(HTHEME hTheme, int iColorId)
{
    return Resolve(m_pfnGetThemeSysColorBrush, "GetThemeSysColorBrush", &Stub<decltype(&::GetThemeSysColorBrush)>::Zero, &CVisualStylesXP::GetProc)(hTheme, iColorId);
}

BOOL CVisualStylesXP::GetThemeSysBool(HTHEME hTheme, int iBoolId)
{
    return Resolve(m_pfnGetThemeSysBool, "GetThemeSysBool", &Stub<decltype(&::GetThemeSysBool)>::Zero, &CVisualStylesXP::GetProc)(hTheme, iBoolId);
}

int CVisualStylesXP::GetThemeSysSize(HTHEME hTheme, int iSizeId)
{
    return Resolve(m_pfnGetThemeSysSize, "GetThemeSysSize", &Stub<decltype(&::GetThemeSysSize)>::Zero, &CVisualStylesXP::GetProc)(hTheme, iSizeId);
}

HRESULT CVisualStylesXP::GetThemeSysFont(HTHEME hTheme, int iFontId, LOGFONTW *plf)
{
    return Resolve(m_pfnGetThemeSysFont, "GetThemeSysFont", &Stub<decltype(&::GetThemeSysFont)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iFontId, plf);
}

HRESULT CVisualStylesXP::GetThemeSysString(HTHEME hTheme, int iStringId, LPWSTR pszStringBuff, int cchMaxStringChars)
{
    return Resolve(m_pfnGetThemeSysString, "GetThemeSysString", &Stub<decltype(&::GetThemeSysString)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iStringId, pszStringBuff, cchMaxStringChars);
}

HRESULT CVisualStylesXP::GetThemeSysInt(HTHEME hTheme, int iIntId, int *piValue)
{
    return Resolve(m_pfnGetThemeSysInt, "GetThemeSysInt", &Stub<decltype(&::GetThemeSysInt)>::Fail, &CVisualStylesXP::GetProc)(hTheme, iIntId, piValue);
}

BOOL CVisualStylesXP::IsThemeActive()
{
    return Resolve(m_pfnIsThemeActive, "IsThemeActive", &Stub<decltype(&::IsThemeActive)>::Zero, &CVisualStylesXP::GetProc)();
}

BOOL CVisualStylesXP::IsAppThemed()
{
    return Resolve(m_pfnIsAppThemed, "IsAppThemed", &Stub<decltype(&::IsAppThemed)>::Zero, &CVisualStylesXP::GetProc)();
}

HTHEME CVisualStylesXP::GetWindowTheme(HWND hwnd)
{
    return Resolve(m_pfnGetWindowTheme, "GetWindowTheme", &Stub<decltype(&::GetWindowTheme)>::Zero, &CVisualStylesXP::GetProc)(hwnd);
}

HRESULT CVisualStylesXP::EnableThemeDialogTexture(HWND hwnd, DWORD dwFlags)
{
    return Resolve(m_pfnEnableThemeDialogTexture, "EnableThemeDialogTexture", &Stub<decltype(&::EnableThemeDialogTexture)>::Fail, &CVisualStylesXP::GetProc)(hwnd, dwFlags);
}

BOOL CVisualStylesXP::IsThemeDialogTextureEnabled(HWND hwnd)
{
    return Resolve(m_pfnIsThemeDialogTextureEnabled, "IsThemeDialogTextureEnabled", &Stub<decltype(&::IsThemeDialogTextureEnabled)>::Zero, &CVisualStylesXP::GetProc)(hwnd);
}

DWORD CVisualStylesXP::GetThemeAppProperties()
{
    return Resolve(m_pfnGetThemeAppProperties, "GetThemeAppProperties", &Stub<decltype(&::GetThemeAppProperties)>::Zero, &CVisualStylesXP::GetProc)();
}

void CVisualStylesXP::SetThemeAppProperties(DWORD dwFlags)
{
    return Resolve(m_pfnSetThemeAppProperties, "SetThemeAppProperties", &StubSetThemeAppProperties, &CVisualStylesXP::GetProc)(dwFlags);
}

HRESULT CVisualStylesXP::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff, int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    return Resolve(m_pfnGetCurrentThemeName, "GetCurrentThemeName", &Stub<decltype(&::GetCurrentThemeName)>::Fail, &CVisualStylesXP::GetProc)(pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars, pszSizeBuff, cchMaxSizeChars);
}

HRESULT CVisualStylesXP::GetThemeDocumentationProperty(LPCWSTR pszThemeName, LPCWSTR pszPropertyName, LPWSTR pszValueBuff, int cchMaxValChars)
{
    return Resolve(m_pfnGetThemeDocumentationProperty, "GetThemeDocumentationProperty", &Stub<decltype(&::GetThemeDocumentationProperty)>::Fail, &CVisualStylesXP::GetProc)(pszThemeName, pszPropertyName, pszValueBuff, cchMaxValChars);
}

HRESULT CVisualStylesXP::DrawThemeParentBackground(HWND hwnd, HDC hdc, RECT *prc)
{
    return Resolve(m_pfnDrawThemeParentBackground, "DrawThemeParentBackground", &Stub<decltype(&::DrawThemeParentBackground)>::Fail, &CVisualStylesXP::GetProc)(hwnd, hdc, prc);
}

HRESULT CVisualStylesXP::EnableTheming(BOOL fEnable)
{
    return Resolve(m_pfnEnableTheming, "EnableTheming", &Stub<decltype(&::EnableTheming)>::Fail, &CVisualStylesXP::GetProc)(fEnable);
}

HRESULT CVisualStylesXP::BufferedPaintInit()
{
    return Resolve(m_pfnBufferedPaintInit, "BufferedPaintInit", &Stub<decltype(&::BufferedPaintInit)>::Fail, &CVisualStylesXP::GetProc)();
}

HRESULT CVisualStylesXP::BufferedPaintUnInit()
{
    return Resolve(m_pfnBufferedPaintUnInit, "BufferedPaintUnInit", &Stub<decltype(&::BufferedPaintUnInit)>::Fail, &CVisualStylesXP::GetProc)();
}

HPAINTBUFFER CVisualStylesXP::BeginBufferedPaint(HDC hdcTarget, const RECT *prcTarget, BP_BUFFERFORMAT dwFormat, BP_PAINTPARAMS *pPaintParams, HDC *phdc)
{
    return Resolve(m_pfnBeginBufferedPaint, "BeginBufferedPaint", &StubBeginBufferedPaint, &CVisualStylesXP::GetProc)(hdcTarget, prcTarget, dwFormat, pPaintParams, phdc);
}

HRESULT CVisualStylesXP::BufferedPaintClear(HPAINTBUFFER hBufferedPaint, const RECT *prc)
{
    return Resolve(m_pfnBufferedPaintClear, "BufferedPaintClear", &Stub<decltype(&::BufferedPaintClear)>::Fail, &CVisualStylesXP::GetProc)(hBufferedPaint, prc);
}

HRESULT CVisualStylesXP::BufferedPaintSetAlpha(HPAINTBUFFER hBufferedPaint, const RECT *prc, BYTE alpha)
{
    return Resolve(m_pfnBufferedPaintSetAlpha, "BufferedPaintSetAlpha", &Stub<decltype(&::BufferedPaintSetAlpha)>::Fail, &CVisualStylesXP::GetProc)(hBufferedPaint, prc, alpha);
}

HRESULT CVisualStylesXP::EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget)
{
    return Resolve(m_pfnEndBufferedPaint, "EndBufferedPaint", &Stub<decltype(&::EndBufferedPaint)>::Fail, &CVisualStylesXP::GetProc)(hBufferedPaint, fUpdateTarget);
}

HRESULT CVisualStylesXP::DwmGetWindowAttribute(HWND hwnd, DWORD dwAttribute, PVOID pvAttribute, DWORD cbAttribute)
{
    return Resolve(m_pfnDwmGetWindowAttribute, "DwmGetWindowAttribute", &Stub<decltype(&::DwmGetWindowAttribute)>::Fail, &CVisualStylesXP::DwmGetProc)(hwnd, dwAttribute, pvAttribute, cbAttribute);
}

HRESULT CVisualStylesXP::DwmSetWindowAttribute(HWND hwnd, DWORD dwAttribute, LPCVOID pvAttribute, DWORD cbAttribute)
{
    return Resolve(m_pfnDwmSetWindowAttribute, "DwmSetWindowAttribute", &Stub<decltype(&::DwmSetWindowAttribute)>::Fail, &CVisualStylesXP::DwmGetProc)(hwnd, dwAttribute, pvAttribute, cbAttribute);
}

HRESULT CVisualStylesXP::DwmEnableBlurBehindWindow(HWND hWnd, const DWM_BLURBEHIND *pBlurBehind)
{
    return Resolve(m_pfnDwmEnableBlurBehindWindow, "DwmEnableBlurBehindWindow", &Stub<decltype(&::DwmEnableBlurBehindWindow)>::Fail, &CVisualStylesXP::DwmGetProc)(hWnd, pBlurBehind);
}

BOOL CVisualStylesXP::DwmDefWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *plResult)
{
    return Resolve(m_pfnDwmDefWindowProc, "DwmDefWindowProc", &Stub<decltype(&::DwmDefWindowProc)>::Zero, &CVisualStylesXP::DwmGetProc)(hWnd, msg, wParam, lParam, plResult);
}
