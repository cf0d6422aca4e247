// SampleDlg.h: the test dialog whose data exchange covers every control kind.
#pragma once

#include "platform/Afx.h"
#include "tests/platform/PlatformTestRes.h"

class CSampleDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SAMPLE };
    explicit CSampleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strName = "Alpha";
    int m_nCount = 5;
    UINT m_uLimit = 100;
    double m_dRatio = 0.5;
    int m_nEnabled = BST_CHECKED;
    int m_nMode = 1;
    int m_nKind = 2;
    CString m_strHost = "localhost";
    int m_nDevice = 1;
    int m_nSpeed = 30;
    int m_nCommands = 0;
    CWnd m_wndName;  // bound by DDX_Control

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    LRESULT OnQueryValue(WPARAM wp, LPARAM lp);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    HBRUSH m_hbrStatic = nullptr;  // not owned: a stock brush
};
