// CGetOpt.cpp: the option walker.
#include "platform/CGetOpt.h"

CGetOpt::CGetOpt(const CStringArray& words, const char* pszOptions) : m_strOptions(pszOptions)
{
    m_words.Copy(words);
}

int CGetOpt::GetOpt()
{
    m_strOptArg.Empty();
    m_bMissingArg = false;
    const int nWords = (int)m_words.GetSize();
    if (m_nNextChar == 0) {
        if (m_nOptInd >= nWords)
            return -1;
        const CString& strWord = m_words[m_nOptInd];
        if (strWord.GetLength() < 2 || strWord[0] != '-')
            return -1;
        if (strWord == "--") {
            m_nOptInd++;
            return -1;
        }
        m_nNextChar = 1;
    }

    const CString& strWord = m_words[m_nOptInd];
    const char ch = strWord[m_nNextChar++];
    const bool bLastInWord = m_nNextChar >= strWord.GetLength();
    const int nAt = ch == ':' ? -1 : m_strOptions.Find(ch);
    const bool bTakesValue = nAt >= 0 && m_strOptions.GetLength() > nAt + 1 && m_strOptions[nAt + 1] == ':';

    if (nAt < 0 || !bTakesValue) {
        if (bLastInWord) {
            m_nOptInd++;
            m_nNextChar = 0;
        }
        if (nAt >= 0)
            return ch;
        m_nOptOpt = (unsigned char)ch;
        return '?';
    }

    // A letter that takes a value: the rest of the word, else the next word.
    if (!bLastInWord) {
        m_strOptArg = strWord.Mid(m_nNextChar);
        m_nOptInd++;
    } else if (m_nOptInd + 1 < nWords) {
        m_strOptArg = m_words[m_nOptInd + 1];
        m_nOptInd += 2;
    } else {
        m_nOptInd++;
        m_nNextChar = 0;
        m_nOptOpt = (unsigned char)ch;
        m_bMissingArg = true;
        return '?';
    }
    m_nNextChar = 0;
    return ch;
}
