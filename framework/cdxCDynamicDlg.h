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
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;
};

// The message routing: the base first, then the engine.
template <class T>
bool cdxCDynamicDlg<T>::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    if (msg == WM_DESTROY)
        EndDynamicLayout();
    bool bHandled = T::OnWndMsg(msg, wp, lp, pResult);
    if (!bHandled && (msg == WM_SIZE || msg == WM_SIZING || msg == WM_GETMINMAXINFO || msg == WM_PARENTNOTIFY)) {
        *pResult = this->DefWindowProc(msg, wp, lp);
        bHandled = true;
    }
    switch (msg) {
    case WM_SIZE: DoOnSize((UINT)wp, LOWORD(lp), HIWORD(lp)); break;
    case WM_SIZING: DoOnSizing((UINT)wp, (LPRECT)lp); *pResult = TRUE; break;
    case WM_GETMINMAXINFO: DoOnGetMinMaxInfo((MINMAXINFO*)lp); *pResult = 0; break;
    case WM_PARENTNOTIFY: DoOnParentNotify((UINT)wp, (HWND)lp); break;
    case WM_TIMER: OnLayoutTimer((UINT_PTR)wp); break;
    default: break;
    }
    return bHandled;
}

class cdxCDynamicHelpDialog : public cdxCDynamicDlg<CHelpButtonDlg> {
public:
    // Layout flags 5 (size grip, window bits kept) for the system's dialogs.
    explicit cdxCDynamicHelpDialog(UINT nIDTemplate, UINT nFlags = flSizeIcon | flNoCopyBits, CWnd* pParent = nullptr)
        : cdxCDynamicDlg<CHelpButtonDlg>(nIDTemplate, nFlags, pParent)
    {
    }
};
