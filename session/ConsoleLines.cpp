// ConsoleLines.cpp: the document's console lines and length histogram.
#include "session/ConsoleLines.h"

#include "session/ConsoleClassifier.h"

CString CConsoleLines::GetAt(INT_PTR i) const
{
    if (i < 0 || i >= GetCount())
        return CString();
    return m_lines[(size_t)i].Text();
}

void CConsoleLines::Count(int nLength, int nDelta)
{
    size_t n = (size_t)nLength;
    if (nDelta > 0) {
        if (m_histogram.size() <= n)
            m_histogram.resize(n + 1, 0);
        ++m_histogram[n];
        return;
    }
    if (n < m_histogram.size() && m_histogram[n] > 0)
        --m_histogram[n];
    while (!m_histogram.empty() && m_histogram.back() == 0)
        m_histogram.pop_back();
}

void CConsoleLines::Add(const CString& strLine)
{
    CConsoleBlock block;
    block.Add(strLine.str());
    Add(std::move(block));
}

void CConsoleLines::Add(const CString& strLine, int nKind)
{
    Add(strLine);
    if (nKind >= 0 && nKind < kMsgKindCount)
        m_lines.back().nGivenKind = (UINT)nKind + 1;
}

int CConsoleLines::GetGivenKind(INT_PTR i) const
{
    if (i < 0 || i >= GetCount())
        return -1;
    return (int)m_lines[(size_t)i].nGivenKind - 1;
}

void CConsoleLines::Add(CConsoleBlock&& block)
{
    size_t n = block.GetCount();
    if (n == 0)
        return;
    auto pBlock = std::make_shared<const CConsoleBlock>(std::move(block));
    for (size_t i = 0; i < n; ++i) {
        m_lines.push_back(SLine{pBlock, (UINT)i, 0});
        Count((int)pBlock->LineLength(i), +1);
    }
}

CString CConsoleLines::RemoveFirst()
{
    if (m_lines.empty())
        return CString();
    CString str = m_lines.front().Text();
    m_lines.pop_front();
    Count(str.GetLength(), -1);
    return str;
}

bool CConsoleLines::RemoveFirst(INT_PTR n)
{
    if (n == 0)
        return true;
    if (n < 0 || n > GetCount())
        return false;
    for (INT_PTR i = 0; i < n; ++i) {
        Count(m_lines.front().GetLength(), -1);
        m_lines.pop_front();
    }
    return true;
}

void CConsoleLines::RemoveAll()
{
    m_lines.clear();
    m_histogram.clear();
}

CString CConsoleLines::GetNextLine(INT_PTR& nPos) const
{
    if (nPos < 0 || nPos >= GetCount()) {
        nPos = -1;
        return CString();
    }
    CString str = m_lines[(size_t)nPos].Text();
    nPos = nPos + 1 < GetCount() ? nPos + 1 : -1;
    return str;
}

CString CConsoleLines::GetPrevLine(INT_PTR& nPos) const
{
    if (nPos < 0 || nPos >= GetCount()) {
        nPos = -1;
        return CString();
    }
    CString str = m_lines[(size_t)nPos].Text();
    nPos = nPos - 1;
    return str;
}
