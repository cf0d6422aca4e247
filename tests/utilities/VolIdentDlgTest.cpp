// VolIdentDlgTest.cpp: the VolIdent dialog under Wine, without the view: the
// serial number read from the image (read-only for a read-only image), the
// serial checks, and when the serial number is sent: unchanged, changed,
// read-only, and after another image was named (the serial it is compared
// with follows every image read).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/ErrorBalloon.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolIdentDlg.h"

namespace {

using Step = std::function<void(HWND)>;
using vorntest::RunUtilitySteps;
using vorntest::SUtilityOk;

// A compressed image whose header records the serial number (12 bytes at 20).
std::string ImageWithSerial(const std::string& strSerial)
{
    std::string s = vorntest::DiskImageBytes("CKD_C370");
    s.replace(20, strSerial.size(), strSerial);
    return s;
}

Step Type(UINT nCtrl, const std::string& strText)
{
    return [nCtrl, strText](HWND h) { ::SetDlgItemTextA(h, (int)nCtrl, strText.c_str()); };
}

std::string Text(HWND h, UINT nCtrl)
{
    char sz[MAX_PATH] = "";
    ::GetDlgItemTextA(h, (int)nCtrl, sz, sizeof sz);
    return sz;
}

struct VolIdentDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strFirst = dir.Write("first.cckd", ImageWithSerial("111111111111"));
    std::string strSecond = dir.Write("second.cckd", ImageWithSerial("222222222222"));
    std::string strLocked = dir.Write("locked.cckd", ImageWithSerial("333333333333"));
    std::string strText = dir.Write("notes.txt", std::string(2000, 'x'));

    void SetUp() override { ::SetFileAttributesA(strLocked.c_str(), FILE_ATTRIBUTE_READONLY); }
    void TearDown() override
    {
        ::SetFileAttributesA(strLocked.c_str(), FILE_ATTRIBUTE_NORMAL);
        ErrorBalloonHide();
    }
};

TEST_F(VolIdentDialog, ShowsTheImageSerialAndAnUnchangedOneOnlyDisplays)
{
    CVolIdentDlg dlg;
    std::string strShown;
    SUtilityOk ok = RunUtilitySteps(dlg, {Type(IDC_UTIL_INPUT_FILE, strFirst),
                                          [&](HWND h) { strShown = Text(h, IDC_VOLIDENT_SERIAL); }});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("111111111111", strShown);
    EXPECT_EQ("VOLIDENT " + strFirst, std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLIDENT first.cckd", std::string(dlg.m_strTitle));
    // The image comes back with the next opening, its serial read again.
    CVolIdentDlg again;
    std::string strInput;
    RunUtilitySteps(again, {[&](HWND h) {
                        strInput = Text(h, IDC_UTIL_INPUT_FILE);
                        strShown = Text(h, IDC_VOLIDENT_SERIAL);
                    }},
                    false);
    EXPECT_EQ(strFirst, strInput);
    EXPECT_EQ("111111111111", strShown);
}

struct SSendCase {
    const char* pszName;
    const char* pszOpened;    // the image named first
    const char* pszSwitched;  // the image named then, or null
    const char* pszTyped;     // the serial typed then, or null
    const char* pszSent;      // the serial on the command line, or ""
};

const SSendCase kSendCases[] = {
    {"unchanged", "first", nullptr, nullptr, ""},
    {"changed", "first", nullptr, "000000012345", "000000012345"},
    {"emptied", "first", nullptr, "", ""},
    {"typed with blanks around", "first", nullptr, " 000000012345 ", "000000012345"},
    {"read-only", "locked", nullptr, "000000012345", ""},
    {"read-only, unchanged", "locked", nullptr, nullptr, ""},
    // After another image was named its own serial is the one compared with.
    {"switched, unchanged", "first", "second", nullptr, ""},
    {"switched, set to the first image's serial", "first", "second", "111111111111", "111111111111"},
    {"switched, set to its own serial", "first", "second", "222222222222", ""},
    {"switched to a read-only image", "first", "locked", "000000012345", ""},
    {"switched from a read-only image", "locked", "second", "000000012345", "000000012345"},
};

TEST_F(VolIdentDialog, SendsTheSerialOnlyWhenChangedOnAWritableImage)
{
    auto path = [&](const char* psz) {
        std::string s = psz;
        return s == "first" ? strFirst : s == "second" ? strSecond : strLocked;
    };
    for (const SSendCase& c : kSendCases) {
        CVolIdentDlg dlg;
        std::vector<Step> steps = {Type(IDC_UTIL_INPUT_FILE, path(c.pszOpened))};
        if (c.pszSwitched)
            steps.push_back(Type(IDC_UTIL_INPUT_FILE, path(c.pszSwitched)));
        if (c.pszTyped)
            steps.push_back(Type(IDC_VOLIDENT_SERIAL, c.pszTyped));
        SUtilityOk ok = RunUtilitySteps(dlg, steps);
        ASSERT_EQ(IDOK, ok.nResult) << c.pszName << ": " << ok.strBalloon;
        std::string strImage = path(c.pszSwitched ? c.pszSwitched : c.pszOpened);
        std::string strName = strImage.substr(strImage.find_last_of('\\') + 1);
        std::string strSent = c.pszSent;
        EXPECT_EQ("VOLIDENT " + strImage + (strSent.empty() ? "" : " " + strSent),
                  std::string(dlg.m_strCommandLine))
            << c.pszName;
        EXPECT_EQ("VOLIDENT " + strName + (strSent.empty() ? "" : " " + strSent), std::string(dlg.m_strTitle))
            << c.pszName;
    }
}

TEST_F(VolIdentDialog, ARefusedSerialKeepsTheDialogOpen)
{
    for (const char* pszSerial : {"00000001234", "0000000123456", "00000 012345", "1234567890ab"}) {
        CVolIdentDlg dlg;
        SUtilityOk ok =
            RunUtilitySteps(dlg, {Type(IDC_UTIL_INPUT_FILE, strFirst), Type(IDC_VOLIDENT_SERIAL, pszSerial)});
        EXPECT_EQ(IDCANCEL, ok.nResult) << pszSerial;
        EXPECT_EQ("Serial Number: Invalid serial number", ok.strBalloon) << pszSerial;
    }
}

TEST_F(VolIdentDialog, AReadOnlyImageShowsItsSerialReadOnly)
{
    CVolIdentDlg dlg;
    bool bReadOnly = false, bWritableAfter = false;
    std::string strShown, strAfter;
    RunUtilitySteps(dlg,
                    {Type(IDC_UTIL_INPUT_FILE, strLocked),
                     [&](HWND h) {
                         bReadOnly = ::GetWindowLongA(::GetDlgItem(h, IDC_VOLIDENT_SERIAL), GWL_STYLE) & ES_READONLY;
                         strShown = Text(h, IDC_VOLIDENT_SERIAL);
                     },
                     Type(IDC_UTIL_INPUT_FILE, dir.Path("absent.cckd")),
                     [&](HWND h) { strAfter = Text(h, IDC_VOLIDENT_SERIAL); },
                     Type(IDC_UTIL_INPUT_FILE, strSecond),
                     [&](HWND h) {
                         bWritableAfter =
                             !(::GetWindowLongA(::GetDlgItem(h, IDC_VOLIDENT_SERIAL), GWL_STYLE) & ES_READONLY);
                     }},
                    false);
    EXPECT_TRUE(bReadOnly);
    EXPECT_EQ("333333333333", strShown);
    EXPECT_EQ("", strAfter);  // a file that cannot be read shows no serial
    EXPECT_TRUE(bWritableAfter);
}

TEST_F(VolIdentDialog, RefusesWhatIsNoDiskImage)
{
    CVolIdentDlg text;
    EXPECT_EQ("Input File: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation "
              "perhaps?)",
              RunUtilitySteps(text, {Type(IDC_UTIL_INPUT_FILE, strText)}).strBalloon);
    CVolIdentDlg missing;
    EXPECT_EQ("Input File: File not found.",
              RunUtilitySteps(missing, {Type(IDC_UTIL_INPUT_FILE, dir.Path("none.cckd"))}).strBalloon);
}

TEST_F(VolIdentDialog, SerialHelpText)
{
    CVolIdentDlg dlg;
    EXPECT_EQ("Enter into this field your optional overriding 12-digit serial number to be used for this DASD.\n"
              "Serial Number",
              std::string(dlg.GetHelpString(((DWORD)IDD_VOLIDENT << 16) | IDC_VOLIDENT_SERIAL)));
}

TEST_F(VolIdentDialog, WidensButKeepsItsHeight)
{
    CVolIdentDlg dlg;
    RECT rcBefore = {}, rcAfter = {};
    RunUtilitySteps(dlg,
                    {[&](HWND h) {
                        ::GetWindowRect(h, &rcBefore);
                        ::SetWindowPos(h, nullptr, 0, 0, rcBefore.right - rcBefore.left + 100,
                                       rcBefore.bottom - rcBefore.top + 60, SWP_NOMOVE | SWP_NOZORDER);
                        ::GetWindowRect(h, &rcAfter);
                    }},
                    false);
    EXPECT_EQ(rcBefore.bottom - rcBefore.top, rcAfter.bottom - rcAfter.top);
    EXPECT_EQ(rcBefore.right - rcBefore.left + 100, rcAfter.right - rcAfter.left);
}

// Holds the dialog open for a picture:
// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLIDENT build/win32/bin/utilities_tests.exe
//     --gtest_filter=VolIdentDialog.DISABLED_ShowForPicture
TEST_F(VolIdentDialog, DISABLED_ShowForPicture)
{
    CVolIdentDlg dlg;
    if (!vorntest::HoldUtilityForPicture(dlg, {Type(IDC_UTIL_INPUT_FILE, strFirst)}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
