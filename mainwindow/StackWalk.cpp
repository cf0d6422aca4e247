// StackWalk.cpp: walking a faulting thread's call stack.
#include "mainwindow/StackWalk.h"

#include <dbghelp.h>

#include "platform/Trace.h"

namespace {

// A damaged stack could chain frames without end.
const size_t kMaxFrames = 256;

}  // namespace

bool InitSymbolEngine(HANDLE hProcess, CString& strFailure)
{
    ::SymSetOptions(SYMOPT_UNDNAME | SYMOPT_DEFERRED_LOADS | SYMOPT_LOAD_LINES);
    if (::SymInitialize(hProcess, nullptr, TRUE))
        return true;
    DWORD rc = ::GetLastError();
    strFailure.Format("CUnhandledException::InitImagehlpFunctions: SymInitialize() failed; rc=%u (0x%08.8X): %s\r\n",
                      (unsigned)rc, (unsigned)rc, (const char*)FormatLastError(rc));
    return false;
}

void CleanupSymbolEngine(HANDLE hProcess)
{
    ::SymCleanup(hProcess);
}

std::vector<DWORD> WalkSymbolicFrames(HANDLE hProcess, HANDLE hThread, const CONTEXT& context)
{
    std::vector<DWORD> frames;
    CONTEXT ctx = context;  // StackWalk changes the registers it is given
    STACKFRAME sf = {};
    sf.AddrPC.Offset = ctx.Eip;
    sf.AddrPC.Mode = AddrModeFlat;
    sf.AddrFrame.Offset = ctx.Ebp;
    sf.AddrFrame.Mode = AddrModeFlat;
    sf.AddrStack.Offset = ctx.Esp;
    sf.AddrStack.Mode = AddrModeFlat;
    HMODULE hExe = ::GetModuleHandleA(nullptr);
    PIMAGE_NT_HEADERS pNt = ::ImageNtHeader(hExe);
    DWORD dwMachine = pNt ? pNt->FileHeader.Machine : IMAGE_FILE_MACHINE_I386;
    while (frames.size() < 2 * kMaxFrames &&
           ::StackWalk(dwMachine, hProcess, hThread, &sf, &ctx, nullptr, ::SymFunctionTableAccess,
                       ::SymGetModuleBase, nullptr)) {
        if (sf.AddrFrame.Offset == 0)
            break;
        frames.push_back(sf.AddrPC.Offset);
        frames.push_back(sf.AddrFrame.Offset);
    }
    return frames;
}

namespace {

bool IsReadable(DWORD dwAddress, DWORD dwSize)
{
    MEMORY_BASIC_INFORMATION mbi = {};
    if (!::VirtualQuery((LPCVOID)(DWORD_PTR)dwAddress, &mbi, sizeof(mbi)) || mbi.State != MEM_COMMIT)
        return false;
    const DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (!(mbi.Protect & kWritable) || (mbi.Protect & PAGE_GUARD))
        return false;
    DWORD dwEnd = (DWORD)(DWORD_PTR)mbi.BaseAddress + (DWORD)mbi.RegionSize;
    return dwAddress + dwSize <= dwEnd && dwAddress + dwSize > dwAddress;
}

}  // namespace

std::vector<DWORD> WalkFramePointers(const CONTEXT& context)
{
    std::vector<DWORD> frames{context.Eip, context.Ebp};
    DWORD dwFrame = context.Ebp;
    DWORD dwPrev = 0;
    while (frames.size() < 2 * kMaxFrames) {
        if ((dwFrame & 3) != 0 || dwFrame <= dwPrev || !IsReadable(dwFrame, 8))
            break;
        const DWORD* p = (const DWORD*)(DWORD_PTR)dwFrame;
        DWORD dwCaller = p[0];
        DWORD dwReturn = p[1];
        dwPrev = dwFrame;
        dwFrame = dwCaller;
        frames.push_back(dwReturn);
        frames.push_back(dwFrame);
    }
    return frames;
}

std::vector<DWORD> CaptureStackFrames(HANDLE hProcess, HANDLE hThread, const CONTEXT& context)
{
    CString strFailure;
    if (!InitSymbolEngine(hProcess, strFailure))
        return WalkFramePointers(context);
    std::vector<DWORD> frames = WalkSymbolicFrames(hProcess, hThread, context);
    CleanupSymbolEngine(hProcess);
    return frames;
}
