// ConsoleLines.h: CConsoleLines, the console lines of the document with the
// histogram of their lengths, from which the longest stored line is told in
// constant time (the horizontal scroll range). Lines that arrive in a block
// stay in it: the block is shared by its lines and goes with the last one.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "session/ConsoleBlock.h"

#include "platform/CString.h"
#include "platform/Types.h"

class CConsoleLines {
public:
    INT_PTR GetCount() const { return (INT_PTR)m_lines.size(); }
    INT_PTR GetLastIndex() const { return GetCount() - 1; }
    bool HasLines() const { return !m_lines.empty(); }
    // The line at i; an empty string when i is out of range.
    CString GetAt(INT_PTR i) const;
    // The length of the longest stored line (0 when empty).
    int GetLongestLength() const { return m_histogram.empty() ? 0 : (int)m_histogram.size() - 1; }

    void Add(const CString& strLine);
    // A line whose kind (EConsoleMsgKind) its writer gives, instead of its
    // text telling it (the application's own notes).
    void Add(const CString& strLine, int nKind);
    // The kind given with Add, or -1 when the line's text tells it (also
    // when i is out of range).
    int GetGivenKind(INT_PTR i) const;
    // Takes every line of the block, which is moved here, not copied.
    void Add(CConsoleBlock&& block);
    // Removes and returns the oldest line (an empty string when there is none).
    CString RemoveFirst();
    // Removes the n oldest lines; true when n lines were there. n = 0 is true
    // at once; a negative n, or fewer lines than n, removes nothing and is false.
    bool RemoveFirst(INT_PTR n);
    void RemoveAll();

    // The line at nPos, moving nPos one forward (Next) or back (Prev); nPos
    // becomes -1 when it leaves the lines or was out of range (the text is
    // then empty).
    CString GetNextLine(INT_PTR& nPos) const;
    CString GetPrevLine(INT_PTR& nPos) const;

private:
    // A stored line: its block, its index there and the kind given with it
    // plus one (0: its text tells), packed into one word, as a console holds
    // lines by the million (a block never reaches 2^28 lines: each takes at
    // least its CR LF).
    struct SLine {
        std::shared_ptr<const CConsoleBlock> pBlock;
        UINT nIndex : 28;
        UINT nGivenKind : 4;
        int GetLength() const { return (int)pBlock->LineLength(nIndex); }
        CString Text() const { return CString(pBlock->LineData(nIndex), GetLength()); }
    };

    void Count(int nLength, int nDelta);

    std::deque<SLine> m_lines;
    std::vector<UINT> m_histogram;  // [n] = stored lines of length n; no trailing zeros
};
