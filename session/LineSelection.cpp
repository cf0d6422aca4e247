// LineSelection.cpp: selection and point-to-line arithmetic of the console.
#include "session/LineSelection.h"

int CLineSelection::GetFirst() const
{
    if (!HasSelection())
        return -1;
    return m_nAnchor < m_nCaret ? m_nAnchor : m_nCaret + 1;
}

int CLineSelection::GetLast() const
{
    if (!HasSelection())
        return -1;
    return m_nAnchor < m_nCaret ? m_nCaret - 1 : m_nAnchor;
}

int LineFromY(int y, int nClientTop, int nClientBottom, const CPaneLines& pane)
{
    int nHeight = pane.nLineHeight > 0 ? pane.nLineHeight : 1;
    int yc = y < nClientBottom ? y : nClientBottom;
    int nLine = (yc - nClientTop) / nHeight + pane.nTopLine;
    int nMax = pane.nLineCount - 1;
    int nLastShown = pane.nTopLine + pane.nLinesFit - 1;
    if (nLastShown < nMax)
        nMax = nLastShown;
    if (nLine > nMax)
        nLine = nMax;
    return nLine < 0 ? 0 : nLine;
}

UINT AutoScrollRepeatMs(UINT nKeyboardSpeed)
{
    if (nKeyboardSpeed > 31)
        nKeyboardSpeed = 31;
    return (UINT)(1000.0 / ((double)nKeyboardSpeed / 31.0 * 27.5 + 2.5));
}

int TopLineShowing(int nLine, int nTopLine, int nLinesFit)
{
    if (nLine < nTopLine)
        return nLine;
    if (nLine >= nTopLine + nLinesFit) {
        int nTop = nLine - nLinesFit + 1;
        return nTop < 0 ? 0 : nTop;
    }
    return nTopLine;
}
