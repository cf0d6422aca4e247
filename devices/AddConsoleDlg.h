// AddConsoleDlg.h: CAddConsoleDlg, the console printer-keyboard's definition
// dialog (class "LOG": 1052, 3215, 1052-C, 3215-C).
//
// The selected type decides the kind: an integrated console ("1052-C",
// "3215-C") takes a one-character command prefix ("/" by default) and its
// title says "Integrated"; the others take a terminal group and a client
// IP address with its mask. Both take "noprompt". The arguments are parsed
// back through the configuration's device-statement parser, so the device
// and the command hold what a configuration file would.
#pragma once

#include "devices/TerminalDeviceDlg.h"

class CAddConsoleDlg : public CTerminalDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_CONSOLE };
    explicit CAddConsoleDlg(CWnd* pParent = nullptr);

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    CString DialogTitle() const override;

    void OnTypeSelEndOk();

private:
    // The selected type becomes the device's type name; the title, the
    // group or prefix label and the address controls follow its kind, and
    // the group field gets the kind's default unless bKeepValue.
    void SetTypeLabels(bool bKeepValue);
    bool IsIntegrated() const { return IsIntegratedConsoleType(m_Device.m_strTypeWord); }
};
