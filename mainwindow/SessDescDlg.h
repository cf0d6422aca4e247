// SessDescDlg.h: CSessDescDlg, the "Session Description" dialog in which
// the user may describe the emulator session about to start. It can be
// made wider or narrower, never taller or shorter.
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "resources/resource.h"

class CSessDescDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_SESSION_DESC };
    explicit CSessDescDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // The balloon texts of the window and its controls.
    void RegisterStandardHelpStrings() override;

    CString m_strDescription;  // set before DoModal, read after IDOK

protected:
    void OnWindowPosChanging(WINDOWPOS* pPos);
};
