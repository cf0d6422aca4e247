// StringIdsTest.cpp: every string of the program's string table has an id of
// its own. The resource compiler keeps the last of two strings with one id
// without a word, so a clash silently replaces another dialog's text (a list
// of record formats once became a balloon help text).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

TEST(StringIds, NoTwoStringsShareAnId)
{
    std::ifstream in(std::string(VORN_SOURCE_DIR) + "/resources/resource.h");
    ASSERT_TRUE(in) << "resource.h not found";
    const std::regex define(R"(^\s*#define\s+(IDS_\w+)\s+(\d+)\b)");
    std::map<long, std::string> seen;
    int nCount = 0;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, define))
            continue;
        ++nCount;
        long nId = std::stol(m[2].str());
        auto inserted = seen.emplace(nId, m[1].str());
        EXPECT_TRUE(inserted.second) << m[1].str() << " and " << inserted.first->second << " are both " << nId;
    }
    EXPECT_GT(nCount, 100);
}
