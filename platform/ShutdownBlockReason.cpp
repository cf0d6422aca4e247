// ShutdownBlockReason.cpp: the reason for holding the session's end, given
// through user32's entry points of Vista and later, looked up once.
#include "platform/ShutdownBlockReason.h"

#include "platform/Trace.h"

namespace {

typedef BOOL(WINAPI* ReasonCreateProc)(HWND, LPCWSTR);
typedef BOOL(WINAPI* ReasonDestroyProc)(HWND);

struct SReasonEntries {
    ReasonCreateProc pfnCreate;
    ReasonDestroyProc pfnDestroy;
};

const SReasonEntries& ReasonEntries()
{
    static const SReasonEntries entries = [] {
        HMODULE h = ::GetModuleHandleA("user32.dll");
        SReasonEntries e = {};
        if (h) {
            e.pfnCreate = (ReasonCreateProc)(void*)::GetProcAddress(h, "ShutdownBlockReasonCreate");
            e.pfnDestroy = (ReasonDestroyProc)(void*)::GetProcAddress(h, "ShutdownBlockReasonDestroy");
        }
        return e;
    }();
    return entries;
}

}  // namespace

CShutdownBlockReason::CShutdownBlockReason(HWND hWnd, LPCWSTR pszReason)
{
    const SReasonEntries& e = ReasonEntries();
    if (!e.pfnCreate || !e.pfnDestroy)
        return;
    if (e.pfnCreate(hWnd, pszReason))
        m_hWnd = hWnd;
    else
        TRACE_FAILED_CALL("ShutdownBlockReasonCreate(hWnd, pszReason)");
}

CShutdownBlockReason::~CShutdownBlockReason()
{
    if (m_hWnd)
        ReasonEntries().pfnDestroy(m_hWnd);
}
