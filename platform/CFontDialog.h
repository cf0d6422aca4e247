// CFontDialog.h: the system's common font dialog (ChooseFontA), run modally.
// The caller may change m_cf (its flags above all) before DoModal; after OK
// the chosen font is in m_lf, its size in tenths of a point in m_cf.iPointSize.
#pragma once

#include "platform/CCommonDialog.h"

class CDC;

class CFontDialog : public CCommonDialog {
public:
    // lplfInitial (copied) pre-selects a font; hdcPrinter, when given, lists
    // the printer's fonts (CF_PRINTERFONTS is then the caller's to set).
    explicit CFontDialog(const LOGFONTA* lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         HDC hdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL; -1 when the system could not show the dialog.
    INT_PTR DoModal() override;

    // The font the dialog shows now (while open) or the one chosen (after OK).
    void GetCurrentFont(LOGFONTA* plf);
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

private:
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp);
};
