// cdxCDynPropSheet.cpp: the style change of a sheet's dialog template.
#include "framework/cdxCDynPropSheet.h"

// An extended template (DLGTEMPLATEEX) starts with version 1 and signature
// 0xFFFF and keeps its style after the help id and extended style.
DWORD ModifyTemplateStyle(DLGTEMPLATE* pTemplate, DWORD dwAdd, DWORD dwRemove)
{
    WORD* pWords = (WORD*)pTemplate;
    bool bExtended = pWords[0] == 1 && pWords[1] == 0xFFFF;
    DWORD* pStyle = bExtended ? (DWORD*)(pWords + 6) : &pTemplate->style;
    DWORD dwOld = *pStyle;
    *pStyle = (dwOld & ~dwRemove) | dwAdd;
    return dwOld;
}
