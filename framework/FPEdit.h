// FPEdit.h: CFPEdit, an edit control holding one floating-point value within
// a range, shown with a fixed or derived number of decimals. Typing that
// makes the text no number is undone (and the rest of the burst dropped);
// text out of range stays and can be reported in an error balloon.
#pragma once

#include "framework/FloatText.h"
#include "platform/CSaveSelEdit.h"
#include "platform/MessageMap.h"

class CFPEdit : public CSaveSelEdit {
public:
    // The value shown, when lower <= value <= upper; FALSE (text unchanged)
    // otherwise.
    virtual BOOL SetValue(double value);
    // The text's value limited to the range; out-of-range or no-number text
    // gives 0.0 limited to the range. Validates, so it may show the balloon.
    virtual double GetValue();
    // Bounds that are not finite numbers in order are refused.
    virtual void SetRange(double lower, double upper);
    virtual void GetRange(double* pLower, double* pUpper);
    // A step that is not a positive finite number is refused.
    virtual void SetStep(double step);
    virtual double GetStep() { return m_step; }
    virtual void SetPrecision(int nPrecision) { m_nPrecision = nPrecision; }
    virtual int GetPrecision() { return m_nPrecision; }
    virtual BOOL GetShowErrors() { return m_bShowErrors; }
    virtual void SetShowErrors(BOOL bShow) { m_bShowErrors = bShow; }
    // The status of the text; with show errors on, a number out of range or
    // no number is explained in an error balloon on this control.
    virtual int Validate(const CString& strText);
    virtual int ValidateText();
    // The format SetValue uses for value (see FloatDisplayFormat).
    virtual CString GetFormat(double value) { return FloatDisplayFormat(value, m_nPrecision); }

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void DiscardQueuedChars();

    int m_nPrecision = -1;
    BOOL m_bShowErrors = FALSE;
    double m_step = 2.220446049250313e-16;      // DBL_EPSILON
    // The smallest positive normalised double: zero and negative values are
    // out of range until SetRange is called.
    double m_lower = 2.2250738585072014e-308;   // DBL_MIN
    double m_upper = 1.7976931348623157e+308;   // DBL_MAX
};
