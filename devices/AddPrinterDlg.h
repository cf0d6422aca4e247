// AddPrinterDlg.h: CAddPrinterDlg, the line printer's definition dialog
// (1403, 3203, 3211): an output file (folder and name), a print-to-pipe
// program ("|" and the program, with its arguments) or a socket printer
// (address and port of the remote spooler), crlf, and the channel settings
// with the button that opens the forms-control-buffer editor or, for a
// 1403, the carriage-control tape editor.
//
// Socket mode keeps the folder, file, pipe arguments and crlf aside and
// puts them back when it is switched off. A printer never deletes a file:
// the in-use and channel checks come before the overwrite question, whose
// answer is only remembered, and a reinitialised printer that keeps its own
// file is asked nothing.
#pragma once

#include "devices/CDeviceDlg.h"
#include "devices/PrinterArguments.h"
#include "platform/CIPAddressCtrl.h"

class CAddPrinterDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_PRINTER };
    explicit CAddPrinterDlg(CWnd* pParent = nullptr);

    // The settings text accepted (0) or the code of its fault; an empty
    // text first becomes the legacy default of the printer's form.
    int CheckChannelSettings();
    // The predefined names of the printer's form.
    bool IsChannelStyleName(const CString& strName) const;

    SPrinterFields m_fields;
    CString m_strIPAddress;  // the dotted address once checked
    bool m_bIs1403 = false;

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;

    void OnBrowseDirectory();
    void OnBrowseOutput();
    void OnSockdev();
    void OnEditChannelSettings();
    void OnCrlf();
    void OnFileNameChange();
    void OnDeviceTypeSelChange();

private:
    bool ValidateFileName(CDataExchange* pDX);
    bool ValidateChannelSettings(CDataExchange* pDX);
    bool CheckPort(CDataExchange* pDX);
    void BrowseForPipeProgram();
    CString OutputPath() const;

    CIPAddressCtrl m_Address;
    bool m_bFilling = false;
    // Socket mode: what the output controls held before it.
    CString m_strKeptDir, m_strKeptFile, m_strKeptPipeArgs;
    bool m_bKeptCrlf = false;
    bool m_bKept = false;  // socket mode holds them
    CString m_strOwnFile;  // the device's output file as handed in
    bool m_bHadChannelSettings = false;  // the device handed in carried "fcb=" or "cctape="
};
