// CPropertyPage.h: one page of a property sheet, from a DIALOGEX template.
// The page turns the sheet's PSN_ notifications into bool virtuals once
// (OnSetActive, OnKillActive, OnApply, OnReset, OnQueryCancel), PSN_HELP
// into its IDHELP command, and ignores notifications that do not come from
// its own sheet. A page also works
// outside a sheet (hosted by another window through CDialog::Create): then
// SetModified only records the state. A window that hosts pages in place of
// a sheet creates them with CreateInHost.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    PROPSHEETPAGEA m_psp = {};

    // True: the page may show. Default: true.
    virtual BOOL OnSetActive();
    // True: the page may be left; default: its data is saved and checked.
    virtual BOOL OnKillActive();
    // True: the changes were applied; false keeps the sheet open on the page.
    // Default: OnOK, then the page counts as unmodified.
    virtual BOOL OnApply();
    // The sheet was cancelled. Default: OnCancel.
    virtual void OnReset();
    // True: the sheet may be cancelled.
    virtual BOOL OnQueryCancel();
    // A page ends no dialog: OK and Cancel belong to the sheet.
    void OnOK() override;
    void OnCancel() override;

    // Marks the page changed (the sheet enables Apply) or unchanged.
    void SetModified(BOOL bChanged = TRUE);
    bool IsModified() const { return m_bModified; }
    // The sheet this page is in, or null outside a sheet.
    CWnd* GetSheetWnd() const;
    // Creates the page as a child of pHost, which stands in for a sheet: the
    // page answers pHost's PSN_ notifications and reports SetModified and
    // CancelToClose to it (a tree-of-pages dialog hosts pages this way).
    BOOL CreateInHost(CWnd* pHost);
    // The same from a template in memory, with the page's WM_INITDIALOG held
    // back until RunHeldInit (a page made a few controls at a time).
    BOOL CreateInHostHoldingInit(CWnd* pHost, const void* pTemplate);
    void CancelToClose();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDlgProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp);
    bool m_bInSheet = false;
    bool m_bModified = false;
    CString m_strCaption;
};
