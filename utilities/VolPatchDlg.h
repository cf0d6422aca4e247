// VolPatchDlg.h: CVolPatchDlg, the dialog of the VOLPATCH utility, which
// adjusts the TTRs in the XCTL tables of SYS1.SVCLIB on a disk image.
#pragma once

#include "resources/resource.h"
#include "utilities/OneFileUtilityDlg.h"

class CVolPatchDlg : public COneFileUtilityDlg {
public:
    enum { IDD = IDD_VOLPATCH };
    CVolPatchDlg() : COneFileUtilityDlg(IDD) {}
};
