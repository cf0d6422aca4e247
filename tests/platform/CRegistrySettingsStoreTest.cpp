// CRegistrySettingsStoreTest.cpp: the registry settings store, for real
// (under Wine's registry), below a test-only application key.
#include <gtest/gtest.h>

#include "platform/CRegistrySettingsStore.h"
#include "platform/ProfileStore.h"

namespace {

const char* kApp = "VornGUI-platform-tests";

struct RegistryStoreTest : ::testing::Test {
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quadrelle\\VornGUI-platform-tests"); }
    void TearDown() override
    {
        SetSettingsStore(nullptr);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quadrelle\\VornGUI-platform-tests");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quadrelle\\VornGUI-platform-tests");
    }
};

}  // namespace

TEST_F(RegistryStoreTest, ValuesUnderCompanyAndAppKey)
{
    CRegistrySettingsStore store("Quadrelle", kApp);
    EXPECT_EQ(store.GetAppKeyPath(), "Software\\Quadrelle\\VornGUI-platform-tests");
    ASSERT_TRUE(store.WriteInt("Settings\\FindRep", "nFlags", -2));
    ASSERT_TRUE(store.WriteString("Settings\\FindRep", "strFind", " C:\\a b \"q\" "));
    ASSERT_TRUE(store.WriteString("Settings", "strEmpty", ""));

    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quadrelle\\VornGUI-platform-tests\\Settings\\FindRep", 0,
                              KEY_READ, &hKey),
              ERROR_SUCCESS);
    DWORD dwType = 0, dw = 0, cb = sizeof dw;
    EXPECT_EQ(::RegQueryValueExA(hKey, "nFlags", nullptr, &dwType, (BYTE*)&dw, &cb), ERROR_SUCCESS);
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_EQ(dw, 0xFFFFFFFEu);
    ::RegCloseKey(hKey);

    int n = 0;
    ASSERT_TRUE(store.GetInt("settings\\findrep", "NFLAGS", n));
    EXPECT_EQ(n, -2);
    CString s;
    ASSERT_TRUE(store.GetString("Settings\\FindRep", "strFind", s));
    EXPECT_EQ(s, " C:\\a b \"q\" ");
    ASSERT_TRUE(store.GetString("Settings", "strEmpty", s));
    EXPECT_EQ(s, "");
    EXPECT_FALSE(store.GetInt("Settings\\FindRep", "strFind", n));  // a text is not an integer
    EXPECT_FALSE(store.GetString("Settings\\FindRep", "nFlags", s));
    EXPECT_FALSE(store.GetInt("Nowhere", "x", n));
    EXPECT_EQ(n, -2);
}

TEST_F(RegistryStoreTest, DeleteEntryAndSectionTree)
{
    CRegistrySettingsStore store("Quadrelle", kApp);
    ASSERT_TRUE(store.WriteInt("Settings", "a", 1));
    ASSERT_TRUE(store.WriteInt("Settings\\FindRep", "b", 2));
    ASSERT_TRUE(store.DeleteEntry("Settings", "a"));
    ASSERT_TRUE(store.DeleteEntry("Settings", "a"));
    ASSERT_TRUE(store.DeleteEntry("NoSection", "a"));
    int n = 0;
    EXPECT_FALSE(store.GetInt("Settings", "a", n));
    ASSERT_TRUE(store.DeleteSection("Settings"));
    EXPECT_FALSE(store.GetInt("Settings\\FindRep", "b", n));
    HKEY hKey = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quadrelle\\VornGUI-platform-tests\\Settings", 0, KEY_READ,
                              &hKey),
              ERROR_SUCCESS);
    ASSERT_TRUE(store.DeleteSection("Settings"));
}

TEST_F(RegistryStoreTest, ListsThroughProfileFunctions)
{
    SetSettingsStore(std::make_unique<CRegistrySettingsStore>("Quadrelle", kApp));
    CStringArray list;
    list.Add("C:\\Vorn");
    list.Add("D:\\Disks");
    ASSERT_TRUE(WLWriteProfileMultiString("Settings", "ConfigFilesDirs", list));
    EXPECT_EQ(ProfileGetInt("Settings", "ConfigFilesDirs_nCount", 0), 2u);
    CStringArray back;
    ASSERT_EQ(WLGetProfileMultiString("Settings", "ConfigFilesDirs", back), 2);
    EXPECT_EQ(back[1], "D:\\Disks");
    ASSERT_TRUE(ProfileWriteInt("Settings", "ConfigFilesDirs_nCount", 2000000000));
    EXPECT_EQ(WLGetProfileMultiString("Settings", "ConfigFilesDirs", back), 2);
}
