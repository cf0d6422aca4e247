// SettingsStoreFixture.h: a test fixture with an .INI settings store of its
// own in a temporary folder, installed for the test and removed after it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"

struct SettingsStoreFixture : ::testing::Test {
    TempDir m_dir;
    std::string m_strIni;

    void SetUp() override { UseIni(""); }
    void TearDown() override { SetSettingsStore(nullptr); }

    // Installs a store over an .INI file holding exactly these bytes.
    void UseIni(const std::string& strBytes)
    {
        SetSettingsStore(nullptr);
        m_strIni = m_dir.Write("settings.ini", strBytes);
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_strIni.c_str()));
    }
};
