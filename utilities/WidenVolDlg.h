// WidenVolDlg.h: CWidenVolDlg, the dialog of the WIDENVOL utility, which
// converts a compressed disk image into a new image of the 64-bit
// compressed format.
#pragma once

#include "resources/resource.h"
#include "utilities/ImageCopyDlg.h"

class CWidenVolDlg : public CImageCopyDlg {
public:
    enum { IDD = IDD_WIDENVOL };
    CWidenVolDlg() : CImageCopyDlg(IDD) {}
};
