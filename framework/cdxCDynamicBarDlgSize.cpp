// cdxCDynamicBarDlgSize.cpp: the bar dialog's template geometry in pixels,
// and the sizes its layout asks of its host bar once its controls are laid
// out for the fonts they show.
#include "framework/cdxCDynamicBar.h"

bool cdxCDynamicBarDlg::GetTemplateRect(UINT nID, RECT& rc)
{
    const SDialogTemplateItem* pItem = ReadTemplate() ? m_template.Find(nID) : nullptr;
    if (!pItem)
        return false;
    rc = RECT{pItem->x, pItem->y, pItem->x + pItem->cx, pItem->y + pItem->cy};
    MapTemplateRect(&rc);
    return true;
}

SIZE cdxCDynamicBarDlg::GetTemplateSize()
{
    if (!ReadTemplate())
        return SIZE{0, 0};
    RECT rc = {0, 0, m_template.Width(), m_template.Height()};
    MapTemplateRect(&rc);
    return SIZE{rc.right, rc.bottom};
}

void cdxCDynamicBarDlg::SetLayoutSizes(SIZE szDesign, SIZE szLeast)
{
    m_szInitial = szDesign;
    m_szMin = szLeast;
    m_bLayoutSizes = true;
    Layout();
    UpdateHostRowStops();
    if (cdxCDynamicBar* pBar = DYNAMIC_DOWNCAST(cdxCDynamicBar, m_pHostBar))
        pBar->FitToDialog();
}
