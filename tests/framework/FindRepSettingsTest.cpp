// FindRepSettingsTest.cpp: the find/replace dialog's text checks with their
// exact balloon texts, the history merge, and the options and histories
// round trip through an .INI settings store (find-only mode leaves the
// replace history alone).
#include <gtest/gtest.h>

#include <string>

#include "framework/FindRepSettings.h"
#include "tests/config/SettingsStoreFixture.h"

namespace {

struct CheckCase {
    const char* psz;
    bool bHex;
    const char* pszText;  // null: passes
};

const CheckCase kFindCases[] = {
    {"abc", false, nullptr},
    {"0x41", true, nullptr},
    {"x'41'", true, nullptr},
    {"", false, "You must enter a value to search for"},
    {"", true, "You must enter a value to search for"},
    {"abc", true, "Invalid hex search string: not 0xFF or x'FF' format."},
    {"0x4G", true, "Invalid hex search string: non-hex chars found."},
    {"0x4", true, "Invalid hex search string: odd number of hex chars."},
    {"x'414'", true, "Invalid hex search string: odd number of hex chars."},
    {"0x4", false, nullptr},
};

std::vector<CString> Texts(std::initializer_list<const char*> items)
{
    std::vector<CString> v;
    for (const char* p : items)
        v.push_back(p);
    return v;
}

}  // namespace

TEST(FindRepChecks, FindText)
{
    for (const CheckCase& c : kFindCases) {
        FindRepCheckFailure f;
        bool bOk = CheckFindText(c.psz, c.bHex, f);
        EXPECT_EQ(bOk, c.pszText == nullptr) << c.psz;
        if (c.pszText) {
            EXPECT_STREQ(f.strText, c.pszText) << c.psz;
            EXPECT_STREQ(f.strTitle, "Find what");
            EXPECT_FALSE(f.bReplaceCombo);
        }
    }
}

TEST(FindRepChecks, LengthLimits)
{
    FindRepCheckFailure f;
    EXPECT_TRUE(CheckFindText(std::string(127, 'a').c_str(), false, f));
    EXPECT_FALSE(CheckFindText(std::string(128, 'a').c_str(), false, f));
    EXPECT_STREQ(f.strText, "String is too long (127 characters maximum)");
    EXPECT_FALSE(CheckFindText(std::string(100000, 'a').c_str(), false, f));
    EXPECT_TRUE(CheckFindText(("0x" + std::string(254, 'A')).c_str(), true, f));
    EXPECT_FALSE(CheckFindText(("0x" + std::string(256, 'A')).c_str(), true, f));
    EXPECT_STREQ(f.strText, "Invalid hex search string: exceeds max 254 hex chars.");
    EXPECT_TRUE(CheckReplaceText(std::string(127, 'b').c_str(), f));
    EXPECT_FALSE(CheckReplaceText(std::string(128, 'b').c_str(), f));
    EXPECT_TRUE(f.bReplaceCombo);
    EXPECT_STREQ(f.strTitle, "Replace with");
    EXPECT_STREQ(f.strText, "String is too long (127 characters maximum)");
}

TEST(FindRepChecks, ReplaceHexAlwaysChecked)
{
    struct {
        const char* psz;
        const char* pszText;
    } cases[] = {
        {"", nullptr},
        {"plain", nullptr},
        {"0x4142", nullptr},
        {"0x4G", "Invalid hex replacement string: non-hex chars found."},
        {"x'123'", "Invalid hex replacement string: odd number of hex chars."},
    };
    for (const auto& c : cases) {
        FindRepCheckFailure f;
        EXPECT_EQ(CheckReplaceText(c.psz, f), c.pszText == nullptr) << c.psz;
        if (c.pszText) {
            EXPECT_STREQ(f.strText, c.pszText) << c.psz;
        }
    }
}

TEST(FindRepHistory, NewTextFirstDuplicatesMovedOldestDropped)
{
    std::vector<CString> items;
    for (int i = 0; i < 16; ++i) {
        CString s;
        s.Format("t%d", i);
        items.push_back(s);
    }
    std::vector<CString> h = MergeHistory("new", items, 16);
    ASSERT_EQ(h.size(), 16u);
    EXPECT_STREQ(h[0], "new");
    EXPECT_STREQ(h[15], "t14");
    h = MergeHistory("t7", items, 16);
    ASSERT_EQ(h.size(), 16u);
    EXPECT_STREQ(h[0], "t7");
    EXPECT_STREQ(h[8], "t8");
    h = MergeHistory("T7", Texts({"t7"}), 16);
    ASSERT_EQ(h.size(), 2u) << "case-sensitive";
    h = MergeHistory("", Texts({"a", "", "b"}), 16);
    ASSERT_EQ(h.size(), 2u) << "empty texts are not remembered";
    EXPECT_STREQ(h[0], "a");
    EXPECT_EQ(MergeHistory("x", {}, 0).size(), 0u);
}

struct FindRepSettingsTest : SettingsStoreFixture {};

TEST_F(FindRepSettingsTest, OneHistoryIsSavedAlone)
{
    FindRepSettings s;
    s.Save(kFindRepSection, false, "f", Texts({"g"}), "r", Texts({"q"}));
    s.SaveOneHistory(kFindRepSection, false, "g", Texts({"g", "h"}));
    EXPECT_EQ(ProfileGetInt(kFindRepSection, "FindCount", -1), 2u);
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Find-1"), "h");
    EXPECT_EQ(ProfileGetInt(kFindRepSection, "RepCount", -1), 2u) << "the replace history is untouched";
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Rep-0"), "r");
}

TEST_F(FindRepSettingsTest, RoundTrip)
{
    FindRepSettings s;
    s.bAutoHide = true;
    s.bMatchCase = TRUE;
    s.bWrapAround = TRUE;
    s.Save(kFindRepSection, false, "needle", Texts({"a", "needle", "b"}), "pin", Texts({"x"}));
    EXPECT_EQ(ProfileGetInt(kFindRepSection, "FindCount", -1), 3u);
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Find-0"), "needle");
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Find-2"), "b");
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Rep-1"), "x");
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "MaxMRULen", "none"), "none") << "never written";

    FindRepSettings r;
    CString strFind, strReplace;
    r.Load(kFindRepSection, false, &strFind, &strReplace);
    EXPECT_TRUE(r.bAutoHide);
    EXPECT_TRUE(r.bMatchCase);
    EXPECT_TRUE(r.bWrapAround);
    EXPECT_FALSE(r.bMatchWord);
    EXPECT_STREQ(strFind, "needle");
    EXPECT_STREQ(strReplace, "pin");
    EXPECT_EQ(r.findHistory.size(), 3u);
    EXPECT_EQ(r.replaceHistory.size(), 2u);
}

TEST_F(FindRepSettingsTest, FindOnlyLeavesTheReplaceHistory)
{
    ProfileWriteInt(kFindRepSection, "RepCount", 1);
    ProfileWriteString(kFindRepSection, "Rep-0", "keep");
    FindRepSettings s;
    s.Save(kFindRepSection, true, "f", {}, "other", Texts({"y"}));
    EXPECT_STREQ(ProfileGetString(kFindRepSection, "Rep-0"), "keep");
    CString strReplace = "unchanged";
    s.Load(kFindRepSection, true, nullptr, &strReplace);
    EXPECT_STREQ(strReplace, "unchanged");
    EXPECT_TRUE(s.replaceHistory.empty());
}

TEST_F(FindRepSettingsTest, MaxLengthCutsAStoredHistory)
{
    ProfileWriteInt(kFindRepSection, "MaxMRULen", 2);
    ProfileWriteInt(kFindRepSection, "FindCount", 5);
    for (int i = 0; i < 5; ++i) {
        CString k;
        k.Format("Find-%d", i);
        ProfileWriteString(kFindRepSection, k, k);
    }
    ProfileWriteInt(kFindRepSection, "RepCount", 2000000000);
    FindRepSettings s;
    s.Load(kFindRepSection, false, nullptr, nullptr);
    EXPECT_EQ(s.nMaxHistory, 2);
    ASSERT_EQ(s.findHistory.size(), 2u);
    EXPECT_STREQ(s.findHistory[1], "Find-1");
    EXPECT_TRUE(s.replaceHistory.empty()) << "a damaged count: the first missing entry ends the list";
}
