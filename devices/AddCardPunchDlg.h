// AddCardPunchDlg.h: CAddCardPunchDlg, the card punch's definition dialog
// (3525): the output folder and file, and the ascii and crlf options
// (enabled only with a file name).
//
// A device dialog never deletes a file. The check of the output file asks
// first whether another device already writes it (adding), and only then
// whether an existing file may be overwritten; that answer is only
// remembered, and forgotten on Cancel; the emulator is the one that writes
// the file. A reinitialised punch that keeps its own file is asked nothing.
#pragma once

#include "devices/CDeviceDlg.h"

class CAddCardPunchDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_CARD_PUNCH };
    explicit CAddCardPunchDlg(CWnd* pParent = nullptr);

    CString m_strDir;   // the output folder
    CString m_strFile;  // the file name in it
    bool m_bAscii = false;
    bool m_bCrlf = false;

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;
    bool FocusSetByDialog() const override { return !m_bAdd; }

    void OnBrowseDirectory();
    void OnBrowseOutputFile();
    void OnFileNameChange();
    void OnAscii();
    void OnCrlf();

private:
    void UpdateOptionControls();
    CString OutputPath() const;

    CString m_strOwnFile;  // the device's file as handed in (reinitialising)
};
