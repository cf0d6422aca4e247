// VolMakeDlg.h: CVolMakeDlg, the dialog of the VOLMAKE utility, which
// creates and formats an empty disk image: device type and model, size in
// cylinders (blocks for FBA) with optional alternate cylinders, an optional
// VOL1 label, Linux format for 3390s, compression, single-file output and
// the 64-bit format. Its expected total, the cylinders (blocks) to write,
// is a signed 32-bit number.
//
// A model with a fixed size fixes the size (the size edit is disabled); a
// bare device type ("3390") takes any size from 2 to 2147483647, stepped by
// the spin or typed. The size check is armed from the end of
// initialisation until Cancel and stays silent when the focus goes to
// Cancel.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"
#include "utilities/VolMakeRules.h"

class CVolMakeDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLMAKE };
    CVolMakeDlg();

    // The model a first opening shows (the stored model is not in the list).
    static const char* const kFirstModel;

    CString m_strDevModel;              // "strDevModel"
    int m_nSize = 555;                  // "nSize"
    int m_nTotalSize = 555;             // "nTotalSize"
    bool m_bAltSize = false;            // "bAltSize"
    CString m_strVolser = "xxx";        // "strVolser"
    bool m_bVol1Label = false;          // "bVol1Label"
    bool m_bLinux = false;              // "bLinux"
    bool m_bCompress = false;           // "bCompress"
    int m_nCompressionMethod = 0;       // "nCompressionMethod": 0 zlib, 1 bzip2, 2 none
    bool m_bLargeFile = true;           // "bLargeFile"
    CString m_strOutputDirectory;       // "strOutputDirectory"
    CString m_strOutputFile;            // "strOutputFile"
    bool m_bCkd64 = false;              // "bCKD64"
    CString m_strOptionWords;           // built on OK
    CString m_strSizeTail;              // built on OK

    // The file system name of a drive root ("C:\"); false when it cannot be
    // asked. GetVolumeInformation unless a test puts its own here.
    using FileSystemNameFn = bool (*)(const char* pszRoot, CString& strName);
    static FileSystemNameFn s_pfnFileSystemName;
    static bool QueryFileSystemName(const char* pszRoot, CString& strName);

    void OnCancel() override;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnModelChanged();
    void OnSizeSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSizeChanged();
    void OnSizeKillFocus();
    void OnAltSizeClicked();
    void OnLinuxClicked();
    void OnCompressClicked();
    void OnVol1Clicked();
    void OnLargeFileClicked();
    void OnCkd64Clicked();
    void OnBrowseOutputDirectory();
    void OnBrowseOutputFile();
    void OnOutputFileSetFocus();

private:
    // Size, maximum and total from the model's table count.
    void TakeModel(const CString& strModel);
    // The boxes by model kind, the size edit and spin, "Plus:" and "Total:".
    void UpdateDeviceType();
    // The fields the words depend on, as the dialog shows them.
    SVolMakeChoice Choice() const;
    // The single-file box by the output folder's volume; false (with the
    // balloon) when the box was wanted on a volume without large files.
    bool CheckLargeFiles(CDataExchange* pDX);
    void ShowSizeBalloon();

    int m_nMaxSize = 0;                 // the model's fixed size, 0: none
    bool m_bSizeCheckArmed = false;
    bool m_bUpdating = false;           // the size edit is being typed in
    HWND m_hCancel = nullptr;           // not owned
};
