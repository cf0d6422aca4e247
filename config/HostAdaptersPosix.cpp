// HostAdaptersPosix.cpp: the host build of the window-free code reads no
// adapters: the list a test needs is made by hand.
#include "config/CHostAdapterArray.h"

void CHostAdapterArray::ReadHost()
{
    RemoveAll();
}
