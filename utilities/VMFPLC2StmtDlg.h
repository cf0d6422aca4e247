// VMFPLC2StmtDlg.h: CVMFPLC2StmtDlg, the dialog that edits one file
// statement of a VMFPLC2 control file by its fields: the CMS file, record
// format and length, file type, an override code page for a Textual file
// and the host file (read for DUMP, written for LOAD). A comment or tape
// mark typed as the filename is handed back as it was.
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "platform/CGdiObject.h"
#include "platform/CSaveSelEdit.h"
#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"
#include "utilities/Vmfplc2Rules.h"

class CVMFPLC2StmtDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_VMFPLC2_STMT };
    explicit CVMFPLC2StmtDlg(CWnd* pParent = nullptr);

    bool m_bDump = false;                      // the host file is read (DUMP)
    CString m_strDefaultCodePage = "default";  // the VMFPLC2 dialog's, shown read-only
    CString m_strStatement;                    // in: the line (empty: new); out: the line built
    SVmfplc2Statement m_fields;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

protected:
    void OnOverrideClicked();
    void OnBrowseHostFile();
    void OnRecfmChanged();
    void OnTypeChanged();

private:
    // The checks of the fields on OK; each refusal shows its balloon.
    bool CheckFields(CDataExchange* pDX);
    bool CheckHostFile(CDataExchange* pDX);
    bool Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText);

    CWLComboBoxEx m_CodePageList, m_RecfmList, m_TypeList;
    CSaveSelEdit m_DefaultEdit, m_HostEdit;
    CFont m_font;
};
