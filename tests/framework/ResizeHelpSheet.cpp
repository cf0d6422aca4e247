// ResizeHelpSheet.cpp: the anchoring of the test sheet's pages.
#include "ResizeHelpSheet.h"

BEGIN_DYNAMIC_MAP(CGeneralPage, cdxCDynamicHelpPropPage)
    DYNAMIC_MAP_XENTRY(IDC_PAGE_EDIT, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PAGE_LIST, mdResize, mdResize)
END_DYNAMIC_MAP()

BEGIN_DYNAMIC_MAP(COptionsPage, cdxCDynamicHelpPropPage)
    DYNAMIC_MAP_ENTRY(IDC_PAGE_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PAGE_NOTE, mdResize)
END_DYNAMIC_MAP()
