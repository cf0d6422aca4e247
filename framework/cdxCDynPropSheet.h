// cdxCDynPropSheet.h: cdxCDynPropSheet<TSheet, TDynPage, TDynSheet>, a
// property sheet class TSheet made resizable (sizing frame, maximise box) and
// joined with the layout engine and position memory. The tab control
// stretches, the buttons ride the lower right corner, and each page follows
// the sheet's size from the moment it has a window.
#pragma once

#include "framework/cdxCDynamicWndEx.h"
#include "platform/MessageMap.h"

const UINT kSheetTabId = 0x3020;     // the sheet's tab control
const UINT kSheetApplyId = 0x3021;   // Apply
const UINT kSheetBackId = 0x3023;    // wizard Back
const UINT kSheetNextId = 0x3024;    // wizard Next
const UINT kSheetFinishId = 0x3025;  // wizard Finish
// Added to the sheet template's style: popup, visible, clip children, caption,
// system menu, sizing frame, maximise box, font and 3-D look.
const DWORD kResizableSheetStyle = 0x92CD0044;

// Sets the style of a dialog template, plain or extended; returns the old one.
DWORD ModifyTemplateStyle(DLGTEMPLATE* pTemplate, DWORD dwAdd, DWORD dwRemove);

template <class TSheet, class TDynPage, class TDynSheet>
class cdxCDynPropSheet : public TSheet, public cdxCDynamicWndEx {
    DECLARE_MESSAGE_MAP()
public:
    // nID names the stored position (none when 0); the rest goes to TSheet.
    // With a size grip.
    template <class... A>
    explicit cdxCDynPropSheet(UINT nID, A&&... args)
        : TSheet(std::forward<A>(args)...), cdxCDynamicWndEx(flSizeIcon)
    {
        if (nID != 0)
            SetIdName(nID);
    }
    ~cdxCDynPropSheet() override { EndDynamicLayout(); }

    INT_PTR DoModal() override;
    BOOL DestroyWindow() override
    {
        EndDynamicLayout();
        return TSheet::DestroyWindow();
    }
    const cdxDynamicMapEntry* GetDynamicMap(const cdxDynamicMapEntry* pPrev) override;

    // The page's owning sheet is this one while it is in it.
    void AddPage(TDynPage* pPage);
    void RemovePage(int nPage);

    // Called by the pages: first shown, shown (with the activation result), left.
    virtual void OnPageFirstActive(TDynPage* pPage);
    virtual void OnPageActive(TDynPage* pPage, BOOL bResult);
    virtual void OnPageInactive(TDynPage*, BOOL) {}

    bool IsModal() const { return m_bModal; }

protected:
    BOOL OnInitDialog() override;
    void OnPreCreateTemplate(DLGTEMPLATE* pTemplate) override;
    void RegisterPage(TDynPage* pPage);
    void OnClose();
    bool IsWizardSheet() const { return (this->m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }

    bool m_bModal = false;
};

#include "framework/cdxCDynPropSheetImpl.h"
