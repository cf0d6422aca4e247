// DDX.cpp: dialog data exchange and checks.
#include "platform/DDX.h"

#include <windows.h>
#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/CWnd.h"
#include "platform/ErrorBalloon.h"
#include "platform/ListRowText.h"

namespace {

CString ControlText(HWND h)
{
    CString s;
    CWnd::FromHandle(h)->GetWindowText(s);
    return s;
}

// Reads an integer field of the type's range into value; balloons on failure.
template <class T>
void ExchangeInt(CDataExchange* pDX, int nIDC, T& value, long long minVal, long long maxVal, LPCSTR pszFormat,
                 LPCSTR pszError)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString s;
        s.Format(pszFormat, value);
        ::SetWindowTextA(h, s);
        return;
    }
    long long v = 0;
    if (!ParseFieldInt(ControlText(h), minVal, maxVal, v)) {
        DDX_FailWithBalloon(pDX, pszError);
        return;
    }
    value = (T)v;
}

// A control whose int value one message reads and another sets (wParam):
// check boxes, and the selection of list and combo boxes.
void ExchangeByMessages(CDataExchange* pDX, int nIDC, int& value, UINT nGetMsg, UINT nSetMsg)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(h, nGetMsg, 0, 0);
    else
        ::SendMessageA(h, nSetMsg, (WPARAM)value, 0);
}

// The range check shared by the DDV_MinMax functions.
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, LPCSTR pszFormat)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString s;
    s.Format(pszFormat, minVal, maxVal);
    DDX_FailWithBalloon(pDX, s);
}

}  // namespace

bool ParseFieldInt(const char* psz, long long minVal, long long maxVal, long long& value)
{
    CString s(psz);
    s.Trim();
    if (s.IsEmpty())
        return false;
    const char* p = s.GetString();
    // A sign only where negative values are allowed or for a plus.
    if (*p == '-' && minVal >= 0)
        return false;
    for (const char* q = (*p == '-' || *p == '+') ? p + 1 : p; *q; q++)
        if (*q < '0' || *q > '9')
            return false;
    if ((p[0] == '-' || p[0] == '+') && p[1] == 0)
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(p, &end, 10);
    if (errno == ERANGE || *end || v < minVal || v > maxVal)
        return false;
    value = v;
    return true;
}

bool ParseFieldDouble(const char* psz, double& value)
{
    CString s(psz);
    s.Trim();
    if (s.IsEmpty())
        return false;
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.GetString(), &end);
    if (errno == ERANGE || *end)
        return false;
    value = v;
    return true;
}

void DDX_FailWithBalloon(CDataExchange* pDX, LPCSTR pszText)
{
    DDX_FailWithBalloon(pDX, pszText, nullptr, kBalloonIconWarning);
}

void DDX_FailWithBalloon(CDataExchange* pDX, LPCSTR pszText, LPCSTR pszTitle, int nIcon)
{
    HWND h = pDX->m_hWndLastControl;
    if (h)
        ErrorBalloon(pDX->m_pDlgWnd->m_hWnd, (UINT)::GetDlgCtrlID(h), pszTitle ? CString(pszTitle) : GetControlLabel(h),
                     pszText, nIcon);
    pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(h);
    else
        ::SetWindowTextA(h, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInt(pDX, nIDC, value, INT_MIN, INT_MAX, "%d", "Enter a whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInt(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld", "Enter a whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInt(pDX, nIDC, value, 0, UINT_MAX, "%u", "Enter a positive whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInt(pDX, nIDC, value, 0, 0xFFFFFFFFLL, "%lu", "Enter a positive whole number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    UINT v = value;
    ExchangeInt(pDX, nIDC, v, 0, 255, "%u", "Enter a whole number from 0 to 255.");
    value = (BYTE)v;
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString s;
        s.Format("%.15g", value);
        ::SetWindowTextA(h, s);
        return;
    }
    if (!ParseFieldDouble(ControlText(h), value))
        DDX_FailWithBalloon(pDX, "Enter a number.");
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeByMessages(pDX, nIDC, value, BM_GETCHECK, BM_SETCHECK);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    int index = 0;
    do {
        if (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageA(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            index++;
        }
        h = ::GetWindow(h, GW_HWNDNEXT);
    } while (h && !(::GetWindowLongA(h, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeByMessages(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

namespace {

// Loads a combo box's text: the matching item is selected; a combo box with
// an edit shows the text even when no item matches.
void LoadComboText(HWND h, const CString& value, UINT nFindMsg)
{
    int i = (int)::SendMessageA(h, nFindMsg, (WPARAM)-1, (LPARAM)value.GetString());
    if (value.IsEmpty())
        i = CB_ERR;
    ::SendMessageA(h, CB_SETCURSEL, (WPARAM)i, 0);
    if (i == CB_ERR && (::GetWindowLongA(h, GWL_STYLE) & 3) != CBS_DROPDOWNLIST)
        ::SetWindowTextA(h, value);
}

// The text of a combo box: its edit's, or the selected item's.
CString SavedComboText(HWND h)
{
    if ((::GetWindowLongA(h, GWL_STYLE) & 3) != CBS_DROPDOWNLIST)
        return ControlText(h);
    return ComboBoxGetLBText(h, (int)::SendMessageA(h, CB_GETCURSEL, 0, 0));
}

// A combo box's text; nFindMsg finds the item to select when loading.
void ExchangeComboText(CDataExchange* pDX, int nIDC, CString& value, UINT nFindMsg)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = SavedComboText(h);
    else
        LoadComboText(h, value, nFindMsg);
}

}  // namespace

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboText(pDX, nIDC, value, CB_FINDSTRING);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    ExchangeComboText(pDX, nIDC, value, CB_FINDSTRINGEXACT);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeByMessages(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        int i = value.IsEmpty() ? LB_ERR
                                : (int)::SendMessageA(h, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)value.GetString());
        ::SendMessageA(h, LB_SETCURSEL, (WPARAM)i, 0);
        return;
    }
    value = ListBoxGetText(h, (int)::SendMessageA(h, LB_GETCURSEL, 0, 0));
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->m_bFailed)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(h, TBM_GETPOS, 0, 0);
    else
        ::SendMessageA(h, TBM_SETPOS, TRUE, value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->m_bFailed || rControl.m_hWnd)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    rControl.SubclassWindow(h);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number from %d to %d.");
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number from %u to %u.");
}

void DDV_MinMaxInt_EB(CDataExchange* pDX, int value, int minVal, int maxVal, LPCSTR pszTitle, int nIcon)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString s;
    s.Format("Enter a number from %d to %d.", minVal, maxVal);
    DDX_FailWithBalloon(pDX, s, pszTitle, nIcon);
}

void DDV_MinMaxUInt_EB(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal, LPCSTR pszTitle, int nIcon)
{
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString s;
    s.Format("Enter a number from %u to %u.", minVal, maxVal);
    DDX_FailWithBalloon(pDX, s, pszTitle, nIcon);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number from %ld to %ld.");
}

void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number from %lu to %lu.");
}

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckRange<UINT>(pDX, value, minVal, maxVal, "Enter a number from %u to %u.");
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number from %g to %g.");
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bFailed)
        return;
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_hWndLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString s;
        s.Format("Enter no more than %d characters.", nChars);
        DDX_FailWithBalloon(pDX, s);
    }
}
