// cdxCDynamicDlg.h: cdxCDynamicDlg<T>, a dialog class T joined with the
// layout engine and position memory, and cdxCDynamicHelpDialog, the base
// of the system's resizable dialogs with the caption help button.
//
// The layout starts after the dialog's own initialisation and ends before
// its window goes (DestroyWindow or WM_DESTROY, whichever comes first), so
// the position is stored while the window still exists.
#pragma once

#include "framework/CHelpButtonDlg.h"
#include "framework/cdxCDynamicWndEx.h"

template <class T>
class cdxCDynamicDlg : public T, public cdxCDynamicWndEx {
    DECLARE_MESSAGE_MAP()
public:
    template <class... A>
    cdxCDynamicDlg(UINT nIDTemplate, UINT nFlags, A&&... args)
        : T(nIDTemplate, std::forward<A>(args)...), cdxCDynamicWndEx(nFlags)
    {
        if (nIDTemplate != 0)
            SetIdName(nIDTemplate);
    }
    ~cdxCDynamicDlg() override { EndDynamicLayout(); }

    BOOL OnInitDialog() override
    {
        BOOL bResult = T::OnInitDialog();
        InitDynamicLayout(this);
        return bResult;
    }
    BOOL DestroyWindow() override
    {
        EndDynamicLayout();
        return T::DestroyWindow();
    }
};

// The dialog answers first; the engine then follows the size, its limits and
// the children that go.
BEGIN_TEMPLATE_MESSAGE_MAP(cdxCDynamicDlg, T, T)
    ON_MESSAGE_WATCH(WM_DESTROY, EndDynamicLayout)
    ON_WM_TIMER_WATCH(OnLayoutTimer)
    ON_WM_SIZE_AFTER_BASE(DoOnSize)
    ON_WM_SIZING_AFTER_BASE(DoOnSizing)
    ON_WM_GETMINMAXINFO_AFTER_BASE(DoOnGetMinMaxInfo)
    ON_WM_PARENTNOTIFY_AFTER_BASE(DoOnParentNotify)
END_MESSAGE_MAP()

class cdxCDynamicHelpDialog : public cdxCDynamicDlg<CHelpButtonDlg> {
public:
    // With a size grip for the system's dialogs.
    explicit cdxCDynamicHelpDialog(UINT nIDTemplate, UINT nFlags = flSizeIcon, CWnd* pParent = nullptr)
        : cdxCDynamicDlg<CHelpButtonDlg>(nIDTemplate, nFlags, pParent)
    {
    }
};
