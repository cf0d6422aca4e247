// DevListTree.cpp: the device-list bar's tree, painted off the screen.
#include "devices/DevListTree.h"

#include "platform/CDC.h"
#include "platform/CGdiObject.h"

BEGIN_MESSAGE_MAP(CDevListTree, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The part to paint is drawn, background and all, into a bitmap by the
// tree itself (WM_PRINTCLIENT), then copied to the screen at once.
void CDevListTree::OnPaint()
{
    CPaintDC dc(this);
    CRect rc = dc.m_ps.rcPaint;
    if (rc.IsRectEmpty())
        return;
    CDC mem;
    CBitmap bmp;
    if (!mem.CreateCompatibleDC(&dc) || !bmp.CreateCompatibleBitmap(dc, rc.Width(), rc.Height())) {
        DefWindowProc(WM_PRINTCLIENT, (WPARAM)(HDC)dc, PRF_CLIENT | PRF_ERASEBKGND);
        return;
    }
    CDCSelect select(mem, bmp);
    ::SetViewportOrgEx(mem, -rc.left, -rc.top, nullptr);
    DefWindowProc(WM_PRINTCLIENT, (WPARAM)(HDC)mem, PRF_CLIENT | PRF_ERASEBKGND);
    ::SetViewportOrgEx(mem, 0, 0, nullptr);
    dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &mem, 0, 0, SRCCOPY);
}

// The picture painted covers the background.
BOOL CDevListTree::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
