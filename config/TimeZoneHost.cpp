// TimeZoneHost.cpp: the host build's time-zone offset text, from the C
// library's standard-time offset (seconds west of universal time).
#include "config/ValueConversions.h"

#include <ctime>

void GetTimeZoneOffsetString()
{
    tzset();
    g_strTzOffset = FormatTimeZoneOffset((LONG)(timezone / 60));
}
