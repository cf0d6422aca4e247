// VMFPLC2StmtEditDlg.h: CVMFPLC2StmtEditDlg, the one-line editor of a
// VMFPLC2 control file's line (comments, tape marks, any statement typed
// by hand). It can be widened, not made taller.
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "platform/CGdiObject.h"
#include "platform/CSaveSelEdit.h"
#include "resources/resource.h"

class CVMFPLC2StmtEditDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_VMFPLC2_STMT_EDIT };
    explicit CVMFPLC2StmtEditDlg(CWnd* pParent = nullptr);

    CString m_strStatement;  // in: the line; out: the edited line

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

protected:
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    CSaveSelEdit m_Edit;
    CFont m_font;  // the edit's fixed-pitch font, the statements' columns
};
