// SettingsDialog.h: CSettingsDialog, the modal dialog that shows a set of
// pages one at a time: a tree on the left lists them by caption (nested
// under a parent caption), a gradient caption bar above the page area shows
// the path of the current page, and OK, Cancel, Apply and Help act on all
// pages at once. The pages are property pages hosted as child windows of
// this dialog instead of a property sheet: the dialog speaks the sheet's
// notification protocol to them (PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY,
// PSN_QUERYCANCEL, PSN_HELP) and answers what pages send their sheet
// (PSM_CHANGED, PSM_UNCHANGED, PSM_CANCELTOCLOSE, PSM_QUERYSIBLINGS).
// Base of the preferences and system configuration dialogs; template 30003,
// its window position remembered under its own dialog id. The pages are
// made with the dialog, or later, when the derived dialog says so; a page
// the user moves to before it is made whole is made in steps and shown
// once whole, painted at once, while the tree and the header go on showing
// the page before. A dialog that asks for it opens in steps too, hidden
// until its first page is whole; a modal one is seen only once painted
// whole (it paints under a picture of the screen as it was). OK and Cancel
// hide the dialog at once; its pages then go a few windows at a time before
// its loop ends (at once when no timer can be had for the steps).
//
// Its parts:
//   SettingsDialog.cpp        pages and records, the tree, initialisation
//   SettingsDialogLayout.cpp  page creation, minimum size, the one-time layout
//   SettingsDialogPages.cpp   page changes, Apply/OK/Cancel, sheet messages, help
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "framework/DialogTemplateEx.h"
#include "framework/PrefsStatic.h"
#include "framework/ScreenCover.h"
#include "framework/SettingsPageFrame.h"
#include "framework/SettingsPageTree.h"
#include "framework/cdxCDynamicDlg.h"
#include "platform/CButton.h"
#include "resources/resource.h"

struct CCreateContext;
struct CRuntimeClass;

// What is left to make of a page made in steps: its controls from the next
// one on, in template order; then its initialisation, held back until they
// are all made; then its place in the page area.
struct SettingsPageSteps {
    CDialogTemplateEx tmpl;
    size_t nNextControl = 0;
};

// One added page. The captions are the dialog's own copies.
struct SettingsPageRecord {
    enum : WORD { kOwned = 0x8000, kPropertyPage = 0x4000, kModified = 0x2000 };
    CString strCaption;        // the tree item's text; "" when none was given
    CString strParentCaption;  // the caption to nest under; "" for the top level
    CWnd* pPage = nullptr;     // the page object (may be null)
    UINT nTemplateId = 0;
    WORD wFlags = 0;
    // When the page's window is made: with the dialog; after the dialog
    // shows, a few windows at a time while the dialog has nothing else to
    // do; or only when the page is first shown.
    enum class Making : BYTE { kAtStart, kAfterStart, kWhenShown };
    Making eMaking = Making::kAtStart;
    // Set while the page is made in steps (its window exists, not whole).
    std::unique_ptr<SettingsPageSteps> pSteps;

    // The page's window exists and is whole.
    bool HasWindow() const { return HasAnyWindow() && !pSteps; }
    // The page's window exists, whole or still being made.
    bool HasAnyWindow() const { return pPage && pPage->m_hWnd && ::IsWindow(pPage->m_hWnd); }
};

class CSettingsDialog : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SETTINGS };

    // Null title keeps "Settings", null face keeps "Verdana". The modal owner
    // is the top-level window of pParent (the main window when null).
    CSettingsDialog(UINT nDialogId, int nTreeWidth, LPCSTR pszTitle = nullptr, LPCSTR pszFontFace = nullptr,
                    COLORREF crText = ::GetSysColor(COLOR_CAPTIONTEXT),
                    COLORREF crGradient = ::GetSysColor(COLOR_ACTIVECAPTION), CWnd* pParent = nullptr);
    ~CSettingsDialog() override;

    // The modal loop; a dialog hidden at its end while it was active hands
    // the activation back to its owner once the loop has enabled it again.
    INT_PTR DoModal() override;

    // Adds a page the caller owns; false (nothing added) for a duplicate
    // caption, an unknown parent caption, or once the window exists.
    virtual bool AddPage(LPCSTR pszParent, LPCSTR pszCaption, CWnd* pPage, UINT nTemplateId);
    // Creates the page object from its class and adds it; the dialog deletes
    // it with the pages. Null when refused (nothing is created then).
    virtual CWnd* AddPage(LPCSTR pszParent, LPCSTR pszCaption, const CRuntimeClass* pClass, UINT nTemplateId);
    // The added dialog page's window is made after the dialog shows, a few
    // windows at a time while the dialog has nothing else to do (its
    // window, its controls, then its initialisation and its place each in a
    // step of its own), page after page in the order added; at once when
    // it is shown, Apply or OK need it or MakePage asks.
    // A page made later counts for the dialog's least size by its template;
    // Cancel passes by one not made.
    void MakePageAfterStart(CWnd* pPage);
    // The added dialog page's window is made only when the page is first
    // shown (a page whose controls take long to make, or when MakePage
    // asks); until then ApplyUnmadePage stands for it in Apply and OK.
    void MakePageWhenShown(CWnd* pPage);
    // A page made later is made now (placed in the page area, hidden);
    // true when its window exists.
    bool MakePage(CWnd* pPage);
    // Before DoModal: the dialog opens in steps while it is hidden (its
    // least size, its place and layout, its first page made a few windows
    // at a time) and shows itself once they are done, then takes the
    // activation and puts the focus in its tree, so that no message of its
    // start holds the program long. Its OnInitDialog returns FALSE then.
    void OpenInSteps() { m_bOpenInSteps = true; }
    // True while a page made after the start waits to be made.
    bool PagesWaiting() const;
    virtual int GetPageCount() const { return (int)m_PropPages.size(); }
    virtual int GetActiveIndex();
    virtual int GetPageIndex(CWnd* pPage) const;
    virtual CWnd* GetPage(int nIndex) const;
    virtual CWnd* GetActivePage();
    virtual BOOL SetActivePage(CWnd* pPage);
    virtual BOOL SetActivePage(int nIndex);
    // Title = the text (empty for null), " Properties" appended with PSH_PROPTITLE.
    virtual void SetTitle(LPCSTR pszText, UINT nStyle);
    // Every property page counts as unchanged; Apply is disabled.
    virtual void ResetModified();
    virtual void CalcMinimumSize();
    virtual CRect* GetPageRect(CRect* pRect);
    virtual void LayoutControls();

    int m_nStartPage = 0;  // index among property pages of the page shown first, kept current

    // ---- for tests and derived dialogs ----
    const std::vector<std::unique_ptr<SettingsPageRecord>>& Records() const { return m_Records; }
    const SettingsPageRecord* RecordOf(CWnd* pPage) const;
    CSize GetMinimumSize() const { return m_szMin; }
    CString GetCaptionText() const;
    UINT GetDialogId() const { return m_nDialogId; }
    CHelpButtonPropertyPage* GetActiveHelpPage() override;

protected:
    enum : UINT_PTR { kMakePagesTimerId = 0x5E77, kEndTimerId = 0x5E78 };

    // What is left of a start in steps, in its order (an open in steps
    // fills its tree in the step of its activation, then goes on at kMeasure).
    enum class Start : BYTE { kDone, kActivate, kTree, kMeasure, kPlace, kFirstPage, kShow, kUncover };

    virtual bool CanAddPage(LPCSTR pszParent, LPCSTR pszCaption);
    virtual SettingsPageRecord* AddPageRecord(LPCSTR pszParent, LPCSTR pszCaption, CWnd* pPage, UINT nTemplateId);
    virtual void BuildTree();
    virtual void ExpandAll();
    virtual void ExpandBranch(HTREEITEM hItem);
    virtual BOOL CreatePage(SettingsPageRecord* pRecord);
    // The window size of a page not made yet, from its template; false
    // when the template cannot be made.
    bool MeasurePageTemplate(const SettingsPageRecord* pRecord, CSize& size);
    // The pages not measured yet for the least size, for up to dwMs (0: all
    // of them); true once every page is.
    bool MeasurePages(DWORD dwMs);
    void MeasurePage(SettingsPageRecord* pRecord);
    // A page window put in the page area as a child of the dialog,
    // following the dialog's size.
    void PlacePage(SettingsPageRecord* pRecord);
    // Makes a page made later, or what is left of it, placed once the
    // layout has run (before, the layout places it); true when its window
    // exists whole.
    bool MakePage(SettingsPageRecord* pRecord);
    // Makes every page made after the start that is not made yet.
    void MakeWaitingPages();
    // The next part of a page made later: its window without controls (its
    // initialisation held back), a control, its initialisation, its place.
    // False when a window could not be made (what was made of it goes, and
    // the page is not tried again).
    bool MakePagePart(SettingsPageRecord* pRecord);
    bool MakeNextPart(SettingsPageRecord* pRecord);
    // One step of making a page: parts for up to kStepMs, its
    // initialisation and its place each in a step of its own.
    void MakePageStep(SettingsPageRecord* pRecord);
    void OnMakePagesTimer(UINT_PTR nIDEvent);
    // The timer of the steps; false when none could be had.
    bool RunStepsTimer();
    // The steps of the start: its activation, its tree, its least size, its
    // place and layout, its first page; then the dialog shows, and its cover
    // goes. FinishStart does what is left of them at once, but for the
    // cover's going, a step of the timer's.
    void StartStep();
    void FinishStart();
    // The dialog shown, without activation, and painted whole at once.
    void ShowPainted();
    // The dialog shown, without activation, under a picture of the screen
    // as it was, which goes in the next step (kUncover), once it has
    // painted.
    void ShowUnderCover();
    // The start's first step, posted so that it comes before the input
    // queued meanwhile.
    static UINT StartStepMessage();
    LRESULT OnStartStepMessage(WPARAM, LPARAM);
    // The tree of pages, the property pages in its order and the first
    // page's item selected.
    void FillTree();
    void PlaceDialog();
    // The page the user moved to while it was not whole: a step of its
    // making, or once it is whole, its showing.
    void ShowWhenMadeStep();
    // Ends the dialog with nResult: hidden now, while the owner stays
    // disabled; its pages go a few windows at a time on a timer, and the
    // loop ends once they are gone.
    void EndWithPagesInSteps(int nResult);
    // One step of that: windows of the pages for up to kStepMs; true when
    // none is left.
    bool DestroyPagesStep();
    void OnEndTimer(UINT_PTR nIDEvent);
    virtual BOOL CreateViewPage(CWnd* pPage, CCreateContext* pContext);
    virtual void DestroyPages();
    virtual void SetCaption(SettingsPageRecord* pRecord);
    // Apply and OK: BeginApply, then each page in the order added
    // (ApplyRecord); the first that refuses is selected and stops it.
    virtual BOOL ApplyPages(bool bOk);
    // Before the pass: the pages made after the start are made, a derived
    // dialog's checks pass and the shown page accepts PSN_KILLACTIVE.
    bool BeginApply();
    // A derived dialog's checks of its pages before the pass (the failing
    // page selected); true when they pass.
    virtual bool CheckPagesBeforeApply() { return true; }
    // True when CheckPagesBeforeApply checks every page, so that the pass
    // can only be refused by what a page's apply hands on.
    virtual bool ChecksEveryPageBeforeApply() const { return false; }
    // One page's part of the pass; false when it refused.
    bool ApplyRecord(SettingsPageRecord* pRecord, bool bOk);
    // After every page applied: a derived dialog hands the result of the
    // pass on once; false when it was refused (the derived dialog selects
    // the page to show).
    virtual bool EndApply(bool bOk) { return true; }
    // One step of OK's pass while the dialog is hidden: pages for up to
    // kEndStepMs; the pages' end follows in the steps after the last.
    void ApplyPagesStep();
    // The dialog shown again after a pass refused while it was hidden, at
    // the page that refused (else at the page the derived dialog chose).
    void ResumeAfterRefusedApply(SettingsPageRecord* pRecord);
    // The rest of the end at once: the pass, then the pages, then the loop.
    void EndAtOnce();
    // A page not made yet (MakePageWhenShown) in the pass of ApplyPages,
    // which makes the pages made after the start first:
    // true when it accepts; the base has nothing to apply for it.
    virtual bool ApplyUnmadePage(SettingsPageRecord* pRecord, bool bOk) { return true; }
    virtual void UpdateApplyButton();
    virtual void EnableButton(CWnd* pButton, BOOL bEnable);
    virtual void SelectPage(SettingsPageRecord* pRecord);
    virtual SettingsPageRecord* GetCurrentRecord();
    virtual SettingsPageRecord* FindRecordByWindow(HWND hWnd) const;
    virtual SettingsPageRecord* FindRecord(LPCSTR pszCaption) const;
    virtual HTREEITEM FindTreeItem(LPCSTR pszCaption);
    virtual HTREEITEM GetNextTreeItem(HTREEITEM hItem);

    BOOL OnCommand(WPARAM wp, LPARAM lp) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterStandardHelpStrings() override;
    // F1 and ID_HELP: the current help page's own help, else the dialog's.
    virtual void DoHelp();

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnTreeSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnApply() { ApplyPages(false); }
    void OnHelpButton();
    LRESULT OnCancelToClose(WPARAM wp, LPARAM lp);
    LRESULT OnPageChanged(WPARAM wp, LPARAM lp);
    LRESULT OnPageUnchanged(WPARAM wp, LPARAM lp);
    LRESULT OnQuerySiblings(WPARAM wp, LPARAM lp);
    void OnWindowPosChanging(WINDOWPOS* pPos);

    // Sends a PSN_ notification to a property page; 0 for other pages.
    LRESULT NotifyPage(SettingsPageRecord* pRecord, int nCode, LPARAM lParam = 0);
    SettingsPageRecord* RecordOfItem(HTREEITEM hItem) const;
    // The page of the selected item, made whole, activated and shown; every
    // other page hidden.
    void ShowSelectedPage(SettingsPageRecord* pRecord);
    void ShowPageOf(SettingsPageRecord* pRecord);
    void FocusPageOf(SettingsPageRecord* pRecord);
    // Selects a page's item with the page made at once (not in steps).
    BOOL SelectItemAtOnce(HTREEITEM hItem);
    // True while the start has its first page still to make and show.
    bool FirstPageToCome() const { return m_eStart != Start::kDone && m_eStart <= Start::kFirstPage; }
    // Whether the page of an item the user selects is made in steps first;
    // whether the first page is still to be made in steps at the start.
    bool MakesInSteps(const SettingsPageRecord* pRecord) const;
    bool MakesInStepsAtStart(const SettingsPageRecord* pRecord) const;

    bool m_bInitialized = false;
    bool m_bLayoutDone = false;
    bool m_bOpenInSteps = false;
    Start m_eStart = Start::kDone;
    std::optional<CScreenCover> m_openCover;  // over the dialog as it first paints
    SettingsPageRecord* m_pShowWhenMade = nullptr;  // selected, shown once whole
    bool m_bSelectingAtOnce = false;                // a selection of the dialog's own
    bool m_bEnding = false;     // hidden after OK or Cancel, its pages going
    int m_nEndResult = IDCANCEL;
    int m_nApplyNext = -1;        // OK's next page to apply while hidden, -1: none
    CString m_strEndPositionName;  // where the position is kept, while it is hidden
    HWND m_hEndOwner = nullptr;  // its owner's top-level window, when it was active as it hid
    UINT m_nDialogId;
    CString m_strTitle = "Settings";
    CSettingsPageTree m_PageTree;
    int m_nTreeWidth;
    CSettingsPageFrame m_PageFrame;
    CPrefsStatic m_CaptionBar;
    std::vector<std::unique_ptr<SettingsPageRecord>> m_Records;  // in the order added
    std::vector<SettingsPageRecord*> m_PropPages;                // property pages in tree pre-order
    CSize m_szLargestPage{INT_MIN, INT_MIN};
    size_t m_nMeasured = 0;  // the pages measured for the least size
    CSize m_szMin{0, 0};
    CButton m_OkButton, m_CancelButton, m_ApplyButton, m_HelpButton;
};
