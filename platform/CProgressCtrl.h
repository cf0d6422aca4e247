// CProgressCtrl.h: a progress bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, PROGRESS_CLASSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    void SetRange32(int nLower, int nUpper) { ::SendMessageA(m_hWnd, PBM_SETRANGE32, (WPARAM)nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper) const
    {
        PBRANGE range = {};
        ::SendMessageA(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
        nLower = range.iLow;
        nUpper = range.iHigh;
    }
    int SetPos(int nPos) { return (int)::SendMessageA(m_hWnd, PBM_SETPOS, (WPARAM)nPos, 0); }
    int GetPos() const { return (int)::SendMessageA(m_hWnd, PBM_GETPOS, 0, 0); }
    int OffsetPos(int nPos) { return (int)::SendMessageA(m_hWnd, PBM_DELTAPOS, (WPARAM)nPos, 0); }
    int SetStep(int nStep) { return (int)::SendMessageA(m_hWnd, PBM_SETSTEP, (WPARAM)nStep, 0); }
    int StepIt() { return (int)::SendMessageA(m_hWnd, PBM_STEPIT, 0, 0); }
    COLORREF SetBarColor(COLORREF cr) { return (COLORREF)::SendMessageA(m_hWnd, PBM_SETBARCOLOR, 0, (LPARAM)cr); }
    COLORREF SetBkColor(COLORREF cr) { return (COLORREF)::SendMessageA(m_hWnd, PBM_SETBKCOLOR, 0, (LPARAM)cr); }
    BOOL SetMarquee(BOOL bOn, UINT nInterval) { return (BOOL)::SendMessageA(m_hWnd, PBM_SETMARQUEE, bOn, nInterval); }
};
