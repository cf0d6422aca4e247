// AddDisplayDlg.h: CAddDisplayDlg, the display terminal's definition dialog
// (class "3270": 3270 and the integrated system console SYSG): an optional
// terminal group and client IP address with its mask.
//
// The SYSG console's statement keeps no number: while SYSG is chosen the
// number field shows the 0000 it will have. Only one SYSG device may exist:
// adding a second is refused on the device number with the number of the
// one the host already has. Without any argument the terminal is written
// with "*".
#pragma once

#include "devices/TerminalDeviceDlg.h"

class CAddDisplayDlg : public CTerminalDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_DISPLAY };
    explicit CAddDisplayDlg(CWnd* pParent = nullptr);

protected:
    void LoadDevice() override;
    void InitControls() override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;

private:
    // The type list's choice: SYSG shows its fixed number.
    void OnTypeChosen();
};
