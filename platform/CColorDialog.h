// CColorDialog.h: the system's common colour dialog (ChooseColorA), run
// modally. The caller may change m_cc (CC_RGBINIT pre-selects the initial
// colour) before DoModal; after OK GetColor gives the chosen colour. The 16
// custom colours are shared by every colour dialog of the process.
#pragma once

#include "platform/CCommonDialog.h"

class CColorDialog : public CCommonDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL; -1 when the system could not show the dialog.
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    static COLORREF* GetSavedCustomColors() { return s_clrCustom; }

    CHOOSECOLORA m_cc;

private:
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp);
    static COLORREF s_clrCustom[16];
};
