// COneStepStatic.cpp: a static text drawn in one step.
#include "platform/COneStepStatic.h"

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

BEGIN_MESSAGE_MAP(COneStepStatic, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

void COneStepStatic::OnPaint()
{
    PaintInOneStep(this);
}

// Kept as the system keeps a window's text, without the static's paint.
LRESULT COneStepStatic::OnSetText(WPARAM wp, LPARAM lp)
{
    LRESULT lResult = ::DefWindowProcA(m_hWnd, WM_SETTEXT, wp, lp);
    Invalidate(FALSE);
    return lResult;
}
