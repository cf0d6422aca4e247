// CConfigFileParseErrorsDlg.h: the resizable modal dialog shown when a
// configuration file that is opened has parse errors: the error messages,
// then the file's numbered lines, in a read-only rich edit; the user may
// ignore the errors, edit the file, retry the load or cancel. The dialog only
// shows and reports; what each answer does is the caller's.
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "platform/CButton.h"
#include "platform/CGdiObject.h"
#include "platform/CRichEditCtrl.h"
#include "resources/resource.h"

class CVornConfigFile;

class CConfigFileParseErrorsDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_CONFIG_PARSE_ERRORS };
    CConfigFileParseErrorsDlg();

    // Set by the caller before DoModal; not owned.
    CVornConfigFile* m_pConfig = nullptr;
    // After IDOK: set for Ignore, clear for Retry.
    bool m_bIgnore = false;
    CString m_strText;

    // The editor command the Edit button starts ("Settings" "PreferredEditor";
    // empty for notepad).
    CString m_strEditor;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

protected:
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnDestroy();
    void OnWindowPosChanged(WINDOWPOS* pPos);
    void OnIgnore();
    void OnEdit();
    void OnRetry();
    void OnCancelButton();

private:
    void SetFixedPitchFont();
    void PlaceWindow();

    CRichEditCtrl m_Text;
    CButton m_IgnoreButton;
    CButton m_EditButton;
    CButton m_RetryButton;
    CButton m_CancelButton;
    CFont m_Font;
};

// The answers of the dialog.
enum ParseErrorsAnswer { kParseErrorsIgnore, kParseErrorsRetry, kParseErrorsCancel };

// Shows the dialog for a configuration that was just loaded with parse
// errors; the file-open path calls it and acts on the answer.
ParseErrorsAnswer AskAboutParseErrors(CVornConfigFile* pConfig, const char* pszEditor);
