// VisualStylesXP.h: CVisualStylesXP, the run-time loader of the visual-styles
// (UxTheme.dll) and desktop-composition (DwmApi.dll) entry points, and its
// one global object g_VisualStylesXP.
//
// Nothing is linked: both libraries are loaded by full path from the system
// directory (never from the program's folder or the current directory) at
// the first call that needs them, and each entry point is looked up once, on
// its first call. A missing library or entry point is replaced by a fail
// stub of the same signature that answers "not themed", "not composed" or
// E_FAIL, so callers draw the classic way without testing the system.
#pragma once

#include <windows.h>
#include <dwmapi.h>
#include <uxtheme.h>

#include "platform/CString.h"

class CVisualStylesXP {
public:
    // The library file names; tests pass other names to see them missing.
    explicit CVisualStylesXP(const char* pszThemeDll = "UxTheme.dll", const char* pszDwmDll = "DwmApi.dll");
    CVisualStylesXP(const CVisualStylesXP&) = delete;
    CVisualStylesXP& operator=(const CVisualStylesXP&) = delete;
    // Frees each library that was loaded.
    ~CVisualStylesXP();

    // The entry point pszName of the theme (or composition) library, or
    // pfnStub when the library or the entry point is missing. Traces the
    // outcome of a lookup; a lookup in a library that is not loaded is not
    // traced.
    FARPROC GetProc(const char* pszName, FARPROC pfnStub);
    FARPROC DwmGetProc(const char* pszName, FARPROC pfnStub);

    // The libraries (null when missing) and the last error of the latest
    // load or lookup.
    HMODULE ThemeLibrary();
    HMODULE DwmLibrary();
    DWORD GetLastLoadError() const { return m_dwLastError; }

    // The wrapped entry points, each with the platform's own signature.
    HTHEME OpenThemeData(HWND hwnd, LPCWSTR pszClassList);
    HRESULT CloseThemeData(HTHEME hTheme);
    HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, const RECT *pClipRect);
    HRESULT DrawThemeBackgroundEx(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, const DTBGOPTS *pOptions);
    HRESULT DrawThemeText(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwTextFlags, DWORD dwTextFlags2, const RECT *pRect);
    HRESULT DrawThemeTextEx(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwFlags, LPRECT pRect, const DTTOPTS *pOptions);
    HRESULT GetThemeBackgroundContentRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pBoundingRect, RECT *pContentRect);
    HRESULT GetThemeBackgroundExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pContentRect, RECT *pExtentRect);
    HRESULT GetThemePartSize(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, RECT *prc, enum THEMESIZE eSize, SIZE *psz);
    HRESULT GetThemeTextExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount, DWORD dwTextFlags, const RECT *pBoundingRect, RECT *pExtentRect);
    HRESULT GetThemeTextMetrics(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, TEXTMETRIC *ptm);
    HRESULT GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, HRGN *pRegion);
    HRESULT HitTestThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, DWORD dwOptions, const RECT *pRect, HRGN hrgn, POINT ptTest, WORD *pwHitTestCode);
    HRESULT DrawThemeEdge(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pDestRect, UINT uEdge, UINT uFlags, RECT *pContentRect);
    HRESULT DrawThemeIcon(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT *pRect, HIMAGELIST himl, int iImageIndex);
    BOOL IsThemePartDefined(HTHEME hTheme, int iPartId, int iStateId);
    BOOL IsThemeBackgroundPartiallyTransparent(HTHEME hTheme, int iPartId, int iStateId);
    HRESULT GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF *pColor);
    HRESULT GetThemeMetric(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, int *piVal);
    HRESULT GetThemeString(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszBuff, int cchMaxBuffChars);
    HRESULT GetThemeBool(HTHEME hTheme, int iPartId, int iStateId, int iPropId, BOOL *pfVal);
    HRESULT GetThemeInt(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int *piVal);
    HRESULT GetThemeEnumValue(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int *piVal);
    HRESULT GetThemePosition(HTHEME hTheme, int iPartId, int iStateId, int iPropId, POINT *pPoint);
    HRESULT GetThemeFont(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, LOGFONTW *pFont);
    HRESULT GetThemeRect(HTHEME hTheme, int iPartId, int iStateId, int iPropId, RECT *pRect);
    HRESULT GetThemeMargins(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, RECT *prc, MARGINS *pMargins);
    HRESULT GetThemeIntList(HTHEME hTheme, int iPartId, int iStateId, int iPropId, INTLIST *pIntList);
    HRESULT GetThemePropertyOrigin(HTHEME hTheme, int iPartId, int iStateId, int iPropId, enum PROPERTYORIGIN *pOrigin);
    HRESULT SetWindowTheme(HWND hwnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList);
    HRESULT GetThemeFilename(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszThemeFileName, int cchMaxBuffChars);
    COLORREF GetThemeSysColor(HTHEME hTheme, int iColorId);
    HBRUSH GetThemeSysColorBrush(HTHEME hTheme, int iColorId);
    BOOL GetThemeSysBool(HTHEME hTheme, int iBoolId);
    int GetThemeSysSize(HTHEME hTheme, int iSizeId);
    HRESULT GetThemeSysFont(HTHEME hTheme, int iFontId, LOGFONTW *plf);
    HRESULT GetThemeSysString(HTHEME hTheme, int iStringId, LPWSTR pszStringBuff, int cchMaxStringChars);
    HRESULT GetThemeSysInt(HTHEME hTheme, int iIntId, int *piValue);
    BOOL IsThemeActive();
    BOOL IsAppThemed();
    HTHEME GetWindowTheme(HWND hwnd);
    HRESULT EnableThemeDialogTexture(HWND hwnd, DWORD dwFlags);
    BOOL IsThemeDialogTextureEnabled(HWND hwnd);
    DWORD GetThemeAppProperties();
    void SetThemeAppProperties(DWORD dwFlags);
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff, int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
    HRESULT GetThemeDocumentationProperty(LPCWSTR pszThemeName, LPCWSTR pszPropertyName, LPWSTR pszValueBuff, int cchMaxValChars);
    HRESULT DrawThemeParentBackground(HWND hwnd, HDC hdc, RECT *prc);
    HRESULT EnableTheming(BOOL fEnable);
    BOOL IsCompositionActive();
    HRESULT BufferedPaintInit();
    HRESULT BufferedPaintUnInit();
    HPAINTBUFFER BeginBufferedPaint(HDC hdcTarget, const RECT *prcTarget, BP_BUFFERFORMAT dwFormat, BP_PAINTPARAMS *pPaintParams, HDC *phdc);
    HRESULT BufferedPaintClear(HPAINTBUFFER hBufferedPaint, const RECT *prc);
    HRESULT BufferedPaintSetAlpha(HPAINTBUFFER hBufferedPaint, const RECT *prc, BYTE alpha);
    HRESULT EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget);
    HRESULT DwmGetWindowAttribute(HWND hwnd, DWORD dwAttribute, PVOID pvAttribute, DWORD cbAttribute);
    HRESULT DwmSetWindowAttribute(HWND hwnd, DWORD dwAttribute, LPCVOID pvAttribute, DWORD cbAttribute);
    HRESULT DwmEnableBlurBehindWindow(HWND hWnd, const DWM_BLURBEHIND *pBlurBehind);
    BOOL DwmDefWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *plResult);
private:
    template <class F>
    F Resolve(F& pfn, const char* pszName, F pfnStub, FARPROC (CVisualStylesXP::*pfnGetProc)(const char*, FARPROC));
    HMODULE LoadOnce(HMODULE& hLib, bool& bTried, const CString& strName, const char* pszField);
    FARPROC Lookup(HMODULE hLib, const char* pszField, const char* pszName, FARPROC pfnStub);

    CString m_strThemeDll;
    CString m_strDwmDll;
    HMODULE m_hThemeDll = nullptr;
    HMODULE m_hDwmApiDll = nullptr;
    bool m_bThemeTried = false;
    bool m_bDwmTried = false;
    DWORD m_dwLastError = 0;

    decltype(&::OpenThemeData) m_pfnOpenThemeData = nullptr;
    decltype(&::CloseThemeData) m_pfnCloseThemeData = nullptr;
    decltype(&::DrawThemeBackground) m_pfnDrawThemeBackground = nullptr;
    decltype(&::DrawThemeBackgroundEx) m_pfnDrawThemeBackgroundEx = nullptr;
    decltype(&::DrawThemeText) m_pfnDrawThemeText = nullptr;
    decltype(&::DrawThemeTextEx) m_pfnDrawThemeTextEx = nullptr;
    decltype(&::GetThemeBackgroundContentRect) m_pfnGetThemeBackgroundContentRect = nullptr;
    decltype(&::GetThemeBackgroundExtent) m_pfnGetThemeBackgroundExtent = nullptr;
    decltype(&::GetThemePartSize) m_pfnGetThemePartSize = nullptr;
    decltype(&::GetThemeTextExtent) m_pfnGetThemeTextExtent = nullptr;
    decltype(&::GetThemeTextMetrics) m_pfnGetThemeTextMetrics = nullptr;
    decltype(&::GetThemeBackgroundRegion) m_pfnGetThemeBackgroundRegion = nullptr;
    decltype(&::HitTestThemeBackground) m_pfnHitTestThemeBackground = nullptr;
    decltype(&::DrawThemeEdge) m_pfnDrawThemeEdge = nullptr;
    decltype(&::DrawThemeIcon) m_pfnDrawThemeIcon = nullptr;
    decltype(&::IsThemePartDefined) m_pfnIsThemePartDefined = nullptr;
    decltype(&::IsThemeBackgroundPartiallyTransparent) m_pfnIsThemeBackgroundPartiallyTransparent = nullptr;
    decltype(&::GetThemeColor) m_pfnGetThemeColor = nullptr;
    decltype(&::GetThemeMetric) m_pfnGetThemeMetric = nullptr;
    decltype(&::GetThemeString) m_pfnGetThemeString = nullptr;
    decltype(&::GetThemeBool) m_pfnGetThemeBool = nullptr;
    decltype(&::GetThemeInt) m_pfnGetThemeInt = nullptr;
    decltype(&::GetThemeEnumValue) m_pfnGetThemeEnumValue = nullptr;
    decltype(&::GetThemePosition) m_pfnGetThemePosition = nullptr;
    decltype(&::GetThemeFont) m_pfnGetThemeFont = nullptr;
    decltype(&::GetThemeRect) m_pfnGetThemeRect = nullptr;
    decltype(&::GetThemeMargins) m_pfnGetThemeMargins = nullptr;
    decltype(&::GetThemeIntList) m_pfnGetThemeIntList = nullptr;
    decltype(&::GetThemePropertyOrigin) m_pfnGetThemePropertyOrigin = nullptr;
    decltype(&::SetWindowTheme) m_pfnSetWindowTheme = nullptr;
    decltype(&::GetThemeFilename) m_pfnGetThemeFilename = nullptr;
    decltype(&::GetThemeSysColor) m_pfnGetThemeSysColor = nullptr;
    decltype(&::GetThemeSysColorBrush) m_pfnGetThemeSysColorBrush = nullptr;
    decltype(&::GetThemeSysBool) m_pfnGetThemeSysBool = nullptr;
    decltype(&::GetThemeSysSize) m_pfnGetThemeSysSize = nullptr;
    decltype(&::GetThemeSysFont) m_pfnGetThemeSysFont = nullptr;
    decltype(&::GetThemeSysString) m_pfnGetThemeSysString = nullptr;
    decltype(&::GetThemeSysInt) m_pfnGetThemeSysInt = nullptr;
    decltype(&::IsThemeActive) m_pfnIsThemeActive = nullptr;
    decltype(&::IsAppThemed) m_pfnIsAppThemed = nullptr;
    decltype(&::GetWindowTheme) m_pfnGetWindowTheme = nullptr;
    decltype(&::EnableThemeDialogTexture) m_pfnEnableThemeDialogTexture = nullptr;
    decltype(&::IsThemeDialogTextureEnabled) m_pfnIsThemeDialogTextureEnabled = nullptr;
    decltype(&::GetThemeAppProperties) m_pfnGetThemeAppProperties = nullptr;
    decltype(&::SetThemeAppProperties) m_pfnSetThemeAppProperties = nullptr;
    decltype(&::GetCurrentThemeName) m_pfnGetCurrentThemeName = nullptr;
    decltype(&::GetThemeDocumentationProperty) m_pfnGetThemeDocumentationProperty = nullptr;
    decltype(&::DrawThemeParentBackground) m_pfnDrawThemeParentBackground = nullptr;
    decltype(&::EnableTheming) m_pfnEnableTheming = nullptr;
    decltype(&::IsCompositionActive) m_pfnIsCompositionActive = nullptr;
    decltype(&::BufferedPaintInit) m_pfnBufferedPaintInit = nullptr;
    decltype(&::BufferedPaintUnInit) m_pfnBufferedPaintUnInit = nullptr;
    decltype(&::BeginBufferedPaint) m_pfnBeginBufferedPaint = nullptr;
    decltype(&::BufferedPaintClear) m_pfnBufferedPaintClear = nullptr;
    decltype(&::BufferedPaintSetAlpha) m_pfnBufferedPaintSetAlpha = nullptr;
    decltype(&::EndBufferedPaint) m_pfnEndBufferedPaint = nullptr;
    decltype(&::DwmGetWindowAttribute) m_pfnDwmGetWindowAttribute = nullptr;
    decltype(&::DwmSetWindowAttribute) m_pfnDwmSetWindowAttribute = nullptr;
    decltype(&::DwmEnableBlurBehindWindow) m_pfnDwmEnableBlurBehindWindow = nullptr;
    decltype(&::DwmDefWindowProc) m_pfnDwmDefWindowProc = nullptr;};

// The one loader of the process.
extern CVisualStylesXP g_VisualStylesXP;
