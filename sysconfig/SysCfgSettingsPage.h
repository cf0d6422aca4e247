// SysCfgSettingsPage.h: CSysCfgSettingsPage, the "Settings" page: the
// translation code page with its history (kept under "Settings"/"CodePages";
// an entry deleted from the list rewrites it), the trace display mode, the
// panel's refresh rate and name-only display, the console and SYSG console
// ports with their 0, 23, 1024 stepping, the keepalive times, the shell
// command mode, and the run-command and logo files with their browsers.
#pragma once

#include "framework/HexSimpleEdit.h"
#include "platform/CSaveSelEdit.h"
#include "platform/CWLComboBoxEx.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgSettingsPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_SETTINGS };
    explicit CSysCfgSettingsPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;

    // The code page as shown (" / " between its halves).
    const CString& CodePageText() const { return m_strCodePage; }
    CWLComboBoxEx2& CodePageCombo() { return m_CodePageCombo; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;

    void OnEditCodePage();
    void OnSelectCodePage();
    void OnSelectTraceOpt();
    void OnClickNoCh9Oflow();
    void OnClickNameOnly();
    void OnClickSysgEnable();
    void OnChangeNumber(UINT nID);
    void OnDeltaPosCnslPort(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaPosSysgPort(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClickShellCmd();
    void OnChangeRcFile();
    void OnChangeLogoFile();
    void OnBrowseRcFile();
    void OnBrowseLogoFile();
    LRESULT OnCodePageDeleted(WPARAM wp, LPARAM lp);

    // The code page from the page's text; SetModified.
    void TakeCodePage();
    void StepPort(int nEditId, int& nPort, NMHDR* pNMHDR, LRESULT* pResult);
    void CopyFileName(int nEditId, CString& strFile);
    void BrowseFile(const char* pszFilter, const char* pszTitle, CSaveSelEdit& edit);
    void EnableSysgPort();
    void Changed();

    CWLComboBoxEx2 m_CodePageCombo;
    CWLComboBoxEx m_TraceCombo;
    CSaveSelEdit m_RcFileEdit, m_LogoFileEdit;
    CSignedNumEdit m_KeepAliveEdits[3];
    CString m_strCodePage;
};
