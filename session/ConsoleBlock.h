// ConsoleBlock.h: CConsoleBlock, console lines kept in one buffer, each line
// followed by CR LF as the log file takes them, with the start of every
// line. A pipe reader builds one per chunk of child output; the pending
// queue joins them; the document writes the text to its log file in one
// piece and keeps the block as the storage of its lines. So a line costs no
// allocation of its own on its way from the pipe to the pane. Window-free.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CConsoleBlock {
public:
    size_t GetCount() const { return m_starts.size(); }
    bool IsEmpty() const { return m_starts.empty(); }
    // Every line followed by CR LF.
    const std::string& Text() const { return m_text; }

    // Appends a line made of a prefix (the time stamp, the process id) and
    // the text; neither may hold a line feed.
    void Add(const char* pchPrefix, size_t nPrefix, const char* pchText, size_t nText);
    void Add(const std::string& strLine) { Add(nullptr, 0, strLine.data(), strLine.size()); }
    // Room for nText more bytes of text (prefixes and CR LF included) and
    // nLines more lines, taken in one allocation each.
    void Reserve(size_t nText, size_t nLines);
    // Moves the other block's lines after these; the other is empty afterwards.
    void Append(CConsoleBlock&& other);
    void Clear();

    // Line i (0 .. GetCount() - 1) without its CR LF.
    const char* LineData(size_t i) const { return m_text.data() + m_starts[i]; }
    size_t LineLength(size_t i) const;
    std::string Line(size_t i) const { return std::string(LineData(i), LineLength(i)); }
    // The text of lines nFirst .. nEnd - 1, each with its CR LF.
    std::string TextOf(size_t nFirst, size_t nEnd) const;

private:
    size_t End(size_t i) const { return i + 1 < m_starts.size() ? m_starts[i + 1] : m_text.size(); }

    std::string m_text;
    std::vector<size_t> m_starts;
};
