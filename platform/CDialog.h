// CDialog.h: a dialog box from a DIALOGEX template, modal (DoModal) or
// modeless (Create). Its dialog procedure binds the object at WM_INITDIALOG
// and honours the dialog result contract in one place (DialogResult). Modal
// dialogs run their own message loop, so PreTranslateMessage works in them
// as in the main loop; EndDialog sets a flag that ends the loop, and the
// loop destroys the window, as Windows' own DialogBox does.
//
// Data exchange: DoDataExchange lists DDX_ and DDV_ calls; UpdateData runs
// it in one direction and returns FALSE when a check failed (the dialog then
// stays open with the focus on the offending field).
#pragma once

#include <deque>
#include <functional>

#include "platform/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP()
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR pszTemplateName, CWnd* pParentWnd = nullptr);

    // Shows the dialog modally; returns the EndDialog value, or -1 when the
    // template could not be made into a window.
    virtual INT_PTR DoModal();
    // Makes a modeless dialog; the template's WS_VISIBLE decides whether it shows.
    // FALSE when there is no window; the object is then still the caller's,
    // even when a window made goes while it is made: a self-owning dialog
    // is not handed to its PostNcDestroy before Create returns.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR pszTemplateName, CWnd* pParentWnd = nullptr);
    // The same from a template in memory (a DLGTEMPLATE or DLGTEMPLATEEX).
    BOOL CreateIndirect(const void* pTemplate, CWnd* pParentWnd = nullptr);
    // The same with the dialog's WM_INITDIALOG held back until RunHeldInit:
    // the window is bound to the object at once, so that controls can be
    // added to it before its initialisation sees them (a dialog made a few
    // controls at a time).
    BOOL CreateIndirectHoldingInit(const void* pTemplate, CWnd* pParentWnd = nullptr);
    // Sends the WM_INITDIALOG held back (OnInitDialog runs then); false
    // when none is held.
    bool RunHeldInit();
    bool IsInitHeld() const { return m_bInitHeld; }
    // A part of the initialisation that OnInitDialog leaves for later: in
    // the initialisation RunHeldInit runs, and in the parts it leaves, the
    // part waits for RunInitPart (a dialog made a step at a time); else it
    // runs at once. Parts run in the order they were left.
    void InitLater(std::function<void()> part);
    // Runs the next part waiting; false when none waits.
    bool RunInitPart();
    bool InitPartsWaiting() const { return !m_initParts.empty(); }
    // The parts waiting go unrun (the window goes before they could run).
    void DropInitParts();
    // Ends a modal dialog with nResult; destroys a modeless one.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs DoDataExchange: FALSE loads the controls, TRUE saves and checks them.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, FALSE); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, FALSE); }
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT pRect) const { ::MapDialogRect(m_hWnd, pRect); }
    bool IsModal() const { return m_bModal; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    LPCSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

    // The result contract of a dialog procedure: handled messages return TRUE
    // with their value in DWLP_MSGRESULT, except the few whose value Windows
    // takes from the return itself.
    static INT_PTR DialogResult(HWND hDlg, UINT msg, bool bHandled, LRESULT lResult);

protected:
    // The dialog procedure's body once the object is bound.
    INT_PTR DialogMessage(UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp);
    HWND ModalOwner() const;
    LRESULT OnInitDialogMsg(WPARAM, LPARAM);
    LRESULT OnNextDlgCtlMsg(WPARAM wp, LPARAM lp);

    int m_nModalResult = -1;
    bool m_bModal = false;
    bool m_bEndModal = false;
    // Set by OnInitDialog when the dialog shows itself once the rest of its
    // start is done: DoModal then leaves it hidden.
    bool m_bShowsItself = false;

private:
    // Enter pressed in a top-level dialog: its default button's command.
    bool PressDefaultButtonOnEnter(const MSG& msg);
    // The end of a modeless creation that returned h: whether a window is.
    BOOL EndCreate(HWND h);
    // Default processing for a dialog calls the dialog class's procedure,
    // which calls this dialog's procedure first: that call is answered
    // "not handled" once, so the default is not dispatched twice.
    bool m_bSkipDlgProc = false;
    UINT m_nSkipMsg = 0;
    bool m_bInitHeld = false;  // WM_INITDIALOG waits for RunHeldInit
    bool m_bCreating = false;  // within Create: a window that goes leaves the object be
    bool m_bInitInParts = false;  // InitLater leaves its part for RunInitPart
    std::deque<std::function<void()>> m_initParts;
};
