// TextFits.cpp: text extents of controls against their client areas.
#include "tests/support/TextFits.h"

#include <algorithm>
#include <vector>

namespace vorntest {

namespace {

std::string WindowText(HWND hWnd)
{
    std::vector<char> buf((size_t)::GetWindowTextLengthA(hWnd) + 1);
    ::GetWindowTextA(hWnd, buf.data(), (int)buf.size());
    return buf.data();
}

std::string ClassOf(HWND hWnd)
{
    char sz[64] = "";
    ::GetClassNameA(hWnd, sz, sizeof sz);
    return sz;
}

// The rectangle DrawText needs for the text in the control's font: on the
// lines its line breaks make, or wrapped at cxWrap when it is positive.
RECT TextRect(HWND hCtrl, const std::string& text, int cxWrap)
{
    HDC hDC = ::GetDC(hCtrl);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)::SendMessageA(hCtrl, WM_GETFONT, 0, 0));
    RECT rc = {0, 0, cxWrap > 0 ? cxWrap : 0, 0};
    UINT uFormat = DT_CALCRECT | (cxWrap > 0 ? DT_WORDBREAK : 0);
    ::DrawTextA(hDC, text.c_str(), (int)text.size(), &rc, uFormat);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hCtrl, hDC);
    return rc;
}

std::string Describe(HWND hCtrl, const std::string& text, const char* pszWhat, int nNeed, int nHave)
{
    return "\"" + text + "\" (id " + std::to_string(::GetDlgCtrlID(hCtrl)) + "): " + pszWhat + " " +
           std::to_string(nNeed) + " pixels, the control has " + std::to_string(nHave);
}

}  // namespace

std::string ClippedText(HWND hCtrl)
{
    std::string text = WindowText(hCtrl);
    if (text.empty())
        return "";
    RECT rcClient;
    ::GetClientRect(hCtrl, &rcClient);
    int cx = rcClient.right, cy = rcClient.bottom;
    DWORD dwStyle = (DWORD)::GetWindowLongA(hCtrl, GWL_STYLE);
    std::string cls = ClassOf(hCtrl);
    if (cls == "Static") {
        DWORD dwType = dwStyle & SS_TYPEMASK;
        bool bWraps = dwType == SS_LEFT || dwType == SS_CENTER || dwType == SS_RIGHT;
        RECT rc = TextRect(hCtrl, text, bWraps ? cx : 0);
        if (!(dwStyle & SS_ELLIPSISMASK) && rc.right > cx)
            return Describe(hCtrl, text, "needs a width of", rc.right, cx);
        if (rc.bottom > cy)
            return Describe(hCtrl, text, "needs a height of", rc.bottom, cy);
        return "";
    }
    if (cls != "Button")
        return "";
    DWORD dwType = dwStyle & BS_TYPEMASK;
    RECT rc = TextRect(hCtrl, text, 0);
    int nExtra = 0;
    if (dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX || dwType == BS_3STATE || dwType == BS_AUTO3STATE ||
        dwType == BS_RADIOBUTTON || dwType == BS_AUTORADIOBUTTON) {
        nExtra = (dwStyle & BS_PUSHLIKE) ? 8 : ::GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and its gap
    } else if (dwType == BS_GROUPBOX) {
        nExtra = 16;  // the border runs on a little either side of the caption
    } else {
        nExtra = 8;  // a push button's edges
    }
    if (rc.right + nExtra > cx)
        return Describe(hCtrl, text, "needs a width of", rc.right + nExtra, cx);
    if (dwType != BS_GROUPBOX && rc.bottom > cy)
        return Describe(hCtrl, text, "needs a height of", rc.bottom, cy);
    return "";
}

std::string EditClips(HWND hEdit, const char* pszText)
{
    // A one-line edit keeps its formatting rectangle a line high whatever
    // its height: the client area is what shows of it.
    RECT rcFormat, rcClient, rcShown;
    ::SendMessageA(hEdit, EM_GETRECT, 0, (LPARAM)&rcFormat);
    ::GetClientRect(hEdit, &rcClient);
    ::IntersectRect(&rcShown, &rcFormat, &rcClient);
    RECT rc = TextRect(hEdit, pszText, 0);
    int nHave = rcShown.right - rcShown.left - 1;  // the caret after the last digit
    if (::GetWindowLongA(hEdit, GWL_STYLE) & ES_MULTILINE) {
        // Each line as the edit wraps its text, and all the lines.
        const std::string text = WindowText(hEdit);
        const int nLines = (int)::SendMessageA(hEdit, EM_GETLINECOUNT, 0, 0);
        rc = RECT{0, 0, 0, 0};
        for (int n = 0; n < nLines; n++) {
            const int nStart = (int)::SendMessageA(hEdit, EM_LINEINDEX, (WPARAM)n, 0);
            const int nLength = (int)::SendMessageA(hEdit, EM_LINELENGTH, (WPARAM)nStart, 0);
            std::string line = text.substr((size_t)nStart, (size_t)nLength);
            line.erase(line.find_last_not_of(' ') + 1);  // the blank a wrapped line ends in shows nothing
            const RECT rcLine = TextRect(hEdit, line, 0);
            rc.right = std::max(rc.right, rcLine.right);
            rc.bottom += rcLine.bottom;
        }
    }
    if (rc.right > nHave)
        return Describe(hEdit, pszText, "needs a width of", rc.right, nHave);
    if (rc.bottom > rcShown.bottom - rcShown.top)
        return Describe(hEdit, pszText, "needs a height of", rc.bottom, rcShown.bottom - rcShown.top);
    return "";
}

std::string OutsideGroup(HWND hInner, HWND hGroup, int nMargin)
{
    RECT rcInner, rcGroup;
    ::GetWindowRect(hInner, &rcInner);
    ::GetWindowRect(hGroup, &rcGroup);
    RECT rcCaption = TextRect(hGroup, WindowText(hGroup), 0);
    RECT rcRoom = {rcGroup.left + nMargin, rcGroup.top + rcCaption.bottom, rcGroup.right - nMargin,
                   rcGroup.bottom - nMargin};
    if (rcInner.left >= rcRoom.left && rcInner.top >= rcRoom.top && rcInner.right <= rcRoom.right &&
        rcInner.bottom <= rcRoom.bottom)
        return "";
    auto text = [](const RECT& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom) + ")";
    };
    return "control " + std::to_string(::GetDlgCtrlID(hInner)) + " " + text(rcInner) + " outside the room " +
           text(rcRoom) + " of group " + std::to_string(::GetDlgCtrlID(hGroup));
}

}  // namespace vorntest
