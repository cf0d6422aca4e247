// VolShowDlg.h: CVolShowDlg, the dialog of the VOLSHOW utility, which shows
// the members of a partitioned data set on a disk image (with its optional
// shadow file): their list, or the contents of all members or of one, as
// ASCII text or as card images. The expected total is the image's size.
#pragma once

#include "resources/resource.h"
#include "utilities/UtilityDlg.h"
#include "utilities/VolContentsRules.h"

class CVolShowDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_VOLSHOW };
    CVolShowDlg() : CUtilityDlg(IDD) {}

    CString m_strInputFile;                                   // "strInputFile"
    CString m_strShadowFile;                                  // "strShadowFile"
    CString m_strDatasetName;                                 // "strDatasetName"
    int m_nRunOption = kVolShowListMembers;                   // "nRunOption"
    int m_nDisplayMemberContentsOption = kVolShowOneMember;   // "nDisplayMemberContentsOption"
    CString m_strMemberName;                                  // "strMemberName"
    bool m_bAscii = false;                                    // "bAscii"
    bool m_bCardImages = true;                                // "bCardImages"

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    // The image and shadow, then the names and the display boxes.
    bool CheckInputFiles(CDataExchange* pDX) override;
    void BuildCommandLine() override;
    std::vector<SHelpRow> HelpRows() const override;
    const SLayoutRow* LayoutRows(size_t& nCount) const override;

    void OnListMembers();
    void OnShowContents();
    void OnAllMembers();
    void OnOneMember();
    void OnAsciiClicked();
    void OnCardsClicked();
    void OnBrowseImage();
    void OnBrowseShadow();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    bool CheckNames(CDataExchange* pDX);
    // The run option's radios and the controls that only showing contents uses.
    void ShowRunOption(int nRun);
    void ShowMemberChoice(int nMembers);

    CString m_strInputNameExt;
    UINT64 m_ullImageSize = 0;
};
