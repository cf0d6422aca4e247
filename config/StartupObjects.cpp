// StartupObjects.cpp: the process-wide objects of the configuration helpers
// that are built before the application object runs. They are defined in
// this one file so that they are built in the order written here (and
// destroyed at exit in the reverse order): a later one may use an earlier one.
#include "config/StartupObjects.h"

#include "config/ValueConversions.h"

namespace {

// Fills g_strTzOffset, which must be built before it.
struct TimeZoneOffsetFiller {
    TimeZoneOffsetFiller() { GetTimeZoneOffsetString(); }
};

}  // namespace

int g_nEngineTypeCP = EngineTypeIndex("CP");
int g_nEngineTypeAP = EngineTypeIndex("AP");
int g_nEngineTypeIP = EngineTypeIndex("IP");
int g_nEngineTypeIL = EngineTypeIndex("IL");
CString g_strUpperLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
CString g_strDigits0To6 = "0123456";
CString g_strUpperLettersDigits0To6 = g_strUpperLetters + g_strDigits0To6 + "789" + "$#@+-:_";
CString g_strRemoteHost;
int g_nRemotePort = 3990;
// The time-zone text is defined here, not beside its conversion, so that it
// is built right before the object that fills it.
CString g_strTzOffset;
static TimeZoneOffsetFiller s_timeZoneOffsetFiller;
CString g_strStartupConfigFile;
CString g_strProfileEmulatorExeName;
CString g_strEmulatorExeName;
CString g_strStartupRunCommandFile;
CString g_strStartupLogoFile;
CString g_strNameFirstChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ$#@";
CString g_strNameChars = g_strNameFirstChars + "-0123456789";
