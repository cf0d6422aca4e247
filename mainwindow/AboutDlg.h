// AboutDlg.h: CAboutDlg, the modal "About VornGUI ..." box opened from the
// Help menu: the program's name, version and copyright, links to the product
// pages and support addresses of the program and the emulator (from the
// "URLs" settings), the credits of the panel images, and three working
// samples of the control panel: a Load Unit dial, LOAD, and POWEROFF, which
// closes the box.
#pragma once

#include "framework/CHelpButtonDlg.h"
#include "platform/CBitmapButton.h"
#include "platform/CGdiObject.h"
#include "platform/CHyperLink.h"
#include "platform/CStatic.h"
#include "resources/resource.h"

class CAboutDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ABOUTBOX };
    explicit CAboutDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    // "mailto:" + the address + "?subject=" + the product name and version.
    static CString BuildSupportMailLink(const CString& strAddress);

    CHyperLink m_wndEmulatorLink;       // 1188
    CHyperLink m_wndVersionLink;        // 1185
    CString m_strVersion;
    CStatic m_wndCopyright;             // 1186
    CString m_strCopyright;
    CHyperLink m_wndSupportLink;        // 1187
    CString m_strSupportEmail;
    CHyperLink m_wndEmuSupportLink;     // 1322
    CString m_strEmuSupportEmail;
    CHyperLink m_wndCreditsLink;        // 1190
    CString m_strCreditsURL;
    CString m_strProductURL;
    CString m_strEmulatorURL;
    CBitmap m_bmpDial;                  // the sample dial, in the dialog's face colour
    CBitmapButton m_btnLoad;            // 1524
    CBitmapButton m_btnPowerOff;        // 1523

protected:
    void OnPowerOff();
    void OnLoad();
    void OnDial();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDIS);
    void OnDestroy();
};
