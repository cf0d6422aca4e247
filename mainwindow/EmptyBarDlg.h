// EmptyBarDlg.h: CEmptyBarDlg, the dialog of a main-window bar whose own
// dialog class does not exist yet: its template gives the bar its size and
// place, so the docking layout and the View menu already work for it.
#pragma once

#include "framework/cdxCDynamicBarDlg.h"

class CEmptyBarDlg : public cdxCDynamicBarDlg {
public:
    explicit CEmptyBarDlg(UINT nIDTemplate) : cdxCDynamicBarDlg(nIDTemplate) {}
};
