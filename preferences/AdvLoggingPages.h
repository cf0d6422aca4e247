// AdvLoggingPages.h: the four pages below "Logging" in the preferences tree:
// Memory (page 3) and Disk (4), the line limits of the console's memory and
// of each log file; Format (5), what every logged line is prefixed with; and
// Numbering (6), the number the next automatic log file counts from. Disk
// and Numbering read the Logging page's working values through the dialog.
#pragma once

#include "platform/CSpinButtonCtrl.h"
#include "preferences/PrefsPage.h"
#include "resources/resource.h"

class CMemLogPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CMemLogPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_MEMLOG };
    CMemLogPropPage();

    bool m_bEnabled = false;
    UINT m_nLines;  // "Limits" DefMemLoglinesLimit at construction
    bool m_bAppliedEnabled = false;
    UINT m_nAppliedLines = 0;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnEnable();
    void OnLinesChange();

    CSpinButtonCtrl m_Spin;
    CString m_strInstructions;
};

class CDiskLogPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CDiskLogPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_DISKLOG };
    CDiskLogPropPage();

    bool m_bEnabled = false;
    UINT m_nLines;  // "Limits" DefDiskLoglinesLimit at construction
    bool m_bSync = false;
    bool m_bAppliedEnabled = false;
    UINT m_nAppliedLines = 0;
    bool m_bAppliedSync = false;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnEnable();
    void OnSync();
    void OnLinesChange();

    CSpinButtonCtrl m_Spin;
    CString m_strInstructions;
};

class CLogFmtPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CLogFmtPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_LOGFMT };
    CLogFmtPropPage();

    bool m_bDates = false;
    bool m_bTimes = true;
    bool m_bPidAlways = true;
    bool m_bPidIfNeeded = false;
    bool m_bAppliedDates = false, m_bAppliedTimes = true, m_bAppliedPidAlways = true, m_bAppliedPidIfNeeded = false;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void OnInitPage() override;
    void OnCheck(UINT nId);
    // The process-id choices exclude each other (ApplyPidRule).
    void ApplyPidChoice();
};

class CLogNumPropPage : public CPrefsPage {
    DECLARE_DYNCREATE(CLogNumPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_LOGNUM };
    CLogNumPropPage();

    UINT m_nCurFileNum = 0;
    UINT m_nAppliedCurFileNum = 0;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnNumberChange();
    // Text, enabled state and spin range from the Logging page's working
    // option and maximum number of files.
    void RefreshFromLoggingPage();
    bool IsNumberingEnabled() const;
    UINT MaxFiles() const;
    // A number the user has not changed, or cannot edit: 0 when it is beyond
    // the Logging page's maximum (the document does the same).
    void FollowLoweredMaximum();

    CSpinButtonCtrl m_Spin;
    CString m_strInstructions;
    CString m_strNote;
    UINT m_nAssignedFileNum = 0;  // the number in force when the page opened
};
