// ResizeHelpSheet.h: the resizable help sheet of the window framework tests
// and its two pages.
#pragma once

#include "FrameworkTestRes.h"
#include "framework/cdxCDynamicHelpPropSheet.h"

class CGeneralPage : public cdxCDynamicHelpPropPage {
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PAGE_ONE };
    CGeneralPage() : cdxCDynamicHelpPropPage(IDD) {}
};

class COptionsPage : public cdxCDynamicHelpPropPage {
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PAGE_TWO };
    COptionsPage() : cdxCDynamicHelpPropPage(IDD) {}
    BOOL OnQueryCancel() override
    {
        ++m_nQueryCancel;
        return TRUE;
    }
    int m_nQueryCancel = 0;
};

class CResizeHelpSheet : public cdxCDynamicHelpPropSheet {
public:
    enum { IDD = IDD_TEST_SHEET };
    explicit CResizeHelpSheet(CWnd* pParent = nullptr) : cdxCDynamicHelpPropSheet(IDD, pParent)
    {
        AddPage(&m_General);
        AddPage(&m_Options);
    }
    CGeneralPage m_General;
    COptionsPage m_Options;
};
