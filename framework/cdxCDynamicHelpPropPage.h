// cdxCDynamicHelpPropPage.h: cdxCDynamicHelpPropPage, the base of the
// system's property pages: a help-button page (balloons, F1 help) that lays
// out its controls and shows the themed page background. Derived pages give
// their own dynamic map.
#pragma once

#include "framework/CHelpButtonPropertyPage.h"
#include "framework/cdxCDynPropPage.h"

class cdxCDynamicHelpPropSheet;

class cdxCDynamicHelpPropPage
    : public cdxCDynPropPage<CHelpButtonPropertyPage, cdxCDynamicHelpPropPage, cdxCDynamicHelpPropSheet> {
public:
    explicit cdxCDynamicHelpPropPage(UINT nIDTemplate)
        : cdxCDynPropPage<CHelpButtonPropertyPage, cdxCDynamicHelpPropPage, cdxCDynamicHelpPropSheet>(nIDTemplate)
    {
    }
};

#include "framework/cdxCDynamicHelpPropSheet.h"
