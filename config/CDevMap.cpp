// CDevMap.cpp: comparison of two device maps, and the devices' files.
#include "config/CDevMap.h"

#include "platform/PathFunctions.h"

bool CDevMap::operator==(const CDevMap& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    bool bEqual = true;
    ForEachAssoc([&](DWORD dwKey, const CVornDevice& dev) {
        const CVornDevice* pOther = other.LookupPtr(dwKey);
        bEqual = pOther && *pOther == dev;
        return bEqual;
    });
    return bEqual;
}

bool CDevMap::IsFileUsed(const CString& strFileName, const std::function<bool(DWORD)>& isCounted) const
{
    if (strFileName.IsEmpty())
        return false;
    const CString strWanted = StandardizedDirectory(strFileName);
    bool bUsed = false;
    ForEachAssoc([&](DWORD dwKey, const CVornDevice& dev) {
        bUsed = !dev.m_strFirstArg.IsEmpty() && (!isCounted || isCounted(dwKey)) &&
                StandardizedDirectory(dev.m_strFirstArg).CompareNoCase(strWanted) == 0;
        return !bUsed;
    });
    return bUsed;
}
