// VolRecastDlg.h: CVolRecastDlg, the dialog of the VOLRECAST utility, which
// copies a CKD disk image into another of the plain, compressed or 64-bit
// format.
#pragma once

#include "resources/resource.h"
#include "utilities/ImageCopyDlg.h"

class CVolRecastDlg : public CImageCopyDlg {
public:
    enum { IDD = IDD_VOLRECAST };
    CVolRecastDlg() : CImageCopyDlg(IDD) {}
};
