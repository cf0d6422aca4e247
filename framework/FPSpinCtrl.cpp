// FPSpinCtrl.cpp: the floating-point spin control's synchronisation with its
// buddy edit and its stepping.
#include "framework/FPSpinCtrl.h"

BEGIN_MESSAGE_MAP(CFPSpinCtrl, CSpinButtonCtrl)
    ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

bool CFPSpinCtrl::Synchronise(CFPEdit* pEdit)
{
    if (pEdit == nullptr)
        return false;
    double lower = 0.0, upper = 0.0;
    pEdit->GetRange(&lower, &upper);
    int nSteps = 0, nPos = 0;
    if (!FPSpinPositions(lower, upper, pEdit->GetStep(), pEdit->GetValue(), nSteps, nPos))
        return false;
    m_nSteps = m_nRangeSteps = nSteps;
    m_nPos = nPos;
    return true;
}

void CFPSpinCtrl::SetRange(double lower, double upper)
{
    CFPEdit* pEdit = GetBuddy();
    if (pEdit == nullptr)
        return;
    pEdit->SetRange(lower, upper);
    if (Synchronise(pEdit))
        SetRange32(0, m_nRangeSteps);
}

void CFPSpinCtrl::GetRange(double* pLower, double* pUpper)
{
    if (CFPEdit* pEdit = GetBuddy())
        pEdit->GetRange(pLower, pUpper);
}

double CFPSpinCtrl::GetPos()
{
    CFPEdit* pEdit = GetBuddy();
    return pEdit ? pEdit->GetValue() : 0.0;
}

void CFPSpinCtrl::SetPos(double value)
{
    CFPEdit* pEdit = GetBuddy();
    if (pEdit == nullptr)
        return;
    pEdit->SetValue(value);
    if (Synchronise(pEdit))
        SetPos32(m_nPos);
}

void CFPSpinCtrl::SetStep(double step)
{
    if (CFPEdit* pEdit = GetBuddy()) {
        pEdit->SetStep(step);
        if (Synchronise(pEdit))
            SetRange32(0, m_nRangeSteps);
    }
}

double CFPSpinCtrl::GetStep()
{
    CFPEdit* pEdit = GetBuddy();
    return pEdit ? pEdit->GetStep() : 0.0;
}

CWnd* CFPSpinCtrl::SetBuddy(CFPEdit* pEdit)
{
    if (pEdit == nullptr)
        return nullptr;
    return CWnd::FromHandle(CSpinButtonCtrl::SetBuddy(pEdit->m_hWnd));
}

CFPEdit* CFPSpinCtrl::GetBuddy()
{
    return dynamic_cast<CFPEdit*>(CWnd::FromHandlePermanent(CSpinButtonCtrl::GetBuddy()));
}

// Limits the step so that the position stays within 0 ... N, then shows the
// value of the new position. The change is always allowed (result 0).
void CFPSpinCtrl::OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    CFPEdit* pEdit = GetBuddy();
    if (pEdit == nullptr || !Synchronise(pEdit))
        return;
    NMUPDOWN* pUpDown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    pUpDown->iDelta = FPSpinLimitDelta(m_nPos, pUpDown->iDelta, m_nSteps);
    m_nPos += pUpDown->iDelta;
    double lower = 0.0, upper = 0.0;
    pEdit->GetRange(&lower, &upper);
    // A saturated position no longer tells the value (a range of more steps
    // than the control holds): the value then moves by the steps taken.
    double value = m_nSteps < kFPSpinMaxSteps ? lower + m_nPos * pEdit->GetStep()
                                              : pEdit->GetValue() + pUpDown->iDelta * pEdit->GetStep();
    // Rounding may carry the last step past a bound, which the edit refuses.
    SetPos(value > upper ? upper : value < lower ? lower : value);
}
