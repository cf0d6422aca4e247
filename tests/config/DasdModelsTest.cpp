// DasdModelsTest.cpp: the disk model table lookups.
#include <gtest/gtest.h>

#include "config/DasdModels.h"

TEST(DasdModels, TableShape)
{
    ASSERT_EQ(g_nDasdModelCount, 59);
    EXPECT_STREQ(g_DasdModelTable[0].pszName, "2305");
    EXPECT_STREQ(g_DasdModelTable[58].pszName, "0671-08");
}

TEST(DasdModels, Lookups)
{
    EXPECT_EQ(GetModelCylinders("3390-3", false), 3339u);
    EXPECT_EQ(GetModelCylinders("3390-3", true), 3340u);
    EXPECT_EQ(GetModelCylinders("3390", false), 0u);
    EXPECT_EQ(GetModelCylinders("3390-4", true), 0u);
    EXPECT_EQ(GetModelCylinders("9336-20", false), 1672881u);
    EXPECT_EQ(GetModelDevTypeNumber("0671-08"), 671);
    EXPECT_EQ(GetModelDevTypeNumber("3390-3 "), -1);
    WORD w = 0x1111;
    EXPECT_TRUE(GetModelDevType("0671-08", w));
    EXPECT_EQ(w, 0x0671);
    EXPECT_FALSE(GetModelDevType("emc3380k+", w)); // names are case-sensitive
    EXPECT_EQ(w, 0x0671);
    EXPECT_TRUE(IsFbaModel("3370-B2"));
    EXPECT_FALSE(IsFbaModel("3380-K"));
    EXPECT_FALSE(IsFbaModel("nothing"));
    EXPECT_TRUE(IsFbaDevType(0x0671));
    EXPECT_TRUE(IsFbaDevType(0x9336));
    EXPECT_FALSE(IsFbaDevType(0x3390));
    EXPECT_FALSE(IsFbaDevType(0x3420));
    EXPECT_EQ(GetDevTypeCylinders(0x3390), 0u);
    EXPECT_EQ(GetDevTypeCylinders(0x1234), 0u);
    EXPECT_EQ(GetDevTypeLastValue(0x9336), 7); // the bare-type row answers
    EXPECT_EQ(GetModelLastValue("9336-10"), 5);
    EXPECT_EQ(GetDevTypeLastValue(0x4321), -1);
}
