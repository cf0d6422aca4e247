// CDevMap.cpp: comparison of two device maps.
#include "config/CDevMap.h"

bool CDevMap::operator==(const CDevMap& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    POSITION pos = GetStartPosition();
    while (pos) {
        DWORD dwKey;
        CVornDevice dev, devOther;
        GetNextAssoc(pos, dwKey, dev);
        if (!other.Lookup(dwKey, devOther) || dev != devOther)
            return false;
    }
    return true;
}
