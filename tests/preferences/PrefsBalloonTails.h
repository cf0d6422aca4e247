// PrefsBalloonTails.h: checks that a preferences page's balloon for a
// control ends as expected (the end of its text, a line break, its title).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/HelpKeys.h"
#include "preferences/PreferencesDlg.h"

namespace vorntest {

struct SBalloonTail {
    int page;
    UINT ctrl;  // 0: the page itself
    const char* tail;
};

inline void ExpectBalloonTails(CPreferencesDlg& dlg, const std::vector<SBalloonTail>& cases)
{
    for (const SBalloonTail& c : cases) {
        CHelpButtonWnd<CPropertyPage>& page = *dlg.GetPrefsPage(c.page);
        std::string s = page.GetHelpString(MakeHelpKey(page.GetHelpDialogId(), c.ctrl)).GetString();
        std::string tail = c.tail;
        EXPECT_TRUE(s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0)
            << c.page << "/" << c.ctrl << ": " << s;
    }
}

}  // namespace vorntest
