// SysCfgProcsPage.h: CSysCfgProcsPage, the "Processors" page: CPU serial,
// model and version, the maximum and configured CPU counts, the vector
// facilities and the main and expanded storage sizes (shown in megabytes).
// "<" drops down the CPU model list read from cpu-types.txt, which shows
// right of it while it is dropped; a change of
// the maximum CPU count is announced to the dialog, which relays it to this
// page and the engines pages.
#pragma once

#include "framework/HexSimpleEdit.h"
#include "platform/CSpinButtonCtrl.h"
#include "platform/CWLComboBoxEx.h"
#include "sysconfig/CpuTypesList.h"
#include "sysconfig/SysCfgPage.h"

class CSysCfgProcsPage : public CSysCfgPage {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SYSCFG_PROCS };
    explicit CSysCfgProcsPage(CSysCfgDialog* pDlg);

    bool IsModified() const override;
    void SnapshotSettings() override;
    BOOL OnSetActive() override;

    // Reads the model list: the program's folder, else the configuration
    // files' folder; silent when neither has it.
    void LoadCpuTypes();
    void OnMaxCpuChanged();

    const CCpuTypesList& CpuTypes() const { return m_cpuTypes; }
    const CString& RememberedEntry() const { return m_strRememberedEntry; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const SysCfgHelpRow* HelpStringRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpIdRows(size_t& nRows) const override;
    const SysCfgHelpRow* HelpKeyRemapRows(size_t& nRows) const override;

    void OnOpenModelList();
    void OnModelListPicked();
    void OnModelListCancelled();
    void OnChangeSerial();
    void OnChangeModelOrVersion(UINT nID);
    void OnChangeMaxCpu();
    void OnChangeCount(UINT nID);
    void OnChangeStorage(UINT nID);
    LRESULT OnMaxCpuChangedMsg(WPARAM wp, LPARAM lp);

    void CloseModelList();
    void FitDroppedWidth();
    // Writes a pick's text into the model or version edit.
    void WritePicked(int nIDC, const CString& strText);

    CCpuTypesList m_cpuTypes;
    CString m_strRememberedEntry;  // the text of the entry last picked
    bool m_bSetFromList = false;
    CWLComboBoxEx m_ModelList;
    CSpinButtonCtrl m_MaxCpuSpin, m_NumCpuSpin, m_NumVecSpin, m_MainSpin, m_XpndSpin;
    CSignedNumEdit m_MainEdit, m_XpndEdit;
};
