// CWnd.cpp: binding of HWNDs to objects, creation, subclassing and the one
// message dispatcher.
#include "platform/CWnd.h"

#include "platform/ActivationHandBack.h"
#include "platform/AfxThreadState.h"
#include "platform/BCMenu.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/CMenu.h"
#include "platform/WindowStacking.h"
#include "platform/WndHandleMap.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// The message being dispatched, kept for Default() while nested messages run.
class CurrentMsgScope {
public:
    CurrentMsgScope(HWND h, UINT msg, WPARAM wp, LPARAM lp)
        : m_state(AfxGetThreadState()), m_pPrev(m_state.pCurrentMsg)
    {
        m_msg.hwnd = h; m_msg.message = msg; m_msg.wParam = wp; m_msg.lParam = lp;
        m_state.pCurrentMsg = &m_msg;
    }
    ~CurrentMsgScope() { m_state.pCurrentMsg = m_pPrev; }

private:
    AfxThreadState& m_state;
    const MSG* m_pPrev;
    MSG m_msg = {};
};

bool IsReflectedToChild(UINT msg)
{
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_DRAWITEM ||
           msg == WM_MEASUREITEM || msg == WM_HSCROLL || msg == WM_VSCROLL;
}

// The control a reflectable message (other than command and notify) is about.
HWND ReflectTarget(HWND hParent, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DRAWITEM)
        return ((LPDRAWITEMSTRUCT)lp)->CtlType == ODT_MENU ? nullptr : ((LPDRAWITEMSTRUCT)lp)->hwndItem;
    if (msg == WM_MEASUREITEM)
        return ((LPMEASUREITEMSTRUCT)lp)->CtlType == ODT_MENU ? nullptr
                                                              : ::GetDlgItem(hParent, (int)wp);
    return (HWND)lp;
}

}  // namespace

AfxThreadState& AfxGetThreadState()
{
    static thread_local AfxThreadState state;
    return state;
}

// ---- binding ---------------------------------------------------------------

// A subclassed control of the system's classes leaves GWLP_USERDATA to the
// application, so the slot is free there as in our own classes.
void CWnd::BindHandle(HWND h, BindSlot slot)
{
    m_hWnd = h;
    m_bindSlot = slot;
    if (slot == BindSlot::UserData)
        ::SetWindowLongPtrA(h, GWLP_USERDATA, (LONG_PTR)this);
    else if (slot == BindSlot::DlgUser)
        ::SetWindowLongPtrA(h, DWLP_USER, (LONG_PTR)this);
    CWndHandleMap::Add(h, this);
}

void CWnd::UnbindHandle()
{
    if (m_bindSlot == BindSlot::UserData)
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    else if (m_bindSlot == BindSlot::DlgUser)
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    m_bindSlot = BindSlot::None;
    CWndHandleMap::Remove(m_hWnd, this);
    m_hWnd = nullptr;
}

void CWnd::FinishNcDestroy(bool bHandOver)
{
    if (m_pfnSuper && ProcedureInFront())
        RestoreProcedure();
    m_pfnSuper = nullptr;
    UnbindHandle();
    if (bHandOver)
        PostNcDestroy();
}

// Everything goes on to the window's own procedure as it came, in Unicode,
// so that no text is converted on the way; the window's end is still seen.
LRESULT CALLBACK AfxPassOnProcW(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* p = (CWnd*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
    if (!p || !p->m_pfnSuper)
        return ::DefWindowProcW(hWnd, msg, wp, lp);
    LRESULT r = ::CallWindowProcW(p->m_pfnSuper, hWnd, msg, wp, lp);
    if (msg == WM_NCDESTROY)
        p->FinishNcDestroy();
    return r;
}

void CWnd::InstallProcedure(HWND h)
{
    if (RoutesOwnMessages())
        m_pfnSuper = (WNDPROC)::SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    else
        m_pfnSuper = (WNDPROC)::SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)AfxPassOnProcW);
}

bool CWnd::ProcedureInFront() const
{
    // A procedure set in one character set reads back as itself only in that one.
    return RoutesOwnMessages() ? (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc
                               : (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == AfxPassOnProcW;
}

void CWnd::RestoreProcedure()
{
    if (m_pfnSuper && RoutesOwnMessages())
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    else if (m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
}

namespace {

// The creation hook goes as soon as its object is bound: every window made
// while a hook is installed calls it (server round trips under Wine), and
// the windows a window makes while it is created (a bar's dialog and its
// controls) need no binding by it.
void ReleaseCreationHook(AfxThreadState& st)
{
    if (st.hCbtHook)
        ::UnhookWindowsHookEx(st.hCbtHook);
    st.hCbtHook = nullptr;
}

}  // namespace

// The creation hook: binds the waiting object to the first window made, and
// subclasses it when its class has another window procedure (a control).
// Windows of our own classes wait for WM_NCCREATE instead.
class CWndBinding {
public:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wp, LPARAM lp)
    {
        AfxThreadState& st = AfxGetThreadState();
        HHOOK hHook = st.hCbtHook;
        bool bBound = false;
        if (nCode == HCBT_CREATEWND && st.pWndInit) {
            HWND h = (HWND)wp;
            CWnd* p = st.pWndInit;
            if ((WNDPROC)::GetWindowLongPtrA(h, GWLP_WNDPROC) != AfxWndProc) {
                st.pWndInit = nullptr;
                p->BindHandle(h, CWnd::BindSlot::UserData);
                p->InstallProcedure(h);
                bBound = true;
            }
        }
        LRESULT r = ::CallNextHookEx(hHook, nCode, wp, lp);
        if (bBound)
            ReleaseCreationHook(st);
        return r;
    }
};

namespace {
AfxWndProcExceptionHook g_pfnWndProcExceptionHook = nullptr;
}  // namespace

AfxWndProcExceptionHook AfxSetWndProcExceptionHook(AfxWndProcExceptionHook pfnHook)
{
    AfxWndProcExceptionHook pfnPrev = g_pfnWndProcExceptionHook;
    g_pfnWndProcExceptionHook = pfnHook;
    return pfnPrev;
}

void AfxReportProcedureException()
{
    if (g_pfnWndProcExceptionHook)
        g_pfnWndProcExceptionHook();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    // Only windows bound to an object (or about to be) run this procedure,
    // so the slot holds our pointer or nothing.
    CWnd* p = (CWnd*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (!p) {
        // Windows of our own classes are bound at WM_NCCREATE; what comes
        // before (WM_GETMINMAXINFO for top-level windows) gets default processing.
        AfxThreadState& st = AfxGetThreadState();
        if (msg != WM_NCCREATE || !st.pWndInit)
            return ::DefWindowProcA(hWnd, msg, wp, lp);
        p = st.pWndInit;
        st.pWndInit = nullptr;
        ReleaseCreationHook(st);
        p->BindHandle(hWnd, CWnd::BindSlot::UserData);
    }
    LRESULT r = AfxCallAtProcedureEdge((LRESULT)0, [&] { return p->WindowProc(msg, wp, lp); });
    if (msg == WM_NCDESTROY)
        p->FinishNcDestroy();
    return r;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? CWndHandleMap::Find(hWnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd))
        return p;
    auto& temps = AfxGetThreadState().tempWnds;
    std::unique_ptr<CWnd>& slot = temps[hWnd];
    if (!slot) {
        slot.reset(new CWnd);
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void AfxDeleteTempObjects()
{
    for (auto& kv : AfxGetThreadState().tempWnds)
        kv.second->m_hWnd = nullptr;
    AfxGetThreadState().tempWnds.clear();
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindowHandingBackActivation(m_hWnd);  // WM_NCDESTROY unbinds
    m_hWnd = nullptr;
}

// ---- creation ------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&)
{
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle, int x,
                    int y, int cx, int cy, HWND hWndParent, HMENU hMenuOrID, LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle; cs.lpszClass = pszClassName; cs.lpszName = pszWindowName;
    cs.style = dwStyle; cs.x = x; cs.y = y; cs.cx = cx; cs.cy = cy;
    cs.hwndParent = hWndParent; cs.hMenu = hMenuOrID; cs.lpCreateParams = lpParam;
    cs.hInstance = ::GetModuleHandleA(nullptr);
    if (!PreCreateWindow(cs))
        return FALSE;

    AfxThreadState& st = AfxGetThreadState();
    CWnd* pPrevInit = st.pWndInit;
    HHOOK hPrevHook = st.hCbtHook;
    st.pWndInit = this;
    st.hCbtHook = ::SetWindowsHookExA(WH_CBT, CWndBinding::CbtProc, nullptr, ::GetCurrentThreadId());
    HWND h = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                               cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    ReleaseCreationHook(st);  // when the window was not made
    st.hCbtHook = hPrevHook;
    st.pWndInit = pPrevInit;
    // A failed creation has already run WM_NCDESTROY, which unbound the
    // object (and may have deleted a self-owning one): do not touch it then.
    return h != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle,
                    const RECT& rc, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, pszClassName, pszWindowName, dwStyle, rc.left, rc.top,
                    rc.right - rc.left, rc.bottom - rc.top, HwndOf(pParentWnd),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR pszClassName, LPCSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(0, pszClassName, pszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

// An owned window that goes hands the activation it held back to its
// owner's top-level window (ActivationHandBack.h).
BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    if (FromHandlePermanent(m_hWnd) != this) {  // attached only
        BOOL ok = DestroyWindowHandingBackActivation(m_hWnd);
        m_hWnd = nullptr;
        return ok;
    }
    return DestroyWindowHandingBackActivation(m_hWnd);
}

BOOL CWnd::Attach(HWND hWnd)
{
    ASSERT(m_hWnd == nullptr);
    m_hWnd = hWnd;
    return hWnd != nullptr;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    ASSERT(m_hWnd == nullptr && ::IsWindow(hWnd));
    if (!hWnd || FromHandlePermanent(hWnd))
        return FALSE;  // a window is bound to one object at most
    BindHandle(hWnd, BindSlot::UserData);
    InstallProcedure(hWnd);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND h = ::GetDlgItem(HwndOf(pParent), (int)nID);
    return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND h = m_hWnd;
    RestoreProcedure();
    UnbindHandle();
    return h;
}

// ---- dispatch --------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* pMsg)
{
    for (HWND h = pMsg->hwnd; h; h = (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD) ? ::GetParent(h) : nullptr) {
        CWnd* pWnd = FromHandlePermanent(h);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT r = 0;
    if (!DispatchMsg(msg, wp, lp, &r))
        r = DefWindowProc(msg, wp, lp);
    return r;
}

bool CWnd::DispatchMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    CurrentMsgScope scope(m_hWnd, msg, wp, lp);
    *pResult = 0;
    if (msg == WM_WINDOWPOSCHANGED && (((const WINDOWPOS*)lp)->flags & SWP_SHOWWINDOW))
        CWindowStackingKeeper::WindowShown(m_hWnd);
    if (msg == WM_COMMAND)
        return OnCommand(wp, lp) != FALSE;
    if (msg == WM_NOTIFY)
        return OnNotify(wp, lp, pResult) != FALSE;
    if (IsReflectedToChild(msg) && ReflectToChild(ReflectTarget(m_hWnd, msg, wp, lp), msg, wp, lp, pResult))
        return true;
    if (OnWndMsg(msg, wp, lp, pResult))
        return true;
    // Windows asks the menu's owner window to measure and draw owner-drawn
    // menu items; the companion library's menus do that themselves.
    if ((msg == WM_MEASUREITEM || msg == WM_DRAWITEM) && BCMenu::HandleOwnerDraw(msg, lp)) {
        *pResult = TRUE;
        return true;
    }
    return false;
}

bool CWnd::ReflectToChild(HWND hChild, UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hChild);
    if (!pChild || pChild == this)
        return false;
    return pChild->OnWndMsg(WM_VORN_REFLECT_BASE + msg, wp, lp, pResult);
}

BOOL CWnd::OnCommand(WPARAM wp, LPARAM lp)
{
    LRESULT r = 0;
    if (lp && ReflectToChild((HWND)lp, WM_COMMAND, wp, lp, &r))
        return TRUE;
    // Menus (lParam 0, code 0) and accelerators (code 1) are both commands.
    int nCode = lp ? (int)HIWORD(wp) : (int)CN_COMMAND;
    return OnCmdMsg(LOWORD(wp), nCode, (void*)lp);
}

BOOL CWnd::OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    const NMHDR* pNM = (const NMHDR*)lp;
    if (ReflectToChild(pNM->hwndFrom, WM_NOTIFY, wp, lp, pResult))
        return TRUE;
    return OnWndMsg(WM_NOTIFY, wp, lp, pResult);
}

bool CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wp, lp);
    return ::DefWindowProcA(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = AfxGetThreadState().pCurrentMsg;
    ASSERT(pMsg && pMsg->hwnd == m_hWnd);
    return pMsg ? DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam) : 0;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One class per combination, named after it, registered on first use.
    static thread_local char name[80];
    ::wsprintfA(name, "Vorn:%x:%x:%x:%x", nClassStyle, (UINT)(UINT_PTR)hCursor,
                (UINT)(UINT_PTR)hbrBackground, (UINT)(UINT_PTR)hIcon);
    return RegisterNamedWndClass(name, nClassStyle, hCursor, hbrBackground, hIcon);
}

LPCSTR RegisterNamedWndClass(LPCSTR pszName, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    WNDCLASSA wc = {};
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoA(hInst, pszName, &wc))
        return pszName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = pszName;
    return ::RegisterClassA(&wc) ? pszName : nullptr;
}
