// VolListDlg.h: CVolListDlg, the dialog of the VOLLIST utility, which lists
// the volume table of contents of one or more CKD disk images. The user
// builds an ordered list of images, each with its optional shadow file
// (stored as one item: the image path in double quotes, then " sf=" and the
// shadow path), and chooses the listing switches. No expected total.
#pragma once

#include "resources/resource.h"
#include "utilities/FileListButtons.h"
#include "utilities/UtilityDlg.h"
#include "utilities/VolContentsRules.h"

class CVolListDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLLIST };
    CVolListDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;       // "strInputFile", the image being entered
    CString m_strShadowFile;      // "strShadowFile", its shadow
    CString m_strLastBrowsedDir;  // "strLastBrowsedDir"
    SVolListSwitches m_switches;  // "bHeaders" ... "bNoSort"

    // The list's stored key.
    static const char kListKey[];

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    // An image still in the input edit added as "Add" would; then a list
    // that is not empty, the width and the year offset in range.
    bool ValidateOptions(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    // Enables or disables the three controls together.
    virtual void EnableControls(bool bEnable, UINT nFirst, UINT nSecond, UINT nThird);

    void OnInputChanged();
    void OnShadowChanged();
    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnSelChange();
    void OnBrowseImage();
    void OnBrowseShadow();
    void OnDsnColsClicked();
    void OnYearOffsetClicked();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    CFileListButtons Buttons() { return CFileListButtons(m_hWnd, IDC_VOLLIST_FILES); }
    bool AddTypedImage(CDataExchange* pDX);
    int ItemCount() const;
    CString Item(int nIndex) const;
    void BrowseInto(UINT nEdit, CString& strFile, const char* pszTitle);
};
