// LineSelection.h: CLineSelection, the console's selection of whole lines
// as an anchor line A and a caret line C, and the pane arithmetic that maps
// a point to a line. No line is selected when A = C; A < C selects A .. C-1;
// A > C selects C+1 .. A.
#pragma once

#include "platform/Types.h"

class CLineSelection {
public:
    int m_nAnchor = 0;
    int m_nCaret = 0;

    bool HasSelection() const { return m_nAnchor != m_nCaret; }
    // The first and last selected lines; both -1 without a selection.
    int GetFirst() const;
    int GetLast() const;
    int GetLineCount() const { return HasSelection() ? GetLast() - GetFirst() + 1 : 0; }
    bool IsSelected(int nLine) const { return HasSelection() && nLine >= GetFirst() && nLine <= GetLast(); }

    // Extends the selection so that both the anchor and nLine are inside.
    void ExtendTo(int nLine) { m_nCaret = nLine < m_nAnchor ? nLine - 1 : nLine + 1; }
    // An empty selection at the caret (A = C).
    void Clear() { m_nAnchor = m_nCaret; }
    // An empty selection at nLine.
    void SetEmptyAt(int nLine) { m_nAnchor = m_nCaret = nLine; }
    // Exactly nLine selected.
    void SelectOne(int nLine) { SetEmptyAt(nLine); ExtendTo(nLine); }
};

// The console pane's geometry in lines, for point-to-line arithmetic.
struct CPaneLines {
    int nTopLine = 0;     // first line shown
    int nLinesFit = 0;    // whole lines that fit
    int nLineCount = 0;   // lines in the document
    int nLineHeight = 1;  // pixels
};

// The line under a point's y in a pane of the given client top and bottom:
// (min(y, bottom) - top) / line height + top line, kept within 0 and the
// smaller of the last line and the last line shown.
int LineFromY(int y, int nClientTop, int nClientBottom, const CPaneLines& pane);

// The period of the repeating auto-scroll timer, from the keyboard repeat
// speed setting s (0-31): 1000 / (s / 31 x 27.5 + 2.5) ms, truncated.
UINT AutoScrollRepeatMs(UINT nKeyboardSpeed);
// The first auto-scroll delay from the keyboard delay setting (0-3).
inline UINT AutoScrollDelayMs(UINT nKeyboardDelay) { return (nKeyboardDelay + 1) * 250; }

// The top line that brings nLine into a pane showing nLinesFit lines from
// nTopLine: unchanged when it is already shown; nLine itself when it lies
// above; else so that it is the last line shown (not below 0).
int TopLineShowing(int nLine, int nTopLine, int nLinesFit);
