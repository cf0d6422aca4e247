// HelpButtonWnd.h: CHelpButtonWnd<T>, the window base that puts a question-
// mark help button into the caption of a dialog, sheet or frame (left of
// the system's caption buttons) and answers help requests: a What's-This
// click shows a balloon from the window's balloon-string table, F1 opens the
// HTML Help topic of the focused control, the Help button the window's topic.
//
// T is the framework base (CDialog, CPropertyPage, CPropertySheet ...). The
// button is drawn by excluding it from the default frame paint and painting
// it once on top, so it never flickers; a 25 ms hover timer runs only while
// the cursor is over it.
#pragma once

#include <windows.h>
#include <vssym32.h>

#include <optional>
#include <string>
#include <utility>

#include "framework/HelpButtonCaption.h"
#include "framework/HelpButtonHelp.h"
#include "framework/HelpButtonMetrics.h"
#include "framework/HelpKeys.h"
#include "framework/VisualStylesXP.h"
#include "framework/WhatsThisMode.h"
#include "platform/AfxIds.h"
#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/CWnd.h"
#include "platform/Trace.h"
#include "platform/CWinApp.h"
#include "platform/WinOSFlavor.h"

class CHelpButtonPropertyPage;
// The dialog id of a help page (its own help keys); defined with the page.
UINT HelpPageDialogId(CHelpButtonPropertyPage* pPage);

const UINT_PTR IDT_HELPBUTTON_HOVER = 291;
const UINT kHelpButtonHoverMs = 25;
const UINT kWmKeyF1 = 0x004D;  // the F1 notification Windows posts on an F1 key press

template <class T>
class CHelpButtonWnd : public T {
    DECLARE_MESSAGE_MAP()
public:
    // nIDTemplate is the dialog id of the help keys; the rest goes to T.
    template <class... A>
    explicit CHelpButtonWnd(UINT nIDTemplate, A&&... args) : T(std::forward<A>(args)...), m_nIDTemplate(nIDTemplate)
    {
        ResetHelpButtonState();
    }
    ~CHelpButtonWnd() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- the button ----
    virtual void ShowHelpButton(BOOL bShow);
    virtual void EnableHelpButton(BOOL bEnable);
    virtual BOOL IsHelpButtonVisible() { return m_bHelpButtonVisible; }
    virtual BOOL IsHelpButtonEnabled() { return m_bHelpButtonEnabled; }
    // Sets the window text and repaints the caption.
    virtual void SetCaptionText(LPCSTR pszText);
    virtual CHelpButtonPropertyPage* GetActiveHelpPage() { return nullptr; }
    virtual UINT GetHelpDialogId() { return m_nIDTemplate; }
    virtual bool IsWizard() { return false; }
    virtual bool CanDrawHelpButton() { return m_bNcPaintAllowed != 0; }
    virtual const char* GetHelpClassName() { return "CHelpButtonWnd"; }
    virtual bool IsMainWindow();
    virtual bool IsTopLevelWindow(HWND hWnd);

    // ---- the help tables ----
    virtual void SetHelpString(DWORD dwKey, UINT nStringId) { m_HelpStrings[dwKey] = nStringId; }
    virtual CString GetHelpString(DWORD dwKey);
    virtual void RegisterStandardHelpStrings();
    virtual void SetHelpId(DWORD dwKey, UINT nHelpId) {}
    virtual UINT GetHelpId(DWORD dwKey);
    virtual void RegisterHelpStrings() {}

    // ---- help requests ----
    virtual void ShowWindowHelp();
    virtual CString LookupHelpString(CHelpStringsMap* pMap, DWORD dwKey);
    virtual void ShowHtmlHelp(UINT nCommand, DWORD_PTR dwData, HWND hCaller);
    virtual void RaiseHelpWindow(HWND hHelp, HWND hOwner) { RaiseHelpWindowOver(hHelp, hOwner); }

    // ---- state and drawing ----
    virtual void ResetHelpButtonState();
    virtual void RaiseHelpButton() { m_bButtonUp = TRUE; DrawHelpButton(nullptr); }
    virtual void PushHelpButton() { m_bButtonUp = FALSE; DrawHelpButton(nullptr); }
    virtual BOOL HitTestHelpButton(int x, int y);
    virtual int GetHelpButtonState();
    // Finds the button's place (m_rcHelpButton) and paints it there, into
    // hdc or, when none is given, the window's DC.
    virtual void DrawHelpButton(HDC hdc);
    // Paints the button at m_rcHelpButton as it is.
    void PaintHelpButton(HDC hdcWnd);
    virtual RECT GetHelpButtonRect();
    virtual SIZE GetHelpButtonSize();
    virtual RECT GetHelpButtonHitRect();
    // The part of the button at rcButton that answers the mouse.
    RECT HitRectOf(RECT rcButton);
    // ---- the caption under desktop composition ----
    virtual void ClearCompositedFrame();
    virtual void PaintCompositedCaption();
    virtual void DrawCompositedCaptionText(HDC hdc);
    virtual void DrawCompositedSysMenuIcon(HDC hdc);
    virtual RECT GetWindowFrameRect();
    virtual RECT GetSysMenuIconRect();
    virtual RECT GetCaptionRect();
    virtual int GetCaptionHeight();
    virtual SIZE GetCaptionTextExtent();
    virtual SIZE GetVisibleFrameSize();
    virtual SIZE GetFrameSize();

    bool IsHelpButtonCaptured() const { return m_bCaptured != FALSE; }
    bool IsHelpButtonHot() const { return m_bHot != FALSE; }
    UINT_PTR HoverTimer() const { return m_nHoverTimer; }

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnNcPaint();
    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnNcHitTest(CPoint pt);
    void OnNcLButtonDown(UINT nHitTest, CPoint pt);
    void OnNcRButtonDown(UINT nHitTest, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // SC_CONTEXTHELP: What's-This mode; the clicked control (or area) gets
    // the help request, which shows its balloon, and is not operated.
    void OnContextHelpMode();
    LRESULT OnThemeChangedMsg(WPARAM, LPARAM);
    LRESULT OnCompositionChangedMsg(WPARAM, LPARAM);
    LRESULT OnSetTextMsg(WPARAM, LPARAM);
    void OnHelp();

    // What WM_CREATE sets up; dialogs, which get no WM_CREATE, run it from
    // their initialisation.
    void InitHelpButton();
    void EndCapture();
    bool ButtonLive() { return CanDrawHelpButton() && m_bHelpButtonVisible; }
    bool WindowDisabled() { return (this->GetStyle() & WS_DISABLED) != 0; }
    bool Composed() { return g_VisualStylesXP.IsCompositionActive() != FALSE; }
    RECT GetHelpButtonRectComposed();
    // The caption left of the help button rcButton, uncomposed.
    CaptionTitleStrip GetCaptionTitleStrip(const RECT& rcButton);
    void DrawCaptionTextInto(HDC hdcMem, int nCaption);
    void TrackComposedHover(const MSG* pMsg);

    RECT m_rcHelpButton = {0, 0, 0, 0};
    HTHEME m_hTheme = nullptr;
    BOOL m_bActive = FALSE;
    BOOL m_bHelpButtonVisible = TRUE;
    BOOL m_bHelpButtonEnabled = TRUE;
    BOOL m_bCaptured = FALSE;
    BOOL m_bButtonUp = TRUE;
    BOOL m_bHot = FALSE;
    BYTE m_bContextHelpMode = 0;
    UINT m_nIDTemplate;
    CHelpStringsMap m_HelpStrings;
    CHelpIdRemap m_HelpIds;
    BYTE m_bNcPaintAllowed = 1;
    CFont m_CaptionFont;
    UINT_PTR m_nHoverTimer = 0;
};

#include "framework/HelpButtonWndImpl.h"
