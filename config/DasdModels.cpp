// DasdModels.cpp: the disk model table.
#include "config/DasdModels.h"

const DasdModel g_DasdModelTable[] = {
    {'C', "2305", 2305, 0x2305, 0, 0, 8},
    {'C', "2305-1", 2305, 0x2305, 48, 6, 8},
    {'C', "2305-2", 2305, 0x2305, 96, 12, 8},
    {'C', "2311", 2311, 0x2311, 0, 0, 10},
    {'C', "2311-1", 2311, 0x2311, 200, 3, 10},
    {'C', "2314", 2314, 0x2314, 0, 0, 20},
    {'C', "2314-1", 2314, 0x2314, 200, 3, 20},
    {'C', "3330", 3330, 0x3330, 0, 0, 19},
    {'C', "3330-1", 3330, 0x3330, 404, 7, 19},
    {'C', "3330-11", 3330, 0x3330, 808, 7, 19},
    {'C', "3340", 3340, 0x3340, 0, 0, 12},
    {'C', "3340-35", 3340, 0x3340, 348, 1, 12},
    {'C', "3340-70", 3340, 0x3340, 696, 2, 12},
    {'C', "3350", 3350, 0x3350, 0, 0, 30},
    {'C', "3350-1", 3350, 0x3350, 555, 5, 30},
    {'C', "3375", 3375, 0x3375, 0, 0, 12},
    {'C', "3375-1", 3375, 0x3375, 959, 1, 12},
    {'C', "3380", 3380, 0x3380, 0, 0, 15},
    {'C', "3380-A", 3380, 0x3380, 885, 1, 15},
    {'C', "3380-B", 3380, 0x3380, 885, 1, 15},
    {'C', "3380-D", 3380, 0x3380, 885, 1, 15},
    {'C', "3380-J", 3380, 0x3380, 885, 1, 15},
    {'C', "3380-E", 3380, 0x3380, 1770, 2, 15},
    {'C', "3380-K", 3380, 0x3380, 2655, 3, 15},
    {'C', "EMC3380K+", 3380, 0x3380, 3339, 3, 15},
    {'C', "EMC3380K++", 3380, 0x3380, 3993, 3, 15},
    {'C', "3390", 3390, 0x3390, 0, 0, 15},
    {'C', "3390-1", 3390, 0x3390, 1113, 1, 15},
    {'C', "3390-2", 3390, 0x3390, 2226, 1, 15},
    {'C', "3390-3", 3390, 0x3390, 3339, 1, 15},
    {'C', "3390-9", 3390, 0x3390, 10017, 3, 15},
    {'C', "3390-27", 3390, 0x3390, 32760, 3, 15},
    {'C', "3390-54", 3390, 0x3390, 65520, 3, 15},
    {'C', "9345", 9345, 0x9345, 0, 0, 15},
    {'C', "9345-1", 9345, 0x9345, 1440, 0, 15},
    {'C', "9345-2", 9345, 0x9345, 2156, 0, 15},
    {'F', "3310", 3310, 0x3310, 0, 0, 11},
    {'F', "3310-1", 3310, 0x3310, 125664, 0, 11},
    {'F', "3370", 3370, 0x3370, 0, 0, 12},
    {'F', "3370-A1", 3370, 0x3370, 558000, 0, 12},
    {'F', "3370-B1", 3370, 0x3370, 558000, 0, 12},
    {'F', "3370-A2", 3370, 0x3370, 712752, 0, 12},
    {'F', "3370-B2", 3370, 0x3370, 712752, 0, 12},
    {'F', "9313", 9313, 0x9313, 0, 0, 5},
    {'F', "9313-1", 9313, 0x9313, 246240, 0, 5},
    {'F', "9332", 9332, 0x9332, 0, 0, 4},
    {'F', "9332-200", 9332, 0x9332, 360036, 0, 4},
    {'F', "9332-400", 9332, 0x9332, 360036, 0, 4},
    {'F', "9332-600", 9332, 0x9332, 554800, 0, 4},
    {'F', "9335", 9335, 0x9335, 0, 0, 6},
    {'F', "9335-1", 9335, 0x9335, 804714, 0, 6},
    {'F', "9336", 9336, 0x9336, 0, 0, 7},
    {'F', "9336-10", 9336, 0x9336, 920115, 0, 5},
    {'F', "9336-20", 9336, 0x9336, 1672881, 0, 7},
    {'F', "9336-25", 9336, 0x9336, 1672881, 0, 7},
    {'F', "0671", 671, 0x0671, 0, 0, 8},
    {'F', "0671-1", 671, 0x0671, 574560, 0, 8},
    {'F', "0671-04", 671, 0x0671, 624456, 0, 8},
    {'F', "0671-08", 671, 0x0671, 513072, 0, 8},
};

const int g_nDasdModelCount = (int)(sizeof g_DasdModelTable / sizeof g_DasdModelTable[0]);

static const DasdModel* FindModel(const CString& strModel)
{
    for (int i = 0; i < g_nDasdModelCount; i++)
        if (strModel == g_DasdModelTable[i].pszName)
            return &g_DasdModelTable[i];
    return nullptr;
}

static const DasdModel* FindDevType(WORD wDevType)
{
    for (int i = 0; i < g_nDasdModelCount; i++)
        if (g_DasdModelTable[i].wDevType == wDevType)
            return &g_DasdModelTable[i];
    return nullptr;
}

bool IsFbaDevType(WORD wDevType)
{
    const DasdModel* p = FindDevType(wDevType);
    return p && p->chKind == 'F';
}

bool IsFbaModel(const CString& strModel)
{
    const DasdModel* p = FindModel(strModel);
    return p && p->chKind == 'F';
}

bool GetModelDevType(const CString& strModel, WORD& wDevType)
{
    const DasdModel* p = FindModel(strModel);
    if (!p)
        return false;
    wDevType = p->wDevType;
    return true;
}

int GetModelDevTypeNumber(const CString& strModel)
{
    const DasdModel* p = FindModel(strModel);
    return p ? p->nTypeNumber : -1;
}

DWORD GetModelCylinders(const CString& strModel, bool bWithAlternates)
{
    const DasdModel* p = FindModel(strModel);
    if (!p)
        return 0;
    return p->dwCyls + (bWithAlternates ? p->dwAltCyls : 0);
}

DWORD GetDevTypeCylinders(WORD wDevType)
{
    CString strType;
    strType.Format("%04.4X", (unsigned)wDevType);
    return GetModelCylinders(strType, false);
}

int GetDevTypeLastValue(WORD wDevType)
{
    const DasdModel* p = FindDevType(wDevType);
    return p ? p->nLastValue : -1;
}

int GetModelLastValue(const CString& strModel)
{
    const DasdModel* p = FindModel(strModel);
    return p ? p->nLastValue : -1;
}
