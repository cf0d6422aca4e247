// MapImportDlg.h: CMapImportDlg, the dialog of the MAPIMPORT utility, which
// turns a P/390 device map into a configuration on its standard output.
#pragma once

#include "resources/resource.h"
#include "utilities/OneFileUtilityDlg.h"

class CMapImportDlg : public COneFileUtilityDlg {
public:
    enum { IDD = IDD_MAPIMPORT };
    CMapImportDlg() : COneFileUtilityDlg(IDD) {}
};
