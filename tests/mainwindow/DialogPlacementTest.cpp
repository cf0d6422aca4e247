// DialogPlacementTest.cpp: where the program's boxes and dialogs open the
// first time, with nothing remembered: centred over the main window, also
// the questions of the view, a child window, which the system replaces by
// its top-level window as their owner.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "session/ConsoleCommands.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/platform/ModalDriver.h"

namespace {

POINT Centre(HWND h)
{
    RECT rc;
    ::GetWindowRect(h, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

TEST_F(FrameFixture, BoxesAndDialogsOpenCentredOverTheMainWindow)
{
    std::string strGood = dir.Write("good.cnf", "# Description: placement\n0120 3390 disk.img\n");
    std::string strBad = dir.Write("bad.cnf", "0120 3390 disk.img\nARCHLVL\n");
    OpenFrame();
    // Away from the screen's middle and third: a place of the screen's own
    // is not the main window's.
    pFrame->MoveWindow(90, 60, 760, 560);
    Pump();
    const POINT ptMain = Centre(pFrame->m_hWnd);
    const struct {
        const char* pszKind;
        int nDialogs;  // the boxes and dialogs it opens, one after the other
        std::function<void()> open;
    } kinds[] = {
        {"About", 1, [&] { pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT); }},
        {"the view's save question", 1,
         [&] {
             CVornConfigFile changed = g_pView->GetConfig();
             changed.m_strDescription = "changed";
             g_pView->ApplyEditedConfiguration(changed);
             g_pView->PromptSaveModified();
         }},
        {"the box and Configuration File Error(s)", 2, [&] { g_pView->OpenConfiguration(strBad.c_str()); }},
        {"the view's external-edit warning", 1,
         [&] {
             g_strStartupConfigFile = strGood.c_str();  // opened as at start-up: no System Configuration
             ASSERT_TRUE(g_pView->OpenConfiguration(strGood.c_str()));
             g_pView->SendMessage(WM_COMMAND, ID_MANUAL_EDIT);
         }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.pszKind);
        std::map<HWND, POINT> seen;
        vorntest::DialogDriver driver([&](HWND h) {
            if (seen.count(h)) {
                // A box without Cancel refuses it.
                ::PostMessageA(h, TDM_CLICK_BUTTON, IDOK, 0);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                return true;
            }
            seen[h] = Centre(h);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
        kind.open();
        Pump();
        ASSERT_EQ(kind.nDialogs, (int)seen.size());
        for (const auto& s : seen) {
            EXPECT_NEAR(ptMain.x, s.second.x, 1);
            EXPECT_NEAR(ptMain.y, s.second.y, 1);
        }
    }
}

}  // namespace
