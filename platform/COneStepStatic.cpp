// COneStepStatic.cpp: a static text drawn in one step.
#include "platform/COneStepStatic.h"

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

BEGIN_MESSAGE_MAP(COneStepStatic, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

// The parent's ground first, as it stands behind the control (a static
// that the parent's colours make transparent draws its text alone).
void COneStepStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawInOneStep(dc, rc, [this](HDC hdc) {
        if (HWND hParent = ::GetParent(m_hWnd)) {
            POINT pt = {0, 0};
            ::MapWindowPoints(hParent, m_hWnd, &pt, 1);
            PrintClientInto(hParent, hdc, pt, true);
        }
        PrintClientInto(m_hWnd, hdc, POINT{0, 0}, false);
    });
}

// Kept as the system keeps a window's text, without the static's paint.
LRESULT COneStepStatic::OnSetText(WPARAM wp, LPARAM lp)
{
    LRESULT lResult = ::DefWindowProcA(m_hWnd, WM_SETTEXT, wp, lp);
    Invalidate(FALSE);
    return lResult;
}
