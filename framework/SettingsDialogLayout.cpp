// SettingsDialogLayout.cpp: CSettingsDialog's page windows, its minimum size
// and the one-time layout that fits the template's controls around the
// largest page.
#include "framework/SettingsDialog.h"

#include <algorithm>

#include "framework/DialogTemplateResource.h"
#include "platform/CCreateContext.h"
#include "platform/CPropertyPage.h"
#include "platform/CView.h"
#include "platform/SteadyClock.h"

namespace {

// The rectangle of a child in its parent's client coordinates.
CRect ChildRect(CWnd& parent, CWnd& child)
{
    CRect rc;
    child.GetWindowRect(&rc);
    parent.ScreenToClient(&rc);
    return rc;
}

void PlaceChild(CWnd& child, const CRect& rc)
{
    child.SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER);
}

}  // namespace

BOOL CSettingsDialog::CreateViewPage(CWnd* pPage, CCreateContext* pContext)
{
    CRect rcEmpty(0, 0, 0, 0);
    return pPage->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rcEmpty, this, 0, pContext);
}

// A property page is hosted so that it takes this dialog for its sheet; any
// other dialog is a plain child; any other window is created as a view.
BOOL CSettingsDialog::CreatePage(SettingsPageRecord* pRecord)
{
    if (!pRecord->pPage)
        return FALSE;
    if (pRecord->HasWindow())
        return TRUE;
    if (CPropertyPage* pProp = DYNAMIC_DOWNCAST(CPropertyPage, pRecord->pPage))
        return pProp->CreateInHost(this);
    if (CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pRecord->pPage))
        return pDlg->Create(pRecord->nTemplateId, this);
    // The context names no frame: this dialog is not one.
    CCreateContext context;
    return CreateViewPage(pRecord->pPage, &context);
}

CRect* CSettingsDialog::GetPageRect(CRect* pRect)
{
    m_PageFrame.GetWindowRect(pRect);
    ScreenToClient(pRect);
    pRect->DeflateRect(2 * ::GetSystemMetrics(SM_CXBORDER), 2 * ::GetSystemMetrics(SM_CYBORDER));
    CRect rcCaption;
    m_CaptionBar.GetWindowRect(&rcCaption);
    pRect->top += rcCaption.Height();
    return pRect;
}

// The dialog manager sizes a dialog from its template alone: an empty copy
// made where the page would be has the page's size.
bool CSettingsDialog::MeasurePageTemplate(const SettingsPageRecord* pRecord, CSize& size)
{
    CDialogTemplateEx tmpl;
    HWND h = LoadDialogTemplate(pRecord->nTemplateId, tmpl) ? CreateMeasuringDialog(tmpl.HiddenEmptyCopy(), m_hWnd)
                                                           : nullptr;
    if (!h)
        return false;
    CRect rc;
    ::GetWindowRect(h, &rc);
    ::DestroyWindow(h);
    size = rc.Size();
    return true;
}

void CSettingsDialog::MeasurePage(SettingsPageRecord* pRecord)
{
    CSize size;
    if (pRecord->pPage && pRecord->eMaking != SettingsPageRecord::Making::kAtStart && !pRecord->HasWindow()) {
        if (!MeasurePageTemplate(pRecord, size))
            return;
    } else {
        if (!pRecord->pPage || !CreatePage(pRecord))
            return;
        if (CView* pView = DYNAMIC_DOWNCAST(CView, pRecord->pPage))
            pView->OnInitialUpdate();
        CRect rc;
        pRecord->pPage->GetWindowRect(&rc);
        size = rc.Size();
    }
    m_szLargestPage.cx = std::max<LONG>(m_szLargestPage.cx, size.cx);
    m_szLargestPage.cy = std::max<LONG>(m_szLargestPage.cy, size.cy);
}

bool CSettingsDialog::MeasurePages(DWORD dwMs)
{
    const DWORD dwStart = SteadyClockMs();
    while (m_nMeasured < m_Records.size()) {
        MeasurePage(m_Records[m_nMeasured++].get());
        if (dwMs && SteadyClockMs() - dwStart >= dwMs)
            break;
    }
    return m_nMeasured == m_Records.size();
}

void CSettingsDialog::CalcMinimumSize()
{
    MeasurePages(0);
    CRect rcPage;
    GetPageRect(&rcPage);
    CSize szExtra(std::max<LONG>(0, m_szLargestPage.cx - rcPage.Width()),
                  std::max<LONG>(0, m_szLargestPage.cy - rcPage.Height()));
    szExtra.cx += m_nTreeWidth - ChildRect(*this, m_PageTree).Width();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_szMin = CSize(rcWindow.Width() + szExtra.cx, rcWindow.Height() + szExtra.cy);
}

// Run once, on the first position change after the start: the tree gets its
// configured width, the frame, caption bar and buttons take up the growth
// since the template, and every page fills the page area. Each control is
// then registered with the layout, so that later sizing keeps the shape.
void CSettingsDialog::LayoutControls()
{
    m_bLayoutDone = true;
    SIZE szNow = GetCurrentClientSize();
    CSize grow(szNow.cx - m_szInitial.cx, szNow.cy - m_szInitial.cy);
    m_szInitial = szNow;
    if (CWnd* pGrip = GetDlgItem(kSizeGripId))
        AddSzControl(pGrip->m_hWnd, 100, 100, 100, 100);

    CRect rcTree = ChildRect(*this, m_PageTree);
    int nTreeChange = m_nTreeWidth - rcTree.Width();
    rcTree.right = rcTree.left + m_nTreeWidth;
    rcTree.bottom += grow.cy;
    // The tree filled while it had its template's height and took a scroll
    // bar then, which Wine's tree keeps when it grows: it goes here, and the
    // resize shows it again if the items need it.
    m_PageTree.ShowScrollBar(SB_VERT, FALSE);
    PlaceChild(m_PageTree, rcTree);
    CRect rcFrame = ChildRect(*this, m_PageFrame);
    rcFrame.left += nTreeChange;
    rcFrame.right += grow.cx;
    rcFrame.bottom += grow.cy;
    PlaceChild(m_PageFrame, rcFrame);
    CRect rcCaption = ChildRect(*this, m_CaptionBar);
    rcCaption.left = rcFrame.left + 2 * ::GetSystemMetrics(SM_CXBORDER);
    rcCaption.right += grow.cx;
    PlaceChild(m_CaptionBar, rcCaption);
    AddSzControl(m_PageTree.m_hWnd, 0, 0, 0, 100);
    AddSzControl(m_PageFrame.m_hWnd, 0, 0, 100, 100);
    AddSzControl(m_CaptionBar.m_hWnd, 0, 0, 100, 0);

    int q = (grow.cx - nTreeChange) / 5;
    CButton* buttons[] = {&m_OkButton, &m_CancelButton, &m_ApplyButton, &m_HelpButton};
    for (int i = 0; i < 4; ++i) {
        CRect rc = ChildRect(*this, *buttons[i]);
        rc.OffsetRect(nTreeChange + (i + 1) * q, grow.cy);
        PlaceChild(*buttons[i], rc);
        BYTE pct = (BYTE)(20 * (i + 1));
        AddSzControl(buttons[i]->m_hWnd, pct, 100, pct, 100);
    }

    for (const auto& p : m_Records)
        if (p->HasWindow())
            PlacePage(p.get());
}

void CSettingsDialog::PlacePage(SettingsPageRecord* pRecord)
{
    CRect rcPage;
    GetPageRect(&rcPage);
    CWnd* pPage = pRecord->pPage;
    // The frame goes first, so that the page's client area is the page area.
    pPage->ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_CHILD | DS_CONTROL);
    pPage->ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    pPage->SetWindowPos(&m_CaptionBar, rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(),
                        SWP_NOREDRAW | SWP_FRAMECHANGED);
    pPage->EnableWindow(TRUE);
    AddSzControl(pPage->m_hWnd, 0, 0, 100, 100);
}

void CSettingsDialog::OnWindowPosChanging(WINDOWPOS* pPos)
{
    if (m_bInitialized && !m_bLayoutDone)
        LayoutControls();
    if (!(pPos->flags & SWP_NOSIZE)) {
        pPos->cx = std::max<int>(pPos->cx, m_szMin.cx);
        pPos->cy = std::max<int>(pPos->cy, m_szMin.cy);
    }
    cdxCDynamicHelpDialog::OnWindowPosChanging(pPos);
}
