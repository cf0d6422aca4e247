// FPEditTest.cpp: the floating-point edit and its spin control in a real
// dialog: values and formats, validation with the balloon, typed characters
// that are kept or undone, and stepping at the range ends, before the range
// is set and with refused steps.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "EditsDlg.h"
#include "platform/ErrorBalloon.h"

namespace {

struct FPEditTest : ::testing::Test {
    CEditsDlg dlg;
    void SetUp() override { ASSERT_TRUE(dlg.Create(CEditsDlg::IDD)); }
    void TearDown() override
    {
        ErrorBalloonHide();
        dlg.DestroyWindow();
    }

    std::string Text()
    {
        char sz[256] = "";
        ::GetWindowTextA(dlg.m_fpEdit.m_hWnd, sz, sizeof(sz));
        return sz;
    }
    void Type(const char* psz)
    {
        for (const char* p = psz; *p; ++p)
            dlg.m_fpEdit.SendMessage(WM_CHAR, (BYTE)*p, 1);
    }
    // Sends the spin's UDN_DELTAPOS as the control does; returns the delta
    // the handler left in the notification.
    int Spin(int nDelta)
    {
        NMUPDOWN nm = {};
        nm.hdr.hwndFrom = dlg.m_fpSpin.m_hWnd;
        nm.hdr.idFrom = IDC_FPSPIN;
        nm.hdr.code = UDN_DELTAPOS;
        nm.iDelta = nDelta;
        dlg.SendMessage(WM_NOTIFY, IDC_FPSPIN, (LPARAM)&nm);
        return nm.iDelta;
    }
};

}  // namespace

TEST_F(FPEditTest, InitialBoundsRefuseZeroAndNegatives)
{
    for (const char* psz : {"0", "-1"}) {
        dlg.m_fpEdit.SetWindowText(psz);
        EXPECT_EQ(dlg.m_fpEdit.ValidateText(), kFloatOutOfRange) << psz;
        EXPECT_EQ(dlg.m_fpEdit.GetValue(), DBL_MIN) << psz;
    }
    EXPECT_FALSE(dlg.m_fpEdit.SetValue(0.0));
}

TEST_F(FPEditTest, ValuesAndFormats)
{
    CFPEdit& e = dlg.m_fpEdit;
    e.SetPrecision(3);
    EXPECT_TRUE(e.SetValue(1.25));
    EXPECT_EQ(Text(), "1.250");
    e.SetPrecision(-1);
    EXPECT_TRUE(e.SetValue(1.25));
    EXPECT_EQ(Text(), "1.25");
    EXPECT_EQ(e.GetPrecision(), 2);
    EXPECT_TRUE(e.SetValue(2));
    EXPECT_EQ(Text(), "2.00");
    e.SetPrecision(-1);
    EXPECT_TRUE(e.SetValue(5));
    EXPECT_EQ(Text(), "5");
    EXPECT_EQ(e.GetPrecision(), -1);
    EXPECT_DOUBLE_EQ(e.GetValue(), 5.0);
}

TEST_F(FPEditTest, OutOfRangeAndNotNumbersAreRefused)
{
    CFPEdit& e = dlg.m_fpEdit;
    e.SetRange(0.0, 2.0);
    e.SetValue(1.5);
    EXPECT_FALSE(e.SetValue(2.5));
    EXPECT_FALSE(e.SetValue(__builtin_nan("")));
    EXPECT_FALSE(e.SetValue(__builtin_inf()));
    EXPECT_EQ(Text(), "1.5");
    for (const char* psz : {"nan", "inf", "-inf", "1e999", ""}) {
        e.SetWindowText(psz);
        EXPECT_EQ(e.ValidateText(), kFloatNotNumber) << psz;
        EXPECT_EQ(e.GetValue(), 0.0) << psz;
    }
    e.SetWindowText("7");
    EXPECT_EQ(e.GetValue(), 0.0) << "out of range reads as 0.0 limited to the range";
    e.SetRange(1.0, 2.0);
    EXPECT_EQ(e.GetValue(), 1.0);
    e.SetRange(3.0, 2.0);
    e.SetRange(0.0, __builtin_inf());
    double lower = 0, upper = 0;
    e.GetRange(&lower, &upper);
    EXPECT_EQ(lower, 1.0);
    EXPECT_EQ(upper, 2.0);
}

TEST_F(FPEditTest, BalloonExplainsRefusals)
{
    CFPEdit& e = dlg.m_fpEdit;
    e.SetRange(0.0, 2.0);
    e.SetWindowText("5");
    EXPECT_EQ(e.ValidateText(), kFloatOutOfRange);
    EXPECT_EQ(ErrorBalloonWindow(), nullptr) << "no balloon while show errors is off";
    e.SetShowErrors(TRUE);
    CString strTitle, strText;
    EXPECT_EQ(e.ValidateText(), kFloatOutOfRange);
    ASSERT_NE(ErrorBalloonWindow(&strTitle, &strText), nullptr);
    EXPECT_STREQ(strTitle, "Floating point value");
    EXPECT_STREQ(strText, "Given value is out of range");
    e.SetWindowText("x");
    EXPECT_EQ(e.ValidateText(), kFloatNotNumber);
    ASSERT_NE(ErrorBalloonWindow(&strTitle, &strText), nullptr);
    EXPECT_STREQ(strText, "Characters must be a number");
}

TEST_F(FPEditTest, TypingKeepsNumbersAndUndoesTheRest)
{
    CFPEdit& e = dlg.m_fpEdit;
    Type("-");
    EXPECT_EQ(Text(), "-") << "a sign is a number being typed";
    e.SetWindowText("");
    Type("1.5");
    EXPECT_EQ(Text(), "1.5");
    Type(" ");
    EXPECT_EQ(Text(), "1.5") << "spaces are swallowed";
    Type("a");
    EXPECT_EQ(Text(), "1.5");
    int nStart = -1, nEnd = -1;
    e.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 3);
    e.SetRange(0.0, 2.0);
    e.SetSel(3, 3);
    Type("9");
    EXPECT_EQ(Text(), "1.59");
    e.SetSel(4, 4);
    Type("9");
    EXPECT_EQ(Text(), "1.599");
    e.SetWindowText("1");
    e.SetSel(1, 1);
    Type("0");
    EXPECT_EQ(Text(), "10") << "out of range stays";
}

TEST_F(FPEditTest, QueuedCharactersAreDroppedAfterAnUndo)
{
    CFPEdit& e = dlg.m_fpEdit;
    e.SetValue(1.5);
    e.SetSel(3, 3);
    e.PostMessage(WM_CHAR, '7', 1);
    e.PostMessage(WM_CHAR, '8', 1);
    Type("x");
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, e.m_hWnd, WM_CHAR, WM_CHAR, PM_NOREMOVE));
    EXPECT_EQ(Text(), "1.5");
}

TEST_F(FPEditTest, SpinStepsWithinTheRange)
{
    CFPSpinCtrl& s = dlg.m_fpSpin;
    ASSERT_EQ(s.GetBuddy(), &dlg.m_fpEdit);
    s.SetStep(0.1);
    s.SetRange(0.0, 2.0);
    s.SetPos(1.0);
    EXPECT_EQ(s.GetStepCount(), 20);
    int nLower = -1, nUpper = -1;
    s.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 20);
    EXPECT_EQ(s.GetPos32(), 10);
    EXPECT_EQ(Spin(1), 1);
    EXPECT_EQ(Text(), "1.1");
    EXPECT_DOUBLE_EQ(s.GetPos(), 1.1);
    EXPECT_EQ(Spin(25), 9);
    EXPECT_EQ(Text(), "2.0");
    EXPECT_EQ(s.GetPos32(), 20);
    EXPECT_EQ(Spin(1), 0);
    EXPECT_EQ(Text(), "2.0");
    EXPECT_EQ(Spin(-100), -20);
    EXPECT_EQ(Text(), "0.0");
    EXPECT_EQ(Spin(-1), 0);
    EXPECT_EQ(Text(), "0.0");
}

TEST_F(FPEditTest, SpinBeforeRangeAndStepAreSet)
{
    CFPSpinCtrl& s = dlg.m_fpSpin;
    dlg.m_fpEdit.SetWindowText("1");
    s.SetPos(1.0);
    EXPECT_EQ(s.GetStepCount(), kFPSpinMaxSteps) << "saturated, not overflowed";
    EXPECT_EQ(Spin(1), 0);
    EXPECT_DOUBLE_EQ(s.GetPos(), 1.0);
    EXPECT_EQ(Spin(-1), -1);
    EXPECT_NEAR(s.GetPos(), 1.0, 1e-15);
    EXPECT_GT(s.GetPos(), 0.5) << "the value does not jump to the saturated position";
}

TEST_F(FPEditTest, RefusedStepsLeaveTheStep)
{
    CFPSpinCtrl& s = dlg.m_fpSpin;
    s.SetStep(0.5);
    for (double step : {0.0, -1.0, __builtin_nan(""), __builtin_inf()}) {
        s.SetStep(step);
        EXPECT_EQ(s.GetStep(), 0.5) << step;
    }
    s.SetRange(0.0, 2.0);
    s.SetPos(1.0);
    EXPECT_EQ(s.GetStepCount(), 4);
    EXPECT_EQ(Spin(1), 1);
    EXPECT_EQ(Text(), "1.5");
}

TEST_F(FPEditTest, SpinWithoutAnEditBuddyDoesNothing)
{
    CFPSpinCtrl& s = dlg.m_fpSpin;
    s.CSpinButtonCtrl::SetBuddy(::GetDlgItem(dlg.m_hWnd, IDC_HEX));
    EXPECT_EQ(s.GetBuddy(), nullptr);
    EXPECT_EQ(s.GetPos(), 0.0);
    EXPECT_EQ(s.GetStep(), 0.0);
    s.SetPos(1.0);
    EXPECT_EQ(Spin(1), 1) << "the notification is left alone";
    EXPECT_EQ(s.SetBuddy(&dlg.m_fpEdit), CWnd::FromHandle(::GetDlgItem(dlg.m_hWnd, IDC_HEX)));
    EXPECT_EQ(s.GetBuddy(), &dlg.m_fpEdit);
}
