// cdxCSizeIconCtrl.cpp: the size grip.
#include "framework/cdxCSizeIconCtrl.h"

#include <commctrl.h>

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(cdxCSizeIconCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

const UINT kObmSize = 32766;  // OBM_SIZE

struct GripImage {
    HIMAGELIST hList = nullptr;
    SIZE size = {0, 0};
    GripImage()
    {
        HBITMAP hBmp = ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmSize));
        BITMAP bm = {};
        if (!hBmp || !::GetObjectA(hBmp, sizeof(bm), &bm))
            return;
        size = SIZE{bm.bmWidth, bm.bmHeight};
        hList = ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR4 | ILC_MASK, 0, 1);
        if (hList)
            ImageList_AddMasked(hList, hBmp, ::GetSysColor(COLOR_BTNFACE));
        ::DeleteObject(hBmp);
    }
    ~GripImage()
    {
        if (hList)
            ImageList_Destroy(hList);
    }
};

}  // namespace

HIMAGELIST cdxCSizeIconCtrl::GripImages(SIZE* pSize)
{
    static GripImage s_image;
    if (pSize)
        *pSize = s_image.size;
    return s_image.hList;
}

BOOL cdxCSizeIconCtrl::Create(CWnd* pParent, UINT nID)
{
    RECT rc;
    pParent->GetClientRect(&rc);
    if (!CreateEx(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN, rc, pParent, nID))
        return FALSE;
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    return TRUE;
}

bool cdxCSizeIconCtrl::Hidden() const
{
    HWND hParent = ::GetParent(m_hWnd);
    return !hParent || (m_bHideIfParentMaximized && ::IsZoomed(hParent));
}

void cdxCSizeIconCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (Hidden())
        return;
    SIZE size;
    HIMAGELIST hList = GripImages(&size);
    RECT rc;
    GetClientRect(&rc);
    if (hList)
        ImageList_Draw(hList, 0, dc.m_hDC, rc.right - size.cx, rc.bottom - size.cy, ILD_TRANSPARENT);
}

BOOL cdxCSizeIconCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (Hidden())
        return (BOOL)Default();
    ::SetCursor(nHitTest == HTCLIENT ? ::LoadCursor(nullptr, IDC_SIZENWSE) : nullptr);
    return TRUE;
}
