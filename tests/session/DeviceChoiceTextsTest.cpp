// The Operations menu's device choice texts.
#include <gtest/gtest.h>

#include "config/DevClass.h"
#include "session/DeviceChoiceTexts.h"

TEST(DeviceChoiceTexts, EachCommandChoosesFromItsClassWithItsTexts)
{
    const struct {
        EDeviceChoice eChoice;
        unsigned short wClass;
        const char* pszNone;
        const char* pszTitle;
        const char* pszLabel;
        const char* pszPromptEnd;
    } cases[] = {
        {kChoiceLoadReader, DEVCLASS_RDR, "There are no Card Readers defined in the current configuration",
         "Load Card Reader", "Card Reader:", "Please select which Card Reader you wish to load."},
        {kChoiceLoadTape, DEVCLASS_TAPE, "There are no Tape Devices defined in the current configuration",
         "Load Tape", "Tape Drive:", "Please select which Tape Drive you wish to load."},
        {kChoiceUnloadTape, DEVCLASS_TAPE, "There are no Tape Devices defined in the current configuration",
         "Unload Tape", "Tape Drive:", "Please select which Tape Drive you wish to unload."},
    };
    for (const auto& c : cases) {
        const SDeviceChoiceTexts& t = DeviceChoiceTexts(c.eChoice);
        EXPECT_EQ(c.wClass, t.wClass);
        EXPECT_STREQ(c.pszNone, t.pszNone);
        EXPECT_STREQ(c.pszTitle, t.pszTitle);
        EXPECT_STREQ(c.pszLabel, t.pszLabel);
        std::string strPrompt = t.pszPrompt;
        EXPECT_EQ(0u, strPrompt.find("The current configuration contains multiple "));
        EXPECT_EQ(strPrompt.size() - strlen(c.pszPromptEnd), strPrompt.find(c.pszPromptEnd));
    }
    // An out-of-range choice falls back to the first row, never past the table.
    EXPECT_STREQ("Load Card Reader", DeviceChoiceTexts((EDeviceChoice)7).pszTitle);
}
