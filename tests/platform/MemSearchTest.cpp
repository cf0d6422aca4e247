// MemSearchTest.cpp: quick search against a plain search, both directions.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/MemSearch.h"

namespace {

const BYTE* NaiveFirst(const std::vector<BYTE>& buf, const std::vector<BYTE>& pat)
{
    for (size_t i = 0; pat.size() && i + pat.size() <= buf.size(); ++i)
        if (std::memcmp(&buf[i], pat.data(), pat.size()) == 0)
            return &buf[i];
    return nullptr;
}

const BYTE* NaiveLast(const std::vector<BYTE>& buf, const std::vector<BYTE>& pat)
{
    for (size_t i = buf.size(); pat.size() && i-- > 0;)
        if (i + pat.size() <= buf.size() && std::memcmp(&buf[i], pat.data(), pat.size()) == 0)
            return &buf[i];
    return nullptr;
}

}  // namespace

TEST(MemSearch, AgreesWithPlainSearchOnRandomData)
{
    std::mt19937 rng(1234);
    for (int round = 0; round < 2000; ++round) {
        std::vector<BYTE> buf(rng() % 64), pat(1 + rng() % 4);
        for (BYTE& b : buf)
            b = (BYTE)(rng() % 3);  // a small alphabet gives many partial matches
        for (BYTE& b : pat)
            b = (BYTE)(rng() % 3);
        QSTABLE fwd, bwd;
        InitQuickForwardMemSearch(pat.data(), pat.size(), fwd);
        InitQuickBackwardMemSearch(pat.data(), pat.size(), bwd);
        EXPECT_EQ(QuickForwardMemSearch(buf.data(), buf.size(), pat.data(), pat.size(), fwd), NaiveFirst(buf, pat));
        EXPECT_EQ(QuickBackwardMemSearch(buf.data(), buf.size(), pat.data(), pat.size(), bwd), NaiveLast(buf, pat));
    }
}

TEST(MemSearch, EdgeCases)
{
    const BYTE buf[] = {1, 2, 3, 1, 2, 3};
    const BYTE pat[] = {1, 2, 3};
    QSTABLE t;
    InitQuickForwardMemSearch(pat, 3, t);
    EXPECT_EQ(QuickForwardMemSearch(buf, 6, pat, 3, t), buf);
    EXPECT_EQ(QuickForwardMemSearch(buf, 2, pat, 3, t), nullptr);
    EXPECT_EQ(QuickForwardMemSearch(buf, 6, pat, 0, t), nullptr);
    EXPECT_EQ(QuickForwardMemSearch(nullptr, 6, pat, 3, t), nullptr);
    InitQuickBackwardMemSearch(pat, 3, t);
    EXPECT_EQ(QuickBackwardMemSearch(buf, 6, pat, 3, t), buf + 3);
    EXPECT_EQ(QuickBackwardMemSearch(buf, 3, pat, 3, t), buf);
    std::vector<BYTE> big(100000, 0xEE);
    big[99990] = 1;
    big[99991] = 2;
    big[99992] = 3;
    InitQuickForwardMemSearch(pat, 3, t);
    EXPECT_EQ(QuickForwardMemSearch(big.data(), big.size(), pat, 3, t), &big[99990]);
}
