// CDevMap.cpp: comparison of two device maps, and the devices' files.
#include "config/CDevMap.h"

#include "platform/PathFunctions.h"

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

bool CDevMap::IsFileUsed(const CString& strFileName, const std::function<bool(DWORD)>& isCounted) const
{
    if (strFileName.IsEmpty())
        return false;
    const CString strWanted = StandardizedDirectory(strFileName);
    POSITION pos = GetStartPosition();
    while (pos) {
        DWORD dwKey;
        CVornDevice dev;
        GetNextAssoc(pos, dwKey, dev);
        if (dev.m_strFirstArg.IsEmpty() || (isCounted && !isCounted(dwKey)))
            continue;
        if (StandardizedDirectory(dev.m_strFirstArg).CompareNoCase(strWanted) == 0)
            return true;
    }
    return false;
}
