// TimeZoneWin.cpp: the host's time-zone offset text from Windows' time-zone
// information.
#include "config/ValueConversions.h"

// Only the standard bias counts: Windows reports daylight saving apart, and the
// emulator's TZOFFSET is the zone's standard offset.
void GetTimeZoneOffsetString()
{
    TIME_ZONE_INFORMATION tzi = {};
    if (::GetTimeZoneInformation(&tzi) == TIME_ZONE_ID_INVALID)
        return;
    g_strTzOffset = FormatTimeZoneOffset(tzi.Bias);
}
