// SizingControlBarTest.cpp: sizing bars and dialog-hosting bars under Wine:
// sizes and their floors, the sizing style, a shared row, edges dragged
// across and along a row, the close button, sizes in the settings store,
// the captionless floating frame, and the hosted dialog's sizes, tooltips,
// status prompts and commands.
#include <gtest/gtest.h>

#include <vector>

#include <memory>

#include "DockingBarsTestRes.h"
#include "framework/CSCBMiniDockFrameWnd.h"
#include "framework/cdxCDynamicBar.h"
#include "platform/AfxIds.h"
#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "platform/CStatusBarCtrl.h"
#include "platform/ProfileStore.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const UINT kBarA = 0xE860, kBarB = 0xE861;
const char* kIni = "sizing_bar_tests.ini";

class CBarDlg : public cdxCDynamicBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    CBarDlg() : cdxCDynamicBarDlg(IDD_BAR_DLG) {}
    int m_nGo = 0;
    void OnGo() { m_nGo++; }
};

BEGIN_MESSAGE_MAP(CBarDlg, cdxCDynamicBarDlg)
    ON_BN_CLICKED(IDC_BAR_GO, OnGo)
END_MESSAGE_MAP()

// A frame with a status bar and two sizing bars side by side in the top row.
struct SizingFrame {
    CFrameWnd* pFrame = new CFrameWnd;
    CStatusBarCtrl status;
    CSizingControlBar a, b;

    explicit SizingFrame(int cx = 800)
    {
        pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CSCBMiniDockFrameWnd);
        pFrame->CreateEx(0, nullptr, "Sizing", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, cx, 500, nullptr,
                         nullptr);
        status.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_STATUS_BAR);
        for (CSizingControlBar* p : {&a, &b}) {
            p->Create(p == &a ? "Bar A" : "Bar B", pFrame, p == &a ? kBarA : kBarB, WS_CHILD | WS_VISIBLE | CBRS_TOP);
            p->SetBarStyle(p->GetBarStyle() | CBRS_SIZE_DYNAMIC);
            p->EnableDocking(CBRS_ALIGN_ANY);
        }
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP);
        // Second bar into the first bar's row, after it.
        CDockBar* pTop = Top();
        pTop->m_arrBars.RemoveAt(pTop->m_arrBars.GetSize() - 2, 2);
        pTop->m_arrBars.Add(&b);
        pFrame->ShowWindow(SW_SHOWNA);
        Settle();
    }
    ~SizingFrame()
    {
        if (::IsWindow(pFrame->m_hWnd))
            pFrame->DestroyWindow();
    }
    CDockBar* Top() { return DYNAMIC_DOWNCAST(CDockBar, pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)); }
    // Layout passes until the bars stop moving (each may ask for another at idle time).
    void Settle()
    {
        pFrame->RecalcLayout();
        for (int i = 0; i < 4; i++)
            pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    }
    int TopWidth()
    {
        CRect rc;
        Top()->GetClientRect(&rc);
        return rc.Width();
    }
};

CPoint ScreenPointOfEdge(CSizingControlBar& bar, int nHit)
{
    CRect rc;
    bar.GetWindowRect(&rc);
    CRect rcEdge;
    bar.GetSizingEdgeRect(rc, nHit, rcEdge);
    return rcEdge.CenterPoint();
}

LPARAM ClientLParam(CWnd& wnd, CPoint ptScreen)
{
    wnd.ScreenToClient(&ptScreen);
    return MAKELPARAM(ptScreen.x, ptScreen.y);
}

void DragEdge(CSizingControlBar& bar, int nHit, int dx, int dy)
{
    CPoint pt = ScreenPointOfEdge(bar, nHit);
    bar.SendMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(pt.x, pt.y));
    ASSERT_TRUE(bar.IsEdgeDragging());
    CPoint ptTo(pt.x + dx, pt.y + dy);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(bar, ptTo));
    bar.SendMessage(WM_LBUTTONUP, 0, ClientLParam(bar, ptTo));
}

struct SizingBarTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

}  // namespace

namespace {

class CCaptionFaceBar : public CSizingControlBar {
public:
    const CString& CaptionFace() const { return m_strCaptionFace; }
};

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lp)
{
    ++*(int*)lp;
    return 1;
}

}  // namespace

TEST(CSizingControlBar, CaptionFaceIsTahomaWhereItExistsElseArialForEveryBar)
{
    int nTahoma = 0;
    HDC hdc = ::GetDC(nullptr);
    ::EnumFontFamiliesA(hdc, "Tahoma", CountFamily, (LPARAM)&nTahoma);
    ::ReleaseDC(nullptr, hdc);
    const char* pszExpected = nTahoma > 0 ? "Tahoma" : "Arial";
    CCaptionFaceBar first, second;
    EXPECT_STREQ(first.CaptionFace(), pszExpected);
    EXPECT_STREQ(second.CaptionFace(), pszExpected);
}

TEST(CSizingControlBar, SizeFloorsAndLockedExtents)
{
    CSizingControlBar bar;
    EXPECT_EQ(bar.SetMinDockedSize(TRUE, 10, 10), CSize(33, 32));
    EXPECT_EQ(bar.SetMinFloatingSize(10, 10), CSize(37, 32));
    EXPECT_EQ(bar.SetDockedSize(FALSE, 5, 500), CSize(33, 500));
    EXPECT_EQ(bar.SetFloatingSize(1, 1), CSize(37, 32));
    bar.ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
    EXPECT_EQ(bar.SetDockedSize(TRUE, 300, 90), CSize(300, 200));  // the height is locked
    EXPECT_EQ(bar.GetBarSizingStyle() & SCBS_HELP_BUTTON, SCBS_HELP_BUTTON);
}

TEST(CSizingControlBar, FixedHeightLimitsDockingAndIsRefusedWhenSidesAreAllowed)
{
    CSizingControlBar fixedFirst;
    fixedFirst.ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
    fixedFirst.EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(fixedFirst.m_dwDockStyle, (DWORD)(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM));
    CSizingControlBar dockedFirst;
    dockedFirst.EnableDocking(CBRS_ALIGN_ANY);
    dockedFirst.ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
    EXPECT_EQ(dockedFirst.GetBarSizingStyle() & SCBS_FIXED_HEIGHT, 0u);
    EXPECT_EQ(dockedFirst.m_dwDockStyle, (DWORD)CBRS_ALIGN_ANY);
}

TEST_F(SizingBarTest, TwoBarsShareTheTopRow)
{
    SizingFrame f;
    ASSERT_EQ(f.a.m_pDockBar, f.Top());
    EXPECT_TRUE(f.a.IsDockedHorizontally());
    CSize sa = f.a.GetDockedSize(TRUE), sb = f.b.GetDockedSize(TRUE);
    // Lengths counted two pixels short fill the row's width plus two.
    EXPECT_EQ(sa.cx - 2 + sb.cx - 2, f.TopWidth() + 2);
    EXPECT_LE(std::abs((int)sa.cx - (int)sb.cx), 1);
    EXPECT_EQ(sa.cy, sb.cy);
    CRect ra, rb;
    f.a.GetWindowRect(&ra);
    f.b.GetWindowRect(&rb);
    EXPECT_EQ(rb.left, ra.right - 2);  // end to end, borders overlapping
    // The edge between them can be dragged; the outer ones cannot.
    EXPECT_TRUE(f.a.GetBarSizingStyle() & SCBS_SIZABLE_RIGHT);
    EXPECT_FALSE(f.a.GetBarSizingStyle() & SCBS_SIZABLE_LEFT);
    EXPECT_TRUE(f.b.GetBarSizingStyle() & SCBS_SIZABLE_LEFT);
    EXPECT_TRUE(f.a.GetBarSizingStyle() & SCBS_SIZABLE_BOTTOM);
}

TEST_F(SizingBarTest, BarThatCannotShareGetsARowOfItsOwn)
{
    SizingFrame f;
    f.b.ModifyBarSizingStyle(0, SCBS_OWN_ROW);
    f.Settle();
    EXPECT_EQ(DockListEntries(f.Top()->m_arrBars), (std::vector<void*>{nullptr, &f.a, nullptr, &f.b}));
    EXPECT_EQ(f.a.GetDockedSize(TRUE).cx - 2, f.TopWidth() + 2);
}

TEST_F(SizingBarTest, DraggingTheBottomEdgeChangesTheRowsHeight)
{
    SizingFrame f;
    int cy = f.a.GetDockedSize(TRUE).cy;
    DragEdge(f.a, HTBOTTOM, 0, 30);
    EXPECT_FALSE(f.a.IsEdgeDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(f.a.GetDockedSize(TRUE).cy, cy + 30);
    EXPECT_EQ(f.b.GetDockedSize(TRUE).cy, cy + 30);
    f.Settle();
    CRect rc;
    f.Top()->GetWindowRect(&rc);
    EXPECT_EQ(rc.Height(), cy + 30);
}

TEST_F(SizingBarTest, DraggingTheEdgeBetweenBarsTradesLengthDownToTheMinimum)
{
    SizingFrame f;
    int a0 = f.a.GetDockedSize(TRUE).cx, b0 = f.b.GetDockedSize(TRUE).cx;
    DragEdge(f.a, HTRIGHT, 50, 0);
    EXPECT_EQ(f.a.GetDockedSize(TRUE).cx, a0 + 50);
    EXPECT_EQ(f.b.GetDockedSize(TRUE).cx, b0 - 50);
    f.Settle();
    DragEdge(f.a, HTRIGHT, 5000, 0);  // stops at the other bar's minimum
    EXPECT_EQ(f.b.GetDockedSize(TRUE).cx, f.b.GetMinDockedSize(TRUE).cx);
    EXPECT_EQ(f.a.GetDockedSize(TRUE).cx + f.b.GetDockedSize(TRUE).cx, a0 + b0);
}

TEST_F(SizingBarTest, CloseButtonHidesOnlyWhenReleasedOverIt)
{
    SizingFrame f;
    f.a.SendMessage(WM_CLOSE);
    EXPECT_TRUE(f.a.IsWindowVisible());  // WM_CLOSE does not close a bar
    CRect rcWnd;
    f.a.GetWindowRect(&rcWnd);
    // The close button lies in the top-left corner of the caption strip.
    CPoint ptClose;
    for (int y = 0; y < 30 && f.a.HitTestBar(ptClose, TRUE) != HTCLOSE; y++)
        for (int x = 0; x < 30 && f.a.HitTestBar(ptClose, TRUE) != HTCLOSE; x++)
            ptClose = CPoint(rcWnd.left + x, rcWnd.top + y);
    ASSERT_EQ(f.a.HitTestBar(ptClose, TRUE), HTCLOSE);
    f.a.SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(ptClose.x, ptClose.y));
    EXPECT_EQ(::GetCapture(), f.a.m_hWnd);
    CPoint ptAway(rcWnd.left + 100, rcWnd.top + 40);
    f.a.SendMessage(WM_LBUTTONUP, 0, ClientLParam(f.a, ptAway));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(f.a.IsWindowVisible());
    f.a.SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(ptClose.x, ptClose.y));
    f.a.SendMessage(WM_LBUTTONUP, 0, ClientLParam(f.a, ptClose));
    EXPECT_FALSE(f.a.IsWindowVisible());
    EXPECT_GE(f.Top()->FindBar(&f.a), 0);  // hidden, still in its place
}

TEST_F(SizingBarTest, SizesAreStoredAndRaisedToTheirMinimumsOnLoad)
{
    SizingFrame f;
    f.a.SetDockedSize(TRUE, 300, 80);
    f.a.SaveState("Prof");
    CString section;
    section.Format("Prof-SCBar-%d", (int)kBarA);
    EXPECT_EQ(ProfileGetInt(section, "sizeHorzCY", 0), 80u);
    EXPECT_EQ(ProfileGetInt(section, "sizeFloatCX", 0), 200u);
    ProfileWriteInt(section, "sizeHorzCX", 5);  // below the minimum
    ProfileWriteString(section, "sizeVertCY", nullptr);  // missing: the current size stays
    f.a.SetDockedSize(FALSE, 140, 333);
    f.a.LoadState("Prof");
    EXPECT_EQ(f.a.GetDockedSize(TRUE), CSize(33, 80));
    EXPECT_EQ(f.a.GetDockedSize(FALSE).cy, 333);
}

TEST_F(SizingBarTest, FloatingFrameLosesItsCaptionAndFollowsTheUsersSize)
{
    SizingFrame f;
    f.a.SetFloatingSize(260, 140);
    f.pFrame->FloatControlBar(&f.a, CPoint(300, 300));
    f.Settle();
    CSCBMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CSCBMiniDockFrameWnd, f.a.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pMini->GetSizingControlBar(), &f.a);
    EXPECT_FALSE(pMini->GetStyle() & WS_CAPTION);
    EXPECT_TRUE(f.a.IsFloatingBar());
    CRect rcBar;
    f.a.GetWindowRect(&rcBar);
    EXPECT_EQ(rcBar.Size(), CSize(260, 140));
    // The user sizes the frame: the client plus the bar's hidden borders is the new floating size.
    CRect rcFrame;
    pMini->GetWindowRect(&rcFrame);
    pMini->SetWindowPos(nullptr, 0, 0, rcFrame.Width() + 40, rcFrame.Height() + 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(f.a.GetFloatingSize(), CSize(300, 150));
    // Smaller than the minimum: the floating size never goes below it.
    pMini->SetWindowPos(nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GE(f.a.GetFloatingSize().cx, f.a.GetMinFloatingSize().cx);
    EXPECT_GE(f.a.GetFloatingSize().cy, f.a.GetMinFloatingSize().cy);
    MINMAXINFO mmi = {};
    pMini->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_GE(mmi.ptMinTrackSize.x, f.a.GetMinFloatingSize().cx - 4);
}

TEST_F(SizingBarTest, FloatingFrameHidesItsBarAndLetsTheBarPaintTheCaption)
{
    SizingFrame f;
    f.pFrame->FloatControlBar(&f.a, CPoint(300, 300));
    f.Settle();
    CSCBMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CSCBMiniDockFrameWnd, f.a.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    // The system menu's close item hides the bar, and says so.
    char szItem[64] = "";
    ::GetMenuStringA(::GetSystemMenu(pMini->m_hWnd, FALSE), SC_CLOSE, szItem, sizeof(szItem), MF_BYCOMMAND);
    EXPECT_STREQ(szItem, "&Hide");
    // Under composition the bar repaints its own caption.
    {
        vorntest::MessageCounter counter(f.a.m_hWnd, WM_NCPAINT);
        pMini->PaintCompositedCaption();
        EXPECT_EQ(counter.Count(), 1);
    }
    pMini->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(f.a.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(pMini->m_hWnd));
}

TEST_F(SizingBarTest, ClassicDockingSizesTheFloatingFrameByItsCorners)
{
    SizingFrame f;
    f.a.SetBarSizingStyle(f.a.GetBarSizingStyle() | SCBS_CLASSIC_DOCKING);
    f.a.SetFloatingSize(260, 140);
    f.pFrame->FloatControlBar(&f.a, CPoint(300, 300));
    f.Settle();
    CWnd* pMini = f.a.GetDockingFrame();
    ASSERT_NE(pMini, nullptr);
    f.a.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_FALSE(pMini->GetStyle() & MFS_4THICKFRAME);
    EXPECT_TRUE(::GetWindowLongA(::GetParent(f.a.m_hWnd), GWL_STYLE) & WS_CLIPCHILDREN);
    EXPECT_FALSE(f.a.HasCaption());

    CRect rcFrame, rcBar;
    pMini->GetWindowRect(&rcFrame);
    f.a.GetWindowRect(&rcBar);
    struct Case { int nHit; int dx, dy; } cases[] = {
        {HTBOTTOMRIGHT, 30, 20}, {HTTOPLEFT, -30, -20}, {HTTOPRIGHT, 30, -20}, {HTBOTTOMLEFT, -30, 20}};
    for (const Case& c : cases) {
        const bool bLeft = c.nHit == HTTOPLEFT || c.nHit == HTBOTTOMLEFT;
        const bool bTop = c.nHit == HTTOPLEFT || c.nHit == HTTOPRIGHT;
        CPoint pt(bLeft ? rcFrame.left + c.dx : rcFrame.right + c.dx, bTop ? rcFrame.top + c.dy : rcFrame.bottom + c.dy);
        ASSERT_TRUE(::SetCursorPos(pt.x, pt.y));
        f.a.m_pDockContext->m_nHitTest = c.nHit;
        CSize size = f.a.CalcDynamicLayout(0, LM_HORZ);
        EXPECT_EQ(size, CSize(rcBar.Width() + 30, rcBar.Height() + 20)) << c.nHit;
        if (bLeft) {
            EXPECT_EQ(f.a.m_pDockContext->m_rectFrameDragHorz.left, pt.x) << c.nHit;
        }
        if (bTop) {
            EXPECT_EQ(f.a.m_pDockContext->m_rectFrameDragHorz.top, pt.y) << c.nHit;
        }
    }
    // An edge still sizes one extent.
    f.a.m_pDockContext->m_nHitTest = HTRIGHT;
    EXPECT_EQ(f.a.CalcDynamicLayout(400, LM_HORZ).cx, 400);
    f.a.SetBarSizingStyle(f.a.GetBarSizingStyle() & ~SCBS_CLASSIC_DOCKING);
}

TEST_F(SizingBarTest, DynamicBarTakesItsDialogsSizeAsItsMinimum)
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->CreateEx(0, nullptr, "Dyn", WS_OVERLAPPEDWINDOW, 0, 0, 700, 400, nullptr, nullptr);
    {
        cdxCDynamicBarT<CBarDlg> bar;
        ASSERT_TRUE(bar.Create("Dialog bar", pFrame, kBarA, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(::IsWindow(bar.m_dlg.m_hWnd));
        EXPECT_EQ(::GetParent(bar.m_dlg.m_hWnd), bar.m_hWnd);
        EXPECT_EQ(bar.m_dlg.m_pHostBar, &bar);
        SIZE sz = bar.m_dlg.m_szInitial;
        // Docked on top: a 12-pixel caption strip on the left plus the borders.
        EXPECT_EQ(bar.GetMinDockedSize(TRUE), CSize(sz.cx + 5 + 5 + 12, sz.cy + 5 + 5));
        EXPECT_EQ(bar.GetDockedSize(TRUE), bar.GetMinDockedSize(TRUE));
        EXPECT_EQ(bar.GetMinDockedSize(FALSE), CSize(sz.cx + 5 + 5, sz.cy + 5 + 5 + 12));
        EXPECT_EQ(bar.GetMinFloatingSize(), CSize(sz.cx + 3 + 3, sz.cy + 5 + 3 + 12));
        EXPECT_TRUE(bar.GetBarSizingStyle() & SCBS_FILL_CHILD);
        // Enter, Escape and WM_CLOSE leave the dialog.
        bar.m_dlg.SendMessage(WM_COMMAND, IDOK);
        bar.m_dlg.SendMessage(WM_COMMAND, IDCANCEL);
        bar.m_dlg.SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(bar.m_dlg.m_hWnd));
        // Commands reach the dialog first.
        EXPECT_TRUE(bar.OnCmdMsg(IDC_BAR_GO, CN_COMMAND, nullptr));
        EXPECT_EQ(bar.m_dlg.m_nGo, 1);
        EXPECT_FALSE(bar.OnCmdMsg(ID_BAR_COMMAND, CN_COMMAND, nullptr));
    }
    pFrame->DestroyWindow();
}

// A dialog laid out again for a font sets its sizes: a bar of fixed height
// takes the dialog's height exactly (larger or smaller), docked and
// floating, and the frame lays it out once that step is done; another bar
// keeps at least the dialog's least size. A dialog that set none leaves the
// bar alone.
TEST_F(SizingBarTest, DynamicBarFollowsItsDialogsLayoutSizes)
{
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->CreateEx(0, nullptr, "Dyn", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    {
        cdxCDynamicBarT<CBarDlg> fixed, sizable;
        ASSERT_TRUE(fixed.Create("Fixed", pFrame, kBarA, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(sizable.Create("Sizable", pFrame, kBarB, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        fixed.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        fixed.ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
        sizable.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&fixed, AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&sizable, AFX_IDW_DOCKBAR_LEFT);
        pFrame->ShowWindow(SW_SHOWNA);
        const CSize horz = fixed.GetDockedSize(TRUE), vert = sizable.GetMinDockedSize(FALSE);
        fixed.FitToDialog();
        sizable.FitToDialog();
        EXPECT_EQ(horz, fixed.GetDockedSize(TRUE));
        EXPECT_EQ(vert, sizable.GetMinDockedSize(FALSE));

        for (int cy : {90, 40}) {
            fixed.m_dlg.SetLayoutSizes(SIZE{300, cy}, SIZE{300, cy});
            EXPECT_EQ(cy + 10, fixed.GetDockedSize(TRUE).cy) << cy;
            EXPECT_EQ(cy + 10, fixed.GetMinDockedSize(TRUE).cy) << cy;
            EXPECT_EQ(cy + 5 + 3 + 12, fixed.GetFloatingSize().cy) << cy;
            vorntest::PumpMessages();
            RECT rc;
            fixed.GetWindowRect(&rc);
            EXPECT_EQ(cy + 10, rc.bottom - rc.top) << cy;
        }
        const CSize least = sizable.SizeAround(AFX_IDW_DOCKBAR_LEFT, CSize(260, 380));
        sizable.m_dlg.SetLayoutSizes(SIZE{260, 380}, SIZE{260, 380});
        EXPECT_EQ(least, sizable.GetMinDockedSize(FALSE));
        EXPECT_GE(sizable.GetDockedSize(FALSE).cx, least.cx);
        EXPECT_GE(sizable.GetDockedSize(FALSE).cy, least.cy);
        vorntest::PumpMessages();
        RECT rc;
        sizable.GetWindowRect(&rc);
        EXPECT_GE(rc.right - rc.left, least.cx);
    }
    pFrame->DestroyWindow();
}

TEST_F(SizingBarTest, TooltipsAndFlyByPrompts)
{
    SizingFrame f;
    cdxCDynamicBarT<CBarDlg> bar;
    ASSERT_TRUE(bar.Create("Dialog bar", f.pFrame, kBarA + 5, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    ASSERT_TRUE(::IsWindow(bar.m_dlg.m_wndToolTip.m_hWnd));
    EXPECT_EQ(bar.m_dlg.m_wndToolTip.GetToolCount(), 4);
    struct {
        UINT nID;
        const char* tip;
        const char* status;
    } cases[] = {
        {IDC_BAR_EDIT, "Command", "Type a command for the emulator"},
        {IDC_BAR_GO, "", "Runs the command"},  // no newline: no tip, the whole text is the prompt
        {IDC_BAR_LONG, "A tooltip that goes on and on well past the seventy-nine characters a tip can h", "Long"},
        {IDC_BAR_NOPROMPT, "Quiet tip", "Ready"},  // no prompt: the idle message
    };
    for (auto& c : cases) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = bar.m_dlg.m_wndToolTip.m_hWnd;
        info.hdr.idFrom = (UINT_PTR)::GetDlgItem(bar.m_dlg.m_hWnd, (int)c.nID);
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = TTF_IDISHWND;
        bar.m_dlg.SendMessage(WM_NOTIFY, c.nID, (LPARAM)&info);
        EXPECT_STREQ(info.lpszText ? info.lpszText : "", c.tip) << c.nID;
        EXPECT_STREQ(f.status.GetText(0), c.status) << c.nID;
    }
    EXPECT_EQ(strlen(cases[2].tip), 79u);
    // The fly-by timer brings the idle message back.
    bar.m_dlg.SendMessage(WM_TIMER, IDT_BARDLG_FLYBY);
    EXPECT_STREQ(f.status.GetText(0), "Ready");
    // A menu prompt stays: the timer leaves it.
    bar.m_dlg.SendMessage(WM_MENUSELECT, MAKEWPARAM(IDC_BAR_GO, 0), (LPARAM)::GetMenu(f.pFrame->m_hWnd));
    EXPECT_STREQ(f.status.GetText(0), "Runs the command");
    bar.m_dlg.SendMessage(WM_TIMER, IDT_BARDLG_FLYBY);
    EXPECT_STREQ(f.status.GetText(0), "Runs the command");
    // Without tooltips and fly-by the tools go.
    bar.SetBarStyle(bar.GetBarStyle() & ~(CBRS_TOOLTIPS | CBRS_FLYBY));
    EXPECT_EQ(bar.m_dlg.m_wndToolTip.GetToolCount(), 0);
}

// The dialog relays the mouse to its tooltip: the tools' controls keep
// their own window procedures (a subclass asked the server for a property
// on every message under Wine).
TEST_F(SizingBarTest, ToolsLeaveTheControlsUnsubclassed)
{
    SizingFrame f;
    cdxCDynamicBarT<CBarDlg> bar;
    ASSERT_TRUE(bar.Create("Dialog bar", f.pFrame, kBarA + 6, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    std::vector<std::pair<HWND, LONG_PTR>> procs;
    for (HWND h = ::GetWindow(bar.m_dlg.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        procs.emplace_back(h, ::GetWindowLongPtrA(h, GWLP_WNDPROC));
    ASSERT_EQ(procs.size(), 4u);
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    EXPECT_EQ(bar.m_dlg.m_wndToolTip.GetToolCount(), 4);
    for (const auto& p : procs)
        EXPECT_EQ(::GetWindowLongPtrA(p.first, GWLP_WNDPROC), p.second) << ::GetDlgCtrlID(p.first);
    // Registered again (the style set twice): still one tool per control.
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS);
    EXPECT_EQ(bar.m_dlg.m_wndToolTip.GetToolCount(), 4);
}

TEST_F(SizingBarTest, BarsShareALeftRowByHeight)
{
    SizingFrame f;
    f.pFrame->DockControlBar(&f.a, AFX_IDW_DOCKBAR_LEFT);
    f.pFrame->DockControlBar(&f.b, AFX_IDW_DOCKBAR_LEFT);
    CDockBar* pLeft = DYNAMIC_DOWNCAST(CDockBar, f.pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    pLeft->m_arrBars.RemoveAt(pLeft->m_arrBars.GetSize() - 2, 2);
    pLeft->m_arrBars.Add(&f.b);
    f.Settle();
    EXPECT_TRUE(f.a.IsDockedVertically());
    CRect rc;
    pLeft->GetClientRect(&rc);
    CSize sa = f.a.GetDockedSize(FALSE), sb = f.b.GetDockedSize(FALSE);
    EXPECT_EQ(sa.cy - 2 + sb.cy - 2, rc.Height() - 2);
    EXPECT_TRUE(f.a.GetBarSizingStyle() & SCBS_SIZABLE_BOTTOM);
    EXPECT_TRUE(f.b.GetBarSizingStyle() & SCBS_SIZABLE_TOP);
    EXPECT_TRUE(f.a.GetBarSizingStyle() & SCBS_SIZABLE_RIGHT);
}

TEST_F(SizingBarTest, BarMissingFromItsDockBarsListHasNoRow)
{
    SizingFrame f;
    f.Top()->m_arrBars.RemoveAt(f.Top()->FindBar(&f.a));
    int nFirst = 0, nLast = 0, nThis = 0;
    EXPECT_FALSE(f.a.GetRowRange(nFirst, nLast, nThis));
    EXPECT_EQ(f.a.ShareRowLength(500, TRUE), 1);
    CSCBArray bars;
    f.a.GetRowBarsAndIndex(bars, nThis);
    EXPECT_TRUE(bars.empty());
    EXPECT_EQ(nThis, -1);
    f.a.AlignRowBars();
    f.Settle();  // the layout goes on without it
    EXPECT_EQ(f.a.CalcFixedLayout(FALSE, TRUE), f.a.GetDockedSize(TRUE));
}

TEST_F(SizingBarTest, CaptionIsActiveWhileTheFocusIsInTheBar)
{
    SizingFrame f;
    cdxCDynamicBarT<CBarDlg> bar;
    ASSERT_TRUE(bar.Create("Dialog bar", f.pFrame, kBarA + 6, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    f.pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    ::SetFocus(nullptr);
    EXPECT_FALSE(bar.IsCaptionActive());
    ::SetFocus(::GetDlgItem(bar.m_dlg.m_hWnd, IDC_BAR_EDIT));
    EXPECT_TRUE(bar.IsCaptionActive());
    EXPECT_EQ(bar.GetFocusScopeWnd(), &bar);
}

// A bar's dialog leaves the focus where it is as it is made, in a bar on the
// screen too: made in a hidden frame or a hidden bar it neither puts the focus
// into an invisible control nor activates the frame before it shows.
TEST_F(SizingBarTest, DialogLeavesTheFocusWhereItIsAsItIsMade)
{
    SizingFrame f;
    CFrameWnd* pHidden = new CFrameWnd;
    ASSERT_TRUE(pHidden->CreateEx(0, nullptr, "Hidden", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 600, 400,
                                  nullptr, nullptr));
    ASSERT_FALSE(pHidden->IsWindowVisible());
    {
        cdxCDynamicBarT<CBarDlg> bar;
        ASSERT_TRUE(bar.Create("Hidden bar", pHidden, kBarA + 9, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        EXPECT_FALSE(::IsChild(bar.m_dlg.m_hWnd, ::GetFocus()));
        EXPECT_NE(pHidden->m_hWnd, ::GetActiveWindow()) << "the hidden frame was activated";
        bar.DestroyWindow();
    }
    pHidden->DestroyWindow();
    // Bars whose dialogs wait, in the shown frame: one hidden, one shown.
    cdxCDynamicBarT<CBarDlg> hidden, shown;
    for (cdxCDynamicBar* p : {(cdxCDynamicBar*)&hidden, (cdxCDynamicBar*)&shown}) {
        p->DeferDialog();
        ASSERT_TRUE(p->Create("Dialog bar", f.pFrame, p == &hidden ? kBarA + 10 : kBarA + 11,
                              WS_CHILD | WS_VISIBLE | CBRS_TOP));
        p->EnableDocking(CBRS_ALIGN_ANY);
        f.pFrame->DockControlBar(p, AFX_IDW_DOCKBAR_BOTTOM);
    }
    f.pFrame->ShowControlBar(&hidden, FALSE, FALSE);
    f.Settle();
    ::SetForegroundWindow(f.pFrame->m_hWnd);
    f.pFrame->SetFocus();
    ASSERT_EQ(f.pFrame->m_hWnd, ::GetFocus());
    ASSERT_TRUE(hidden.MakeDialog());
    EXPECT_EQ(f.pFrame->m_hWnd, ::GetFocus()) << "the focus went into a hidden bar";
    ASSERT_TRUE(shown.IsWindowVisible());
    ASSERT_TRUE(shown.MakeDialog());
    EXPECT_EQ(f.pFrame->m_hWnd, ::GetFocus()) << "the focus went into a bar on the screen";
}

TEST_F(SizingBarTest, DynamicBarSharesItsDialogsHelpTexts)
{
    SizingFrame f;
    cdxCDynamicBarT<CBarDlg> bar;
    ASSERT_TRUE(bar.Create("Dialog bar", f.pFrame, kBarA + 7, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    EXPECT_EQ(bar.GetHelpDialogId(), (UINT)(kBarA + 7));
    EXPECT_EQ(bar.m_dlg.m_nIDHelpDialog, (UINT)IDD_BAR_DLG);
    // Every balloon text of the dialog is the bar's too.
    POSITION pos = bar.m_dlg.m_HelpStrings.GetStartPosition();
    int nTexts = 0;
    while (pos) {
        DWORD dwKey = 0;
        UINT nString = 0;
        bar.m_dlg.m_HelpStrings.GetNextAssoc(pos, dwKey, nString);
        CString strText = bar.m_dlg.GetHelpString(dwKey);
        EXPECT_STREQ(bar.GetHelpString(dwKey), strText) << dwKey;
        nTexts += strText.IsEmpty() ? 0 : 1;
    }
    EXPECT_GT(nTexts, 0);
}

TEST_F(SizingBarTest, LayoutAndSizesComeBackInANewFrame)
{
    const char* kProfile = "BarsState\\BarsState";
    CSize sizeA, sizeFloat;
    {
        SizingFrame f;
        DragEdge(f.a, HTBOTTOM, 0, 25);  // the top row grows
        f.Settle();
        f.b.SetFloatingSize(280, 120);
        f.pFrame->FloatControlBar(&f.b, CPoint(400, 260));
        f.Settle();
        sizeA = f.a.GetDockedSize(TRUE);
        sizeFloat = f.b.GetFloatingSize();
        f.pFrame->SaveBarState(kProfile);
        CSizingControlBar::GlobalSaveState(f.pFrame, kProfile);
    }
    SizingFrame g;
    ASSERT_TRUE(VerifyBarState(g.pFrame, kProfile));
    g.pFrame->LoadBarState(kProfile);
    CSizingControlBar::GlobalLoadState(g.pFrame, kProfile);
    g.Settle();
    EXPECT_TRUE(g.b.IsFloatingBar());
    EXPECT_EQ(g.b.GetFloatingSize(), sizeFloat);
    CRect rcBar;
    g.b.GetWindowRect(&rcBar);
    EXPECT_EQ(rcBar.Size(), sizeFloat);
    EXPECT_EQ(g.a.GetDockedSize(TRUE).cy, sizeA.cy);
    // Alone in the top row now, the docked bar takes the row's whole width.
    EXPECT_EQ(g.a.GetDockedSize(TRUE).cx - 2, g.TopWidth() + 2);
}

namespace {

// A dialog bar whose caption state can be read.
struct CProbeBar : cdxCDynamicBarT<CBarDlg> {
    BOOL CaptionActive() const { return m_bActive; }
    BOOL CaptionPaintedActive() const { return m_bActivePainted; }
};

// Counts the menu loops the thread enters; each one is ended at its first
// timer tick, so a system menu that opens does not hold the test.
struct MenuLoopWatch {
    static inline int s_nLoops = 0;
    HHOOK hHook;
    UINT_PTR nTimer;
    MenuLoopWatch()
    {
        s_nLoops = 0;
        hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
        nTimer = ::SetTimer(nullptr, 0, 50, EndAnyMenu);
    }
    ~MenuLoopWatch()
    {
        ::KillTimer(nullptr, nTimer);
        ::UnhookWindowsHookEx(hHook);
    }
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        if (nCode == HC_ACTION && ((const CWPSTRUCT*)lp)->message == WM_ENTERMENULOOP)
            s_nLoops++;
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }
    static void CALLBACK EndAnyMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }
};

// Asks the frame for its system menu in every way a user can.
void AskForSystemMenu(CWnd& frame)
{
    CRect rc;
    frame.GetWindowRect(&rc);
    frame.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, ' ');
    frame.SendMessage(WM_SYSCOMMAND, SC_MOUSEMENU, MAKELPARAM(rc.left + 4, rc.top + 4));
    frame.SendMessage(WM_CONTEXTMENU, (WPARAM)frame.m_hWnd, MAKELPARAM(rc.left + 30, rc.top + 4));
}

}  // namespace

TEST_F(SizingBarTest, FloatingFrameKeepsItsFlagsOutOfTheWindowStyleAndBlocksItsSystemMenu)
{
    SizingFrame f;
    f.pFrame->FloatControlBar(&f.a, CPoint(300, 300));
    f.Settle();
    CSCBMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CSCBMiniDockFrameWnd, f.a.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pMini->GetFrameFlags(), (DWORD)(MFS_BLOCKSYSMENU | FWS_SNAPTOPARENT));
    // As window styles they would be a maximise and a minimise box.
    EXPECT_FALSE(pMini->GetStyle() & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // A frame holding no sizing bar keeps its caption and system menu; the
    // menu stays shut however it is asked for. A plain floating frame, which
    // does not block it, shows that the asking works.
    CSCBMiniDockFrameWnd* pBlocked = new CSCBMiniDockFrameWnd;
    ASSERT_TRUE(pBlocked->Create(f.pFrame, CBRS_ALIGN_TOP));
    pBlocked->SetWindowPos(nullptr, 100, 100, 200, 80, SWP_NOZORDER | SWP_SHOWWINDOW);
    ASSERT_TRUE(pBlocked->GetStyle() & WS_SYSMENU);
    CMiniDockFrameWnd* pPlain = new CMiniDockFrameWnd;
    ASSERT_TRUE(pPlain->Create(f.pFrame, CBRS_ALIGN_TOP));
    pPlain->SetWindowPos(nullptr, 100, 200, 200, 80, SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(pPlain->GetFrameFlags(), 0u);
    {
        MenuLoopWatch watch;
        AskForSystemMenu(*pBlocked);
        EXPECT_EQ(MenuLoopWatch::s_nLoops, 0);
        AskForSystemMenu(*pPlain);
        EXPECT_GE(MenuLoopWatch::s_nLoops, 1) << "the system menu of a plain floating frame did not open";
    }
    pBlocked->DestroyWindow();
    pPlain->DestroyWindow();
}

TEST_F(SizingBarTest, FloatingFrameShowsItsCaptionActiveAsSoonAsItHasTheFocus)
{
    SizingFrame f;
    CProbeBar bar;
    ASSERT_TRUE(bar.Create("Dialog bar", f.pFrame, kBarA + 8, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    f.pFrame->FloatControlBar(&bar, CPoint(300, 300));
    f.Settle();
    CSCBMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CSCBMiniDockFrameWnd, bar.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    f.pFrame->SetFocus();
    f.Settle();
    ASSERT_FALSE(bar.CaptionActive());
    // No idle update in between: the frame's focus handler alone.
    {
        vorntest::MessageCounter counter(bar.m_hWnd, WM_NCPAINT);
        pMini->SetFocus();
        EXPECT_TRUE(bar.CaptionActive());
        EXPECT_TRUE(bar.CaptionPaintedActive());
        EXPECT_GE(counter.Count(), 1);
        EXPECT_TRUE(::IsChild(bar.m_hWnd, ::GetFocus())) << "the focus goes on into the bar's dialog";
    }
    // Moving on into the bar keeps it active without another paint.
    {
        vorntest::MessageCounter counter(bar.m_hWnd, WM_NCPAINT);
        pMini->SendMessage(WM_KILLFOCUS, (WPARAM)bar.m_dlg.m_hWnd);
        EXPECT_TRUE(bar.CaptionActive());
        EXPECT_EQ(counter.Count(), 0);
    }
    // The focus leaves the frame: inactive at once, repainted.
    {
        vorntest::MessageCounter counter(bar.m_hWnd, WM_NCPAINT);
        pMini->SendMessage(WM_KILLFOCUS, (WPARAM)f.pFrame->m_hWnd);
        EXPECT_FALSE(bar.CaptionActive());
        EXPECT_FALSE(bar.CaptionPaintedActive());
        EXPECT_EQ(counter.Count(), 1);
    }
}

TEST_F(SizingBarTest, FloatingFramesComeBackWhereTheyWereAndDoNotDrift)
{
    const char* kProfile = "BarsState\\BarsState";
    CPoint ptSaved;
    {
        SizingFrame f;
        f.pFrame->FloatControlBar(&f.b, CPoint(410, 270));
        f.Settle();
        CRect rc;
        f.b.GetDockingFrame()->GetWindowRect(&rc);
        ptSaved = rc.TopLeft();
        f.pFrame->SaveBarState(kProfile);
        CSizingControlBar::GlobalSaveState(f.pFrame, kProfile);
    }
    // Two starts: after the first the program ends without saving (it was
    // killed), after the second it saves as it closes.
    for (int nStart = 0; nStart < 3; ++nStart) {
        SizingFrame g;
        ASSERT_TRUE(VerifyBarState(g.pFrame, kProfile));
        g.pFrame->LoadBarState(kProfile);
        CSizingControlBar::GlobalLoadState(g.pFrame, kProfile);
        g.Settle();
        ASSERT_TRUE(g.b.IsFloatingBar());
        CRect rc;
        g.b.GetDockingFrame()->GetWindowRect(&rc);
        EXPECT_EQ(rc.TopLeft(), ptSaved) << "start " << nStart;
        if (nStart == 1) {
            g.pFrame->SaveBarState(kProfile);
            CSizingControlBar::GlobalSaveState(g.pFrame, kProfile);
        }
    }
}
