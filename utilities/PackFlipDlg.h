// PackFlipDlg.h: CPackFlipDlg, the dialog of the PACKFLIP utility, which
// swaps the byte order of a compressed disk image.
#pragma once

#include "resources/resource.h"
#include "utilities/OneFileUtilityDlg.h"

class CPackFlipDlg : public COneFileUtilityDlg {
public:
    enum { IDD = IDD_PACKFLIP };
    CPackFlipDlg() : COneFileUtilityDlg(IDD) {}
};
