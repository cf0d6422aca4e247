// CPropertySheet.h: a property sheet over the common controls' one, modal
// (DoModal, run by our own loop so PreTranslateMessage works) or modeless
// (Create). The sheet window is bound to this object when the control
// reports it initialised. Pages are added by pointer and not owned.
#pragma once

#include <vector>

#include "platform/CPropertyPage.h"

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(LPCSTR pszCaption = nullptr, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    PROPSHEETHEADERA m_psh = {};

    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const { return m_pages[(size_t)nPage]; }
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    CWnd* GetTabControl() const { return FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0)); }
    void SetTitle(LPCSTR pszText, UINT nStyle = 0);
    BOOL PressButton(int nButton) { return (BOOL)::SendMessageA(m_hWnd, PSM_PRESSBUTTON, (WPARAM)nButton, 0); }

    // IDOK or IDCANCEL; -1 when the sheet could not be made.
    virtual INT_PTR DoModal();
    // A modeless sheet; it is destroyed by DestroyWindow.
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The control has made its pages and shown the first; the sheet window
    // is bound to this object. Returns the dialog's focus answer.
    virtual BOOL OnInitDialog() { return TRUE; }
    // The sheet's own dialog template, before its window is made (a copy the
    // control owns): a derived sheet may change its style here.
    virtual void OnPreCreateTemplate(DLGTEMPLATE* pTemplate) {}

private:
    static int CALLBACK SheetCallback(HWND hWnd, UINT msg, LPARAM lp);
    HWND MakeSheet(HWND hOwner, DWORD dwStyle, DWORD dwExStyle);
    bool SheetEnded() const;

    std::vector<CPropertyPage*> m_pages;  // not owned
    std::vector<HPROPSHEETPAGE> m_hPages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
};
