// CWndTest.cpp: message maps under Wine: a window records what its map
// entries receive; the record is compared with a table of the messages sent.
// Also reflection to a subclassed control, temporary wrappers, PostNcDestroy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Afx.h"
#include "platform/AfxThreadState.h"

namespace {

const UINT WM_TEST_PING = WM_APP + 7;
const UINT kEditId = 50;

class CRecordingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    std::vector<std::string> log;
    void Add(const char* fmt, ...)
    {
        char buf[160];
        va_list args;
        va_start(args, fmt);
        vsnprintf(buf, sizeof(buf), fmt, args);
        va_end(args);
        log.push_back(buf);
    }

protected:
    int OnCreate(LPCREATESTRUCT pcs) { Add("create %s", pcs->lpszName); return CWnd::OnCreate(pcs); }
    void OnSize(UINT nType, int cx, int cy) { Add("size %u %d %d", nType, cx, cy); }
    void OnTimer(UINT_PTR id) { Add("timer %u", (UINT)id); }
    LRESULT OnPing(WPARAM wp, LPARAM lp) { Add("ping %u %ld", (UINT)wp, (long)lp); return 4242; }
    void OnDo() { Add("command do"); }
    void OnUpdateDo(CCmdUI* pCmdUI) { Add("update do"); pCmdUI->Enable(FALSE); }
    void OnEditChange() { Add("parent en_change"); }
    void OnCustomNotify(NMHDR* pNM, LRESULT* pResult) { Add("notify %u", (UINT)pNM->idFrom); *pResult = 77; }
    BOOL OnHelpInfo(HELPINFO* phi) { Add("help %d", phi->iCtrlId); return TRUE; }
    LRESULT OnNcHitTest(CPoint pt) { Add("nchittest %ld %ld", pt.x, pt.y); return HTCAPTION; }
    void OnRange(UINT id) { Add("range %u", id); }
    void OnDestroy() { Add("destroy"); CWnd::OnDestroy(); }
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_COMMAND(40001, OnDo)
    ON_UPDATE_COMMAND_UI(40001, OnUpdateDo)
    ON_EN_CHANGE(kEditId, OnEditChange)
    ON_NOTIFY(NM_CLICK, 60, OnCustomNotify)
    ON_WM_HELPINFO()
    ON_WM_NCHITTEST()
    ON_COMMAND_RANGE(41000, 41009, OnRange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// An edit that takes its own change notifications back (reflection).
class CReflectingEdit : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int changes = 0;
    int clicks = 0;

protected:
    BOOL OnChangeReflect() { changes++; return changes > 1; }  // the first goes on to the parent
    void OnClickReflect(NMHDR*, LRESULT* pResult) { clicks++; *pResult = 5; }
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CWnd)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChangeReflect)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
END_MESSAGE_MAP()

// A class template over any recording window: its own entry hides the
// base's, its watching entries see a message before the base, its after-base
// entries after the base (or default processing) answered.
template <class TBase>
class CWatchingWnd : public TBase {
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnPing(WPARAM wp, LPARAM) { this->Add("template ping %u", (UINT)wp); return 99; }
    void OnDestroyWatch() { this->Add("watch destroy"); }
    void OnTimerWatch(UINT_PTR id) { this->Add("watch timer %u", (UINT)id); }
    void OnSizeAfter(UINT, int cx, int cy) { this->Add("after size %d %d", cx, cy); }
    void OnMinMaxAfter(MINMAXINFO* pMMI) { this->Add("after minmax %ld", pMMI->ptMaxTrackSize.x); }
};

BEGIN_TEMPLATE_MESSAGE_MAP(CWatchingWnd, TBase, TBase)
    ON_MESSAGE_WATCH(WM_DESTROY, OnDestroyWatch)
    ON_WM_TIMER_WATCH(OnTimerWatch)
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_WM_SIZE_AFTER_BASE(OnSizeAfter)
    ON_WM_GETMINMAXINFO_AFTER_BASE(OnMinMaxAfter)
END_MESSAGE_MAP()

class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeletingWnd() override { *m_pDeleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_pDeleted;
};

CRect kRect(10, 10, 310, 210);

}  // namespace

TEST(CWnd, MessageMapDispatchMatchesTable)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "rec", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    wnd.log.clear();

    struct Row { UINT msg; WPARAM wp; LPARAM lp; LRESULT result; const char* entry; };
    const Row table[] = {
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80), 0, "size 0 120 80"},
        {WM_TIMER, 9, 0, 0, "timer 9"},
        {WM_TEST_PING, 3, -5, 4242, "ping 3 -5"},
        {WM_COMMAND, MAKEWPARAM(40001, 0), 0, 0, "command do"},
        {WM_COMMAND, MAKEWPARAM(40001, 1), 0, 0, "command do"},  // accelerator
        {WM_COMMAND, MAKEWPARAM(41004, 0), 0, 0, "range 41004"},
        {WM_NCHITTEST, 0, MAKELPARAM(-3, 40), HTCAPTION, "nchittest -3 40"},
    };
    for (const Row& r : table) {
        wnd.log.clear();
        EXPECT_EQ(wnd.SendMessage(r.msg, r.wp, r.lp), r.result) << r.entry;
        ASSERT_EQ(wnd.log.size(), 1u) << r.entry;
        EXPECT_EQ(wnd.log[0], r.entry);
    }

    NMHDR nm = {wnd.m_hWnd, 60, (UINT)NM_CLICK};
    wnd.log.clear();
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 60, (LPARAM)&nm), 77);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"notify 60"});
    nm.idFrom = 61;  // no entry: default processing, nothing recorded
    wnd.log.clear();
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 61, (LPARAM)&nm), 0);
    EXPECT_TRUE(wnd.log.empty());

    HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, 12};
    wnd.log.clear();
    EXPECT_EQ(wnd.SendMessage(WM_HELP, 0, (LPARAM)&hi), TRUE);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"help 12"});

    wnd.log.clear();
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.log, std::vector<std::string>{"destroy"});
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(CWnd, TemplateMessageMapWatchesAnswersAndChainsToItsBase)
{
    CWatchingWnd<CRecordingWnd> wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "tpl", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    MINMAXINFO mmi = {};
    mmi.ptMaxTrackSize.x = 640;
    struct Row { UINT msg; WPARAM wp; LPARAM lp; LRESULT result; std::vector<std::string> entries; };
    const Row table[] = {
        {WM_TEST_PING, 3, 0, 99, {"template ping 3"}},
        {WM_TIMER, 9, 0, 0, {"watch timer 9", "timer 9"}},
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80), 0, {"size 0 120 80", "after size 120 80"}},
        // No entry of the base: default processing, then the template.
        {WM_GETMINMAXINFO, 0, (LPARAM)&mmi, 0, {"after minmax 640"}},
        {WM_COMMAND, MAKEWPARAM(40001, 0), 0, 0, {"command do"}},
    };
    for (const Row& r : table) {
        wnd.log.clear();
        EXPECT_EQ(wnd.SendMessage(r.msg, r.wp, r.lp), r.result) << r.entries[0];
        EXPECT_EQ(wnd.log, r.entries);
    }
    wnd.log.clear();
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"watch destroy", "destroy"}));
}

TEST(CWnd, CreateReachesOnCreateWithTheName)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "named", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ(wnd.log[0], "create named");
}

TEST(CWnd, UpdateHandlerAndCommandProbe)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "rec", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 40001, "Do");
    menu.AppendMenu(MF_STRING, 40002, "None");
    menu.AppendMenu(MF_STRING, 41003, "Ranged");
    wnd.log.clear();
    for (UINT i = 0; i < 3; i++) {
        CCmdUI ui;
        ui.m_pMenu = &menu;
        ui.m_nIndex = i;
        ui.m_nID = menu.GetMenuItemID((int)i);
        ui.DoUpdate(&wnd, TRUE);
    }
    EXPECT_EQ(wnd.log, std::vector<std::string>{"update do"});  // the probe calls no handler
    EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);   // its handler disabled it
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);   // no handler at all
    EXPECT_FALSE(menu.GetMenuState(2, MF_BYPOSITION) & MF_GRAYED);  // a command handler exists
}

TEST(CWnd, NotificationsAreReflectedToTheSubclassedControl)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                                   (HMENU)(UINT_PTR)kEditId, nullptr, nullptr);
    CReflectingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(kEditId, &parent));
    parent.log.clear();

    ::SetWindowTextA(hEdit, "a");  // EN_CHANGE: reflected, handler says pass on
    EXPECT_EQ(edit.changes, 1);
    EXPECT_EQ(parent.log, std::vector<std::string>{"parent en_change"});
    ::SetWindowTextA(hEdit, "ab");  // handled by the control alone
    EXPECT_EQ(edit.changes, 2);
    EXPECT_EQ(parent.log.size(), 1u);

    NMHDR nm = {hEdit, kEditId, (UINT)NM_CLICK};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kEditId, (LPARAM)&nm), 5);
    EXPECT_EQ(edit.clicks, 1);

    // The edit's own procedure still runs under the subclass.
    char buf[8] = {};
    ::GetWindowTextA(hEdit, buf, sizeof(buf));
    EXPECT_STREQ(buf, "ab");
    parent.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, nullptr);  // unbound at WM_NCDESTROY
}

TEST(CWnd, ControlClassCreatedThroughCreateExIsBoundBeforeCreate)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    CReflectingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kEditId));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
    parent.log.clear();
    edit.SetWindowText("changed");
    EXPECT_EQ(edit.changes, 1);
}

namespace {

// Makes a bound edit while it is created, and notes whether the creation
// hook was still installed then.
class CNestingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CReflectingEdit edit;
    bool bHookInOnCreate = true;

protected:
    int OnCreate(LPCREATESTRUCT pcs)
    {
        bHookInOnCreate = AfxGetThreadState().hCbtHook != nullptr;
        if (!edit.CreateEx(0, "EDIT", "x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), this, kEditId))
            return -1;
        return CWnd::OnCreate(pcs);
    }
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

}  // namespace

// The creation hook goes once its window is bound: what the window makes
// while it is created runs no hook of its, and is bound by its own.
TEST(CWnd, CreationHookGoesOnceTheWindowIsBound)
{
    CNestingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "nest", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    EXPECT_FALSE(wnd.bHookInOnCreate);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.edit.m_hWnd), &wnd.edit);
    EXPECT_EQ(wnd.m_hWnd, ::GetParent(wnd.edit.m_hWnd));
    EXPECT_EQ(nullptr, AfxGetThreadState().hCbtHook);
    EXPECT_EQ(nullptr, AfxGetThreadState().pWndInit);
    wnd.edit.SetWindowText("changed");
    EXPECT_EQ(1, wnd.edit.changes);
    wnd.DestroyWindow();
}

TEST(CWnd, FromHandleGivesTemporaryWrappersUntilIdle)
{
    HWND h = ::CreateWindowExA(0, "STATIC", "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* p1 = CWnd::FromHandle(h);
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(p1->m_hWnd, h);
    EXPECT_EQ(CWnd::FromHandle(h), p1);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    AfxDeleteTempObjects();
    ::DestroyWindow(h);
}

TEST(CWnd, SelfOwningWindowIsDeletedAfterNcDestroy)
{
    bool deleted = false;
    CSelfDeletingWnd* p = new CSelfDeletingWnd(&deleted);
    ASSERT_TRUE(p->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, kRect, nullptr, 0));
    HWND h = p->m_hWnd;
    ::DestroyWindow(h);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(h));
}

TEST(CWnd, ObjectDestroyedFirstTakesItsWindowAlong)
{
    HWND h;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "rec", WS_POPUP, kRect, nullptr, 0));
        h = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(h));
}
