// cdxCDynamicPropSheet.h: cdxCDynamicPropSheet, a resizable property sheet
// without the caption help button.
#pragma once

#include "framework/cdxCDynPropSheet.h"
#include "framework/cdxCDynamicPropPage.h"
#include "platform/CPropertySheet.h"

class cdxCDynamicPropSheet : public cdxCDynPropSheet<CPropertySheet, cdxCDynamicPropPage, cdxCDynamicPropSheet> {
public:
    // nID names the stored position (none when 0).
    explicit cdxCDynamicPropSheet(UINT nID, LPCSTR pszCaption = nullptr, CWnd* pParentWnd = nullptr)
        : cdxCDynPropSheet<CPropertySheet, cdxCDynamicPropPage, cdxCDynamicPropSheet>(nID, pszCaption, pParentWnd)
    {
    }
};
