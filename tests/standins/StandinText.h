// StandinText.h: the texts and bytes the stand-ins produce in bulk: flood
// lines, garbage, numbered sequence lines and the main-storage pattern of the
// emulator stand-in. Window-free: tests compute the expected output with the
// same functions.
#pragma once

#include <string>

#include "platform/Types.h"

// Line nIndex (from 1) of a flood, nLength characters without the line feed:
// nIndex in nine digits, a blank, then the letters a-z over and over; cut to
// nLength.
std::string MakeFloodLine(UINT64 nIndex, size_t nLength);

// Appends lines nFirst .. nFirst + nCount - 1 of a flood, each with its line
// feed, to buffer.
void AppendFloodLines(std::string& buffer, UINT64 nFirst, UINT64 nCount, size_t nLength);

// nCount pseudo-random bytes (every value 0-255) from the seed; the same seed
// gives the same bytes.
std::string MakeGarbage(size_t nCount, UINT64 nSeed);

// The text with every "%d" replaced by the decimal number.
std::string ReplaceNumber(const std::string& strText, INT64 nNumber);

// The main storage of the emulator stand-in is a sequence of big-endian
// 32-bit words: word i (at byte offset 4 * i) is 0x56000000 + (i mod 2^24),
// so it reads 'V' and the word's index. The byte at an offset:
BYTE StandinStorageByte(UINT64 nOffset);
// Fills a block that starts at storage offset nOffset.
void FillStandinStorage(BYTE* pBytes, size_t nCount, UINT64 nOffset);

// "OFFSET HEX" of a poke: the decimal offset and the bytes of HEX (two
// hexadecimal digits each, at least one byte). False for anything else.
bool ParsePokeArgs(const std::string& strArgs, UINT64& nOffset, std::string& bytes);
