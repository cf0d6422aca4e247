// PreferencesDlg.h: CPreferencesDlg, the modal preferences dialog: a
// settings dialog (tree of pages) whose sixteen pages edit working copies of
// the application's own settings. It never touches the settings store: the
// view fills the pages' working fields before DoModal and takes each page
// over when the page sends WM_PREFS_APPLY_PAGE (Apply and OK) or the dialog
// ends with OK.
//
// The page index (0 to 15) is at once the page's place in the tree's order,
// the start page a caller asks for, the page reported as last shown
// (m_nStartPage after DoModal) and the first parameter of WM_PREFS_APPLY_PAGE.
// The six appearance pages (7 Console, 8 Device List, 9 Controls, 10 Percent
// Bar, 11 Status Bar, 12 Display/Alter) stand under the Appearance node. A
// slot without its page would be skipped: indexes map to places around it.
#pragma once

#include "framework/SettingsDialog.h"
#include "preferences/AdvLoggingPages.h"
#include "preferences/AppearanceFields.h"
#include "preferences/AppearancePages.h"
#include "preferences/PreferencesPages.h"

enum EPrefsPage {
    kPrefsDirs = 0, kPrefsExts, kPrefsLogging, kPrefsMemory, kPrefsDisk, kPrefsFormat, kPrefsNumbering,
    kPrefsConsole, kPrefsDevList, kPrefsControls, kPrefsPercent, kPrefsStatusBar, kPrefsDisplayAlter,
    kPrefsMisc, kPrefsMisc2, kPrefsMisc3, kPrefsPageCount
};

class CPreferencesDlg : public CSettingsDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CPreferencesDlg(CWnd* pParent = nullptr);
    ~CPreferencesDlg() override;

    // The pages, in page-index order.
    CPrefDirsPropPage m_DirsPage;
    CPrefExtsPropPage m_ExtsPage;
    CPrefLogsPropPage m_LogsPage;
    CMemLogPropPage m_MemLogPage;
    CDiskLogPropPage m_DiskLogPage;
    CLogFmtPropPage m_LogFmtPage;
    CLogNumPropPage m_LogNumPage;
    CPrefConsPropPage m_ConsPage;
    CPrefDevlistPropPage m_DevlistPage;
    CPrefControlsPropPage m_ControlsPage;
    CPrefPercentPropPage m_PercentPage;
    CPrefStatLinePropPage m_StatLinePage;
    CPrefDisplayAlterPropPage m_DisplayAlterPage;
    CPrefMiscPropPage m_MiscPage;
    CPrefMisc2PropPage m_Misc2Page;
    CPrefMisc3PropPage m_Misc3Page;

    // Set by the view before DoModal: the dialog presses OK by itself once
    // it has opened (the pages' checks may keep it open).
    bool m_bAutoClose = false;
    // The window that takes applied pages (WM_PREFS_APPLY_PAGE): the view's.
    HWND m_hViewWnd = nullptr;

    // The working fields of the appearance pages (AppearanceFields.h): each
    // page holds its own record.
    SPrefConsoleFields& ConsoleFields() { return m_ConsPage; }
    SPrefBarLookFields& DevListFields() { return m_DevlistPage; }
    SPrefControlsFields& ControlsFields() { return m_ControlsPage; }
    SPrefPercentFields& PercentFields() { return m_PercentPage; }
    SPrefStatLineFields& StatLineFields() { return m_StatLinePage; }
    SPrefBarLookFields& DisplayAlterFields() { return m_DisplayAlterPage; }

    // The page of an index; null for a slot without its page.
    CPrefsPage* GetPrefsPage(int nIndex) const;
    // m_nStartPage is a page index outside DoModal, a place among the pages
    // while the dialog runs (the base keeps it current).
    INT_PTR DoModal() override;

protected:
    BOOL OnInitDialog() override;
    LRESULT OnPrefsAutoClose(WPARAM wp, LPARAM lp);

    int PlaceOfIndex(int nIndex) const;
    int IndexOfPlace(int nPlace) const;

    CPrefsPage* m_pPages[kPrefsPageCount] = {};
    enum { kCaptionCount = 19 };
    CString m_strCaptions[kCaptionCount];  // the title, then the tree captions
};
