// CArchLvls.cpp: comparison of facility entries and lists.
#include "config/CArchLvls.h"

bool CArchLvl::operator==(const CArchLvl& o) const
{
    return m_strFacility == o.m_strFacility && m_strArch == o.m_strArch && m_bEnable == o.m_bEnable;
}

bool CArchLvls::operator==(const CArchLvls& o) const
{
    if (m_bHasArchLvl != o.m_bHasArchLvl || GetSize() != o.GetSize())
        return false;
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i) != o.GetAt(i))
            return false;
    return true;
}
