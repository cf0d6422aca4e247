// DynCmdLineDlgBar.h: CDynCmdLineDlgBar, the dockable bar in which the
// operator types emulator commands: the command edit, the hidden "Send"
// button that Enter presses, and the shell commands' folder with the button
// that chooses it. The bar keeps no history and sends nothing itself: Send
// and the folder button reach the view through the main frame, and the keys
// of the table in CmdLineKeys.h become the view's console commands.
#pragma once

#include "mainwindow/CmdEdit.h"
#include "mainwindow/MainWindowBarDlg.h"
#include "resource.h"

class CDynCmdLineDlgBar : public CMainWindowBarDlg {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_CMDLINE_BAR };
    explicit CDynCmdLineDlgBar(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // The console's look: the edit's and message boxes' colours (its plain
    // text and background, with a new brush of the background colour) and
    // the font of the bar and its edit (not owned); the edit's row grows or
    // shrinks to the font (LayoutForFont). A bar on the screen is redrawn
    // once; one off the screen is painted when it shows.
    void SetLook(COLORREF clrText, COLORREF clrBack, HFONT hFont);
    // The command edit as high as a line of its font needs (at least as in
    // the template), its label centred beside it, and the bar sized around.
    void LayoutForFont();
    CCmdEdit& CommandEdit() { return m_CmdEdit; }
    HWND SendButton() const { return ::GetDlgItem(m_hWnd, IDC_CMDLINE_SEND); }
    HWND TargetDirText() const { return ::GetDlgItem(m_hWnd, IDC_CMDLINE_TARGET_DIR); }
    HWND TargetDirButton() const { return ::GetDlgItem(m_hWnd, IDC_CMDLINE_DIR_BUTTON); }

protected:
    void OnSend();
    void OnTargetDir();
    void OnUpdateTargetDir(CCmdUI* pCmdUI);
    // A disabled edit takes no mouse input: its click comes to the bar.
    void OnLButtonDown(UINT nFlags, CPoint pt);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    // A key in the command edit; true when it was taken.
    bool HandleKey(int vk);
    bool HandleEscape();

    CCmdEdit m_CmdEdit;
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = 0xFFFFFF;
    CBrush m_brBack;
};
