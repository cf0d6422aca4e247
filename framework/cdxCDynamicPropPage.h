// cdxCDynamicPropPage.h: cdxCDynamicPropPage, a resizable property page
// without help tables, for cdxCDynamicPropSheet.
#pragma once

#include "framework/cdxCDynPropPage.h"
#include "platform/CPropertyPage.h"

class cdxCDynamicPropSheet;

class cdxCDynamicPropPage : public cdxCDynPropPage<CPropertyPage, cdxCDynamicPropPage, cdxCDynamicPropSheet> {
public:
    explicit cdxCDynamicPropPage(UINT nIDTemplate)
        : cdxCDynPropPage<CPropertyPage, cdxCDynamicPropPage, cdxCDynamicPropSheet>(nIDTemplate)
    {
    }
};

#include "framework/cdxCDynamicPropSheet.h"
