// DynRegsDlgBar.cpp: what the register bars share.
#include "mainwindow/DynRegsDlgBar.h"

#include <algorithm>
#include <climits>
#include <map>
#include <utility>
#include <vector>

#include "framework/ControlTextSize.h"
#include "mainwindow/BarFontLayout.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

BEGIN_MESSAGE_MAP(CRegsDlgBar, CMainWindowBarDlg)
    ON_COMMAND(ID_REGS_BAR_FONT, OnFont)
    ON_MESSAGE(WM_LAYOUT_REGISTER_FIELDS, OnLayoutRegisterFields)
    ON_WM_SIZE_AFTER_BASE(OnBarSized)
END_MESSAGE_MAP()

namespace {

// What a register value is made of (the placeholder's question marks too).
const char kValueDigits[] = "0123456789ABCDEF?";

}  // namespace

// The register bars have no preferences page of their own.
CRegsDlgBar::CRegsDlgBar(UINT nIDTemplate, UINT nViewCmd, CWnd* pParent)
    : CMainWindowBarDlg(nIDTemplate, nViewCmd, -1, pParent)
{
    m_nIDHelpDialog = nIDTemplate;
    m_nContextMenu = IDR_REGS_BAR_MENU;
}

void CRegsDlgBar::OnFont()
{
    if (g_pView && g_pView->m_hWnd)
        g_pView->SendMessage(WM_CHOOSE_BAR_FONT, 0, 0);
}

void CRegsDlgBar::SubclassRegisterControls(CHexSimpleEdit* pEdits, int nCount, UINT nFirst)
{
    m_pEdits = pEdits;
    m_nFirstControl = nFirst;
    m_nControls = nCount;
    for (int i = 0; i < nCount; ++i)
        if (HWND hCtrl = GetRegisterControl(i))
            SubclassRegisterControl(i, hCtrl);
}

void CRegsDlgBar::SubclassRegisterControl(int i, HWND hCtrl)
{
    m_pEdits[i].SubclassWindow(hCtrl);
    m_pEdits[i].SendMessage(EM_SETREADONLY, TRUE);
}

// A control made after the others stands where the template puts it.
void CRegsDlgBar::OnLaterControl(UINT nID, HWND hCtrl)
{
    const int i = (int)(nID - m_nFirstControl);
    if (m_pEdits && i >= 0 && i < m_nControls)
        SubclassRegisterControl(i, hCtrl);
    m_placed.clear();
}

LRESULT CRegsDlgBar::OnLayoutRegisterFields(WPARAM, LPARAM)
{
    LayoutRegisterControls();
    return 0;
}

void CRegsDlgBar::LayoutRegisterControls()
{
    if (!m_hWnd || m_nControls == 0)
        return;
    if (m_template.empty()) {
        std::vector<RECT> tmpl((size_t)m_nControls);
        for (int i = 0; i < m_nControls; ++i)
            if (!GetTemplateRect(m_nFirstControl + (UINT)i, tmpl[(size_t)i]))
                return;
        m_template = std::move(tmpl);
    }
    // The controls are alike and show values of few shapes in the view's
    // font: each font's widest digit, and each shape in it, is measured once.
    std::map<HFONT, char> widest;
    std::map<std::pair<HFONT, CString>, SIZE> measured;
    SIZE szCell = {0, 0};
    for (int i = 0; i < m_nControls; ++i) {
        HWND hCtl = GetRegisterControl(i);
        HFONT hFont = (HFONT)::SendMessageA(hCtl, WM_GETFONT, 0, 0);
        auto itWidest = widest.find(hFont);
        if (itWidest == widest.end())
            itWidest = widest.emplace(hFont, WidestCharOf(hCtl, kValueDigits)).first;
        CString strText;
        CWnd::FromHandle(hCtl)->GetWindowText(strText);
        const auto key = std::make_pair(hFont, ShapeWith(strText, kValueDigits, itWidest->second));
        auto itSize = measured.find(key);
        if (itSize == measured.end())
            itSize = measured.emplace(key, EditSizeForText(hCtl, key.second)).first;
        szCell = SIZE{std::max(szCell.cx, itSize->second.cx), std::max(szCell.cy, itSize->second.cy)};
    }
    m_szCell = szCell;
    PlaceRegisterControls();
}

void CRegsDlgBar::PlaceRegisterControls()
{
    // The template's columns share the first control's top.
    const int nColumns = (int)std::count_if(m_template.begin(), m_template.end(),
                                            [&](const RECT& rc) { return rc.top == m_template[0].top; });
    // Until the bar has a width, the template's columns.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_cxLaidOut = rcClient.Width();
    std::vector<RECT> cells((size_t)m_nControls);
    SBarLayoutSizes sizes = LayoutCellGrid(SCellGrid{m_template.data(), m_nControls, nColumns, GetTemplateSize()},
                                           m_szCell, m_cxLaidOut > 0 ? m_cxLaidOut : INT_MAX, cells.data());
    bool bMoved = false;
    for (int i = 0; i < m_nControls; ++i) {
        const RECT& rc = cells[(size_t)i];
        if (i < (int)m_placed.size() && ::EqualRect(&rc, &m_placed[(size_t)i]))
            continue;
        bMoved = true;
        ::MoveWindow(GetRegisterControl(i), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    m_placed = std::move(cells);
    const bool bSameSizes = HasLayoutSizes() && m_szInitial.cx == sizes.szDesign.cx &&
                            m_szInitial.cy == sizes.szDesign.cy && m_szMin.cx == sizes.szLeast.cx &&
                            m_szMin.cy == sizes.szLeast.cy;
    if (bMoved || !bSameSizes)
        SetLayoutSizes(sizes.szDesign, sizes.szLeast);
}

// A new width may take more or fewer columns; a height of its own making
// changes nothing. Until the view has given the controls their font and
// texts (LayoutRegisterControls), they stay where the template puts them.
void CRegsDlgBar::OnBarSized(UINT, int cx, int)
{
    if (cx != m_cxLaidOut && m_szCell.cx > 0)
        PlaceRegisterControls();
}
