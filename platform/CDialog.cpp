// CDialog.cpp: dialog boxes, modal and modeless.
#include "platform/CDialog.h"

#include "platform/AfxThreadState.h"
#include "platform/CDataExchange.h"
#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"
#include "platform/EnableDlgControl.h"
#include "platform/WindowHelpers.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMsg)
    ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtlMsg)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate)
{
}

CDialog::CDialog(LPCSTR pszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(pszTemplateName), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DialogResult(HWND hDlg, UINT msg, bool bHandled, LRESULT lResult)
{
    if (!bHandled)
        return FALSE;
    switch (msg) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG: case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return (INT_PTR)lResult;
    default:
        ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* p = (CDialog*)::GetWindowLongPtrA(hDlg, DWLP_USER);
    if (!p) {
        // Messages before WM_INITDIALOG (WM_SETFONT ...) get default processing.
        if (msg != WM_INITDIALOG)
            return FALSE;
        p = (CDialog*)lp;
        p->BindHandle(hDlg, BindSlot::DlgUser);
    }
    return p->DialogMessage(msg, wp, lp);
}

INT_PTR CDialog::DialogMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND hDlg = m_hWnd;
    // Held back whole (the bases that watch it too): the focus stays where it is.
    if (msg == WM_INITDIALOG && m_bInitHeld)
        return FALSE;
    if (m_bSkipDlgProc && msg == m_nSkipMsg) {
        m_bSkipDlgProc = false;
        return FALSE;
    }
    // A message whose handler throws is answered with 0, as in AfxWndProc:
    // handled, so that the dialog manager adds no processing of its own.
    LRESULT r = 0;
    bool handled = AfxCallAtProcedureEdge(true, [&] {
        LRESULT rHandler = 0;
        bool bHandled = DispatchMsg(msg, wp, lp, &rHandler);
        r = rHandler;
        return bHandled;
    });
    if (msg == WM_NCDESTROY) {
        FinishNcDestroy(!m_bCreating);
        return FALSE;
    }
    return DialogResult(hDlg, msg, handled, r);
}

LRESULT CDialog::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_pfnSuper)
        return CWnd::DefWindowProc(msg, wp, lp);
    // The class procedure (Windows' dialog procedure, or the theme's wrapper
    // of it) does the default work after asking our procedure, which says no.
    WNDPROC pfnClass = (WNDPROC)::GetClassLongPtrA(m_hWnd, GCLP_WNDPROC);
    bool bPrevSkip = m_bSkipDlgProc;
    UINT nPrevMsg = m_nSkipMsg;
    m_bSkipDlgProc = true;
    m_nSkipMsg = msg;
    LRESULT r = ::CallWindowProcA(pfnClass, m_hWnd, msg, wp, lp);
    m_bSkipDlgProc = bPrevSkip;
    m_nSkipMsg = nPrevMsg;
    return r;
}

// A top-level dialog opens centred over the window it belongs to, unless its
// OnInitDialog placed it (a remembered position): the dialog manager alone
// would put it at its template's place, counted from the owner's client
// area, or from the screen's corner for a dialog without an owner.
LRESULT CDialog::OnInitDialogMsg(WPARAM, LPARAM)
{
    RECT rcBefore = {};
    ::GetWindowRect(m_hWnd, &rcBefore);
    HWND hDlg = m_hWnd;
    LRESULT r = OnInitDialog();
    if (!::IsWindow(hDlg) || (::GetWindowLongA(hDlg, GWL_STYLE) & WS_CHILD))
        return r;
    HWND hOwner = ::GetWindow(hDlg, GW_OWNER);
    RECT rcAfter = {};
    ::GetWindowRect(hDlg, &rcAfter);
    if (hOwner && rcAfter.left == rcBefore.left && rcAfter.top == rcBefore.top)
        CenterWindowOn(hDlg, hOwner);
    return r;
}

// A dialog embedded in another one (a page of a sheet or of the settings
// dialog) hands a move to the next or previous control to that dialog. A
// control that takes Tab itself (a rich edit) asks its own parent for the
// next control: the page alone would only cycle through its own controls,
// never reaching the outer dialog's buttons or tree.
LRESULT CDialog::OnNextDlgCtlMsg(WPARAM wp, LPARAM lp)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!lp && hParent && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) &&
        (::GetWindowLongA(m_hWnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogWindow(hParent))
        return ::SendMessageA(hParent, WM_NEXTDLGCTL, wp, lp);
    return Default();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)HwndOf(pWndCtrl), TRUE);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keyboard navigation (Tab, arrows, Enter, Escape, mnemonics).
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (PressDefaultButtonOnEnter(*pMsg))
        return TRUE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

// Enter in a top-level dialog presses the default button among the dialog's
// own controls. Wine's dialog manager looks the default id up through every
// descendant in Z order, so the edit with id 1 inside an IP address control
// on an embedded page stood for OK, was disabled, and Enter did nothing.
// Controls that take Enter themselves (a multi-line edit, a dropped-down
// combo box) and push buttons, which Enter clicks, are left to the dialog
// manager, as is a dialog without a default id.
bool CDialog::PressDefaultButtonOnEnter(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN)
        return false;
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD)
        return false;
    if (!::IsChild(m_hWnd, msg.hwnd))
        return false;
    LRESULT nCode = ::SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, (LPARAM)&msg);
    if (nCode & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        return false;
    DWORD dwDef = GetDefID();
    HWND hDef = HIWORD(dwDef) == DC_HASDEFID ? ::GetDlgItem(m_hWnd, LOWORD(dwDef)) : nullptr;
    if (!hDef)
        return false;
    if (::IsWindowEnabled(hDef))
        ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(LOWORD(dwDef), BN_CLICKED), (LPARAM)hDef);
    return true;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR pszTemplateName, CWnd* pParentWnd)
{
    ASSERT(m_hWnd == nullptr);
    m_lpszTemplateName = pszTemplateName;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModal = false;
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_bCreating = true;
    HWND h = ::CreateDialogParamA(AfxGetResourceHandle(), pszTemplateName, hParent, DialogProc, (LPARAM)this);
    return EndCreate(h);
}

BOOL CDialog::CreateIndirect(const void* pTemplate, CWnd* pParentWnd)
{
    ASSERT(m_hWnd == nullptr);
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    m_bModal = false;
    HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_bCreating = true;
    HWND h = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), (LPCDLGTEMPLATEA)pTemplate, hParent, DialogProc,
                                          (LPARAM)this);
    return EndCreate(h);
}

// Windows returns the handle of a window that went while it was made (its
// WM_INITDIALOG destroyed it): that counts as no window.
BOOL CDialog::EndCreate(HWND h)
{
    m_bCreating = false;
    return h != nullptr && m_hWnd == h;
}

BOOL CDialog::CreateIndirectHoldingInit(const void* pTemplate, CWnd* pParentWnd)
{
    m_bInitHeld = true;
    if (CreateIndirect(pTemplate, pParentWnd))
        return TRUE;
    m_bInitHeld = false;
    return FALSE;
}

bool CDialog::RunHeldInit()
{
    if (!m_bInitHeld || !m_hWnd)
        return false;
    m_bInitHeld = false;
    m_bInitInParts = true;
    SendMessage(WM_INITDIALOG, 0, 0);
    m_bInitInParts = !m_initParts.empty();
    return true;
}

void CDialog::InitLater(std::function<void()> part)
{
    if (m_bInitInParts)
        m_initParts.push_back(std::move(part));
    else
        part();
}

bool CDialog::RunInitPart()
{
    if (m_initParts.empty())
        return false;
    std::function<void()> part = std::move(m_initParts.front());
    m_initParts.pop_front();
    part();
    m_bInitInParts = !m_initParts.empty();
    return true;
}

void CDialog::DropInitParts()
{
    m_initParts.clear();
    m_bInitInParts = false;
}

HWND CDialog::ModalOwner() const
{
    return ModalOwnerWindow(HwndOf(m_pParentWnd));
}

INT_PTR CDialog::DoModal()
{
    ASSERT(m_hWnd == nullptr);
    HWND hOwner = ModalOwner();
    m_bModal = true;
    m_bEndModal = false;
    m_bShowsItself = false;
    m_nModalResult = -1;
    HWND h = ::CreateDialogParamA(AfxGetResourceHandle(), m_lpszTemplateName, hOwner, DialogProc, (LPARAM)this);
    if (!h) {
        m_bModal = false;
        return -1;
    }
    CModalLoop loop(hOwner, h);
    if (!m_bEndModal && !m_bShowsItself)
        ::ShowWindow(h, SW_SHOW);
    // WM_QUIT ends the dialog and goes on to the outer loop; so does the
    // window's end with its owner's.
    if (!loop.Run([this] { return m_bEndModal || !m_hWnd; }) || !m_bEndModal)
        m_nModalResult = IDCANCEL;
    loop.Finish(h);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (!m_bModal) {
        // A modeless dialog has no loop to end: it goes now.
        DestroyWindow();
        return;
    }
    m_bEndModal = true;
    // Wakes the modal loop, which may be waiting for a message.
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}
