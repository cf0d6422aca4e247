// MessageMap.h: the one message-dispatch idiom of the framework. A class
// declares DECLARE_MESSAGE_MAP() and its .cpp file lists its entries:
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_SIZE()
//       ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
//   END_MESSAGE_MAP()
//
// The map expands to the class's OnWndMsg: every entry is one `if` block that
// cracks wParam and lParam into the handler's typed arguments, stores the
// result in *pResult and returns true; END_MESSAGE_MAP hands whatever is left
// to the base class's map. Each entry below notes its handler's signature.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CCmdTarget.h"
#include "platform/CRect.h"

class CWnd;
class CDC;
class CMenu;
class CScrollBar;

#define DECLARE_MESSAGE_MAP() \
public:                       \
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(C, Base)                                      \
    bool C::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)  \
    {                                                                   \
        typedef Base TheBaseClass;

#define END_MESSAGE_MAP()                                     \
        return TheBaseClass::OnWndMsg(msg, wp, lp, pResult);  \
    }

// True for a command (code 0) with the id, and for a probe asking whether one
// is handled: the entry then answers without calling its handler.
#define VORN_IS_COMMAND_(id) \
    ((msg == WM_COMMAND && HIWORD(wp) == 0) || msg == WM_VORN_COMMANDPROBE) && LOWORD(wp) == (id)
#define VORN_IS_COMMAND_RANGE_(id1, id2) \
    ((msg == WM_COMMAND && HIWORD(wp) == 0) || msg == WM_VORN_COMMANDPROBE) && \
        LOWORD(wp) >= (id1) && LOWORD(wp) <= (id2)

// ---- commands and control notifications ----------------------------------

// void fn()
#define ON_COMMAND(id, fn) \
    if (VORN_IS_COMMAND_(id)) { if (msg == WM_COMMAND) fn(); *pResult = 0; return true; }
// BOOL fn(UINT nID): FALSE passes the command on
#define ON_COMMAND_EX(id, fn) \
    if (VORN_IS_COMMAND_(id) && (msg != WM_COMMAND || fn(LOWORD(wp)))) { *pResult = 0; return true; }
// void fn(UINT nID)
#define ON_COMMAND_RANGE(id1, id2, fn) \
    if (VORN_IS_COMMAND_RANGE_(id1, id2)) { if (msg == WM_COMMAND) fn(LOWORD(wp)); *pResult = 0; return true; }
// void fn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, fn) \
    if (msg == WM_VORN_UPDATECMDUI && wp == (WPARAM)(id)) { fn((CCmdUI*)lp); *pResult = 0; return true; }
// void fn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id1, id2, fn) \
    if (msg == WM_VORN_UPDATECMDUI && wp >= (WPARAM)(id1) && wp <= (WPARAM)(id2)) { fn((CCmdUI*)lp); *pResult = 0; return true; }
// void fn()
#define ON_CONTROL(nCode, id, fn) \
    if (msg == WM_COMMAND && HIWORD(wp) == (nCode) && LOWORD(wp) == (id)) { fn(); *pResult = 0; return true; }
// void fn(UINT nID)
#define ON_CONTROL_RANGE(nCode, id1, id2, fn) \
    if (msg == WM_COMMAND && HIWORD(wp) == (nCode) && LOWORD(wp) >= (id1) && LOWORD(wp) <= (id2)) { fn(LOWORD(wp)); *pResult = 0; return true; }

#define ON_BN_CLICKED(id, fn) ON_COMMAND(id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

// void fn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(nCode, id, fn) \
    if (msg == WM_NOTIFY && ((NMHDR*)lp)->code == (UINT)(nCode) && ((NMHDR*)lp)->idFrom == (UINT_PTR)(id)) { *pResult = 0; fn((NMHDR*)lp, pResult); return true; }
// void fn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_RANGE(nCode, id1, id2, fn) \
    if (msg == WM_NOTIFY && ((NMHDR*)lp)->code == (UINT)(nCode) && ((NMHDR*)lp)->idFrom >= (UINT_PTR)(id1) && ((NMHDR*)lp)->idFrom <= (UINT_PTR)(id2)) { *pResult = 0; fn((UINT)((NMHDR*)lp)->idFrom, (NMHDR*)lp, pResult); return true; }
// BOOL fn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult): FALSE passes it on
#define ON_NOTIFY_EX(nCode, id, fn) \
    if (msg == WM_NOTIFY && ((NMHDR*)lp)->code == (UINT)(nCode) && ((NMHDR*)lp)->idFrom == (UINT_PTR)(id) && fn((UINT)(id), (NMHDR*)lp, pResult)) { return true; }

// ---- reflected to the control that sent them ------------------------------

// void fn(NMHDR* pNMHDR, LRESULT* pResult): the parent no longer sees it
#define ON_NOTIFY_REFLECT(nCode, fn) \
    if (msg == WM_VORN_REFLECT_BASE + WM_NOTIFY && ((NMHDR*)lp)->code == (UINT)(nCode)) { *pResult = 0; fn((NMHDR*)lp, pResult); return true; }
// BOOL fn(NMHDR* pNMHDR, LRESULT* pResult): FALSE lets the parent see it too
#define ON_NOTIFY_REFLECT_EX(nCode, fn) \
    if (msg == WM_VORN_REFLECT_BASE + WM_NOTIFY && ((NMHDR*)lp)->code == (UINT)(nCode) && fn((NMHDR*)lp, pResult)) { return true; }
// void fn()
#define ON_CONTROL_REFLECT(nCode, fn) \
    if (msg == WM_VORN_REFLECT_BASE + WM_COMMAND && HIWORD(wp) == (nCode)) { fn(); *pResult = 0; return true; }
// BOOL fn(): FALSE lets the parent see it too
#define ON_CONTROL_REFLECT_EX(nCode, fn) \
    if (msg == WM_VORN_REFLECT_BASE + WM_COMMAND && HIWORD(wp) == (nCode) && fn()) { *pResult = 0; return true; }
#define ON_EN_CHANGE_REFLECT(fn) ON_CONTROL_REFLECT(EN_CHANGE, fn)
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): null lets the parent colour it
#define ON_WM_CTLCOLOR_REFLECT() \
    if (msg >= WM_VORN_REFLECT_BASE + WM_CTLCOLORMSGBOX && msg <= WM_VORN_REFLECT_BASE + WM_CTLCOLORSTATIC) { \
        CDC dc_((HDC)wp); HBRUSH hbr_ = CtlColor(&dc_, msg - WM_VORN_REFLECT_BASE - WM_CTLCOLORMSGBOX); \
        if (hbr_) { *pResult = (LRESULT)hbr_; return true; } }
// void DrawItem(LPDRAWITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT() \
    if (msg == WM_VORN_REFLECT_BASE + WM_DRAWITEM) { DrawItem((LPDRAWITEMSTRUCT)lp); *pResult = TRUE; return true; }

// ---- user and registered messages -----------------------------------------

// LRESULT fn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, fn) \
    if (msg == (UINT)(message)) { *pResult = fn(wp, lp); return true; }
// LRESULT fn(UINT message, WPARAM wParam, LPARAM lParam) for each message from m1 to m2
#define ON_MESSAGE_RANGE(m1, m2, fn) \
    if (msg >= (UINT)(m1) && msg <= (UINT)(m2)) { *pResult = fn(msg, wp, lp); return true; }
// LRESULT fn(WPARAM wParam, LPARAM lParam); nMsg holds RegisterWindowMessage's value
#define ON_REGISTERED_MESSAGE(nMsg, fn) \
    if (msg == (nMsg) && msg != 0) { *pResult = fn(wp, lp); return true; }
// void fn(WPARAM wParam, LPARAM lParam): a message posted to a thread
#define ON_THREAD_MESSAGE(message, fn) \
    if (msg == (UINT)(message)) { fn(wp, lp); *pResult = 0; return true; }

// ---- window messages -------------------------------------------------------

// int OnCreate(LPCREATESTRUCT): -1 fails the creation
#define ON_WM_CREATE() \
    if (msg == WM_CREATE) { *pResult = OnCreate((LPCREATESTRUCT)lp); return true; }
// void OnDestroy()
#define ON_WM_DESTROY() \
    if (msg == WM_DESTROY) { OnDestroy(); *pResult = 0; return true; }
// void OnNcDestroy()
#define ON_WM_NCDESTROY() \
    if (msg == WM_NCDESTROY) { OnNcDestroy(); *pResult = 0; return true; }
// void OnClose()
#define ON_WM_CLOSE() \
    if (msg == WM_CLOSE) { OnClose(); *pResult = 0; return true; }
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() \
    if (msg == WM_SIZE) { OnSize((UINT)wp, (short)LOWORD(lp), (short)HIWORD(lp)); *pResult = 0; return true; }
// void OnSizing(UINT nSide, LPRECT pRect)
#define ON_WM_SIZING() \
    if (msg == WM_SIZING) { OnSizing((UINT)wp, (LPRECT)lp); *pResult = TRUE; return true; }
// void OnMove(int x, int y)
#define ON_WM_MOVE() \
    if (msg == WM_MOVE) { OnMove((short)LOWORD(lp), (short)HIWORD(lp)); *pResult = 0; return true; }
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() \
    if (msg == WM_TIMER) { OnTimer((UINT_PTR)wp); *pResult = 0; return true; }
// void OnPaint()
#define ON_WM_PAINT() \
    if (msg == WM_PAINT) { OnPaint(); *pResult = 0; return true; }
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND() \
    if (msg == WM_ERASEBKGND) { CDC dc_((HDC)wp); *pResult = OnEraseBkgnd(&dc_); return true; }
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor): null means default colours
#define ON_WM_CTLCOLOR() \
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) { \
        CDC dc_((HDC)wp); HBRUSH hbr_ = OnCtlColor(&dc_, CWnd::FromHandle((HWND)lp), msg - WM_CTLCOLORMSGBOX); \
        if (hbr_) { *pResult = (LRESULT)hbr_; return true; } }
// BOOL OnHelpInfo(HELPINFO* pHelpInfo)
#define ON_WM_HELPINFO() \
    if (msg == WM_HELP) { *pResult = OnHelpInfo((HELPINFO*)lp); return true; }
// void OnContextMenu(CWnd* pWnd, CPoint point)
#define ON_WM_CONTEXTMENU() \
    if (msg == WM_CONTEXTMENU) { OnContextMenu(CWnd::FromHandle((HWND)wp), CPoint(lp)); *pResult = 0; return true; }
// void OnGetMinMaxInfo(MINMAXINFO* pMMI)
#define ON_WM_GETMINMAXINFO() \
    if (msg == WM_GETMINMAXINFO) { OnGetMinMaxInfo((MINMAXINFO*)lp); *pResult = 0; return true; }
// void OnWindowPosChanging(WINDOWPOS* pPos)
#define ON_WM_WINDOWPOSCHANGING() \
    if (msg == WM_WINDOWPOSCHANGING) { OnWindowPosChanging((WINDOWPOS*)lp); *pResult = 0; return true; }
// void OnWindowPosChanged(WINDOWPOS* pPos)
#define ON_WM_WINDOWPOSCHANGED() \
    if (msg == WM_WINDOWPOSCHANGED) { OnWindowPosChanged((WINDOWPOS*)lp); *pResult = 0; return true; }
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW() \
    if (msg == WM_SHOWWINDOW) { OnShowWindow((BOOL)wp, (UINT)lp); *pResult = 0; return true; }
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE() \
    if (msg == WM_ACTIVATE) { OnActivate(LOWORD(wp), CWnd::FromHandle((HWND)lp), HIWORD(wp)); *pResult = 0; return true; }
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS() \
    if (msg == WM_SETFOCUS) { OnSetFocus(CWnd::FromHandle((HWND)wp)); *pResult = 0; return true; }
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS() \
    if (msg == WM_KILLFOCUS) { OnKillFocus(CWnd::FromHandle((HWND)wp)); *pResult = 0; return true; }
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() \
    if (msg == WM_SETCURSOR) { *pResult = OnSetCursor(CWnd::FromHandle((HWND)wp), LOWORD(lp), HIWORD(lp)); return true; }
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() \
    if (msg == WM_SYSCOMMAND) { OnSysCommand((UINT)wp, lp); *pResult = 0; return true; }
// void fn(), for the one system command nSc; other system commands go on
#define ON_SYSCOMMAND_ID(nSc, fn) \
    if (msg == WM_SYSCOMMAND && ((UINT)wp & 0xFFF0) == (UINT)(nSc)) { fn(); *pResult = 0; return true; }
// void OnSettingChange(UINT uFlags, LPCSTR pszSection)
#define ON_WM_SETTINGCHANGE() \
    if (msg == WM_SETTINGCHANGE) { OnSettingChange((UINT)wp, (LPCSTR)lp); *pResult = 0; return true; }
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() \
    if (msg == WM_SYSCOLORCHANGE) { OnSysColorChange(); *pResult = 0; return true; }
// BOOL OnQueryEndSession()
#define ON_WM_QUERYENDSESSION() \
    if (msg == WM_QUERYENDSESSION) { *pResult = OnQueryEndSession(); return true; }
// void OnParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY() \
    if (msg == WM_PARENTNOTIFY) { OnParentNotify((UINT)wp, lp); *pResult = 0; return true; }
// void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP() \
    if (msg == WM_INITMENUPOPUP) { CMenu menu_((HMENU)wp, false); OnInitMenuPopup(&menu_, LOWORD(lp), HIWORD(lp)); *pResult = 0; return true; }
// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT() \
    if (msg == WM_MENUSELECT) { OnMenuSelect(LOWORD(wp), HIWORD(wp), (HMENU)lp); *pResult = 0; return true; }
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDIS)
#define ON_WM_DRAWITEM() \
    if (msg == WM_DRAWITEM) { OnDrawItem((int)wp, (LPDRAWITEMSTRUCT)lp); *pResult = TRUE; return true; }
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT pMIS)
#define ON_WM_MEASUREITEM() \
    if (msg == WM_MEASUREITEM) { OnMeasureItem((int)wp, (LPMEASUREITEMSTRUCT)lp); *pResult = TRUE; return true; }
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL() \
    if (msg == WM_HSCROLL) { OnHScroll(LOWORD(wp), (short)HIWORD(wp), (CScrollBar*)CWnd::FromHandle((HWND)lp)); *pResult = 0; return true; }
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL() \
    if (msg == WM_VSCROLL) { OnVScroll(LOWORD(wp), (short)HIWORD(wp), (CScrollBar*)CWnd::FromHandle((HWND)lp)); *pResult = 0; return true; }
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL() \
    if (msg == WM_MOUSEWHEEL) { *pResult = OnMouseWheel(LOWORD(wp), (short)HIWORD(wp), CPoint(lp)); return true; }
// void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR() \
    if (msg == WM_CHAR) { OnChar((UINT)wp, LOWORD(lp), HIWORD(lp)); *pResult = 0; return true; }
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN() \
    if (msg == WM_KEYDOWN) { OnKeyDown((UINT)wp, LOWORD(lp), HIWORD(lp)); *pResult = 0; return true; }
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() \
    if (msg == WM_GETDLGCODE) { *pResult = OnGetDlgCode(); return true; }
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED() \
    if (msg == WM_CAPTURECHANGED) { OnCaptureChanged(CWnd::FromHandle((HWND)lp)); *pResult = 0; return true; }
// void OnDropFiles(HDROP hDrop)
#define ON_WM_DROPFILES() \
    if (msg == WM_DROPFILES) { OnDropFiles((HDROP)wp); *pResult = 0; return true; }

// Mouse buttons and moves in the client area: void fn(UINT nFlags, CPoint point)
#define VORN_ON_MOUSE_(message, fn) \
    if (msg == (message)) { fn((UINT)wp, CPoint(lp)); *pResult = 0; return true; }
#define ON_WM_MOUSEMOVE() VORN_ON_MOUSE_(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() VORN_ON_MOUSE_(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() VORN_ON_MOUSE_(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() VORN_ON_MOUSE_(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() VORN_ON_MOUSE_(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() VORN_ON_MOUSE_(WM_RBUTTONUP, OnRButtonUp)
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() \
    if (msg == WM_MOUSELEAVE) { OnMouseLeave(); *pResult = 0; return true; }

// ---- non-client area -------------------------------------------------------

// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST() \
    if (msg == WM_NCHITTEST) { *pResult = OnNcHitTest(CPoint(lp)); return true; }
// void OnNcPaint()
#define ON_WM_NCPAINT() \
    if (msg == WM_NCPAINT) { OnNcPaint(); *pResult = 0; return true; }
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE() \
    if (msg == WM_NCACTIVATE) { *pResult = OnNcActivate((BOOL)wp); return true; }
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* pParams)
#define ON_WM_NCCALCSIZE() \
    if (msg == WM_NCCALCSIZE) { OnNcCalcSize((BOOL)wp, (NCCALCSIZE_PARAMS*)lp); *pResult = 0; return true; }
// Non-client mouse messages: void fn(UINT nHitTest, CPoint point) (screen coordinates)
#define ON_WM_NCLBUTTONDOWN() VORN_ON_MOUSE_(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() VORN_ON_MOUSE_(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() VORN_ON_MOUSE_(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() VORN_ON_MOUSE_(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCMOUSEMOVE() VORN_ON_MOUSE_(WM_NCMOUSEMOVE, OnNcMouseMove)
// void OnNcMouseLeave()
#define ON_WM_NCMOUSELEAVE() \
    if (msg == WM_NCMOUSELEAVE) { OnNcMouseLeave(); *pResult = 0; return true; }

// ---- class templates ---------------------------------------------------------
//
// A class template declares DECLARE_MESSAGE_MAP() as any class does; its map
// is written in its header, with the template's parameter names (at most
// three) after the class and its base:
//
//   BEGIN_TEMPLATE_MESSAGE_MAP(cdxCDynPropPage, P, P, DP, DS)
//       ON_WM_SIZE()
//   END_MESSAGE_MAP()
//
// The handlers an entry names must be members of the template or of a base
// that does not depend on its parameters: names of a dependent base are not
// seen in a template (call them through a member of the template).
#define VORN_TEMPLATE_PARAMS_(...) VORN_TEMPLATE_PARAMS_N_(__VA_ARGS__, VORN_TP3_, VORN_TP2_, VORN_TP1_, )(__VA_ARGS__)
#define VORN_TEMPLATE_PARAMS_N_(a, b, c, N, ...) N
#define VORN_TP1_(a) class a
#define VORN_TP2_(a, b) class a, class b
#define VORN_TP3_(a, b, c) class a, class b, class c

#define BEGIN_TEMPLATE_MESSAGE_MAP(C, Base, ...)                                       \
    template <VORN_TEMPLATE_PARAMS_(__VA_ARGS__)>                                      \
    bool C<__VA_ARGS__>::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)    \
    {                                                                                  \
        typedef Base TheBaseClass;

// ---- entries that watch a message rather than answer it ----------------------
//
// A class that adds to whatever its base does (the layout engine, the caption
// help button) sees some messages without taking them from the base. A
// watching entry calls its handler and lets the message go on to the entries
// below it and to the base. An after-base entry lets the base's map answer
// first (default processing, when no entry there does), then calls its
// handler, and ends the dispatch with the base's answer.

// void fn()
#define ON_MESSAGE_WATCH(message, fn) \
    if (msg == (UINT)(message)) fn();
// void fn(UINT_PTR nIDEvent)
#define ON_WM_TIMER_WATCH(fn) \
    if (msg == WM_TIMER) fn((UINT_PTR)wp);
// void fn(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND_WATCH(fn) \
    if (msg == WM_SYSCOMMAND) fn((UINT)wp, lp);

#define VORN_AFTER_BASE_(message, call)                                   \
    if (msg == (message)) {                                               \
        if (!TheBaseClass::OnWndMsg(msg, wp, lp, pResult))                \
            *pResult = this->DefWindowProc(msg, wp, lp);                  \
        call;                                                             \
        return true;                                                      \
    }
// void fn(UINT nType, int cx, int cy)
#define ON_WM_SIZE_AFTER_BASE(fn) \
    VORN_AFTER_BASE_(WM_SIZE, fn((UINT)wp, (short)LOWORD(lp), (short)HIWORD(lp)))
// void fn(UINT nSide, LPRECT pRect)
#define ON_WM_SIZING_AFTER_BASE(fn) \
    VORN_AFTER_BASE_(WM_SIZING, fn((UINT)wp, (LPRECT)lp))
// void fn(MINMAXINFO* pMMI)
#define ON_WM_GETMINMAXINFO_AFTER_BASE(fn) \
    VORN_AFTER_BASE_(WM_GETMINMAXINFO, fn((MINMAXINFO*)lp))
// void fn(UINT message, LPARAM lParam): as OnParentNotify
#define ON_WM_PARENTNOTIFY_AFTER_BASE(fn) \
    VORN_AFTER_BASE_(WM_PARENTNOTIFY, fn((UINT)wp, lp))
