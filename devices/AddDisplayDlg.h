// AddDisplayDlg.h: CAddDisplayDlg, the display terminal's definition dialog
// (class "3270": 3270 and the integrated system console SYSG): an optional
// terminal group and client IP address with its mask.
//
// Only one SYSG device may exist: adding a second is refused on the device
// number with the number of the one the host already has. Without any
// argument the terminal is written with "*".
#pragma once

#include "devices/TerminalDeviceDlg.h"

class CAddDisplayDlg : public CTerminalDeviceDlg {
public:
    enum { IDD = IDD_ADD_DISPLAY };
    explicit CAddDisplayDlg(CWnd* pParent = nullptr);

protected:
    void LoadDevice() override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;

private:
    // Adding a SYSG while the host has one; the balloon names its number.
    bool ValidateSysg(CDataExchange* pDX);
};
