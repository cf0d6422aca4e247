// SessionStoreFixture.h: a fresh .INI settings store for each test, in the
// test's own temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"

struct SessionStoreFixture : ::testing::Test {
    TempDir dir;
    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("session.ini").c_str()));
    }
    void TearDown() override { SetSettingsStore(nullptr); }
};
