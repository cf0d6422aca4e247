// ReelScanDlg.h: CReelScanDlg, the dialog of the REELSCAN utility, which
// prints a map of the files on an AWS tape image.
#pragma once

#include "resources/resource.h"
#include "utilities/OneFileUtilityDlg.h"

class CReelScanDlg : public COneFileUtilityDlg {
public:
    enum { IDD = IDD_REELSCAN };
    CReelScanDlg() : COneFileUtilityDlg(IDD) {}
};
