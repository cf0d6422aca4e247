// PipeChunkSplit.h: cutting a reader's chunk of child output into lines,
// window-free; the receiving half of CPipeLineBuffer's hand-over.
#pragma once

#include <functional>

// Called once per complete line, NUL-terminated in place, trailing white
// space (carriage returns, blanks) removed. Empty lines are passed too.
typedef std::function<void(char* pszLine)> PipeLineFn;

// Splits pBuffer's nLength bytes (NUL-terminated after them) at line feeds
// and passes each complete line to fnLine. An unfinished last line is moved
// to the start of the buffer and nLength becomes its length in bytes (0 when
// the text ended with a line feed); text without any line feed is left as
// it is.
void SplitPipeChunk(char* pBuffer, int& nLength, const PipeLineFn& fnLine);

// The same, with each line's length (after the white space went).
typedef std::function<void(char* pszLine, size_t nLength)> PipeSizedLineFn;
void SplitPipeChunkSized(char* pBuffer, int& nLength, const PipeSizedLineFn& fnLine);
