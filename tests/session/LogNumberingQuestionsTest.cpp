// LogNumberingQuestionsTest.cpp: the log numbering questions: their exact
// texts, and the task dialog with its command links answered under Wine.
#include <gtest/gtest.h>

#include <string>

#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "session/LogNumberingQuestions.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"

namespace {

const UINT kTdmClickButton = WM_USER + 102;

}  // namespace

TEST(LogNumberingTexts, MaxLogfilesExceeded)
{
    LogNumberingQuestion q = MaxLogfilesExceededQuestion(9, 14);
    EXPECT_STREQ("WLTDI_MaxLogfilesExceeded", q.pszName);
    EXPECT_STREQ(" Maximum logfiles exceeded", q.strTitle.GetString());
    EXPECT_STREQ("Maximum logfiles value too small.", q.strInstruction.GetString());
    EXPECT_STREQ("There exists more logfiles in the chosen directory than the currently specified desired maximum."
                 "\n\nShould the maximum value be increased?",
                 q.strContent.GetString());
    EXPECT_EQ(0, q.strDetails.Find("Your maximum number of logfiles value is currently set to 10, but the actual "
                                   "number of logfiles that already exist in your chosen logfiles directory is 15."
                                   "\n\nTo correct the problem"));
    EXPECT_STREQ("Increase the maximum value.\nAdjust your setting to match reality.\n(recommended)",
                 q.strLink6.GetString());
    EXPECT_STREQ("Do nothing\nKeep your current setting. (Note: may cause confusion)", q.strLink5.GetString());
}

TEST(LogNumberingTexts, ResyncBeforeAFileIsOpen)
{
    LogNumberingQuestion q = ResyncLogfileNumbersQuestion(false, "VornGUI.log", 3, 7, "C:/logs/");
    EXPECT_STREQ("WLTDI_ResyncLogfileNums", q.pszName);
    EXPECT_STREQ(" Logfile Numbering", q.strTitle.GetString());
    EXPECT_STREQ("Inconsistent or unsynchronized logfile numbering", q.strInstruction.GetString());
    EXPECT_STREQ("Would you like me to automatically change the current logfile number to 007 so that the logfile "
                 "that is created is \"VornGUI.007.log\" instead?",
                 q.strContent.GetString());
    EXPECT_STREQ("Automatic logging is currently enabled and the logfile about to be created is \"VornGUI.003.log\"."
                 "\n\nHowever, looking at the other log files that already exist in directory \"C:/logs/\", it looks "
                 "like the logfile that should be created should probably be \"VornGUI.007.log\" instead.",
                 q.strDetails.GetString());
    EXPECT_STREQ("Resynchronize logfile numbering\nCorrect the error by creating logfile number 007 instead.\n"
                 "(recommended)",
                 q.strLink6.GetString());
    EXPECT_STREQ("Keep the current numbering\nLogfile numbering will remain unsynchronized.", q.strLink5.GetString());
}

TEST(LogNumberingTexts, ResyncWithAFileOpenNamesTheNextRunsFile)
{
    LogNumberingQuestion q = ResyncLogfileNumbersQuestion(true, "VornGUI.log", 3, 7, "C:/logs/");
    EXPECT_STREQ("Would you like me to change the current logfile number to 007 so that the NEXT time VornGUI runs, "
                 "logfile \"VornGUI.008.log\" is used instead?",
                 q.strContent.GetString());
    EXPECT_EQ(0, q.strDetails.Find("Automatic logfile numbering is currently enabled, and the last-used logfile "
                                   "number is currently set to 3. This value will be automatically incremented "
                                   "whenever VornGUI exits so that, currently, the logfile that will be "
                                   "automatically created the NEXT time VornGUI is run will be \"VornGUI.004.log\"."));
    EXPECT_NE(-1, q.strDetails.Find("should probably be \"VornGUI.008.log\" instead."));
    EXPECT_STREQ("Resynchronize logfile numbering\nCorrect the error by setting the current logfile number to 007 "
                 "for next time.\n(recommended)",
                 q.strLink6.GetString());
}

TEST(LogNumberingQuestions, ShowsTheQuestionAndReturnsTheLinkChosen)
{
    TempDir dir;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("q.ini").c_str()));
    LogNumberingQuestion q = MaxLogfilesExceededQuestion(9, 14);
    for (int nLink : {IDYES, IDNO}) {
        std::string strTitle, strTexts;
        int nButton = -1;
        {
            vorntest::DialogDriver driver([&](HWND h) {
                char sz[128] = {};
                ::GetWindowTextA(h, sz, sizeof sz);
                strTitle = sz;
                strTexts = vorntest::DialogTexts(h);
                if (vorntest::KeepOpenForScreenshot()) {
                    ::Sleep(100);
                    if (::GetAsyncKeyState(VK_ESCAPE) == 0)
                        return true;  // tools/screenshot closes the program
                }
                ::SendMessageA(h, kTdmClickButton, (WPARAM)nLink, 0);
                return false;
            });
            nButton = AskLogNumberingQuestion(nullptr, q);
            EXPECT_TRUE(driver.SawDialog());
        }
        EXPECT_EQ(nLink, nButton);
        EXPECT_EQ(" Maximum logfiles exceeded", strTitle);
        EXPECT_NE(strTexts.find("Maximum logfiles value too small."), std::string::npos) << strTexts;
    }
    SetSettingsStore(nullptr);
}
