// UtilityDlg.h: CUtilityDlg, the base of every utility program's dialog.
//
// A utility dialog restores the choices of its last successful run from its
// own settings section (named by its caption), checks them on OK, saves
// them and builds three results that the view reads after IDOK: the command
// line (the bare program word, option groups and quoted file names; the
// view's runner puts the executables folder before it and "EXTERNALGUI"
// after it), a short title and the expected total of the progress window.
//
// The checks on OK, in order, each stopping at its first failure with a
// balloon on the offending control: the fields' own exchanges
// (ExchangeFields), the cross-field checks (ValidateOptions), the input
// files (CheckInputFiles), the output file with its overwrite question,
// always last (CheckOutputFile), then BuildCommandLine, which saves the
// settings. Cancel saves nothing and forgets any overwrite answer; the
// confirmed output files (OutputPaths) are deleted only when the run really
// starts (DeleteConfirmedOutputFile, by the view).
#pragma once

#include <vector>

#include "framework/cdxCDynamicDlg.h"
#include "platform/CSaveSelEdit.h"
#include "utilities/UtilityTable.h"

// The file dialogs' filters over the view's extension lists.
CString GetDiskFilesFilter();
CString GetTapeFilesFilter();
CString GetReaderFilesFilter();
CString GetPunchFilesFilter();
CString GetPrinterFilesFilter();

class CUtilityDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
public:
    // Results, read by the view after IDOK.
    CString m_strCommandLine;
    CString m_strTitle;
    INT64 m_nExpectedTotal = 0;
    // The output file the run writes, as checked and as named on the
    // command line; empty for a utility that writes no file.
    CString m_strOutputPath;

    // The output files the run writes, as checked (their overwrite
    // confirmed): m_strOutputPath, unless the dialog lists several.
    virtual std::vector<CString> OutputPaths() const;

    const SUtilityInfo& Info() const { return *m_pInfo; }
    // The settings section: the caption.
    const char* Section() const { return m_pInfo->pszCaption; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // True while the executables folder holds the 64-bit utility programs.
    static bool Has64BitUtilities();

protected:
    // One row of balloon help: the control (0: the dialog) and its string.
    struct SHelpRow {
        UINT nCtrl;
        UINT nString;
    };
    // One row of the layout: the control and its horizontal mode (0 stays,
    // 1 stretches, 2 moves with the right edge, 3 moves by half).
    struct SLayoutRow {
        UINT nCtrl;
        int nMode;
    };

    explicit CUtilityDlg(UINT nIDTemplate);
    // A dialog that is not a utility of its own (a utility dialog's helper
    // dialog): its row gives the settings section and the icon group.
    CUtilityDlg(UINT nIDTemplate, const SUtilityInfo& info);

    // ---- what each dialog provides ----
    virtual void LoadSettings() {}
    virtual void SaveSettings() {}
    // Exchanges every control with its member (the field table's order).
    virtual void ExchangeFields(CDataExchange* pDX) {}
    // After the first exchange into the controls: lists, spins, enabling.
    virtual void InitControls() {}
    virtual bool ValidateOptions(CDataExchange* pDX) { return true; }
    virtual bool CheckInputFiles(CDataExchange* pDX) { return true; }
    virtual bool CheckOutputFile(CDataExchange* pDX) { return true; }
    // SaveSettings, then the three results.
    virtual void BuildCommandLine() = 0;
    virtual std::vector<SHelpRow> HelpRows() const = 0;
    virtual const SLayoutRow* LayoutRows(size_t& nCount) const = 0;
    // The rows of a dialog with one input file and an "Options" group
    // below it: both stretch, the browse button follows the right edge.
    static const SLayoutRow* InputAndOptionsLayoutRows(size_t& nCount);

    // ---- the settings section ----
    void GetSetting(const char* pszKey, CString& strValue) const;
    void GetSetting(const char* pszKey, int& nValue) const;
    void GetSetting(const char* pszKey, bool& bValue) const;
    void WriteSetting(const char* pszKey, const CString& strValue) const;
    void WriteSetting(const char* pszKey, int nValue) const;
    void WriteSetting(const char* pszKey, bool bValue) const;
    // "strOutputDirectory" in Windows form; an empty one starts at the
    // view's folder for the dialog's kind of file (disk or tape).
    void GetOutputDirectorySetting(CString& strDir) const;
    // A list box's items under "<key>_nCount" and "<key>_%04d".
    void GetListSetting(UINT nListBox, const char* pszKey);
    void WriteListSetting(UINT nListBox, const char* pszKey) const;

    // A check box and a boolean member, both ways.
    static void ExchangeCheck(CDataExchange* pDX, int nIDC, bool& bValue);

    // ---- checks ----
    // The balloon on a control, titled with its label; fails the exchange.
    bool Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszLabel, const char* pszText);
    // The output file: a path typed as the file name first sets the folder
    // and leaves the name (SplitTypedOutputPath, both edits too); the
    // folder must exist (an empty or missing one is told on the folder's
    // edit), then strDir joined with strFile (JoinOutputPath) becomes
    // m_strOutputPath; an existing file is confirmed with the overwrite
    // question. Call it as the dialog's last check.
    bool CheckOutputPath(CDataExchange* pDX, CString& strDir, CString& strFile, UINT nCtrl, const char* pszLabel);
    // An optional shadow file: all blanks make it empty and pass; otherwise
    // DDV_InputFile checks it and makes it a full path.
    bool CheckShadowFile(CDataExchange* pDX, CString& strShadow, UINT nCtrl, const char* pszLabel);

    // The input file check (DDV_InputFile on nEdit, titled pszLabel), then
    // that the file is a disk image of a known format; the name and size
    // of a usable file are handed back, its type kept in m_bInputImageType.
    // The file check comes first: a missing or empty name is told as such,
    // not as an unknown image format.
    bool CheckInputImage(CDataExchange* pDX, CString& strFile, UINT nEdit, const char* pszLabel,
                         CString& strNameExt, UINT64& ullSize);

    // ---- the program word ----
    CString ProgramWord(bool b64Wanted = false) const;

    // ---- the input image ----
    // Classifies the disk image and keeps its code in m_bInputImageType.
    BYTE ReadInputImageType(const CString& strFile);
    BYTE m_bInputImageType = 0;

    // ---- browse buttons ----
    CString GroupFilter() const;
    CString GroupFolder() const;
    // The file-open dialog for an input file; the edit and strFile get the choice.
    bool BrowseInputFile(UINT nEdit, CString& strFile, const char* pszTitle);
    // The folder picker for an output folder, opened at the edit's folder
    // (else GroupFolder); the edit and strDir get the choice.
    bool BrowseOutputDirectory(UINT nEdit, CString& strDir, const char* pszPrompt);
    // The file-save dialog: folder and name into their members and edits.
    // With bOverwritePrompt the dialog itself asks about an existing file,
    // and that answer stands for the overwrite question on OK.
    bool BrowseOutputFile(UINT nDirEdit, UINT nFileEdit, CString& strDir, CString& strFile,
                          const char* pszTitle = "Disk Output file", bool bOverwritePrompt = false);

    // ---- controls ----
    // A spin's range, also beyond 32767.
    void SetSpinRange(UINT nSpin, int nLow, int nHigh);
    // Fills the edit that is taking the focus with a name the dialog
    // proposes, all of it selected, so that typing replaces it: also when
    // a click brought the focus (the edit's own press would otherwise put
    // the caret where the mouse went, in front of the name).
    void ProposeEditText(UINT nEdit, const CString& strText);
    // The code-page combo: the stored history (or the built-in list), the
    // stored code page shown in its spaced form.
    void FillCodePageCombo(UINT nCombo, const CString& strStoredCodePage);
    // The combo's code page as stored (blanks removed).
    CString GetCodePage(UINT nCombo) const;
    // Keeps the dialog's height (a dialog that can only be widened).
    void KeepHeight(WINDOWPOS* pPos);

private:
    const SUtilityInfo* m_pInfo;
};
