// ConsoleBlock.cpp: console lines in one buffer.
#include "session/ConsoleBlock.h"

void CConsoleBlock::Add(const char* pchPrefix, size_t nPrefix, const char* pchText, size_t nText)
{
    m_starts.push_back(m_text.size());
    if (nPrefix)
        m_text.append(pchPrefix, nPrefix);
    m_text.append(pchText, nText);
    m_text.append("\r\n", 2);
}

void CConsoleBlock::Reserve(size_t nText, size_t nLines)
{
    m_text.reserve(m_text.size() + nText);
    m_starts.reserve(m_starts.size() + nLines);
}

void CConsoleBlock::Append(CConsoleBlock&& other)
{
    if (m_starts.empty()) {
        m_text.swap(other.m_text);
        m_starts.swap(other.m_starts);
    } else {
        size_t nBase = m_text.size();
        m_text += other.m_text;
        m_starts.reserve(m_starts.size() + other.m_starts.size());
        for (size_t n : other.m_starts)
            m_starts.push_back(nBase + n);
    }
    other.Clear();
}

void CConsoleBlock::Clear()
{
    m_text.clear();
    m_starts.clear();
}

size_t CConsoleBlock::LineLength(size_t i) const
{
    return End(i) - m_starts[i] - 2;
}

std::string CConsoleBlock::TextOf(size_t nFirst, size_t nEnd) const
{
    if (nFirst >= nEnd || nFirst >= m_starts.size())
        return std::string();
    size_t nFrom = m_starts[nFirst];
    size_t nTo = nEnd < m_starts.size() ? m_starts[nEnd] : m_text.size();
    return m_text.substr(nFrom, nTo - nFrom);
}
