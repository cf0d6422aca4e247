// ViewDeleteMessagesTest.cpp: Delete Messages in the real view: lines that
// no file holds are offered for saving first, in every logging mode (Cancel
// keeps them), and the memory-only console notes the deletion; with numbered
// log files the lines are on disk, so nothing is asked and nothing noted.
// And the start's question for the file to log to ("At Startup").
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProfileStore.h"
#include "session/ConsoleCommands.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"
#include "tests/session/ViewTestFrame.h"

namespace {

const char kDeletedLine[] = "----------------( all previous messages deleted )----------------";

struct DeleteMessagesTest : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ViewHost> host;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;

    void Start(const std::function<void()>& presets = nullptr)
    {
        host = std::make_unique<vorntest::ViewHost>(dir, presets);
        pDoc = host->Doc();
        pView = host->View();
        ASSERT_NE(pView, nullptr);
        vorntest::ViewHost::Pump(200);  // the start-up's folder check
    }
    void TearDown() override { host.reset(); }
    void Add(int n)
    {
        for (int i = 0; i < n; ++i) {
            CString str;
            str.Format("ZQC%05dI line %d", i, i);
            pView->AddMessage(str, false);
        }
        pView->RefreshAfterAppend(n);
    }
    void DeleteMessages() { ::SendMessageA(pView->m_hWnd, WM_COMMAND, ID_VIEW_DELETE_MESSAGES, 0); }
};

}  // namespace

TEST_F(DeleteMessagesTest, MemoryOnlyOffersToSaveFirstAndNotesTheDeletion)
{
    Start();
    Add(120);
    pView->SetSelection(3, 8);
    ASSERT_TRUE(pDoc->IsModified());
    {
        // Cancel: nothing goes.
        vorntest::DialogSequence answers({vorntest::ClickControl(IDCANCEL)});
        DeleteMessages();
        ASSERT_EQ(answers.Seen().size(), 1u);
        EXPECT_NE(answers.Seen()[0].strTexts.find("Do you want to save the console log?"), std::string::npos)
            << answers.Seen()[0].strTexts;
        EXPECT_EQ(pDoc->GetLineCount(), 120);
    }
    {
        // No: deleted without saving; the one line left notes it.
        vorntest::DialogSequence answers({vorntest::ClickControl(IDNO)});
        DeleteMessages();
        ASSERT_EQ(answers.Seen().size(), 1u);
    }
    ASSERT_EQ(pDoc->GetLineCount(), 1);
    EXPECT_EQ(pDoc->GetLine(0), kDeletedLine);
    EXPECT_EQ(pView->GetTopLine(), 0);
    EXPECT_FALSE(pView->GetSelection().HasSelection());
    EXPECT_TRUE(pView->IsScrolledToEnd());
    // Lines saved to a file stay there when deleted: the close asks about
    // the lines that came after, and does not save them over the file.
    std::string strSaved = dir.Path("saved.log");
    ASSERT_TRUE(pDoc->DoSave(strSaved.c_str()));
    std::string strFile = ReadBytes(strSaved);
    ASSERT_NE(strFile.find(kDeletedLine), std::string::npos) << strFile;
    DeleteMessages();
    Add(1);
    vorntest::DialogSequence answers({vorntest::ClickControl(IDNO)});
    EXPECT_TRUE(pDoc->AskSaveBeforeClose());
    EXPECT_EQ(answers.Seen().size(), 1u) << "the close's question about the new line";
    EXPECT_TRUE(pDoc->SaveModified());
    EXPECT_EQ(ReadBytes(strSaved), strFile);
}

TEST_F(DeleteMessagesTest, NumberedLogFilesDeleteWithoutQuestionOrNote)
{
    Start([] {
        ProfileWriteInt("Logging", "LogOption", 2);
        ProfileWriteString("Logging", "AutoLogFilename", "vorn.log");
    });
    ASSERT_TRUE(pDoc->IsLogNumbered());
    Add(50);
    vorntest::DialogSequence answers({});
    DeleteMessages();
    vorntest::ViewHost::Pump(100);
    EXPECT_TRUE(answers.Seen().empty());
    EXPECT_EQ(pDoc->GetLineCount(), 0);
    EXPECT_EQ(pView->GetTopLine(), 0);
}

// Lines no file holds, in every mode (after Save Messages, or not taken by a
// log on the always full device): Save writes every line (the full device
// refuses: told, all kept), Cancel keeps them, Don't Save drops them; with
// every line in a file nothing is asked.
TEST_F(DeleteMessagesTest, AsksBeforeDroppingLinesInNoFileInEveryMode)
{
    const struct {
        int nOption, nLater, nAnswer, nLeft;
        const char* pszSeen;  // after the question's first line: its count, then the full device's box
    } rows[] = {{1, 3, IDYES, 1, "Its 3 messages#"}, {1, 3, IDCANCEL, 5, "Its 3 messages#"},
                {1, 3, IDNO, 1, "Its 3 messages#"}, {1, 0, IDNO, 1, ""},
                {0, 2, IDYES, 5, "Its 5 messages#Logfile I/O error.\n\nThe newest 5 console messages#"},
                {2, 2, IDNO, 0, "Its 5 messages#"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.nOption << ", answer " << r.nAnswer);
        host.reset();
        Start();
        std::string strSaved = dir.Path("saved.log"), strAtSave, strAll = pDoc->GetHeaderText().str() + "\r\n";
        if (r.nOption != 1)
            pDoc->SetPathName("Z:\\dev\\full", FALSE), pDoc->SetLogOption(r.nOption, 10, "console.log");
        {
            vorntest::DialogSequence failure({vorntest::ClickControl(IDOK)});  // the full device's, once
            Add(2);
            if (r.nOption == 1)
                pDoc->DoSave(strSaved.c_str()), strAtSave = ReadBytes(strSaved);
            Add(r.nLater);
        }
        for (INT_PTR i = 0; i < pDoc->GetLineCount(); ++i)
            strAll += pDoc->GetLine(i).str() + "\r\n";
        vorntest::DialogSequence answers({vorntest::ClickControl(r.nAnswer), vorntest::ClickControl(IDOK)});
        DeleteMessages();
        std::string strSeen;
        for (const auto& seen : answers.Seen())
            strSeen += seen.strTexts.substr(0, seen.strTexts.find(" are kept in memory only")) + "#";
        EXPECT_EQ(strSeen, *r.pszSeen ? "Do you want to save the console log?|" + std::string(r.pszSeen) : "");
        EXPECT_EQ(pDoc->GetLineCount(), r.nLeft);
        if (r.nOption == 1) {
            EXPECT_EQ(ReadBytes(strSaved), r.nAnswer == IDYES || !r.nLater ? strAll : strAtSave);
        }
    }
}

// "At Startup" logging: the start asks for the console log file to write to;
// Save on the proposed name (the log files' in the log folder) logs every
// later line there. Cancelled, the lines stay in memory: the close asks.
TEST_F(DeleteMessagesTest, AtStartupAsksForTheFileToLogTo)
{
    for (int nAnswer : {IDOK, IDCANCEL}) {
        host.reset();
        vorntest::DialogSequence asked({vorntest::ClickControl(nAnswer), vorntest::ClickControl(IDCANCEL)});
        Start([] { ProfileWriteInt("Logging", "LogOption", 0); });
        ASSERT_TRUE(vorntest::ViewHost::Pump(5000, [&] { return asked.Seen().size() == 1; })) << "the start's question";
        Add(2);
        EXPECT_EQ(pDoc->AskSaveBeforeClose(), nAnswer == IDOK);  // the close's question cancelled
        ASSERT_EQ(asked.Seen().size(), nAnswer == IDOK ? 1u : 2u);
        EXPECT_EQ(asked.Seen()[0].strCaption, "Choose the Console Log File");
        if (nAnswer == IDOK) {
            EXPECT_EQ(ReadBytes(dir.Path("Vornamic Logfile.txt"))
                          .find(pDoc->GetHeaderText().str() + "\r\nZQC00000I line 0\r\nZQC00001I line 1\r\n"), 0u);
        }
    }
}
