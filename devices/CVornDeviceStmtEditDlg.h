// CVornDeviceStmtEditDlg.h: the device statement editor: one device
// statement as free text (device number, type word, parameters), for
// every device type without a dialog of its own and for the Devices page's
// manual edit of any device. The configuration's own device-statement
// parser checks it, so whatever a configuration file may say can be
// entered; a SYSG statement shows the number 0000 it keeps, whatever was
// typed. The dialog can only be widened.
#pragma once

#include "devices/CDeviceDlg.h"
#include "platform/CGdiObject.h"

class CVornDeviceStmtEditDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_DEVICE_STMT_EDIT };
    explicit CVornDeviceStmtEditDlg(CWnd* pParent = nullptr);

    CString m_strType;   // the type word (at most 6 characters)
    CString m_strParms;  // everything after it

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;
    CWnd& DevNumControl() override { return m_NumEdit; }
    WORD IconClass() const override { return m_Device.m_wClass; }
    bool FocusSetByDialog() const override { return !m_bAdd; }
    void OnWindowPosChanging(WINDOWPOS* pPos);
    void OnTypeChange();

private:
    CHexSimpleEdit m_NumEdit;
    CFont m_Font;             // the three edits' font
    CVornDevice m_Parsed;     // the statement as the parser read it
};
