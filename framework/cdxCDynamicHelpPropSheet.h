// cdxCDynamicHelpPropSheet.h: cdxCDynamicHelpPropSheet, the system's
// resizable property sheet with the caption help button, its position
// remembered under the sheet's id.
#pragma once

#include "framework/CHelpButtonPropertySheet.h"
#include "framework/cdxCDynPropSheet.h"
#include "framework/cdxCDynamicHelpPropPage.h"

class cdxCDynamicHelpPropSheet
    : public cdxCDynPropSheet<CHelpButtonPropertySheet, cdxCDynamicHelpPropPage, cdxCDynamicHelpPropSheet> {
public:
    explicit cdxCDynamicHelpPropSheet(UINT nID, CWnd* pParentWnd = nullptr)
        : cdxCDynPropSheet<CHelpButtonPropertySheet, cdxCDynamicHelpPropPage, cdxCDynamicHelpPropSheet>(nID, pParentWnd)
    {
    }
};
