// ReelRepackDlg.h: CReelRepackDlg, the dialog of the REELREPACK utility,
// which copies a tape image into a new one while decompressing,
// recompressing (zlib or bzip2, level 1 to 9) or re-chunking it, or writes
// a strict AWS image (uncompressed, chunks of 4096). The expected total is
// the input file's size.
#pragma once

#include "resources/resource.h"
#include "utilities/TapeUtilityDlg.h"

class CReelRepackDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELREPACK };
    CReelRepackDlg();

    int m_nRunOption = 0;             // "nRunOption": EReelRepackRun
    bool m_bVerbose = false;          // "bVerbose"
    UINT m_nChunkSize = 65535;        // "nChunkSize"
    bool m_bStrictAWSTape = false;    // "bStrictAWSTape"
    int m_nCompressionAlgorithm = 0;  // "nCompressionAlgorithm": 0 zlib, 1 bzip2
    int m_nCompressionLevel = 6;      // "nCompressionLevel", 1 .. 9

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void EnableCompression(bool bEnable);
    // Strict AWS output: Decompress alone, chunks of 4096, no compression.
    void ApplyStrict(bool bStrict);
    void OnRunOptionClicked();
    void OnStrictClicked();
    void OnChunkKillFocus();

private:
    int m_nRememberedRunOption = 0;
    CString m_strRememberedChunk;
};
