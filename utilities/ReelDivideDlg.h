// ReelDivideDlg.h: CReelDivideDlg, the dialog of the REELDIVIDE utility,
// which splits one AWS tape image into several: in turn, a number of the
// input's physical files goes to the next output image of an ordered list.
// CReelDivideAddDlg adds one entry (count and output file) to that list.
// The expected total is the input file's size.
#pragma once

#include "platform/CArray.h"
#include "resources/resource.h"
#include "utilities/FileListButtons.h"
#include "utilities/TapeUtilityDlg.h"

class CReelDivideDlg : public CTapeUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_REELDIVIDE };
    CReelDivideDlg();

    // Every listed output file.
    std::vector<CString> OutputPaths() const override;

protected:
    void LoadSettings() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateOptions(CDataExchange* pDX) override;
    bool CheckInputFiles(CDataExchange* pDX) override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;

    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnSelChange();

private:
    CFileListButtons Buttons() { return CFileListButtons(m_hWnd, IDC_TAPE_OUTPUT_LIST); }
    // The entries as read back: count and path of each.
    CStringArray m_counts, m_paths;
};

class CReelDivideAddDlg : public CTapeUtilityDlg {
public:
    enum { IDD = IDD_REELDIVIDE_ADD };
    CReelDivideAddDlg();
    // Closes without forgetting the overwrite answers given for the entries
    // already added: they stand until the main dialog ends.
    void OnCancel() override;

    UINT m_nNumFiles = 1;      // "nNumFiles"
    // The output paths already in the list (an equal one is refused).
    CStringArray m_takenPaths;
    // Results: the count ("%d") and the full output path.
    CString m_strCount, m_strPath;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    bool CheckOutputFile(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
};
