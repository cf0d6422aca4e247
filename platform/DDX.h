// DDX.h: dialog data exchange (DDX_) between controls and members, and the
// checks (DDV_) that follow a DDX_ call on the same control. A value that
// does not parse or is out of range shows the error balloon on the control,
// titled with its label, and fails the exchange (CDataExchange::Fail).
// After a failure the remaining calls of the run do nothing.
#pragma once

#include "platform/CDataExchange.h"
#include "platform/CString.h"

class CWnd;

// Edits (and any window with text).
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Check boxes: BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Radio buttons: nIDC is the first of the group; value is the index of the
// checked one, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Combo boxes: the selected index (-1 none), or the text (the edit's text,
// or on loading the first item beginning with it).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
// List boxes: the selected index (-1 none), or the selected item's text.
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// Track bars: the position.
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// Binds a control object to the template's control once (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Range and length checks on the value just exchanged.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
// The companion library's range checks: the balloon titled pszTitle (null:
// the control's label) with the icon nIcon (kBalloonIcon*, ErrorBalloon.h).
void DDV_MinMaxInt_EB(CDataExchange* pDX, int value, int minVal, int maxVal, LPCSTR pszTitle, int nIcon = 3);
void DDV_MinMaxUInt_EB(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal, LPCSTR pszTitle, int nIcon = 3);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal);
// On loading limits the edit to nChars; on saving rejects a longer text.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Fails the exchange on the last control with a balloon showing pszText.
void DDX_FailWithBalloon(CDataExchange* pDX, LPCSTR pszText);
// The same, titled pszTitle (null: the control's label), with icon nIcon.
void DDX_FailWithBalloon(CDataExchange* pDX, LPCSTR pszText, LPCSTR pszTitle, int nIcon);

// Strict number parsing of a field's text (blanks around allowed): true and
// the value when the whole text is a number in the type's range.
bool ParseFieldInt(const char* psz, long long minVal, long long maxVal, long long& value);
bool ParseFieldDouble(const char* psz, double& value);
