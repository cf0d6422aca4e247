// AfxResource.cpp: the resource module of the program.
#include "platform/AfxResource.h"

namespace {
HINSTANCE g_hResource = nullptr;  // null: the program's own module
}

HINSTANCE AfxGetResourceHandle()
{
    return g_hResource ? g_hResource : ::GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hResource)
{
    g_hResource = hResource;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}
