// DynRegsDlgBar.h: the register bars. Four classes from one template show
// the registers of the processor selected on the status line bar: the
// 32-bit general, control and access registers (one class, three bars), the
// 32-bit floating point registers, the 64-bit general, control and floating
// point registers (one class, three bars) and the vector registers. They
// are passive: the view writes register group k into the k-th control by
// ascending id. A bar handles only its menu (Close, Font...), Escape and help,
// and lays its controls out again when the view gave them a new font.
#pragma once

#include <vector>

#include "framework/HelpKeys.h"
#include "framework/HexSimpleEdit.h"
#include "mainwindow/MainWindowBarDlg.h"
#include "resource.h"

// A register control: a read-only hexadecimal edit that shows a new value
// only whole (OneStepPaint.h), where the system's edit erases its ground and
// then writes its lines and the pieces of a line one by one.
class CRegisterEdit : public CHexSimpleEdit {
    DECLARE_MESSAGE_MAP()
protected:
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();
};

// What the register bars share: the menu, Close as the bar's View command
// (the main frame names it for classes that serve several bars) and Font,
// which asks the view for the bars' font.
class CRegsDlgBar : public CMainWindowBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    CRegsDlgBar(UINT nIDTemplate, UINT nViewCmd, CWnd* pParent);

    // Register control i (by ascending id), null before the window exists.
    HWND GetRegisterControl(int i) const { return m_hWnd ? ::GetDlgItem(m_hWnd, m_nFirstControl + (UINT)i) : nullptr; }
    // Measures the room the controls' values take in their font (every
    // digit as wide as the font's widest), on one line and wrapped onto
    // more, then places the controls for it (PlaceRegisterControls). The
    // view asks for it when the controls get a font or their texts; a new
    // width only places them again.
    void LayoutRegisterControls();

protected:
    void OnFont();
    LRESULT OnLayoutRegisterFields(WPARAM wp, LPARAM lp);
    void OnBarSized(UINT nType, int cx, int cy);
    // The read-only, upper-case controls of ids nFirst .. nFirst+nCount-1,
    // as far as they are made (a hidden bar's are made a few at a time).
    void SubclassRegisterControls(CRegisterEdit* pEdits, int nCount, UINT nFirst);
    int GetControlsPerStep() const override { return kControlsPerStep; }
    void OnLaterControl(UINT nID, HWND hCtrl) override;
    // Places the controls in the template's rows and in as many of its
    // columns as the bar's width holds, each as large as the widest value
    // measured and at least as large as in the template, and has the bar
    // sized around them. Where one column is too wide, each control wraps
    // its values onto more lines (the controls break lines only between
    // values); a control that even one value a line would not show whole
    // is hidden until the bar is wide enough again. A control already in
    // its place is not moved, and when none moves and the sizes stay,
    // nothing more happens.
    void PlaceRegisterControls();

    UINT m_nFirstControl = 0;
    int m_nControls = 0;
    int m_cxLaidOut = -1;  // the client width the controls were laid out for

private:
    // Four edits take about as long to make as the smallest bar's dialog.
    static const int kControlsPerStep = 4;
    void SubclassRegisterControl(int i, HWND hCtrl);

    CRegisterEdit* m_pEdits = nullptr;  // the derived class's register controls
    std::vector<RECT> m_template;  // each control's place in the template, in pixels
    std::vector<RECT> m_placed;    // where PlaceRegisterControls put each
    // The room of the widest values on one line, then wrapped onto more
    // lines (LayoutCellGrid); empty until measured.
    std::vector<SIZE> m_cellSizes;
};

template <class TRegs>
class CDynRegsDlgBarT : public CRegsDlgBar {
public:
    enum { IDD = TRegs::IDD, kControls = TRegs::kControls };
    explicit CDynRegsDlgBarT(CWnd* pParent = nullptr) : CRegsDlgBar(IDD, TRegs::kViewCmd, pParent) {}

    BOOL OnInitDialog() override
    {
        SetSmallAppIcon();
        CRegsDlgBar::OnInitDialog();
        SubclassRegisterControls(m_Regs, kControls, TRegs::kFirst);
        // The bar is cut only between rows of registers.
        SetHostRowStops(TRegs::kFirst, kControls);
        return TRUE;
    }
    void RegisterStandardHelpStrings() override
    {
        if (!m_HelpStrings.IsEmpty())
            return;
        CRegsDlgBar::RegisterStandardHelpStrings();
        SetHelpString(MakeHelpKey(IDD, 0), TRegs::kHelpString);
        for (UINT i = 0; i < (UINT)kControls; ++i)
            SetHelpString(MakeHelpKey(IDD, TRegs::kFirst + i), IDS_HELP_REGISTER_VALUES);
    }
    void RegisterHelpStrings() override
    {
        if (!m_HelpIds.IsEmpty())
            return;
        CRegsDlgBar::RegisterHelpStrings();
        SetHelpId(MakeHelpKey(IDD, 0), TRegs::kHelpIdBar);
        for (UINT i = 0; i < (UINT)kControls; ++i)
            SetHelpId(MakeHelpKey(IDD, TRegs::kFirst + i), TRegs::kHelpIdControls);
    }
private:
    CRegisterEdit m_Regs[kControls];
};

struct S32BitRegs {
    enum { IDD = IDD_REGS32_BAR, kControls = 4, kFirst = IDC_REGS32_FIRST, kHelpString = IDS_HELP_REGS32_BAR,
           kHelpIdBar = 916, kHelpIdControls = 916, kViewCmd = 0 };
};
struct S32BitFPRegs {
    enum { IDD = IDD_FPREGS32_BAR, kControls = 2, kFirst = IDC_FPREGS32_FIRST, kHelpString = IDS_HELP_FPREGS32_BAR,
           kHelpIdBar = 920, kHelpIdControls = 920, kViewCmd = ID_VIEW_FREGS_BAR };
};
struct S64BitRegs {
    enum { IDD = IDD_REGS64_BAR, kControls = 8, kFirst = IDC_REGS64_FIRST, kHelpString = IDS_HELP_REGS64_BAR,
           kHelpIdBar = 921, kHelpIdControls = 921, kViewCmd = 0 };
};
struct SVRegs {
    enum { IDD = IDD_VREGS_BAR, kControls = 16, kFirst = IDC_VREGS_FIRST, kHelpString = IDS_HELP_VREGS_BAR,
           kHelpIdBar = 921, kHelpIdControls = 17048, kViewCmd = 0 };
};

using CDyn32BitRegsDlgBar = CDynRegsDlgBarT<S32BitRegs>;
using CDyn32BitFPRegsDlgBar = CDynRegsDlgBarT<S32BitFPRegs>;
using CDyn64BitRegsDlgBar = CDynRegsDlgBarT<S64BitRegs>;
using CDynVRegsDlgBar = CDynRegsDlgBarT<SVRegs>;
