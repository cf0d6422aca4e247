// MainFrame.h: CMainFrame (g_pMainFrame), VornGUI's single-document frame:
// the owner-drawn menu, the status bar and the fourteen dockable bars, the
// bar subscriptions to the view, docking layout and window placement, edit
// routing, the help commands and the closing rules. Its parts:
//   MainFrame.cpp        creation, layout restore, activation, menus
//   MainFrameClose.cpp   closing, Windows session end, power-off on close
//   MainFrameEdit.cpp    Copy and Select All of the console
//   MainFrameHelp.cpp    help file, documentation, bug report
#pragma once

#include "framework/CHelpButtonFrameWnd.h"
#include "platform/BCMenu.h"

class CMainFrame : public CHelpButtonFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
    DECLARE_MESSAGE_MAP()
public:
    CMainFrame();
    ~CMainFrame() override;

    BCMenu m_menu;              // the owner-drawn main menu
    bool m_bForceClose = false; // the Windows session is ending
    bool m_bClosing = false;    // closing: the emulator's end asks nothing more

    void ActivateFrame(int nCmdShow = -1) override;
    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;
    const char* GetHelpClassName() override { return "CMainFrame"; }
    void RegisterHelpStrings() override;
    // Makes hMenu the menu the frame shows and frees with its window.
    void SetDefaultMenu(HMENU hMenu) { m_hMenuDefault = hMenu; }

    // Tells the view, one posted message per data bar, which bars show.
    void NotifyViewOfBarVisibility();
    // The power-off question; returns the button (IDYES, IDNO).
    int ConfirmPowerOff();

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCT pcs);
    void OnClose();
    BOOL OnQueryEndSession();
    LRESULT OnEndSessionMsg(WPARAM wp, LPARAM lp);
    void OnDestroy();
    void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu);
    LRESULT OnMenuCharMsg(WPARAM wp, LPARAM lp);
    LRESULT OnRestoreBarState(WPARAM wp, LPARAM lp);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    void OnUpdateAlwaysDisabled(CCmdUI* pCmdUI);
    void OnHelpContents();
    void OnHelpDocumentation();
    void OnReportBug();

private:
    void SaveLayout();
    bool IsEmulatorRunning() const;
    bool AreUtilitiesRunning() const;
};

// Powers the emulator off and has the view close the frame once it ended.
void PowerOffAndExit();

extern CMainFrame* g_pMainFrame;
