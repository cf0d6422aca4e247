// CHelpButtonPropertyPage.cpp: the page's dialog id for the window help of
// a sheet.
#include "framework/CHelpButtonPropertyPage.h"

UINT HelpPageDialogId(CHelpButtonPropertyPage* pPage)
{
    return pPage->GetHelpDialogId();
}
