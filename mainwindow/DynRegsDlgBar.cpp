// DynRegsDlgBar.cpp: what the register bars share.
#include "mainwindow/DynRegsDlgBar.h"

#include <algorithm>
#include <climits>
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
    m_nFirstControl = nFirst;
    m_nControls = nCount;
    for (int i = 0; i < nCount; ++i) {
        pEdits[i].SubclassDlgItem(nFirst + (UINT)i, this);
        pEdits[i].SendMessage(EM_SETREADONLY, TRUE);
    }
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
    std::vector<RECT> tmpl((size_t)m_nControls);
    for (int i = 0; i < m_nControls; ++i)
        if (!GetTemplateRect(m_nFirstControl + (UINT)i, tmpl[(size_t)i]))
            return;
    // The template's columns share the first control's top.
    const int nColumns =
        (int)std::count_if(tmpl.begin(), tmpl.end(), [&](const RECT& rc) { return rc.top == tmpl[0].top; });
    SIZE szCell = {0, 0};
    for (int i = 0; i < m_nControls; ++i) {
        HWND hCtl = GetRegisterControl(i);
        CString strText;
        CWnd::FromHandle(hCtl)->GetWindowText(strText);
        SIZE sz = EditSizeForText(hCtl, WidestOfShape(hCtl, strText, kValueDigits));
        szCell = SIZE{std::max(szCell.cx, sz.cx), std::max(szCell.cy, sz.cy)};
    }
    // Until the bar has a width, the template's columns.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_cxLaidOut = rcClient.Width();
    std::vector<RECT> cells((size_t)m_nControls);
    SBarLayoutSizes sizes = LayoutCellGrid(SCellGrid{tmpl.data(), m_nControls, nColumns, GetTemplateSize()}, szCell,
                                           m_cxLaidOut > 0 ? m_cxLaidOut : INT_MAX, cells.data());
    for (int i = 0; i < m_nControls; ++i) {
        const RECT& rc = cells[(size_t)i];
        ::MoveWindow(GetRegisterControl(i), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    SetLayoutSizes(sizes.szDesign, sizes.szLeast);
}

// A new width may take more or fewer columns; a height of its own making
// changes nothing.
void CRegsDlgBar::OnBarSized(UINT, int cx, int)
{
    if (cx != m_cxLaidOut)
        LayoutRegisterControls();
}
