// EditsDlg.cpp: binds the test dialog's controls to their classes.
#include "EditsDlg.h"

BOOL CEditsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hexEdit.SubclassDlgItem(IDC_HEX, this);
    m_devNumEdit.SubclassDlgItem(IDC_DEVNUM, this);
    m_alNumEdit.SubclassDlgItem(IDC_ALNUM, this);
    m_fpEdit.SubclassDlgItem(IDC_FPEDIT, this);
    m_fpSpin.SubclassDlgItem(IDC_FPSPIN, this);
    m_progress.SubclassDlgItem(IDC_PROGRESS, this);
    m_progressVert.SubclassDlgItem(IDC_PROGRESS_VERT, this);
    return TRUE;
}
