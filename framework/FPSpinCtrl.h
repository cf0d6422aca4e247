// FPSpinCtrl.h: CFPSpinCtrl, an up-down control whose buddy is a CFPEdit. It
// maps the edit's range and step onto whole spin positions 0 ... N and writes
// each stepped value back into the edit. Its style should leave out
// UDS_SETBUDDYINT, so that the control itself never writes integers into the
// edit. Without a CFPEdit buddy every operation does nothing (reads give 0.0).
#pragma once

#include "framework/FPEdit.h"
#include "platform/CSpinButtonCtrl.h"
#include "platform/MessageMap.h"

class CFPSpinCtrl : public CSpinButtonCtrl {
public:
    virtual void SetRange(double lower, double upper);
    virtual void GetRange(double* pLower, double* pUpper);
    virtual double GetPos();
    virtual void SetPos(double value);
    virtual void SetStep(double step);
    virtual double GetStep();
    // Makes pEdit the buddy; returns the previous buddy window.
    virtual CWnd* SetBuddy(CFPEdit* pEdit);
    // The buddy when it is a CFPEdit, else null.
    virtual CFPEdit* GetBuddy();

    // The spin positions of the latest synchronisation.
    int GetStepCount() const { return m_nSteps; }
    int GetStepPos() const { return m_nPos; }

protected:
    void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Recomputes the step count and position from the buddy's range, step
    // and value; false (and nothing changed) without a buddy or when they
    // give no positions.
    bool Synchronise(CFPEdit* pEdit);

    int m_nSteps = 100;         // step count used for limiting
    int m_nPos = 0;
    int m_nRangeSteps = 101;    // step count sent as the control's range
};
