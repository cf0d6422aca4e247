// PrefsViewStandIn.h: a window in the view's role for the preferences
// dialog's tests: it answers WM_PREFS_APPLY_PAGE with a chosen value and,
// when it accepts, takes over what the view takes from the applied page
// (read through the dialog, as the view does), recording the page indexes.
#pragma once

#include <windows.h>

#include <vector>

#include "preferences/PreferencesDlg.h"

class CPrefsViewStandIn {
public:
    CPrefsViewStandIn();
    ~CPrefsViewStandIn();
    CPrefsViewStandIn(const CPrefsViewStandIn&) = delete;
    CPrefsViewStandIn& operator=(const CPrefsViewStandIn&) = delete;

    HWND m_hWnd = nullptr;
    CPreferencesDlg* m_pDlg = nullptr;  // registered while the dialog runs
    LRESULT m_nAnswer = 1;
    std::vector<int> m_applied;  // every page index it was sent, in order

    // What it took over.
    CStringArray m_dirs[kDirListCount];
    CString m_filters[kFilterCount];
    int m_nLogOption = -1;
    UINT m_nMaxFiles = 0, m_nMemLines = 0, m_nDiskLines = 0, m_nCurFileNum = 0;
    CString m_strBaseName, m_strEditor, m_strExtraArgs;
    bool m_bSync = true;
    // From the appearance pages: font descriptions and colours only (the
    // view makes its own fonts from the descriptions).
    LOGFONTA m_lfConsole[5] = {};
    COLORREF m_crConsole[5] = {};
    COLORREF m_crConsoleBack = 0;
    bool m_bErrorBeep = false;
    LOGFONTA m_lfDevList = {}, m_lfDisplayAlter = {}, m_lfStatus = {};
    COLORREF m_crDevListText = 0, m_crControlsBack = 0, m_crDisplayAlterBack = 0;
    int m_nPercentColor[4] = {}, m_nPercentStyle[4] = {};
    BYTE m_nPartOrder[5] = {};
    bool m_bPartVisible[5] = {};

    // Registers the dialog with the stand-in and the stand-in with it.
    void Register(CPreferencesDlg& dlg);

private:
    static LRESULT CALLBACK WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnApplyPage(int nPage);
};
