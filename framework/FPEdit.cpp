// FPEdit.cpp: value, range and step of the floating-point edit, its
// validation with the error balloon, and the typed-character check.
#include "framework/FPEdit.h"

#include <cmath>

#include "platform/ErrorBalloon.h"

BEGIN_MESSAGE_MAP(CFPEdit, CSaveSelEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

BOOL CFPEdit::SetValue(double value)
{
    if (!(value >= m_lower && value <= m_upper))
        return FALSE;
    CString strText;
    strText.Format(GetFormat(value), value);
    SetWindowText(strText);
    return TRUE;
}

double CFPEdit::GetValue()
{
    double value = 0.0;
    if (ValidateText() == kFloatValid) {
        CString strText;
        GetWindowText(strText);
        ParseFloatText(strText, value);
    }
    if (value < m_lower)
        return m_lower;
    return value > m_upper ? m_upper : value;
}

void CFPEdit::SetRange(double lower, double upper)
{
    if (!std::isfinite(lower) || !std::isfinite(upper) || lower > upper)
        return;
    m_lower = lower;
    m_upper = upper;
}

void CFPEdit::GetRange(double* pLower, double* pUpper)
{
    if (pLower)
        *pLower = m_lower;
    if (pUpper)
        *pUpper = m_upper;
}

void CFPEdit::SetStep(double step)
{
    if (step > 0.0 && std::isfinite(step))
        m_step = step;
}

int CFPEdit::Validate(const CString& strText)
{
    FloatTextStatus status = ValidateFloatText(strText, m_lower, m_upper);
    if (m_bShowErrors && (status == kFloatOutOfRange || status == kFloatNotNumber)) {
        const char* pszText = status == kFloatOutOfRange ? "Given value is out of range" : "Characters must be a number";
        ErrorBalloon(::GetParent(m_hWnd), GetDlgCtrlID(), "Floating point value", pszText, kBalloonIconWarning);
    }
    return status;
}

int CFPEdit::ValidateText()
{
    CString strText;
    GetWindowText(strText);
    return Validate(strText);
}

// Spaces are swallowed. A character that leaves no number behind is undone:
// the old value comes back, wholly selected, and the characters still queued
// (a fast burst of typing) go with it. Out-of-range text and a lone sign stay.
void CFPEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == ' ')
        return;
    double oldValue = GetValue();
    Default();
    if (ValidateText() != kFloatNotNumber)
        return;
    SetValue(oldValue);
    SetSel(0, -1);
    DiscardQueuedChars();
}

void CFPEdit::DiscardQueuedChars()
{
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
}
