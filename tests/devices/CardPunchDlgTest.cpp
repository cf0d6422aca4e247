// CardPunchDlgTest.cpp: the card punch's window under Wine: the options as
// words in any case, the boxes following the file name, and the output
// file's checks: in use before the overwrite question, no question for a
// reinitialised punch that keeps its own file, and no file ever deleted.
#include <gtest/gtest.h>

#include <string>

#include "config/DevClass.h"
#include "config/OverwriteConfirmation.h"
#include "devices/AddCardPunchDlg.h"
#include "platform/PathFunctions.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/utilities/UtilityTestSupport.h"

using namespace devtest;
using vorntest::COverwriteAnswerer;

namespace {

CVornDevice Punch(const std::string& strFile, const char* pszArgs)
{
    CVornDevice dev;
    dev.m_wClass = DEVCLASS_PCH;
    dev.m_wDevnum = 0x000D;
    dev.m_wDevType = 0x3525;
    dev.m_strTypeWord = "3525";
    dev.m_strFirstArg = strFile.c_str();
    dev.m_strOtherArgs = pszArgs;
    return dev;
}

struct PunchTest : ::testing::Test {
    TempDir dir;
    void SetUp() override
    {
        COverwriteAnswerer::s_nAsked = 0;
        ForgetOverwriteConfirmations();
    }
    void TearDown() override { ForgetOverwriteConfirmations(); }
};

}  // namespace

TEST_F(PunchTest, ReinitialisingItsOwnFileAsksNothingAndKeepsTheWords)
{
    std::string strFile = dir.Write("out.pch", "cards");
    COverwriteAnswerer answerer(IDCANCEL);
    CAddCardPunchDlg dlg;
    dlg.m_Device = Punch(strFile, "ASCII CRLF");
    bool bAscii = false, bCrlf = false;
    std::string folder, file, caption;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        bAscii = Checked(h, IDC_DEVDLG_ASCII);
        bCrlf = Checked(h, IDC_PCH_CRLF);
        folder = Text(h, IDC_PCH_DIR);
        file = Text(h, IDC_PCH_FILE);
        caption = Caption(h);
    });
    EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    EXPECT_TRUE(bAscii);
    EXPECT_TRUE(bCrlf);
    EXPECT_EQ(dir.Folder(), folder);
    EXPECT_EQ("out.pch", file);
    EXPECT_EQ("Reinitialize Card Punch", caption);
    EXPECT_EQ("devinit 000D " + strFile + " ascii crlf", std::string(dlg.m_strCommand));
    EXPECT_TRUE(FileExists(strFile.c_str()));
}

TEST_F(PunchTest, TheBoxesFollowTheFileName)
{
    CAddCardPunchDlg dlg;
    dlg.m_Device = Punch(dir.Path("out.pch"), "crlf");
    bool bCleared = true, bCrlfBack = false, bAsciiBack = true;
    PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_PCH_FILE, "");
        bCleared = Enabled(h, IDC_DEVDLG_ASCII) || Enabled(h, IDC_PCH_CRLF);
        SetText(h, IDC_PCH_FILE, "new.pch");
        bCrlfBack = Enabled(h, IDC_PCH_CRLF) && Checked(h, IDC_PCH_CRLF);
        bAsciiBack = Checked(h, IDC_DEVDLG_ASCII);
        SetText(h, IDC_PCH_FILE, "new deck.pch");
    });
    EXPECT_FALSE(bCleared);
    EXPECT_TRUE(bCrlfBack);
    EXPECT_FALSE(bAsciiBack);
    EXPECT_EQ("devinit 000D \"" + dir.Path("new deck.pch") + "\" crlf", std::string(dlg.m_strCommand));
}

TEST_F(PunchTest, AFileAnotherDeviceWritesIsRefusedBeforeAnyOverwriteQuestion)
{
    std::string strFile = dir.Write("busy.pch", "cards");
    COverwriteAnswerer answerer(vorntest::kOverwriteButton);
    CSetRouter router;
    router.files = {strFile};
    CAddCardPunchDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Punch("", "");
    SOkResult r = PressOk(dlg, [&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "000E");
        SetText(h, IDC_PCH_DIR, dir.Folder().c_str());
        SetText(h, IDC_PCH_FILE, "busy.pch");
    });
    EXPECT_EQ(IDCANCEL, r.nResult);
    EXPECT_EQ("Output File: Another device is already using this name.", r.strBalloon);
    EXPECT_EQ(0, COverwriteAnswerer::s_nAsked);
    EXPECT_EQ(1, router.nFileQuestions);
    EXPECT_STREQ("", dlg.m_strCommand);
}

TEST_F(PunchTest, AnExistingFileIsConfirmedButNeverDeleted)
{
    std::string strFile = dir.Write("old.pch", "cards");
    CSetRouter router;
    {
        COverwriteAnswerer answerer(vorntest::kOverwriteButton);
        CAddCardPunchDlg dlg;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        dlg.m_Device = Punch(strFile, "ascii");
        SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000E"); });
        EXPECT_EQ(IDOK, r.nResult) << r.strBalloon;
        EXPECT_EQ(1, COverwriteAnswerer::s_nAsked);
        EXPECT_EQ("attach 000E 3525 " + strFile + " ascii", std::string(dlg.m_strCommand));
        // Nothing is left behind that could let a later run delete it.
        EXPECT_FALSE(IsOverwriteConfirmed(strFile.c_str()));
        EXPECT_TRUE(FileExists(strFile.c_str()));
    }
    // Refusing the overwrite keeps the dialog open; Cancel then changes nothing.
    COverwriteAnswerer answerer(IDCANCEL);
    CAddCardPunchDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Punch(strFile, "");
    SOkResult r = PressOk(dlg, [&](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000E"); });
    EXPECT_EQ(IDCANCEL, r.nResult);
    EXPECT_EQ("Output Filename: File already exists.", r.strBalloon);
    EXPECT_STREQ("", dlg.m_strCommand);
    EXPECT_TRUE(FileExists(strFile.c_str()));
}

TEST_F(PunchTest, TheNumberIsCheckedFirst)
{
    CSetRouter router;
    router.keys = {0x000D};
    CAddCardPunchDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Punch(dir.Path("x.pch"), "");
    SOkResult r = PressOk(dlg, nullptr);
    EXPECT_EQ("Device Number: Device already defined", r.strBalloon);
    EXPECT_EQ(0, router.nFileQuestions);
}
