// DasdModels.h: the table of disk models with its lookups. Rows are searched
// from the first, so for a lookup by device type the bare-type row (the first
// of each type, 0 cylinders) answers. Model names are compared exactly.
#pragma once

#include "platform/CString.h"

struct DasdModel {
    char chKind;         // 'C' count-key-data, 'F' fixed-block
    const char* pszName; // "3390-3"; the bare type number stands for the type
    int nTypeNumber;     // 3390; 671 for the 0671
    WORD wDevType;       // 0x3390
    DWORD dwCyls;        // cylinders (CKD) or blocks (FBA)
    DWORD dwAltCyls;     // alternate cylinders (0 for FBA)
    int nLastValue;      // CKD: tracks per cylinder; FBA: a small number per type
};

extern const DasdModel g_DasdModelTable[];
extern const int g_nDasdModelCount;

bool IsFbaDevType(WORD wDevType);
bool IsFbaModel(const CString& strModel);
// True and the device type when the model is known; the output is untouched otherwise.
bool GetModelDevType(const CString& strModel, WORD& wDevType);
// Decimal type number (3390), -1 when the model is unknown.
int GetModelDevTypeNumber(const CString& strModel);
// Cylinders (FBA: blocks), plus the alternates when asked; 0 when unknown.
DWORD GetModelCylinders(const CString& strModel, bool bWithAlternates);
// GetModelCylinders of the type written "%04.4X": the bare-type row.
DWORD GetDevTypeCylinders(WORD wDevType);
int GetDevTypeLastValue(WORD wDevType);
int GetModelLastValue(const CString& strModel);
