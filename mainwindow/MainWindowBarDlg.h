// MainWindowBarDlg.h: CMainWindowBarDlg, what the main window's data bars
// share: the bar context menu ("Close", "Properties..." with the menu images,
// "Dock" or "Float"), Close as the bar's View command to the main frame,
// Properties as the preferences at the bar's page, Dock and Float through
// the main frame, and Escape giving the keyboard focus back to the command
// line (a bar never closes on Escape).
#pragma once

#include "framework/cdxCDynamicBarDlg.h"
#include "platform/CGdiObject.h"

class CDC;

class CMainWindowBarDlg : public cdxCDynamicBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    static const UINT kDefaultBarMenu;  // "Close", "Properties..."

    // nViewCmd: the bar's View menu toggle; nPrefsPage: its preferences page.
    CMainWindowBarDlg(UINT nIDTemplate, UINT nViewCmd, int nPrefsPage, CWnd* pParent = nullptr)
        : cdxCDynamicBarDlg(nIDTemplate, pParent), m_nContextMenu(kDefaultBarMenu), m_nViewCmd(nViewCmd),
          m_nPrefsPage(nPrefsPage)
    {
    }
    // Escape: the command line gets the focus back.
    void OnCancel() override;

    UINT GetViewCommand() const { return m_nViewCmd; }
    // The main frame names the View command of a bar whose class serves several.
    void SetViewCommand(UINT nViewCmd) { m_nViewCmd = nViewCmd; }
    int GetPrefsPage() const { return m_nPrefsPage; }

protected:
    void OnContextMenu(CWnd* pWnd, CPoint point);
    // The bar's menu before it opens (a check mark, say).
    virtual void PrepareContextMenu(CMenu* pPopup) { (void)pPopup; }
    void OnBarClose();
    void OnBarProperties();
    void OnDockFloat(UINT nID);
    // Sets the program's small icon on the bar's window.
    void SetSmallAppIcon();
    // A child's text in clrText on the bar's background clrBack, transparent;
    // returns the background brush (WM_CTLCOLOR).
    static HBRUSH SetBarColors(CDC* pDC, COLORREF clrText, COLORREF clrBack, const CBrush& brBack);
    // Fills the client area (WM_ERASEBKGND); TRUE.
    BOOL FillClient(CDC* pDC, COLORREF clrBack);
    // Redraws the bar with its children and frame at once.
    void RedrawBar();

    UINT m_nContextMenu;  // the menu resource of the context menu

private:
    UINT m_nViewCmd;
    int m_nPrefsPage;
};
