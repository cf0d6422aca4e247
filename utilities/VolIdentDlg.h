// VolIdentDlg.h: CVolIdentDlg, the dialog of the VOLIDENT utility, which
// shows or changes the serial number recorded in a disk image. The serial
// is read from the image whenever another image is named; it is passed to
// the utility only when it differs from the one read last and the image can
// be written (a read-only image shows its serial read-only). It runs
// without a progress window. The dialog can be widened, not made taller.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"

class CVolIdentDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLIDENT };
    CVolIdentDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;     // "strInputFile", the only stored value
    CString m_strSerial;        // the serial number field
    CString m_strImageSerial;   // the serial the image held when last read
    bool m_bReadOnly = false;   // the image cannot be written
    CSaveSelEdit m_InputEdit;

    // Refreshes the serial field and the read-only flag from the image.
    void ReadImageSerial();

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    // Empty or twelve digits (the field trimmed); else the balloon.
    virtual bool ValidateSerialNumber(CDataExchange* pDX);
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnBrowse();
    void OnInputChanged();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    CString m_strInputNameExt;
    UINT64 m_ullInputSize = 0;
};
