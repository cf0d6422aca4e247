// HelpButtonCaption.cpp: the system's caption beside the help button.
#include "framework/HelpButtonCaption.h"

#include <vector>

#include "platform/CGdiObject.h"
#include "platform/CDC.h"

namespace {

// x and y in window coordinates; rcWnd the window's rectangle.
bool IsSystemCaptionButtonAt(HWND hWnd, const RECT& rcWnd, int x, int y)
{
    // The system's own answer, not the window's: its procedure reports the
    // help button it draws itself.
    LRESULT nHit = ::DefWindowProcA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(rcWnd.left + x, rcWnd.top + y));
    return nHit == HTMINBUTTON || nHit == HTMAXBUTTON || nHit == HTCLOSE || nHit == HTHELP;
}

bool IsToolWindow(HWND hWnd) { return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0; }

CString WindowTitle(HWND hWnd)
{
    int n = ::GetWindowTextLengthA(hWnd);
    std::vector<char> buf((size_t)n + 1, '\0');
    ::GetWindowTextA(hWnd, buf.data(), n + 1);
    return CString(buf.data());
}

// The system's caption font (the small one for a tool window); none when
// the metrics cannot be read.
void CreateCaptionFont(HWND hWnd, CFont& font)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        font.CreateFontIndirect(IsToolWindow(hWnd) ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont);
}

// Where the title starts: after the small icon, as the system's caption
// painting places it.
int TitleLeft(HWND hWnd, const RECT& rcStrip)
{
    return rcStrip.left + 2 + (IsToolWindow(hWnd) ? 0 : ::GetSystemMetrics(SM_CXSMICON) + 2);
}

}  // namespace

RECT KeepClearOfSystemCaptionButtons(HWND hWnd, RECT rcButton, int cxGap)
{
    int yMid = (rcButton.top + rcButton.bottom) / 2;
    int cxButton = rcButton.right - rcButton.left;
    // Taken once: the search below asks the system two hit tests a pixel.
    RECT rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    // Wine draws its classic caption buttons side by side, each SM_CXSIZE
    // wide: spaced as Windows spaces its buttons, the help button would
    // cover the minimise box.
    for (int i = 0; i < 2 * cxButton && rcButton.left > 0; ++i) {
        if (!IsSystemCaptionButtonAt(hWnd, rcWnd, rcButton.right - 1 + cxGap, yMid) &&
            !IsSystemCaptionButtonAt(hWnd, rcWnd, rcButton.left, yMid))
            break;
        ::OffsetRect(&rcButton, -1, 0);
    }
    return rcButton;
}

bool CaptionTitleOverruns(HWND hWnd, HDC hdc, const CaptionTitleStrip& strip)
{
    CString strTitle = WindowTitle(hWnd);
    if (strTitle.IsEmpty())
        return false;
    CFont font;
    CreateCaptionFont(hWnd, font);
    CDCSelect selFont(hdc, (HFONT)font.m_hObject);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hdc, strTitle, strTitle.GetLength(), &size);
    return TitleLeft(hWnd, strip.rcStrip) + size.cx > strip.nTextRight;
}

void PaintCaptionTitle(HWND hWnd, HDC hdc, const CaptionTitleStrip& strip, const RECT& rcHelpButton, bool bActive)
{
    int nSaved = ::SaveDC(hdc);
    const RECT& rc = strip.rcStrip;
    ::IntersectClipRect(hdc, rc.left, rc.top, rc.right, rc.bottom);
    ::ExcludeClipRect(hdc, rcHelpButton.left, rcHelpButton.top, rcHelpButton.right, rcHelpButton.bottom);
    // The background over the whole caption's width, so that a gradient
    // runs on into the part the system painted.
    RECT rcCaption = rc;
    RECT rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    rcCaption.right = (rcWnd.right - rcWnd.left) - rc.left;
    BOOL bGradient = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradient, 0);
    UINT nFlags = DC_ICON | (bActive ? DC_ACTIVE : 0) | (bGradient ? DC_GRADIENT : 0) |
                  (IsToolWindow(hWnd) ? DC_SMALLCAP : 0);
    ::DrawCaption(hWnd, hdc, &rcCaption, nFlags);
    CFont font;
    CreateCaptionFont(hWnd, font);
    CDCSelect selFont(hdc, (HFONT)font.m_hObject);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, ::GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT rcText = {TitleLeft(hWnd, rc), rc.top, strip.nTextRight, rc.bottom};
    CString strTitle = WindowTitle(hWnd);
    ::DrawTextA(hdc, strTitle, strTitle.GetLength(), &rcText,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::RestoreDC(hdc, nSaved);
}
