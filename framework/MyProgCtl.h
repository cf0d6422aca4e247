// MyProgCtl.h: CMyProgCtl, a progress bar whose fill state (normal, error,
// paused, partial) is shown in its own colour (green, red, yellow, the
// default bar colour) in either bar shape. With visual styles the bar is
// drawn with the class "PROGRESS" and the fill in the state's colour over
// it; without them the common control draws itself in that colour.
#pragma once

#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "platform/CProgressCtrl.h"
#include "platform/MessageMap.h"

class CMyProgCtl : public CProgressCtrl {
public:
    // nBarPart PP_BAR or PP_BARVERT, nFillState PBFS_NORMAL ... PBFS_PARTIAL;
    // invalid values leave the defaults (PP_BAR, PBFS_NORMAL).
    explicit CMyProgCtl(int nBarPart = PP_BAR, int nFillState = PBFS_NORMAL);
    ~CMyProgCtl() override;

    // False for a part other than PP_BAR and PP_BARVERT.
    bool SetBarPart(int nBarPart);
    // False for a state outside PBFS_NORMAL ... PBFS_PARTIAL; sets the
    // state's colour for drawing without a theme too.
    bool SetFillState(int nFillState);
    int GetBarPart() const { return m_nBarPart; }
    int GetFillState() const { return m_nFillState; }
    COLORREF GetBarColor() const { return m_crBar; }
    // The theme data, open while the bar is drawn themed (not owned by callers).
    HTHEME GetTheme() const { return m_hTheme; }

protected:
    // PP_BAR draws smooth (PBS_SMOOTH); the vertical bar does not.
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCT pCreate);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wp, LPARAM lp);
    LRESULT OnThemeChanged(WPARAM wp, LPARAM lp);
    LRESULT OnCompositionChanged(WPARAM wp, LPARAM lp);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void OpenTheme();
    void CloseTheme();
    // Opens the theme data once for each theme (again after WM_THEMECHANGED);
    // true when the bar is to be drawn themed.
    bool DrawsThemed();
    // The bar as it shows, into hdc: themed (DrawThemed) or as the common
    // control draws it.
    void Draw(HDC hdc);
    void DrawThemed(HDC hdc);

    HTHEME m_hTheme = nullptr;
    bool m_bThemeOpened = false;  // m_hTheme is the answer for the current theme, null or not
    int m_nBarPart = PP_BAR;
    int m_nFillState = PBFS_NORMAL;
    COLORREF m_crBar = CLR_DEFAULT;
};
