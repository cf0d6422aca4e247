// DevIntDlg.h: CDevIntDlg, the modal "Device Interrupt" dialog in which the
// operator enters a device number to present an attention interrupt for,
// or (titled "IPL") the device to IPL from with its load parameter. The
// device must be one the running emulator reports: the device-list bar
// says so.
#pragma once

#include "framework/CHelpButtonDlg.h"
#include "framework/HexSimpleEdit.h"
#include "platform/CEdit.h"
#include "resources/resource.h"

class CDynDevListDlgBar;

// Trimmed, then padded with dots or cut to eight characters.
CString NormaliseLoadParm(const CString& strLoadParm);

class CDevIntDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_DEVINT };
    explicit CDevIntDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // Set by the caller before DoModal, read back after IDOK.
    CString m_strPurpose;    // the caption; "IPL" (any case) shows the load parameter
    CString m_strPrompt;     // static 1152
    CString m_strDevNum;     // "HHHH" or "L:HHHH"
    CString m_strLoadParm;
    int m_bDontAsk = 0;      // " Don't ask me again"
    CDynDevListDlgBar* m_pDevListBar = nullptr;  // not owned; answers whether a device exists

    // Device numbers take the ':' of "L:HHHH".
    CDevNumEdit m_DevNumEdit;
    // A plain edit: Tab selects the whole load parameter, which is always
    // full (padded with dots), so that typing replaces it.
    CEdit m_LoadParmEdit;

protected:
    void OnDestroy();

private:
    bool IsIPL() const { return m_strPurpose.CompareNoCase("IPL") == 0; }
    bool CheckDevNum();
};
