// CPropertySheet.cpp: property sheets, modal and modeless.
#include "platform/CPropertySheet.h"

#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {
thread_local CPropertySheet* t_pSheetInit = nullptr;  // the sheet being made
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd)
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet((LPCSTR)nullptr, pParentWnd, iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    if (m_hWnd) {
        HPROPSHEETPAGE h = ::CreatePropertySheetPageA(&pPage->m_psp);
        ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)h);
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (size_t i = 0; i < m_pages.size(); i++)
        if (m_pages[i] == pPage)
            return (int)i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return (int)m_psh.nStartPage;
    HWND hPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    for (size_t i = 0; i < m_pages.size(); i++)
        if (m_pages[i]->m_hWnd == hPage)
            return (int)i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    int i = GetActiveIndex();
    return i >= 0 && i < GetPageCount() ? m_pages[(size_t)i] : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd) {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, (WPARAM)nPage, 0);
}

void CPropertySheet::SetTitle(LPCSTR pszText, UINT nStyle)
{
    m_strCaption = pszText;
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)pszText);
}

// The control calls back twice while the sheet is made: with its template
// (PSCB_PRECREATE) and when its pages exist (PSCB_INITIALIZED).
int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT msg, LPARAM lp)
{
    if (msg == PSCB_PRECREATE && t_pSheetInit && lp) {
        CPropertySheet* p = t_pSheetInit;
        AfxCallAtProcedureEdge(0, [p, lp] { p->OnPreCreateTemplate((DLGTEMPLATE*)lp); return 0; });
    } else if (msg == PSCB_INITIALIZED && t_pSheetInit) {
        CPropertySheet* p = t_pSheetInit;
        t_pSheetInit = nullptr;
        p->SubclassWindow(hWnd);
        AfxCallAtProcedureEdge(FALSE, [p] { return p->OnInitDialog(); });
    }
    return 0;
}

HWND CPropertySheet::MakeSheet(HWND hOwner, DWORD dwStyle, DWORD dwExStyle)
{
    m_hPages.clear();
    for (CPropertyPage* p : m_pages)
        m_hPages.push_back(::CreatePropertySheetPageA(&p->m_psp));
    m_psh.dwFlags &= ~PSH_PROPSHEETPAGE;
    m_psh.dwFlags |= PSH_USECALLBACK | PSH_MODELESS;
    m_psh.hwndParent = hOwner;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = (UINT)m_hPages.size();
    m_psh.phpage = m_hPages.data();
    m_psh.pfnCallback = SheetCallback;
    t_pSheetInit = this;
    HWND h = (HWND)::PropertySheetA(&m_psh);
    t_pSheetInit = nullptr;
    if (!h || h == (HWND)-1)
        return nullptr;
    if (dwStyle != (DWORD)-1)
        ::SetWindowLongA(h, GWL_STYLE, (LONG)dwStyle);
    if (dwExStyle)
        ::SetWindowLongA(h, GWL_EXSTYLE, (LONG)(::GetWindowLongA(h, GWL_EXSTYLE) | dwExStyle));
    return h;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return MakeSheet(HwndOf(m_pParentWnd), dwStyle, dwExStyle) != nullptr;
}

bool CPropertySheet::SheetEnded() const
{
    // The control signals its end by having no current page any more.
    return !m_hWnd || ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hOwner = ModalOwnerWindow(HwndOf(m_pParentWnd));
    HWND h = MakeSheet(hOwner, (DWORD)-1, 0);
    if (!h)
        return -1;
    CModalLoop loop(hOwner, h);
    bool bEnded = loop.Run([this] { return SheetEnded(); });
    // The control's result: positive after OK, 0 after Cancel.
    INT_PTR nResult = bEnded && ::SendMessageA(h, PSM_GETRESULT, 0, 0) > 0 ? IDOK : IDCANCEL;
    loop.Finish(h);
    ::DestroyWindow(h);
    return nResult;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
