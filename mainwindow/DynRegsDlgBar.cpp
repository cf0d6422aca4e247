// DynRegsDlgBar.cpp: what the register bars share.
#include "mainwindow/DynRegsDlgBar.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "config/WindowHelpers.h"
#include "framework/ControlTextSize.h"
#include "mainwindow/BarFontLayout.h"
#include "platform/OneStepPaint.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

BEGIN_MESSAGE_MAP(CRegisterEdit, CHexSimpleEdit)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CRegisterEdit::OnPaint()
{
    PaintInOneStep(this);
}

BEGIN_MESSAGE_MAP(CRegsDlgBar, CMainWindowBarDlg)
    ON_COMMAND(ID_REGS_BAR_FONT, OnFont)
    ON_MESSAGE(WM_LAYOUT_REGISTER_FIELDS, OnLayoutRegisterFields)
    ON_WM_SIZE_AFTER_BASE(OnBarSized)
END_MESSAGE_MAP()

namespace {

// What a register value is made of (the placeholder's question marks too).
const char kValueDigits[] = "0123456789ABCDEF?";

// The blank-separated words of a text: its register group's name with the
// first value ("GR0-3=47000000"), then each further value.
std::vector<CString> SplitWords(const CString& strText)
{
    std::vector<CString> words;
    int nStart = 0;
    while (nStart < strText.GetLength()) {
        int nBlank = strText.Find(' ', nStart);
        if (nBlank < 0)
            nBlank = strText.GetLength();
        if (nBlank > nStart)
            words.push_back(strText.Mid(nStart, nBlank - nStart));
        nStart = nBlank + 1;
    }
    return words;
}

// The window size of the edit that shows the words nPerLine to a line:
// its widest line, as many lines of cyLine high as the words take.
// sizeOfLine gives the size of an edit showing one line. A wrapped line
// ends in the blank after its last word: the edit breaks a line only where
// that blank is past its width.
SIZE WrappedEditSize(const std::vector<CString>& words, int nPerLine, int cyLine,
                     const std::function<SIZE(const CString&)>& sizeOfLine)
{
    const bool bWrapped = nPerLine < (int)words.size();
    SIZE sz = {0, 0};
    int nLines = 0;
    for (size_t first = 0; first < std::max(words.size(), (size_t)1); first += (size_t)nPerLine, ++nLines) {
        CString strLine;
        for (size_t k = first; k < std::min(first + (size_t)nPerLine, words.size()); ++k)
            strLine += (k > first ? " " : "") + words[k];
        const SIZE szLine = sizeOfLine(bWrapped ? strLine + " " : strLine);
        sz = SIZE{std::max(sz.cx, szLine.cx), szLine.cy};
    }
    sz.cy += (nLines - 1) * cyLine;
    return sz;
}

// Where a register control breaks its lines: only at the blanks between
// values, as the layout measures them. The system's own rules break after
// a hyphen ("GR8-" / "B=...") and never before a question mark, even after
// a blank, so that a row of placeholders broke within a value. Windows
// hands an ANSI edit's procedure ANSI text; Wine's edit hands it UTF-16
// whatever the window's character set. The texts are ASCII, which in
// UTF-16 has a zero byte after each character and in ANSI none.
int CALLBACK BreakAtBlanks(LPSTR pch, int i, int nCount, int nCode)
{
    const bool bWide = nCount > 1 && pch[1] == '\0';
    auto blank = [pch, bWide](int k) { return bWide ? ((const WCHAR*)pch)[k] == L' ' : pch[k] == ' '; };
    switch (nCode) {
    case WB_ISDELIMITER:
        return i >= 0 && i < nCount && blank(i);
    case WB_LEFT:  // the start of the value before i
        i = std::min(i, nCount);
        while (i > 0 && blank(i - 1))
            --i;
        while (i > 0 && !blank(i - 1))
            --i;
        return i;
    case WB_RIGHT:  // the start of the value after i
        i = std::max(i, 0);
        while (i < nCount && !blank(i))
            ++i;
        while (i < nCount && blank(i))
            ++i;
        return i;
    default:
        return 0;
    }
}

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

void CRegsDlgBar::SubclassRegisterControls(CRegisterEdit* pEdits, int nCount, UINT nFirst)
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
    m_pEdits[i].SendMessage(EM_SETWORDBREAKPROC, 0, (LPARAM)BreakAtBlanks);
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
    // font: each font's widest digit and line height, and each line of
    // values in it, is measured once.
    std::map<HFONT, std::pair<char, int>> fonts;
    std::map<std::pair<HFONT, CString>, SIZE> measured;
    std::vector<std::vector<CString>> words((size_t)m_nControls);
    size_t nMostWords = 0;
    for (int i = 0; i < m_nControls; ++i) {
        HWND hCtl = GetRegisterControl(i);
        HFONT hFont = (HFONT)::SendMessageA(hCtl, WM_GETFONT, 0, 0);
        auto itFont = fonts.find(hFont);
        if (itFont == fonts.end()) {
            const int cyLine = ControlTextExtent(hCtl, "0").cy;
            itFont = fonts.emplace(hFont, std::make_pair(WidestCharOf(hCtl, kValueDigits), cyLine)).first;
        }
        CString strText;
        CWnd::FromHandle(hCtl)->GetWindowText(strText);
        words[(size_t)i] = SplitWords(ShapeWith(strText, kValueDigits, itFont->second.first));
        nMostWords = std::max(nMostWords, words[(size_t)i].size());
    }
    const std::vector<int> perLine = WordsPerWrappedLine((int)nMostWords);
    std::vector<SIZE> sizes(perLine.size(), SIZE{0, 0});
    for (int i = 0; i < m_nControls; ++i) {
        HWND hCtl = GetRegisterControl(i);
        HFONT hFont = (HFONT)::SendMessageA(hCtl, WM_GETFONT, 0, 0);
        for (size_t w = 0; w < perLine.size(); ++w) {
            auto sizeOfLine = [&](const CString& strLine) {
                const auto key = std::make_pair(hFont, strLine);
                auto it = measured.find(key);
                if (it == measured.end())
                    it = measured.emplace(key, EditSizeForText(hCtl, strLine)).first;
                return it->second;
            };
            const SIZE sz = WrappedEditSize(words[(size_t)i], perLine[w], fonts[hFont].second, sizeOfLine);
            sizes[w] = SIZE{std::max(sizes[w].cx, sz.cx), std::max(sizes[w].cy, sz.cy)};
        }
    }
    m_cellSizes = std::move(sizes);
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
    const int cxAvailable = m_cxLaidOut > 0 ? m_cxLaidOut : INT_MAX;
    std::vector<RECT> cells((size_t)m_nControls);
    SBarLayoutSizes sizes = LayoutCellGrid(SCellGrid{m_template.data(), m_nControls, nColumns, GetTemplateSize()},
                                           m_cellSizes, cxAvailable, cells.data());
    bool bMoved = false;
    for (int i = 0; i < m_nControls; ++i) {
        HWND hCtl = GetRegisterControl(i);
        const RECT& rc = cells[(size_t)i];
        // A value is shown whole or not at all.
        const bool bWhole = rc.right <= cxAvailable;
        if (hCtl && bWhole != ((::GetWindowLongA(hCtl, GWL_STYLE) & WS_VISIBLE) != 0)) {
            ::ShowWindow(hCtl, bWhole ? SW_SHOWNA : SW_HIDE);
            bMoved = true;
        }
        if (i < (int)m_placed.size() && ::EqualRect(&rc, &m_placed[(size_t)i]))
            continue;
        bMoved = true;
        MoveControl(hCtl, rc);
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
    if (cx != m_cxLaidOut && !m_cellSizes.empty())
        PlaceRegisterControls();
}
