// PipeLineBuffer.h: the line buffer of one pipe-reader thread, window-free.
//
// A reader thread reads a child's output pipe in chunks and hands the view
// its buffer: the unfinished line kept from the previous chunks, followed by
// the new chunk, NUL-terminated. The view consumes the complete lines, moves
// an unfinished last line to the start of the buffer and gives back its
// length (SplitPipeChunk does that). This class owns that buffer and keeps
// every line within kMaxLine characters:
// - A line (complete or unfinished) longer than kMaxLine is cut to its first
//   kCutLength characters followed by "...(truncated)" and a line feed. The
//   rest of a cut complete line is dropped; so is the rest of a cut
//   unfinished line, up to and including its line feed, however many chunks
//   that takes. Every line after it arrives whole.
// - At the end of the stream, an unfinished last line is handed over with a
//   line feed of its own (Finish), so that a child's final line without a
//   line feed is not lost.
#pragma once

#include <cstddef>
#include <vector>

class CPipeLineBuffer {
public:
    // Longest line handed over, without its line feed; a longer one is cut to
    // kCutLength characters and the marker, kMaxLine characters in all.
    enum { kMaxLine = 2046, kCutLength = 2032 };
    static const char kTruncatedMarker[];    // "...(truncated)\n"

    explicit CPipeLineBuffer(size_t nReadSize);
    CPipeLineBuffer(const CPipeLineBuffer&) = delete;
    CPipeLineBuffer& operator=(const CPipeLineBuffer&) = delete;

    // Where the next read goes (after the kept bytes) and how much it may take.
    char* ReadTarget() { return m_buffer.data() + m_nLength; }
    size_t ReadCapacity() const { return m_nReadSize; }

    // Takes the nRead bytes just read into ReadTarget(). True when the buffer
    // now holds something to hand over (Data(), Length()); false when all of
    // it was dropped as the rest of a cut line.
    bool Accept(size_t nRead);

    // End of the stream: true when an unfinished line was kept; it now ends
    // with a line feed and is to be handed over once more.
    bool Finish();

    // The text to hand over, NUL-terminated, and its length in bytes. The
    // receiver sets the length to the unfinished line it moved to the start.
    char* Data() { return m_buffer.data(); }
    int& Length() { return m_nHandedLength; }
    // Takes back the receiver's kept length (clamped to what was handed over).
    void KeepAfterHandOver();

private:
    // Cuts every over-long line in the first nLength bytes; returns the new length.
    size_t ClipLongLines(size_t nLength);
    // Drops the bytes up to and including the first line feed after nFrom.
    size_t DropRestOfCutLine(size_t nFrom, size_t nLength);

    size_t m_nReadSize;
    std::vector<char> m_buffer;
    size_t m_nLength = 0;       // bytes kept: an unfinished line
    int m_nHandedLength = 0;    // in/out length of the hand-over
    bool m_bDropping = false;   // skipping the rest of a cut line
};
