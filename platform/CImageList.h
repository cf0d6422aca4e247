// CImageList.h: an image list, owned: destroyed with the object, move-only.
// Controls borrow it (SetImageList takes the HIMAGELIST; the list must
// outlive the control, or be handed over with Detach and the control's
// shared-image style left off).
#pragma once

#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    CImageList(CImageList&& o) noexcept : m_hImageList(o.m_hImageList) { o.m_hImageList = nullptr; }
    CImageList& operator=(CImageList&& o) noexcept
    {
        if (this != &o) {
            DeleteImageList();
            m_hImageList = o.m_hImageList;
            o.m_hImageList = nullptr;
        }
        return *this;
    }
    ~CImageList() { DeleteImageList(); }

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
        { return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow)); }
    BOOL Attach(HIMAGELIST h) { DeleteImageList(); m_hImageList = h; return h != nullptr; }
    HIMAGELIST Detach() { HIMAGELIST h = m_hImageList; m_hImageList = nullptr; return h; }
    BOOL DeleteImageList()
    {
        BOOL ok = m_hImageList ? ::ImageList_Destroy(m_hImageList) : FALSE;
        m_hImageList = nullptr;
        return ok;
    }
    int Add(HBITMAP hbmImage, HBITMAP hbmMask) { return ::ImageList_Add(m_hImageList, hbmImage, hbmMask); }
    int Add(HBITMAP hbmImage, COLORREF crMask) { return ::ImageList_AddMasked(m_hImageList, hbmImage, crMask); }
    int Add(HICON hIcon) { return ::ImageList_AddIcon(m_hImageList, hIcon); }
    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    BOOL Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
    HICON ExtractIcon(int nImage) const { return ::ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }  // caller owns
    BOOL Draw(HDC hDC, int nImage, POINT pt, UINT nStyle) const
        { return ::ImageList_Draw(m_hImageList, nImage, hDC, pt.x, pt.y, nStyle); }
};
