// StandinText.cpp: flood lines, garbage, sequence lines, storage pattern.
#include "tests/standins/StandinText.h"

#include <cstdio>
#include <string>

std::string MakeFloodLine(UINT64 nIndex, size_t nLength)
{
    char number[32];
    std::snprintf(number, sizeof(number), "%09llu ", (unsigned long long)nIndex);
    std::string line(number);
    for (size_t i = 0; line.size() < nLength; ++i)
        line += (char)('a' + i % 26);
    line.resize(nLength);
    return line;
}

void AppendFloodLines(std::string& buffer, UINT64 nFirst, UINT64 nCount, size_t nLength)
{
    for (UINT64 i = 0; i < nCount; ++i) {
        buffer += MakeFloodLine(nFirst + i, nLength);
        buffer += '\n';
    }
}

std::string MakeGarbage(size_t nCount, UINT64 nSeed)
{
    // xorshift64*: quick, deterministic, and every byte value occurs.
    UINT64 x = nSeed ? nSeed : 0x9E3779B97F4A7C15ull;
    std::string bytes;
    bytes.reserve(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        x ^= x >> 12;
        x ^= x << 25;
        x ^= x >> 27;
        bytes += (char)(BYTE)((x * 0x2545F4914F6CDD1Dull) >> 56);
    }
    return bytes;
}

std::string ReplaceNumber(const std::string& strText, INT64 nNumber)
{
    const std::string number = std::to_string((long long)nNumber);
    std::string out;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '%' && i + 1 < strText.size() && strText[i + 1] == 'd') {
            out += number;
            ++i;
        } else {
            out += strText[i];
        }
    }
    return out;
}

BYTE StandinStorageByte(UINT64 nOffset)
{
    UINT64 nWord = 0x56000000u + ((nOffset / 4) & 0xFFFFFFu);
    return (BYTE)(nWord >> (8 * (3 - nOffset % 4)));
}

void FillStandinStorage(BYTE* pBytes, size_t nCount, UINT64 nOffset)
{
    for (size_t i = 0; i < nCount; ++i)
        pBytes[i] = StandinStorageByte(nOffset + i);
}

bool ParsePokeArgs(const std::string& strArgs, UINT64& nOffset, std::string& bytes)
{
    size_t nBlank = strArgs.find(' ');
    if (nBlank == 0 || nBlank == std::string::npos)
        return false;
    std::string offset = strArgs.substr(0, nBlank), hex = strArgs.substr(nBlank + 1);
    if (offset.size() > 19 || offset.find_first_not_of("0123456789") != std::string::npos)
        return false;
    if (hex.empty() || hex.size() % 2 || hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
        return false;
    nOffset = std::stoull(offset);
    bytes.clear();
    for (size_t i = 0; i < hex.size(); i += 2)
        bytes += (char)std::stoi(hex.substr(i, 2), nullptr, 16);
    return true;
}
