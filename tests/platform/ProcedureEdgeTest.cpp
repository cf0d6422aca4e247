// ProcedureEdgeTest.cpp: the edges of our window procedures under Wine. An
// exception thrown by a handler in a window, a dialog or a property page in
// its sheet stops at the procedure that the system called, is handed to the
// hook once, the message answers 0, and the window goes on working. The
// binding: the object is found from its window and from nowhere else (a
// foreign window with data in its user slot), and opening and closing
// windows of each kind leaves no objects and no bindings behind.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "platform/Afx.h"
#include "tests/platform/ModalDriver.h"
#include "tests/platform/PlatformTestRes.h"
#include "tests/support/GdiObjectCount.h"

namespace {

const UINT WM_TEST_THROW = WM_APP + 21;
const UINT WM_TEST_ECHO = WM_APP + 22;

// What the hook saw: how often it ran, and the text of the last exception.
int g_nReports = 0;
std::string g_strReported;

void RecordingHook()
{
    g_nReports++;
    try {
        throw;
    } catch (const std::exception& e) {
        g_strReported = e.what();
    } catch (...) {
        g_strReported = "?";
    }
}

// Installs the recording hook for one test and puts the previous one back.
class ScopedHook {
public:
    ScopedHook() : m_pfnPrev(AfxSetWndProcExceptionHook(&RecordingHook))
    {
        g_nReports = 0;
        g_strReported.clear();
    }
    ~ScopedHook() { AfxSetWndProcExceptionHook(m_pfnPrev); }

private:
    AfxWndProcExceptionHook m_pfnPrev;
};

// Any window class with two handlers: one throws (its text names where), one
// answers its wParam plus one.
template <class TBase>
class CThrowing : public TBase {
    DECLARE_MESSAGE_MAP()
public:
    template <class... A>
    explicit CThrowing(const char* pszWhere, A&&... args) : TBase(std::forward<A>(args)...), m_pszWhere(pszWhere)
    {
    }

protected:
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error(m_pszWhere); }
    LRESULT OnEcho(WPARAM wp, LPARAM) { return (LRESULT)wp + 1; }
    const char* m_pszWhere;
};

BEGIN_TEMPLATE_MESSAGE_MAP(CThrowing, TBase, TBase)
    ON_MESSAGE(WM_TEST_THROW, OnThrow)
    ON_MESSAGE(WM_TEST_ECHO, OnEcho)
END_MESSAGE_MAP()

class CThrowingWnd : public CThrowing<CWnd> {
public:
    CThrowingWnd() : CThrowing<CWnd>("window handler") {}
};

class CThrowingDlg : public CThrowing<CDialog> {
public:
    CThrowingDlg() : CThrowing<CDialog>("dialog handler", (UINT)IDD_MODELESS) {}
};

class CThrowingPage : public CThrowing<CPropertyPage> {
public:
    CThrowingPage() : CThrowing<CPropertyPage>("page handler", (UINT)IDD_PAGE_TWO) {}
    bool m_bThrowOnSetActive = false;
    BOOL OnSetActive() override
    {
        if (m_bThrowOnSetActive)
            throw std::runtime_error("page activation");
        return CPropertyPage::OnSetActive();
    }
};

class CPlainPage : public CPropertyPage {
public:
    CPlainPage() : CPropertyPage(IDD_PAGE_ONE) {}
};

}  // namespace

TEST(ProcedureEdge, WindowHandlerThatThrowsIsReportedAndAnswersZero)
{
    ScopedHook hook;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "thrower", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_TEST_THROW), 0);
    EXPECT_EQ(g_nReports, 1);
    EXPECT_EQ(g_strReported, "window handler");
    EXPECT_EQ(wnd.SendMessage(WM_TEST_ECHO, 41), 42);
    EXPECT_EQ(g_nReports, 1);
}

TEST(ProcedureEdge, DialogHandlerThatThrowsIsReportedAndAnswersZero)
{
    ScopedHook hook;
    CThrowingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_MODELESS));
    // The dialog procedure answers 0 through DWLP_MSGRESULT: handled, so the
    // dialog manager adds nothing.
    ::SetWindowLongPtrA(dlg.m_hWnd, DWLP_MSGRESULT, 99);
    EXPECT_EQ(dlg.SendMessage(WM_TEST_THROW), 0);
    EXPECT_EQ(g_nReports, 1);
    EXPECT_EQ(g_strReported, "dialog handler");
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(dlg.SendMessage(WM_TEST_ECHO, 6), 7);
    // Without a hook the exception is dropped at the edge all the same.
    AfxWndProcExceptionHook pfnMine = AfxSetWndProcExceptionHook(nullptr);
    EXPECT_EQ(dlg.SendMessage(WM_TEST_THROW), 0);
    AfxSetWndProcExceptionHook(pfnMine);
    EXPECT_EQ(g_nReports, 1);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(ProcedureEdge, PageHandlerThatThrowsInItsSheetIsReported)
{
    ScopedHook hook;
    CPlainPage one;
    CThrowingPage two;
    two.m_bThrowOnSetActive = true;
    CPropertySheet sheet("Edge");
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    LRESULT rThrow = -1, rEcho = -1;
    bool bAlive = false;
    vorntest::RunModal(sheet, [&](HWND) {
        // The sheet activates the page through PSN_SETACTIVE: its handler
        // throws, the page procedure answers 0 (the page may be shown).
        sheet.SetActivePage(1);
        rThrow = two.SendMessage(WM_TEST_THROW);
        rEcho = two.SendMessage(WM_TEST_ECHO, 2);
        bAlive = ::IsWindow(two.m_hWnd) && sheet.GetActiveIndex() == 1;
        sheet.PressButton(PSBTN_CANCEL);
        return false;
    });
    EXPECT_EQ(rThrow, 0);
    EXPECT_EQ(rEcho, 3);
    EXPECT_TRUE(bAlive);
    EXPECT_EQ(g_nReports, 2);
    EXPECT_EQ(g_strReported, "page handler");
}

TEST(ProcedureEdge, ForeignWindowWithUserDataIsNotTakenForAnObject)
{
    HWND h = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(h, nullptr);
    CThrowingWnd decoy;  // its address in the slot, but never bound
    ::SetWindowLongPtrA(h, GWLP_USERDATA, (LONG_PTR)&decoy);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    CWnd* pTemp = CWnd::FromHandle(h);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_NE(pTemp, &decoy);
    EXPECT_EQ(pTemp->m_hWnd, h);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDesktopWindow()), nullptr);
    AfxDeleteTempObjects();
    ::DestroyWindow(h);
}

TEST(ProcedureEdge, OpeningAndClosingEveryKindLeavesNoBindingsOrObjects)
{
    std::vector<HWND> gone;
    auto openClose = [&gone] {
        CThrowingWnd wnd;
        wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr);
        CWnd edit;
        HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 40, 12, wnd.m_hWnd, nullptr, nullptr, nullptr);
        edit.SubclassWindow(hEdit);
        CThrowingDlg dlg;
        dlg.Create(IDD_MODELESS);
        gone.insert(gone.end(), {wnd.m_hWnd, hEdit, dlg.m_hWnd});
        dlg.DestroyWindow();
        wnd.DestroyWindow();
    };
    openClose();
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; i++)
        openClose();
    EXPECT_EQ(vorntest::GdiObjectCount(), nBefore);
    ASSERT_EQ(gone.size(), 33u);
    for (HWND h : gone) {
        EXPECT_FALSE(::IsWindow(h));
        EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    }
}
