// StartupObjects.cpp: the process-wide objects of the configuration helpers
// that are built before the application object runs. They are defined in
// this one file so that they are built in the order written here and
// destroyed at exit in the reverse order.
#include "config/CHostAdapterArray.h"

namespace {

CHostAdapterArray ReadHostAdapterList()
{
    CHostAdapterArray adapters;
    adapters.ReadHost();
    return adapters;
}

}  // namespace

CHostAdapterArray g_HostAdapters = ReadHostAdapterList();
