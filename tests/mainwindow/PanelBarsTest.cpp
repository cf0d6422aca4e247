// PanelBarsTest.cpp: the control panel bar and the CPU busy-percentage bar
// as child windows of their own under a recording main window: images,
// dials by mouse, colours, forwarded commands, rows and their messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "config/GdiHelpers.h"
#include "config/Limits.h"
#include "mainwindow/DynCPUPercentDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"
#include "session/PrivateMessages.h"
#include "tests/config/TempFile.h"
#include "tests/support/BitmapPixel.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

// The main window the bars forward to: records every WM_COMMAND.
class CRecordingMain : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CRecordingMain()
    {
        CreateEx(0, AfxRegisterWndClass(0), "panel host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 900, 400,
                 nullptr, nullptr);
    }
    ~CRecordingMain() override { DestroyWindow(); }
    std::vector<std::pair<UINT, LPARAM>> m_commands;

protected:
    BOOL OnCommand(WPARAM wp, LPARAM lp) override
    {
        m_commands.push_back({LOWORD(wp), lp});
        return TRUE;
    }
};
BEGIN_MESSAGE_MAP(CRecordingMain, CWnd)
END_MESSAGE_MAP()

std::string WindowText(HWND h)
{
    char sz[64] = {};
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

using vorntest::PixelOf;

struct PanelFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ScopedIniStore> store;
    std::unique_ptr<CWinApp> app;
    std::unique_ptr<CRecordingMain> main;

    void SetUp() override
    {
        store = std::make_unique<vorntest::ScopedIniStore>(dir.Path("panel.ini").c_str());
        Presets();
        app = std::make_unique<CWinApp>("PanelTest");
        main = std::make_unique<CRecordingMain>();
        app->m_pMainWnd = main.get();
    }
    void TearDown() override
    {
        app->m_pMainWnd = nullptr;
        main.reset();
        app.reset();
        store.reset();
    }
    virtual void Presets() {}
};

struct ControlsBarTest : PanelFixture {
    CDynControlsDlgBar* pBar = nullptr;
    void SetUp() override
    {
        PanelFixture::SetUp();
        pBar = new CDynControlsDlgBar(main.get());
        ASSERT_TRUE(pBar->Create(CDynControlsDlgBar::IDD, main.get()));
        main->ShowWindow(SW_SHOWNOACTIVATE);
        vorntest::PumpMessages();
    }
    void TearDown() override
    {
        pBar->DestroyWindow();
        delete pBar;
        PanelFixture::TearDown();
    }
    std::string Digits() const
    {
        std::string s;
        for (int i = 0; i < 4; ++i)
            s += WindowText(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_DIGIT1 + i));
        return s;
    }
    // A click of the mouse at x pixels from the dial's left edge, through
    // the thread's queue as the mouse's messages come.
    void ClickDial(int nDial, int x)
    {
        HWND hDial = ::GetDlgItem(pBar->m_hWnd, IDC_PANEL_DIAL1 + nDial);
        RECT rc;
        ::GetClientRect(hDial, &rc);
        POINT pt = {x, rc.bottom / 2};
        POINT ptScreen = pt;
        ::ClientToScreen(hDial, &ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        ::PostMessageA(hDial, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ::PostMessageA(hDial, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        vorntest::PumpMessages();
    }
};

}  // namespace

TEST_F(ControlsBarTest, EveryButtonHasItsImages)
{
    const UINT withPressed[] = {IDC_PANEL_STORE,      IDC_PANEL_RESTART,  IDC_PANEL_START,
                                IDC_PANEL_STOP,       IDC_PANEL_POWERONOFF, IDC_PANEL_POWERONON,
                                IDC_PANEL_POWEROFF,   IDC_PANEL_INTERRUPT,  IDC_PANEL_LOAD};
    for (UINT nID : withPressed) {
        auto* pButton = dynamic_cast<CBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(pBar->m_hWnd, nID)));
        ASSERT_NE(pButton, nullptr) << nID;
        EXPECT_NE(pButton->m_bitmap.m_hObject, nullptr) << nID;
        EXPECT_NE(pButton->m_bitmapSel.m_hObject, nullptr) << nID;
        RECT rc;
        ::GetWindowRect(pButton->m_hWnd, &rc);
        EXPECT_EQ(33, rc.right - rc.left) << nID;
        EXPECT_EQ(25, rc.bottom - rc.top) << nID;
    }
    RECT rc;
    ::GetWindowRect(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_DIAL1), &rc);
    EXPECT_EQ(59, rc.right - rc.left);
    EXPECT_EQ(54, rc.bottom - rc.top);
    ::GetWindowRect(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_METER), &rc);
    EXPECT_EQ(124, rc.right - rc.left);
    ::GetWindowRect(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_SYSON), &rc);
    EXPECT_EQ(23, rc.right - rc.left);
    EXPECT_EQ(37, rc.bottom - rc.top);
    // The lit power button is hidden and disabled; the lamps show unlit.
    HWND hLit = ::GetDlgItem(pBar->m_hWnd, IDC_PANEL_POWERONON);
    EXPECT_FALSE(::GetWindowLongA(hLit, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::IsWindowEnabled(hLit));
    EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_SYSON), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_SYSOFF), GWL_STYLE) & WS_VISIBLE);
}

// Loaded at once, each image is the bitmap LoadBitmap makes of it: the same
// size, format and bits, whatever its place in the stack.
TEST(LoadBitmapResources, EachImageIsAsLoadBitmapLoadsIt)
{
    const char* const names[] = {"METERU", "DIALU",   "SYSONU",     "LOADOFFU",    "STOREU",    "STORED",
                                 "LOADU",  "POWERONONU", "POWERONOFFD", "INTERRUPTU", "WAITONU"};
    const size_t kCount = sizeof(names) / sizeof(names[0]);
    CBitmap images[kCount];
    CBitmap* targets[kCount];
    for (size_t i = 0; i < kCount; ++i)
        targets[i] = &images[i];
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    ASSERT_TRUE(LoadBitmapResources(hInst, names, targets, kCount));
    for (size_t i = 0; i < kCount; ++i) {
        CBitmap single;
        ASSERT_TRUE(single.Attach(::LoadBitmapA(hInst, names[i]))) << names[i];
        BITMAP bmAtOnce = {}, bmSingle = {};
        ASSERT_TRUE(images[i].GetBitmap(&bmAtOnce)) << names[i];
        ASSERT_TRUE(single.GetBitmap(&bmSingle));
        EXPECT_EQ(bmSingle.bmWidth, bmAtOnce.bmWidth) << names[i];
        EXPECT_EQ(bmSingle.bmHeight, bmAtOnce.bmHeight) << names[i];
        EXPECT_EQ(bmSingle.bmBitsPixel, bmAtOnce.bmBitsPixel) << names[i];
        ASSERT_EQ(bmSingle.bmWidthBytes, bmAtOnce.bmWidthBytes) << names[i];
        std::vector<BYTE> bitsAtOnce((size_t)bmSingle.bmWidthBytes * (size_t)bmSingle.bmHeight);
        std::vector<BYTE> bitsSingle(bitsAtOnce.size());
        ASSERT_NE(0, ::GetBitmapBits(images[i].m_hObject, (LONG)bitsAtOnce.size(), bitsAtOnce.data()));
        ASSERT_NE(0, ::GetBitmapBits(single.m_hObject, (LONG)bitsSingle.size(), bitsSingle.data()));
        EXPECT_TRUE(bitsSingle == bitsAtOnce) << names[i];
    }
}

// A missing image loads none of them, and what the targets held is deleted.
TEST(LoadBitmapResources, AMissingImageLoadsNone)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    CBitmap first, second;
    CBitmap* targets[] = {&first, &second};
    const char* const names[] = {"STOREU", "NOSUCHU"};
    EXPECT_FALSE(LoadBitmapResources(hInst, names, targets, 2));
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(LoadBitmapResources(hInst, names, targets, 2));
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
    ASSERT_TRUE(first.Attach(::LoadBitmapA(hInst, "DIALU")));
    HGDIOBJ hHeld = first.m_hObject;
    EXPECT_FALSE(LoadBitmapResources(hInst, names, targets, 2));
    EXPECT_EQ(nullptr, first.m_hObject);
    EXPECT_EQ(nullptr, second.m_hObject);
    EXPECT_EQ(0u, (unsigned)::GetObjectType(hHeld));
}

TEST_F(ControlsBarTest, SetDialsHexShowsTheDeviceNumberOrZeros)
{
    struct Case {
        const char* pszIn;
        const char* pszShown;
        const char* pszUnit;
    };
    const Case cases[] = {
        {"00a3", "00A3", "00A3"}, {"0A80", "0A80", "0A80"},     {"", "0000", "0000"},
        {"123", "0123", "0123"},  {"12345", "0000", "0000"},    {"00G3", "0000", "0000"},
        {"FfFf", "FFFF", "FFFF"}, {"1:0a80", "0A80", "1:0A80"}, {"2:A80", "0A80", "2:0A80"},
        {"0:0A80", "0A80", "0A80"}, {"A:0A80", "0000", "0000"}, {" 0A80", "0000", "0000"},
    };
    for (const Case& c : cases) {
        pBar->SetDialsHex(c.pszIn);
        EXPECT_EQ(c.pszShown, Digits()) << c.pszIn;
        EXPECT_STREQ(c.pszUnit, pBar->GetLoadUnit()) << c.pszIn;
    }
    // A dial turned: the load unit is what the dials show.
    pBar->SetDialsHex("1:0A80");
    ClickDial(3, 0);
    EXPECT_STREQ("0A8F", pBar->GetLoadUnit());
}

TEST_F(ControlsBarTest, DialsTurnByWhereTheMouseClicks)
{
    pBar->SetDialsHex("00FF");
    RECT rc;
    ::GetClientRect(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_DIAL4), &rc);
    int nMiddle = rc.right / 2;
    struct Step {
        int nDial, x;
        const char* pszExpected;
    };
    // Right half up (F+1 = 0), the left edge and the exact middle down (0-1 = F).
    const Step steps[] = {
        {3, rc.right - 2, "00F0"}, {3, 0, "00FF"}, {3, nMiddle, "00FE"}, {3, nMiddle + 1, "00FF"},
        {0, 1, "F0FF"},            {0, nMiddle + 5, "00FF"},
    };
    for (const Step& s : steps) {
        ClickDial(s.nDial, s.x);
        EXPECT_STREQ(s.pszExpected, pBar->GetLoadUnit()) << s.nDial << " at " << s.x;
        EXPECT_EQ(s.pszExpected, Digits());
    }
    // Dials turn the panel's own digits; nothing reaches the main window.
    EXPECT_TRUE(main->m_commands.empty());
}

// A fast double click on the right half turns the dial two steps up.
TEST_F(ControlsBarTest, DoubleClickTurnsTwoSteps)
{
    pBar->SetDialsHex("0000");
    HWND hDial = ::GetDlgItem(pBar->m_hWnd, IDC_PANEL_DIAL2);
    RECT rc;
    ::GetClientRect(hDial, &rc);
    POINT pt = {rc.right - 3, rc.bottom / 2};
    POINT ptScreen = pt;
    ::ClientToScreen(hDial, &ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::PostMessageA(hDial, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    vorntest::PumpMessages();
    EXPECT_STREQ("0200", pBar->GetLoadUnit());
}

TEST_F(ControlsBarTest, DialsStartFromTheStoredLoadUnit)
{
    ProfileWriteString("Settings", "IPL", "0a80");
    CDynControlsDlgBar bar(main.get());
    ASSERT_TRUE(bar.Create(CDynControlsDlgBar::IDD, main.get()));
    EXPECT_STREQ("0A80", bar.GetLoadUnit());
    bar.DestroyWindow();
    // The bar never writes that key back.
    EXPECT_EQ("0a80", std::string(ProfileGetString("Settings", "IPL", "")));
}

TEST_F(ControlsBarTest, ButtonsReachTheMainWindowAsCommands)
{
    const UINT forwarded[] = {IDC_PANEL_START,      IDC_PANEL_STOP,     IDC_PANEL_STORE, IDC_PANEL_RESTART,
                              IDC_PANEL_POWERONOFF, IDC_PANEL_POWEROFF, IDC_PANEL_LOAD,  IDC_PANEL_INTERRUPT};
    for (UINT nID : forwarded)
        ::SendMessageA(::GetDlgItem(pBar->m_hWnd, nID), BM_CLICK, 0, 0);
    vorntest::PumpMessages();
    ASSERT_EQ(sizeof(forwarded) / sizeof(forwarded[0]), main->m_commands.size());
    for (size_t i = 0; i < main->m_commands.size(); ++i) {
        EXPECT_EQ(forwarded[i], main->m_commands[i].first);
        EXPECT_EQ(0, main->m_commands[i].second);
    }
}

TEST_F(ControlsBarTest, CloseSendsTheViewCommandAndEscapeKeepsTheBar)
{
    pBar->SendMessage(WM_COMMAND, ID_BAR_CLOSE, 0);
    ASSERT_EQ(1u, main->m_commands.size());
    EXPECT_EQ((UINT)ID_VIEW_CONTROLS_BAR, main->m_commands[0].first);
    pBar->SendMessage(WM_COMMAND, IDCANCEL, 0);
    pBar->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(pBar->m_hWnd));
}

TEST_F(ControlsBarTest, ImagesAreRecolouredAndTheColoursStored)
{
    const COLORREF kBack = RGB(10, 20, 30), kText = RGB(200, 100, 50);
    pBar->clrBack = kBack;
    pBar->clrText = kText;
    pBar->ApplyAppearance();
    // Lamp images: the key colour at the corner, white text at the bottom.
    const CBitmap& lamp = pBar->RecolouredImage(CDynControlsDlgBar::kImageLampFirst);
    EXPECT_EQ(kBack, PixelOf(lamp, 0, 0));
    CBitmap original;
    original.Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), "SYSONU"));
    int nWhite = 0, nText = 0;
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 23; ++x)
            if (PixelOf(original, x, y) == RGB(255, 255, 255)) {
                ++nWhite;
                nText += PixelOf(lamp, x, y) == kText;
            }
    EXPECT_GT(nWhite, 10);
    EXPECT_EQ(nWhite, nText);
    // The dial keeps its white marks; only its key colour changes.
    const CBitmap& dial = pBar->RecolouredImage(CDynControlsDlgBar::kImageDial);
    EXPECT_EQ(kBack, PixelOf(dial, 0, 0));
    CBitmap dialOriginal;
    dialOriginal.Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), "DIALU"));
    bool bWhiteKept = false;
    for (int y = 0; y < 54 && !bWhiteKept; ++y)
        for (int x = 0; x < 59; ++x)
            if (PixelOf(dialOriginal, x, y) == RGB(255, 255, 255)) {
                bWhiteKept = PixelOf(dial, x, y) == RGB(255, 255, 255);
                break;
            }
    EXPECT_TRUE(bWhiteKept);
    // The buttons show the copies, and the bar its background.
    auto* pMeter = dynamic_cast<CBitmapButton*>(CWnd::FromHandlePermanent(::GetDlgItem(pBar->m_hWnd, IDC_PANEL_METER)));
    ASSERT_NE(pMeter, nullptr);
    EXPECT_EQ(kBack, PixelOf(pMeter->m_bitmap, 0, 0));
    EXPECT_EQ((int)kText, (int)ProfileGetInt("Settings\\ControlsBar", "clrText", 0));
    EXPECT_EQ((int)kBack, (int)ProfileGetInt("Settings\\ControlsBar", "clrBack", 0));
    HDC hdc = ::GetDC(pBar->m_hWnd);
    EXPECT_EQ(kBack, ::GetPixel(hdc, 2, 2));
    ::ReleaseDC(pBar->m_hWnd, hdc);
}

TEST_F(ControlsBarTest, NeedleMovesAThirdOfTheWayPerDrawing)
{
    HWND hMeter = ::GetDlgItem(pBar->m_hWnd, IDC_PANEL_METER);
    auto draw = [&] {
        ::InvalidateRect(hMeter, nullptr, FALSE);
        ::UpdateWindow(hMeter);
    };
    pBar->SetMeterValue(0.0);
    draw();
    EXPECT_DOUBLE_EQ(0.0, pBar->Needle().Previous());
    pBar->SetMeterValue(1.0);
    draw();
    EXPECT_NEAR(1.0 / 3.0, pBar->Needle().Previous(), 1e-12);
    draw();
    EXPECT_NEAR(5.0 / 9.0, pBar->Needle().Previous(), 1e-12);
    pBar->SetMeterValue(0.0);
    draw();
    EXPECT_DOUBLE_EQ(0.0, pBar->Needle().Previous());
}

TEST_F(PanelFixture, ControlsBarLeavesNoGdiObjects)
{
    auto cycle = [&] {
        CDynControlsDlgBar bar(main.get());
        ASSERT_TRUE(bar.Create(CDynControlsDlgBar::IDD, main.get()));
        bar.clrBack = RGB(1, 2, 3);
        bar.ApplyAppearance();
        bar.DestroyWindow();
    };
    cycle();
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        cycle();
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}

TEST_F(PanelFixture, CpuBarLeavesNoGdiObjects)
{
    auto cycle = [&] {
        CDynCPUPercentDlgBar bar(main.get());
        ASSERT_TRUE(bar.Create(CDynCPUPercentDlgBar::IDD, main.get()));
        bar.SetCPUCount(8);
        bar.clrBG = RGB(1, 2, 3);
        bar.ApplyAppearance();
        bar.DestroyWindow();
    };
    cycle();
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        cycle();
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}

namespace {

struct CpuBarTest : PanelFixture {
    CDynCPUPercentDlgBar* pBar = nullptr;
    void SetUp() override
    {
        PanelFixture::SetUp();
        pBar = new CDynCPUPercentDlgBar(main.get());
        ASSERT_TRUE(pBar->Create(CDynCPUPercentDlgBar::IDD, main.get()));
    }
    void TearDown() override
    {
        if (pBar) {
            pBar->DestroyWindow();
            delete pBar;
        }
        PanelFixture::TearDown();
    }
    bool RowShown(int n) const
    {
        for (UINT nBase : {IDC_CPUPCT_ENGINE0, IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0})
            if (!(::GetWindowLongA(::GetDlgItem(pBar->m_hWnd, nBase + n), GWL_STYLE) & WS_VISIBLE))
                return false;
        return true;
    }
    bool RowHidden(int n) const
    {
        for (UINT nBase : {IDC_CPUPCT_ENGINE0, IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0})
            if (::GetWindowLongA(::GetDlgItem(pBar->m_hWnd, nBase + n), GWL_STYLE) & WS_VISIBLE)
                return false;
        return true;
    }
    int ShownRows() const
    {
        int nShown = 0;
        for (int n = 0; n < CDynCPUPercentDlgBar::kRows; ++n) {
            EXPECT_TRUE(RowShown(n) || RowHidden(n)) << n;
            nShown += RowShown(n);
        }
        return nShown;
    }
    std::string Percent(int n) const { return WindowText(::GetDlgItem(pBar->m_hWnd, IDC_CPUPCT_PERCENT0 + n)); }
    std::string Engine(int n) const { return WindowText(::GetDlgItem(pBar->m_hWnd, IDC_CPUPCT_ENGINE0 + n)); }
    int Pos(int n) const { return (int)::SendMessageA(::GetDlgItem(pBar->m_hWnd, IDC_CPUPCT_METER0 + n), PBM_GETPOS, 0, 0); }
};

}  // namespace

TEST_F(CpuBarTest, CountShowsThatManyRows)
{
    EXPECT_EQ(0, ShownRows());
    struct Step {
        int nCount;
        int nShown;
    };
    // Out of range (below 0, above "MaxCPUs") changes nothing.
    const Step steps[] = {{2, 2}, {64, 64}, {65, 64}, {-1, 64}, {5, 5}, {0, 0}};
    for (const Step& s : steps) {
        pBar->SendMessage(WM_MAXCPU_CHANGED, (WPARAM)s.nCount, 0);
        EXPECT_EQ(s.nShown, ShownRows()) << s.nCount;
        EXPECT_EQ(s.nShown, pBar->GetCPUCount());
    }
    pBar->SetCPUCount(2);
    EXPECT_TRUE(RowShown(1));
    EXPECT_TRUE(RowHidden(2));
}

TEST_F(CpuBarTest, PercentagesShowOnlyWhileTheEmulatorIsActive)
{
    pBar->SetCPUCount(2);
    EXPECT_EQ("0%", Percent(0));
    pBar->SendMessage(WM_CPU_PERCENT, 0, 55);
    EXPECT_EQ("0%", Percent(0));
    EXPECT_EQ(0, Pos(0));
    pBar->SendMessage(WM_EMULATOR_ACTIVE, 1, 0);
    struct Case {
        WPARAM wp;
        LPARAM lp;
        int nRow;
        const char* pszShown;
        int nPos;
    };
    const Case cases[] = {
        {0, 100, 0, "100%", 100}, {1, 37, 1, "37%", 37},     {0, 101, 0, "100%", 100}, {0, (LPARAM)-1, 0, "100%", 100},
        {0, 0, 0, "0%", 0},       {5, 12, 5, "12%", 12},     {64, 50, 63, "0%", 0},    {(WPARAM)-1, 50, 63, "0%", 0},
    };
    for (const Case& c : cases) {
        pBar->SendMessage(WM_CPU_PERCENT, c.wp, c.lp);
        EXPECT_EQ(c.pszShown, Percent(c.nRow)) << c.wp << "," << c.lp;
        EXPECT_EQ(c.nPos, Pos(c.nRow)) << c.wp << "," << c.lp;
    }
    // Hidden row 5 took its value too. Power-off zeroes the shown rows.
    pBar->SendMessage(WM_CPU_PERCENT, 1, 80);
    EXPECT_EQ(1, (int)pBar->SendMessage(WM_EMULATOR_ACTIVE, 0, 0));
    EXPECT_EQ("0%", Percent(0));
    EXPECT_EQ("0%", Percent(1));
    EXPECT_EQ(0, Pos(1));
    EXPECT_FALSE(pBar->IsEmulatorActive());
}

TEST_F(CpuBarTest, EngineTypesNameTheRowsBelowTheCount)
{
    ProfileWriteInt("Settings\\PercentBar", "ColorAP", 3);
    CDynCPUPercentDlgBar bar(main.get());
    ASSERT_TRUE(bar.Create(CDynCPUPercentDlgBar::IDD, main.get()));
    bar.SetCPUCount(4);
    auto engine = [&](int n) { return WindowText(::GetDlgItem(bar.m_hWnd, IDC_CPUPCT_ENGINE0 + n)); };
    bar.SendMessage(WM_CPU_ENGINE_TYPE, 3, 0);
    EXPECT_EQ("CP03", engine(3));
    bar.SendMessage(WM_CPU_ENGINE_TYPE, 1, 2);
    EXPECT_EQ("AP01", engine(1));
    EXPECT_EQ(3, bar.Meter(1).GetFillState());
    bar.SendMessage(WM_CPU_ENGINE_TYPE, 2, 1);
    EXPECT_EQ("IL02", engine(2));
    // At or above the count, or an unknown type: ignored.
    bar.SendMessage(WM_CPU_ENGINE_TYPE, 4, 1);
    EXPECT_EQ("04:", engine(4));
    bar.SendMessage(WM_CPU_ENGINE_TYPE, 0, 4);
    EXPECT_EQ("00:", engine(0));
    // Power-off keeps the names.
    bar.SendMessage(WM_EMULATOR_ACTIVE, 0, 0);
    EXPECT_EQ("AP01", engine(1));
    bar.DestroyWindow();
}

TEST_F(CpuBarTest, RememberedCountIsShownAtTheNextStart)
{
    pBar->SetCPUCount(3);
    pBar->DestroyWindow();
    delete pBar;
    pBar = nullptr;
    EXPECT_EQ(3, (int)ProfileGetInt("Settings\\PercentBar", "LRUMaxCPUs", -1));
    struct Case {
        int nStored;
        int nShown;
    };
    // A stored count outside 0 .. "MaxCPUs" starts with no rows.
    const Case cases[] = {{3, 3}, {64, 64}, {65, 0}, {-2, 0}, {1000000, 0}};
    for (const Case& c : cases) {
        ProfileWriteInt("Settings\\PercentBar", "LRUMaxCPUs", c.nStored);
        pBar = new CDynCPUPercentDlgBar(main.get());
        ASSERT_TRUE(pBar->Create(CDynCPUPercentDlgBar::IDD, main.get()));
        EXPECT_EQ(c.nShown, ShownRows()) << c.nStored;
        pBar->DestroyWindow();
        delete pBar;
        pBar = nullptr;
    }
}

TEST_F(CpuBarTest, AppearanceIsAppliedAndStored)
{
    pBar->SetCPUCount(2);
    pBar->SendMessage(WM_CPU_ENGINE_TYPE, 1, 3);
    pBar->m_nMeterColor[3] = 2;
    pBar->m_nMeterStyle[3] = 2;
    pBar->clrBG = RGB(0, 0, 96);
    pBar->clrFont = RGB(255, 255, 0);
    pBar->ApplyAppearance();
    EXPECT_EQ(2, pBar->Meter(1).GetFillState());
    EXPECT_EQ(2, pBar->Meter(1).GetBarPart());
    EXPECT_EQ(1, pBar->Meter(0).GetFillState());
    EXPECT_EQ(2, (int)ProfileGetInt("Settings\\PercentBar", "ColorIP", 0));
    EXPECT_EQ(2, (int)ProfileGetInt("Settings\\PercentBar", "TypeIP", 0));
    EXPECT_EQ(1, (int)ProfileGetInt("Settings\\PercentBar", "ColorCP", 0));
    EXPECT_EQ((int)RGB(0, 0, 96), (int)ProfileGetInt("Settings\\PercentBar", "clrBG", 0));
    EXPECT_EQ((int)RGB(255, 255, 0), (int)ProfileGetInt("Settings\\PercentBar", "clrFont", 0));
    pBar->SendMessage(WM_COMMAND, ID_BAR_CLOSE, 0);
    ASSERT_EQ(1u, main->m_commands.size());
    EXPECT_EQ((UINT)ID_VIEW_CPUPCT_BAR, main->m_commands[0].first);
}

// For a picture: VORN_SHOW_PANEL_MS keeps the two bars open that long,
// VORN_PANEL_SCHEME=1 shows them dark on light instead of light on dark.
TEST_F(PanelFixture, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_PANEL_MS");
    if (!pszHold)
        GTEST_SKIP() << "set VORN_SHOW_PANEL_MS to show the bars";
    bool bLight = std::getenv("VORN_PANEL_SCHEME") && std::atoi(std::getenv("VORN_PANEL_SCHEME")) == 1;
    CDynControlsDlgBar controls(main.get());
    ASSERT_TRUE(controls.Create(CDynControlsDlgBar::IDD, main.get()));
    CDynCPUPercentDlgBar cpus(main.get());
    ASSERT_TRUE(cpus.Create(CDynCPUPercentDlgBar::IDD, main.get()));
    RECT rc;
    controls.GetWindowRect(&rc);
    cpus.SetWindowPos(nullptr, 0, rc.bottom - rc.top + 4, 220, 66, SWP_NOZORDER);
    if (bLight) {
        controls.clrBack = cpus.clrBG = RGB(236, 233, 216);
        controls.clrText = cpus.clrFont = RGB(0, 0, 96);
        cpus.m_nMeterColor[1] = 3;
    }
    controls.ApplyAppearance();
    cpus.ApplyAppearance();
    controls.SetDialsHex("0A80");
    controls.SetMeterValue(0.6);
    cpus.SetCPUCount(4);
    cpus.SendMessage(WM_EMULATOR_ACTIVE, 1, 0);
    const int percents[] = {87, 42, 5, 100};
    for (int n = 0; n < 4; ++n) {
        cpus.SendMessage(WM_CPU_ENGINE_TYPE, n, n == 3 ? 1 : 0);
        cpus.SendMessage(WM_CPU_PERCENT, n, percents[n]);
    }
    for (UINT nID : {IDC_PANEL_SYSON, IDC_PANEL_POWERONON}) {
        ::ShowWindow(::GetDlgItem(controls.m_hWnd, nID), SW_SHOW);
        ::ShowWindow(::GetDlgItem(controls.m_hWnd, nID + 1 - 2 * (nID == IDC_PANEL_POWERONON)), SW_HIDE);
    }
    main->SetWindowPos(nullptr, 0, 0, rc.right - rc.left + 20, rc.bottom - rc.top + 112, SWP_NOMOVE | SWP_NOZORDER);
    main->ShowWindow(SW_SHOW);
    DWORD dwEnd = ::GetTickCount() + (DWORD)std::atoi(pszHold);
    while (::GetTickCount() < dwEnd) {
        // The needle closes in on the meter value, a third of the way per drawing.
        ::InvalidateRect(::GetDlgItem(controls.m_hWnd, IDC_PANEL_METER), nullptr, FALSE);
        vorntest::PumpMessages();
        ::Sleep(100);
    }
    cpus.DestroyWindow();
    controls.DestroyWindow();
}
