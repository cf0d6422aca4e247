// RefusedTimers.cpp: the program's import of SetTimer led through a stand-in
// that refuses timers of windows.
#include "tests/support/RefusedTimers.h"

namespace vorntest {

namespace {

using SetTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);

SetTimerFunction g_pfnSetTimer = nullptr;  // the system's
bool g_bRefuse = false;
int g_nRefused = 0;

UINT_PTR WINAPI RefusingSetTimer(HWND hWnd, UINT_PTR nId, UINT nMs, TIMERPROC pfnProc)
{
    if (hWnd && g_bRefuse) {
        ++g_nRefused;
        ::SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return 0;
    }
    return g_pfnSetTimer(hWnd, nId, nMs, pfnProc);
}

// The entries of the program's import address table that hold pfn.
std::vector<void**> ImportEntries(void* pfn)
{
    std::vector<void**> entries;
    BYTE* pBase = (BYTE*)::GetModuleHandleA(nullptr);
    const IMAGE_NT_HEADERS* pNt = (const IMAGE_NT_HEADERS*)(pBase + ((const IMAGE_DOS_HEADER*)pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return entries;
    for (auto* pDesc = (const IMAGE_IMPORT_DESCRIPTOR*)(pBase + dir.VirtualAddress); pDesc->Name; ++pDesc)
        for (auto* pThunk = (IMAGE_THUNK_DATA*)(pBase + pDesc->FirstThunk); pThunk->u1.Function; ++pThunk)
            if ((void*)pThunk->u1.Function == pfn)
                entries.push_back((void**)&pThunk->u1.Function);
    return entries;
}

void WriteEntry(void** pEntry, void* pfn)
{
    DWORD dwOld = 0;
    ::VirtualProtect(pEntry, sizeof *pEntry, PAGE_READWRITE, &dwOld);
    *pEntry = pfn;
    ::VirtualProtect(pEntry, sizeof *pEntry, dwOld, &dwOld);
}

}  // namespace

RefusedTimers::RefusedTimers()
{
    g_pfnSetTimer = (SetTimerFunction)(void*)::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetTimer");
    g_bRefuse = false;
    g_nRefused = 0;
    m_slots = ImportEntries((void*)g_pfnSetTimer);
    for (void** p : m_slots)
        WriteEntry(p, (void*)&RefusingSetTimer);
}

RefusedTimers::~RefusedTimers()
{
    for (void** p : m_slots)
        WriteEntry(p, (void*)g_pfnSetTimer);
    g_bRefuse = false;
}

void RefusedTimers::RefuseAll(bool bRefuse)
{
    g_bRefuse = bRefuse;
}

int RefusedTimers::Refused() const
{
    return g_nRefused;
}

}  // namespace vorntest
