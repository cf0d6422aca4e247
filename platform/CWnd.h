// CWnd.h: a C++ object over one HWND. The object is bound to its window
// once, in this base class (at WM_NCCREATE, at WM_INITDIALOG for dialogs, or
// when a control is subclassed) and unbound at WM_NCDESTROY, after which
// PostNcDestroy runs (self-owning windows delete themselves there). The
// window procedure finds its object in the window's own slot (GWLP_USERDATA,
// DWLP_USER for dialogs); FromHandle looks in a table in the program's memory
// (CWndHandleMap). Neither asks the window server. Messages reach the class's message map through one
// dispatcher, DispatchMsg: notifications and commands are first reflected to
// the control that sent them, commands then go through OnCmdMsg, everything
// else straight to OnWndMsg; what no entry handles gets default processing.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/AfxAssert.h"
#include "platform/CCmdTarget.h"
#include "platform/CRect.h"
#include "platform/CString.h"
#include "platform/EnableDlgControl.h"
#include "platform/MessageMap.h"

class CDC;
class CMenu;
class CScrollBar;
class CWnd;

// The window of p, null for a null pointer.
inline HWND HwndOf(const CWnd* p);

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
    DECLARE_MESSAGE_MAP()
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // A window that still exists when its object goes is destroyed with it.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to hWnd, or else a temporary wrapper that lives until
    // the thread's next idle time. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The object bound to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creates a window of any class; the object is bound before WM_NCCREATE.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle,
                  int x, int y, int cx, int cy, HWND hWndParent, HMENU hMenuOrID, LPVOID lpParam = nullptr);
    BOOL Create(LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Wraps an existing window without subclassing it; Detach lets go.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes an existing window's messages through this object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Called before a message is dispatched; true when it has been handled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The walk of PreTranslateMessage from the message's window up to its
    // top-level window; true when a window handled the message.
    static BOOL WalkPreTranslateTree(MSG* pMsg);
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The one dispatcher: reflection, commands, notifications, the map.
    bool DispatchMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // Default processing of the message being handled.
    LRESULT Default();
    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;

    // ---- thin wrappers: one Win32 call each ----
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageA(m_hWnd, msg, wp, lp); }
    LRESULT SendDlgItemMessage(int nID, UINT msg, WPARAM wp = 0, LPARAM lp = 0) const
        { return ::SendDlgItemMessageA(m_hWnd, nID, msg, wp, lp); }
    void SendMessageToDescendants(UINT msg, WPARAM wp = 0, LPARAM lp = 0, BOOL bDeep = TRUE) const;

    void SetWindowText(LPCSTR psz) { ::SetWindowTextA(m_hWnd, psz); }
    int GetWindowText(LPSTR psz, int nMax) const { return ::GetWindowTextA(m_hWnd, psz, nMax); }
    void GetWindowText(CString& str) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void SetDlgItemText(int nID, LPCSTR psz) { ::SetDlgItemTextA(m_hWnd, nID, psz); }
    int GetDlgItemText(int nID, CString& str) const;
    void SetDlgItemInt(int nID, UINT n, BOOL bSigned = TRUE) { ::SetDlgItemInt(m_hWnd, nID, n, bSigned); }
    UINT GetDlgItemInt(int nID, BOOL* pTrans = nullptr, BOOL bSigned = TRUE) const
        { return ::GetDlgItemInt(m_hWnd, nID, pTrans, bSigned); }
    void CheckDlgButton(int nID, UINT nCheck) { ::CheckDlgButton(m_hWnd, nID, nCheck); }
    UINT IsDlgButtonChecked(int nID) const { return ::IsDlgButtonChecked(m_hWnd, nID); }
    void CheckRadioButton(int nFirst, int nLast, int nCheck) { ::CheckRadioButton(m_hWnd, nFirst, nLast, nCheck); }
    int GetCheckedRadioButton(int nFirst, int nLast) const;

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    // A child control that holds the focus hands it on before it is disabled
    // (EnableDlgControl.h).
    BOOL EnableWindow(BOOL bEnable = TRUE) { return EnableDlgControl(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, HwndOf(pWnd)); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
    CWnd* GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    CWnd* GetNextDlgTabItem(CWnd* pCtl, BOOL bPrevious = FALSE) const
        { return FromHandle(::GetNextDlgTabItem(m_hWnd, HwndOf(pCtl), bPrevious)); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }

    void GetClientRect(LPRECT pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void GetWindowRect(LPRECT pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void ScreenToClient(LPPOINT pPoint) const { ::ScreenToClient(m_hWnd, pPoint); }
    void ScreenToClient(LPRECT pRect) const { ::MapWindowPoints(nullptr, m_hWnd, (LPPOINT)pRect, 2); }
    void ClientToScreen(LPPOINT pPoint) const { ::ClientToScreen(m_hWnd, pPoint); }
    void ClientToScreen(LPRECT pRect) const { ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)pRect, 2); }
    void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) { ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint); }
    void MoveWindow(LPCRECT pRect, BOOL bRepaint = TRUE)
        { MoveWindow(pRect->left, pRect->top, pRect->right - pRect->left, pRect->bottom - pRect->top, bRepaint); }
    BOOL SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT nFlags)
        { return ::SetWindowPos(m_hWnd, HwndOf(pAfter), x, y, cx, cy, nFlags); }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* pwp) const { pwp->length = sizeof(*pwp); return ::GetWindowPlacement(m_hWnd, pwp); }
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* pwp) { return ::SetWindowPlacement(m_hWnd, pwp); }
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT pRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, pRect, bErase); }
    void ValidateRect(LPCRECT pRect) { ::ValidateRect(m_hWnd, pRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT pRect = nullptr, HRGN hRgn = nullptr,
                      UINT nFlags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
        { return ::RedrawWindow(m_hWnd, pRect, hRgn, nFlags); }
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0); }

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfn = nullptr) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, pfn); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    DWORD GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }
    // Removes then adds style bits; with nFlags, SetWindowPos applies the frame change.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)hFont, bRedraw); }
    HFONT GetFontHandle() const { return (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0); }  // not owned
    HICON SetIcon(HICON hIcon, BOOL bBig) { return (HICON)::SendMessageA(m_hWnd, WM_SETICON, bBig, (LPARAM)hIcon); }
    HMENU GetMenuHandle() const { return ::GetMenu(m_hWnd); }  // not owned
    BOOL SetMenu(HMENU hMenu) { return ::SetMenu(m_hWnd, hMenu); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }

    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO psi) const { psi->cbSize = sizeof(*psi); return ::GetScrollInfo(m_hWnd, nBar, psi); }
    int SetScrollInfo(int nBar, LPSCROLLINFO psi, BOOL bRedraw = TRUE)
        { psi->cbSize = sizeof(*psi); return ::SetScrollInfo(m_hWnd, nBar, psi, bRedraw); }
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }
    void ScrollWindow(int dx, int dy, LPCRECT pRect = nullptr, LPCRECT pClip = nullptr)
        { ::ScrollWindow(m_hWnd, dx, dy, pRect, pClip); }

    // A message box owned by this window, centred over it.
    int MessageBox(LPCSTR pszText, LPCSTR pszCaption = nullptr, UINT nType = MB_OK) const;

    // Lets each child control with an id ask pTarget's update handlers for
    // its state; with bDisableIfNoHndler, push buttons without a command
    // handler are disabled.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // A child control as UpdateDialogControls sees it. A window that updates
    // its controls at every idle step keeps the list (GetDialogControls):
    // walking the children costs a server call per child under Wine.
    struct SDialogControl {
        HWND hWnd;
        UINT nID;
        bool bPush;   // a push button
    };
    std::vector<SDialogControl> GetDialogControls() const;
    static void UpdateDialogControls(const std::vector<SDialogControl>& controls, CCmdTarget* pTarget,
                                     BOOL bDisableIfNoHndler);

protected:
    // Window creation and end, for derived classes.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}
    // Whether the window's own messages go through this object's message map
    // once the window is subclassed. An object that takes its messages only
    // by reflection from its parent answers no: its window then keeps a
    // Unicode procedure in front that only passes every message on, so the
    // system converts no text between the sender and the control
    // (ListRowText.h tells why that matters for lists).
    virtual bool RoutesOwnMessages() const { return true; }
    // WM_COMMAND: reflection to the control, then OnCmdMsg. True when handled.
    virtual BOOL OnCommand(WPARAM wp, LPARAM lp);
    // WM_NOTIFY: reflection to the control, then the map. True when handled.
    virtual BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult);

    // Default handlers, for derived handlers to call on: default processing.
    int OnCreate(LPCREATESTRUCT) { return (int)Default(); }
    void OnDestroy() { Default(); }
    void OnNcDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnSizing(UINT, LPRECT) { Default(); }
    void OnMove(int, int) { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
    BOOL OnHelpInfo(HELPINFO*) { return (BOOL)Default(); }
    void OnContextMenu(CWnd*, CPoint) { Default(); }
    void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    void OnWindowPosChanging(WINDOWPOS*) { Default(); }
    void OnWindowPosChanged(WINDOWPOS*) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnSettingChange(UINT, LPCSTR) { Default(); }
    void OnSysColorChange() { Default(); }
    BOOL OnQueryEndSession() { return (BOOL)Default(); }
    void OnParentNotify(UINT, LPARAM) { Default(); }
    void OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
    void OnMenuSelect(UINT, UINT, HMENU) { Default(); }
    void OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
    void OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
    void OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
    BOOL OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    UINT OnGetDlgCode() { return (UINT)Default(); }
    void OnCaptureChanged(CWnd*) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnMouseLeave() { Default(); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnNcPaint() { Default(); }
    BOOL OnNcActivate(BOOL) { return (BOOL)Default(); }
    void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
    void OnNcLButtonDown(UINT, CPoint) { Default(); }
    void OnNcLButtonUp(UINT, CPoint) { Default(); }
    void OnNcLButtonDblClk(UINT, CPoint) { Default(); }
    void OnNcRButtonDown(UINT, CPoint) { Default(); }
    void OnNcMouseMove(UINT, CPoint) { Default(); }
    void OnNcMouseLeave() { Default(); }

    WNDPROC m_pfnSuper = nullptr;  // the window's own procedure when subclassed

    // Where a window procedure finds the object of its window.
    enum class BindSlot : unsigned char {
        None,      // nowhere: the system's procedure calls ours with the object (hooks)
        UserData,  // GWLP_USERDATA: AfxWndProc, for our classes and subclassed windows
        DlgUser,   // DWLP_USER: the dialog procedures
    };
    // Binding, for the window procedures: ties this object to h; and, after
    // WM_NCDESTROY, restores the window's own procedure, lets go and calls
    // PostNcDestroy (after which the object may be gone) unless the object
    // stays its creator's (bHandOver false).
    void BindHandle(HWND h, BindSlot slot);
    void FinishNcDestroy(bool bHandOver = true);

private:
    friend class CWndBinding;
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxPassOnProcW(HWND, UINT, WPARAM, LPARAM);
    // Clears the slot and the table entry of the bound window.
    void UnbindHandle();
    // Puts this object's procedure in front of the window's own; whether it
    // is still in front; gives the window its own procedure back.
    void InstallProcedure(HWND h);
    bool ProcedureInFront() const;
    void RestoreProcedure();
    BindSlot m_bindSlot = BindSlot::None;
    bool ReflectToChild(HWND hChild, UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
};

inline HWND HwndOf(const CWnd* p)
{
    return p ? p->m_hWnd : nullptr;
}

// The window procedure of every window bound to a CWnd (own classes and
// subclassed controls), but for those that take no messages of their own.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp);
// The Unicode procedure in front of a subclassed control whose object takes
// no messages of its own (RoutesOwnMessages): it passes everything on.
LRESULT CALLBACK AfxPassOnProcW(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp);

// No exception leaves a window, dialog or hook procedure of ours: one that
// escapes a handler is given to this hook (called inside the catch block, so
// it may rethrow to look at it), and the message's result is 0. Without a
// hook the exception is dropped. Returns the previous hook.
typedef void (*AfxWndProcExceptionHook)();
AfxWndProcExceptionHook AfxSetWndProcExceptionHook(AfxWndProcExceptionHook pfnHook);

// Hands the exception being caught to the hook; called inside a catch block.
void AfxReportProcedureException();

// The edge of a procedure the system calls: returns fn's result, or rFailed
// when an exception escapes fn, which is then reported as above. Unwinding
// stops here: the system's frames below cannot be unwound through by a C++
// exception.
template <class R, class F>
R AfxCallAtProcedureEdge(R rFailed, F&& fn)
{
    try {
        return fn();
    } catch (...) {
        AfxReportProcedureException();
        return rFailed;
    }
}

// Registers (once) a window class with AfxWndProc and returns its name.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
// The same under a name of the caller's, for windows that others look for
// by their class. Null when it cannot be registered.
LPCSTR RegisterNamedWndClass(LPCSTR pszName, UINT nClassStyle, HCURSOR hCursor = nullptr,
                             HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// Frees the temporary wrappers that FromHandle made on this thread.
void AfxDeleteTempObjects();
