// PackSqueezeDlg.h: CPackSqueezeDlg, the dialog of the PACKSQUEEZE utility,
// which removes the free space of a list of compressed disk images. Its
// check level is a slider 0..3 that never rests on 2; all listed images
// must share one format (all 32-bit or all 64-bit), and any 64-bit image
// runs "PACKSQUEEZE64".
#pragma once

#include "resources/resource.h"
#include "utilities/PackListDlg.h"

class CScrollBar;

class CPackSqueezeDlg : public CPackListDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_PACKSQUEEZE };
    CPackSqueezeDlg() : CPackListDlg(IDD) {}

    int m_nCheckLevel = 0;  // "nCheckLevel", the slider 0 .. 3

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

private:
    CString m_strOptionWord;
};
