// SysCfgHttpSrvrPage.h: CSysCfgHttpSrvrPage, the "Http Server" page: whether
// the emulator starts its HTTP server by itself, the port (80, or 1024 to
// 65535), the root directory with its browser, and an optional user id
// with password, from which every blank vanishes as it is typed.
#pragma once

#include "sysconfig/SysCfgPage.h"

class CSysCfgHttpSrvrPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_HTTPSRVR };
    explicit CSysCfgHttpSrvrPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;
    // The port, the user id, the directory and its browser enabled by
    // auto-start; the password also needs a user id.
    void EnableControls();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;

    void OnClickStart();
    void OnChangePort();
    void OnDeltaPosPort(NMHDR* pNMHDR, LRESULT* pResult);
    void OnChangeUser();
    void OnChangePassword();
    void OnChangeRoot();
    void OnBrowseRoot();

    // Reads an edit into strText (blanks removed when bNoBlanks, the caret
    // kept) and returns whether the handler goes on.
    bool ReadEdit(int nIDC, CString& strText, bool bNoBlanks);
    void Changed();

    bool m_bStart = false;
    CString m_strRoot, m_strUser, m_strPassword;
};
