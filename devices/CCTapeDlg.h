// CCTapeDlg.h: CCTapeDlg, "Define Carriage Control Tape...": a 1403 line
// printer's carriage-control tape as twelve punches, each a line and the
// channel punched there. The caller sets m_strCCTape ("(line=channel,...)"
// or a name), runs the dialog and on OK reads the edited text (a name when
// it equals one). Every row must hold a punch before OK is accepted.
//
// A tape of more than twelve punches cannot be edited here: the editor says
// so, shows the first twelve locked and OK hands the text back unchanged.
// A fixed dialog whose placement is remembered under its class name.
#pragma once

#include "devices/ChannelSettings.h"
#include "framework/CHelpButtonDlg.h"
#include "resources/resource.h"

class CCTapeDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_CCTAPE };
    explicit CCTapeDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // The text into the rows, the rows into the text, the checks on OK.
    virtual void ParseCCTape();
    virtual void FormatCCTape();
    virtual bool ValidateFields(CDataExchange* pDX);

    CString m_strCCTape;
    unsigned m_nPunchLine[kChannels] = {};
    unsigned m_nPunchChannel[kChannels] = {};
    int m_nPunches = 0;  // the items of the text

protected:
    void OnDestroy();

private:
    bool TooLong() const { return m_nPunches > kChannels; }
};
