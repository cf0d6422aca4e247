// ConfigTxf.cpp: the transactional-execution test.
#include "config/ConfigTxf.h"

#include "config/CVornConfigFile.h"
#include "config/ConfigLimits.h"
#include "config/ValueConversions.h"

bool IsTXFEnabled(const CVornConfigFile& cfg)
{
    bool bEnabled = cfg.m_nArchMode == kArchZArch && SettingPresumeTXF();
    for (const CArchLvl& lvl : cfg.m_archLvls) {
        const CString& strName = lvl.m_strFacility;
        if (!strName.IsEmpty()
            && (strName.CompareNoCase("073_TRANSACT_EXEC") == 0 || strName.CompareNoCase("BIT73") == 0
                || strName.CompareNoCase("73") == 0))
            bEnabled = lvl.m_bEnable;
    }
    return bEnabled;
}
