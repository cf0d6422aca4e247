// SampleDlg.cpp: the test dialog whose data exchange covers every control kind.
#include "tests/platform/SampleDlg.h"

BEGIN_MESSAGE_MAP(CSampleDlg, CDialog)
    ON_MESSAGE(WM_APP + 1, OnQueryValue)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BOOL CSampleDlg::OnInitDialog()
{
    for (const char* s : {"Reader", "Punch", "Printer", "Console"})
        SendDlgItemMessage(IDC_KIND, CB_ADDSTRING, 0, (LPARAM)s);
    for (const char* s : {"localhost", "mainframe.example", "backup"})
        SendDlgItemMessage(IDC_HOST, CB_ADDSTRING, 0, (LPARAM)s);
    for (const char* s : {"000C", "000D", "000E", "0120"})
        SendDlgItemMessage(IDC_DEVICES, LB_ADDSTRING, 0, (LPARAM)s);
    SendDlgItemMessage(IDC_SPEED, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    m_hbrStatic = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    return CDialog::OnInitDialog();
}

void CSampleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NAME, m_wndName);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 12);
    DDX_Text(pDX, IDC_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, 99);
    DDX_Text(pDX, IDC_LIMIT, m_uLimit);
    DDX_Text(pDX, IDC_RATIO, m_dRatio);
    DDX_Check(pDX, IDC_ENABLED, m_nEnabled);
    DDX_Radio(pDX, IDC_MODE_A, m_nMode);
    DDX_CBIndex(pDX, IDC_KIND, m_nKind);
    DDX_CBString(pDX, IDC_HOST, m_strHost);
    DDX_LBIndex(pDX, IDC_DEVICES, m_nDevice);
    DDX_Slider(pDX, IDC_SPEED, m_nSpeed);
}

LRESULT CSampleDlg::OnQueryValue(WPARAM wp, LPARAM)
{
    return (LRESULT)wp * 3;
}

HBRUSH CSampleDlg::OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC && pWnd && pWnd->GetDlgCtrlID() == IDC_STATUS)
        return m_hbrStatic;
    return nullptr;  // default colours
}
