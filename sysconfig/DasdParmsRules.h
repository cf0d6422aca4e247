// DasdParmsRules.h: the rules of the Dasd Parameters page, window-free: the
// ranges of the CCKD values and the "Use default values:" switch, which
// keeps the user's own values aside while the defaults are in use.
#pragma once

#include "config/CCKDParms.h"
#include "sysconfig/SysCfgFieldChecks.h"

// True when the CCKD statement is needed: the values differ from the defaults.
inline bool IsCckdPresent(const CCKDParms& cckd)
{
    return cckd != CCKDParms();
}

// The page's Apply checks, stopping at the first failure: read-ahead threads,
// queue and tracks, writer threads, garbage collection interval and
// aggressiveness, freepend, trace table size, each against its "Limits"
// range. The two signed fields name their bounds with "%d".
bool CheckDasdParms(const CCKDParms& cckd, SysCfgFieldFailure& failure);

// "Use default values:". Switched on, the edited values are kept aside and
// become the defaults; switched off, the kept values come back.
class CckdDefaultsSwitch {
public:
    // The values the user had; set when the page opens.
    void Keep(const CCKDParms& cckd) { m_saved = cckd; }
    void SwitchOn(CCKDParms& cckd)
    {
        m_saved = cckd;
        cckd.SetDefaults();
    }
    void SwitchOff(CCKDParms& cckd) const { cckd = m_saved; }
    const CCKDParms& Saved() const { return m_saved; }

private:
    CCKDParms m_saved;
};
