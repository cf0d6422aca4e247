// CSliderCtrl.h: a track bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CSliderCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, TRACKBAR_CLASSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
        ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
    }
    int GetRangeMin() const { return (int)::SendMessageA(m_hWnd, TBM_GETRANGEMIN, 0, 0); }
    int GetRangeMax() const { return (int)::SendMessageA(m_hWnd, TBM_GETRANGEMAX, 0, 0); }
    int GetPos() const { return (int)::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0); }
    void SetPos(int nPos) { ::SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos); }
    void SetTicFreq(int nFreq) { ::SendMessageA(m_hWnd, TBM_SETTICFREQ, (WPARAM)nFreq, 0); }
    int SetPageSize(int nSize) { return (int)::SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, nSize); }
    int SetLineSize(int nSize) { return (int)::SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, nSize); }
};
