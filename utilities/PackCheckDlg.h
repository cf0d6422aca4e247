// PackCheckDlg.h: CPackCheckDlg, the dialog of the PACKCHECK utility, which
// checks and, unless told to only read, repairs a list of compressed disk
// images. The check level (0 minimal to 4 recovery without metadata), the
// read-only and force options; "PACKCHECK64" while the 64-bit utility
// programs are there and a listed image is a 64-bit image.
#pragma once

#include "resources/resource.h"
#include "utilities/PackListDlg.h"

class CPackCheckDlg : public CPackListDlg {
public:
    enum { IDD = IDD_PACKCHECK };
    CPackCheckDlg() : CPackListDlg(IDD) {}

    int m_nCheckLevel = 0;      // "nCheckLevel", 0 .. 4, the radio's place in the group
    bool m_bReadOnly = false;   // "bReadOnly"
    bool m_bForceCheck = false; // "bForceCheck"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateOptions(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

private:
    CString m_strOptionWords;
};
