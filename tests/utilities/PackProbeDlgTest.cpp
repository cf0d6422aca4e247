// PackProbeDlgTest.cpp: the PackProbe dialog under Wine, without the view:
// the groups and their enabling (L2TAB only with a track choice), the number
// rule on each number field, the option words in their order, the refusals
// ("At least one option must be specified.", a plain image), number fields
// of unticked groups left alone, and a dropped L2TAB saved as 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/PackProbeDlg.h"

namespace {

using Step = std::function<void(HWND)>;
using vorntest::RunUtilitySteps;
using vorntest::SUtilityOk;

Step Click(UINT nCtrl)
{
    return [nCtrl](HWND h) { ::SendDlgItemMessageA(h, (int)nCtrl, BM_CLICK, 0, 0); };
}

Step Type(UINT nCtrl, const std::string& strText)
{
    return [nCtrl, strText](HWND h) { ::SetDlgItemTextA(h, (int)nCtrl, strText.c_str()); };
}

struct PackProbeDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strImage = dir.Write("mvs.cckd", vorntest::DiskImageBytes("CKD_C370"));

    void TearDown() override { ErrorBalloonHide(); }
    Step TypeImage() const { return Type(IDC_UTIL_INPUT_FILE, strImage); }
};

// The enabled ones of: L2TAB, cylinder, head, track, offset, length.
std::string Enabled(HWND h)
{
    std::string s;
    const std::pair<UINT, char> ctrls[] = {{IDC_PACKPROBE_L2TAB, '2'},  {IDC_PACKPROBE_CYL, 'c'},
                                           {IDC_PACKPROBE_HEAD, 'h'},   {IDC_PACKPROBE_TRACK, 't'},
                                           {IDC_PACKPROBE_OFFSET, 'o'}, {IDC_PACKPROBE_LENGTH, 'l'}};
    for (const auto& c : ctrls)
        s += ::IsWindowEnabled(::GetDlgItem(h, (int)c.first)) ? c.second : '-';
    return s;
}

TEST_F(PackProbeDialog, EachGroupEnablesItsNumbersAndATrackChoiceL2Tab)
{
    CPackProbeDlg dlg;
    std::vector<std::string> seen;
    auto note = [&](HWND h) { seen.push_back(Enabled(h)); };
    RunUtilitySteps(dlg,
                    {note, Click(IDC_PACKPROBE_CCHH), note, Click(IDC_PACKPROBE_TT), note, Click(IDC_PACKPROBE_CCHH),
                     note, Click(IDC_PACKPROBE_TT), note, Click(IDC_PACKPROBE_RAW), note},
                    false);
    EXPECT_EQ((std::vector<std::string>{"------", "2ch---", "2cht--", "2--t--", "------", "----ol"}), seen);
}

struct SNumberCase {
    UINT nGroup, nEdit;
    const char* pszText;
    const char* pszBalloon;  // empty: accepted
};

const SNumberCase kNumbers[] = {
    {IDC_PACKPROBE_CCHH, IDC_PACKPROBE_CYL, "0x1A", ""},
    {IDC_PACKPROBE_CCHH, IDC_PACKPROBE_CYL, "0X1f", ""},
    {IDC_PACKPROBE_CCHH, IDC_PACKPROBE_CYL, "0xZZ", "Cylinder: Invalid hexadecimal value."},
    {IDC_PACKPROBE_CCHH, IDC_PACKPROBE_HEAD, "12a", "Head: Invalid numeric value."},
    {IDC_PACKPROBE_TT, IDC_PACKPROBE_TRACK, "", "Track: Invalid numeric value."},
    {IDC_PACKPROBE_TT, IDC_PACKPROBE_TRACK, "150", ""},
    {IDC_PACKPROBE_RAW, IDC_PACKPROBE_OFFSET, "0xZZ", "Offset: Invalid hexadecimal value."},
    {IDC_PACKPROBE_RAW, IDC_PACKPROBE_OFFSET, "12a", "Offset: Invalid numeric value."},
    {IDC_PACKPROBE_RAW, IDC_PACKPROBE_LENGTH, "0x", "Length: Invalid hexadecimal value."},
};

// Each case ticks its group, fills the group's other numbers with a valid
// one and types the case's text into its field.
TEST_F(PackProbeDialog, NumbersAreDecimalOrHexadecimalAfter0x)
{
    for (const SNumberCase& c : kNumbers) {
        for (const char* pszKey : {"bCCHH", "bTT", "bRawOffset"})  // a run that passed stored its tick
            ProfileWriteInt("PACKPROBE", pszKey, 0);
        CPackProbeDlg dlg;
        std::vector<Step> steps = {TypeImage(), Click(c.nGroup)};
        for (UINT nEdit : {IDC_PACKPROBE_CYL, IDC_PACKPROBE_HEAD, IDC_PACKPROBE_TRACK, IDC_PACKPROBE_OFFSET,
                           IDC_PACKPROBE_LENGTH})
            steps.push_back(Type(nEdit, nEdit == c.nEdit ? c.pszText : "1"));
        SUtilityOk ok = RunUtilitySteps(dlg, steps);
        EXPECT_EQ(c.pszBalloon, ok.strBalloon) << "\"" << c.pszText << "\"";
        EXPECT_EQ(*c.pszBalloon ? IDCANCEL : IDOK, ok.nResult) << "\"" << c.pszText << "\"";
    }
}

TEST_F(PackProbeDialog, OptionWordsFollowTheirOrderAndNumbersGoAsTyped)
{
    CPackProbeDlg l2;
    SUtilityOk ok = RunUtilitySteps(l2, {TypeImage(), Click(IDC_PACKPROBE_CCHH), Click(IDC_PACKPROBE_L2TAB),
                                         Type(IDC_PACKPROBE_CYL, "0x1A"), Type(IDC_PACKPROBE_HEAD, "3")});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKPROBE -2 -a 0x1A 3 " + strImage, std::string(l2.m_strCommandLine));
    EXPECT_EQ("PACKPROBE mvs.cckd", std::string(l2.m_strTitle));
    EXPECT_EQ(1024, l2.m_nExpectedTotal);
}

TEST_F(PackProbeDialog, HeadersComeBeforeTheTrackWords)
{
    CPackProbeDlg hdrs;
    SUtilityOk ok = RunUtilitySteps(hdrs, {TypeImage(), Click(IDC_PACKPROBE_CCHH), Click(IDC_PACKPROBE_DEVHDR),
                                           Click(IDC_PACKPROBE_CDEVHDR), Type(IDC_PACKPROBE_CYL, "10"),
                                           Type(IDC_PACKPROBE_HEAD, "0")});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKPROBE -d -c -a 10 0 " + strImage, std::string(hdrs.m_strCommandLine));
}

TEST_F(PackProbeDialog, DebugOrL2TabWithoutATrackIsNoOption)
{
    CPackProbeDlg debug;
    EXPECT_EQ("Options: At least one option must be specified.",
              RunUtilitySteps(debug, {TypeImage(), Click(IDC_PACKPROBE_DEBUG)}).strBalloon);
    // A stored L2TAB without a track choice (its box is then disabled).
    ProfileWriteInt("PACKPROBE", "bL2TAB", 1);
    CPackProbeDlg l2;
    EXPECT_EQ("Options: At least one option must be specified.", RunUtilitySteps(l2, {TypeImage()}).strBalloon);
}

TEST_F(PackProbeDialog, AnL2TabWithoutATrackIsDroppedAndSavedSo)
{
    ProfileWriteInt("PACKPROBE", "bL2TAB", 1);
    ProfileWriteInt("PACKPROBE", "bDEVHDR", 1);
    ProfileWriteInt("PACKPROBE", "bRawOffset", 0);
    ProfileWriteString("PACKPROBE", "strOffset", "junk");  // an unticked group's number is not looked at
    CPackProbeDlg dlg;
    SUtilityOk ok = RunUtilitySteps(dlg, {TypeImage(), Click(IDC_PACKPROBE_DEBUG)});
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("PACKPROBE -d -g " + strImage, std::string(dlg.m_strCommandLine));
    EXPECT_EQ(0, ProfileGetInt("PACKPROBE", "bL2TAB", 1));
    EXPECT_EQ(strImage, std::string(ProfileGetString("PACKPROBE", "InputFile", "")));
}

TEST_F(PackProbeDialog, RefusesAnImageThatIsNotCompressed)
{
    std::string strPlain = dir.Write("plain.ckd", vorntest::DiskImageBytes("CKD_P370"));
    CPackProbeDlg plain;
    EXPECT_EQ("Input File: The specified file is not a compressed CCKD/CFBA DASD image file.",
              RunUtilitySteps(plain, {Type(IDC_UTIL_INPUT_FILE, strPlain), Click(IDC_PACKPROBE_DEVHDR)}).strBalloon);
    std::string strText = dir.Write("notes.txt", std::string(2000, 'x'));
    CPackProbeDlg text;
    EXPECT_EQ("Input File: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation "
              "perhaps?)",
              RunUtilitySteps(text, {Type(IDC_UTIL_INPUT_FILE, strText), Click(IDC_PACKPROBE_DEVHDR)}).strBalloon);
    // The typed image is tested, not the one stored: a compressed FBA image passes.
    std::string strFba = dir.Write("disk.cfba", vorntest::DiskImageBytes("FBA_C370"));
    CPackProbeDlg fba;
    EXPECT_EQ(IDOK, RunUtilitySteps(fba, {Type(IDC_UTIL_INPUT_FILE, strFba), Click(IDC_PACKPROBE_DEVHDR)}).nResult);
}

// Holds the dialog open for a picture:
// VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t PACKPROBE build/win32/bin/utilities_tests.exe
//     --gtest_filter=PackProbeDialog.DISABLED_ShowForPicture
TEST_F(PackProbeDialog, DISABLED_ShowForPicture)
{
    CPackProbeDlg dlg;
    if (!vorntest::HoldUtilityForPicture(dlg, {TypeImage(), Click(IDC_PACKPROBE_DEVHDR), Click(IDC_PACKPROBE_CCHH),
                                               Click(IDC_PACKPROBE_L2TAB), Type(IDC_PACKPROBE_CYL, "0x1A"),
                                               Type(IDC_PACKPROBE_HEAD, "3")}))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG_MS to show the dialog";
}

}  // namespace
