// CFCBDlg.h: CFCBDlg, "Define Forms Control Buffer...": a line printer's
// lines per page and the line on which each of the twelve channels stops.
// The caller sets m_strFCB (26 digits, a "CC:LL,..." list or a name), runs
// the dialog and on OK reads the edited text, which keeps the old form when
// it came in it and becomes a name when it equals one. Lines stay below 100,
// as both text forms hold two digits. A fixed dialog whose placement is
// remembered under its class name.
#pragma once

#include "devices/ChannelSettings.h"
#include "framework/CHelpButtonDlg.h"
#include "resources/resource.h"

class CFCBDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_FCB };
    explicit CFCBDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // The text into the values, the values into the text, the checks on OK.
    virtual void ParseFCB();
    virtual void FormatFCB();
    virtual bool ValidateFields(CDataExchange* pDX);

    CString m_strFCB;
    unsigned m_nLinesPerPage = 66;
    unsigned m_nChannelLine[kChannels] = {};

protected:
    void OnDestroy();

private:
    bool CheckLinesPerPage(CDataExchange* pDX);
};
