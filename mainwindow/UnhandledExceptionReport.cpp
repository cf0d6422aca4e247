// UnhandledExceptionReport.cpp: writing one report to the report file: the
// heading, date and time, exception name, fault address, registers and
// call stack. Every piece is formatted into a 2048-character buffer (longer
// text is cut at 2047 characters) and written at once.
#include <windows.h>
#include <dbghelp.h>
#include <stdarg.h>
#include <stdio.h>

#include "config/ProductIdentity.h"
#include "mainwindow/ExceptionNames.h"
#include "mainwindow/StackWalk.h"
#include "mainwindow/UnhandledException.h"

namespace {

// Names of codes outside the table, in turn (the system's message texts).
char s_szCodeNames[8][256];
int s_nNextCodeName = 0;

class CReportWriter {
public:
    explicit CReportWriter(HANDLE hFile) : m_hFile(hFile) {}

    void Write(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)))
    {
        char buf[2048];
        va_list args;
        va_start(args, pszFormat);
        int n = vsnprintf(buf, sizeof(buf), pszFormat, args);
        va_end(args);
        if (n < 0)
            return;
        DWORD dwLen = (DWORD)(n < (int)sizeof(buf) ? n : (int)sizeof(buf) - 1);
        DWORD dwWritten = 0;
        ::WriteFile(m_hFile, buf, dwLen, &dwWritten, nullptr);
    }

    // The address as section:offset and module path, or question marks.
    void WriteLogicalAddress(DWORD dwAddress)
    {
        MEMORY_BASIC_INFORMATION mbi = {};
        char szModule[MAX_PATH] = {};
        HMODULE hMod = nullptr;
        if (::VirtualQuery((LPCVOID)(DWORD_PTR)dwAddress, &mbi, sizeof(mbi)))
            hMod = (HMODULE)mbi.AllocationBase;
        if (!hMod || !::GetModuleFileNameA(hMod, szModule, sizeof(szModule))) {
            Write("????:%*.*s %s\r\n", 8, 8, "????????????????", "(invalid address)");
            return;
        }
        DWORD dwBase = (DWORD)(DWORD_PTR)hMod;
        DWORD dwOffset = dwAddress - dwBase;
        const IMAGE_DOS_HEADER* pDos = (const IMAGE_DOS_HEADER*)hMod;
        const IMAGE_NT_HEADERS* pNt = (const IMAGE_NT_HEADERS*)((const BYTE*)hMod + pDos->e_lfanew);
        const IMAGE_SECTION_HEADER* pSection = IMAGE_FIRST_SECTION(pNt);
        for (unsigned i = 0; i < pNt->FileHeader.NumberOfSections; i++, pSection++) {
            DWORD dwStart = pSection->VirtualAddress;
            DWORD dwEnd = dwStart + pSection->Misc.VirtualSize;
            if (dwOffset >= dwStart && dwOffset <= dwEnd) {
                Write("%04X:%0*X %s\r\n", i + 1, 8, (unsigned)(dwOffset - dwStart), szModule);
                return;
            }
        }
        Write("????+%0*X %s\r\n", 8, (unsigned)dwOffset, szModule);
    }

private:
    HANDLE m_hFile;
};

const char* ExceptionName(DWORD dwCode)
{
    const char* pszKnown = KnownExceptionName(dwCode);
    if (pszKnown)
        return pszKnown;
    char* pszBuf = s_szCodeNames[s_nNextCodeName];
    s_nNextCodeName = (s_nNextCodeName + 1) % 8;
    pszBuf[0] = '\0';
    ::FormatMessageA(FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_HMODULE, ::GetModuleHandleA("NTDLL.DLL"),
                     dwCode, 0, pszBuf, 256, nullptr);
    return pszBuf;
}

void WriteHeading(CReportWriter& w, const SYSTEMTIME& st)
{
    const char* pszRule = "===========================================================================";
    w.Write("%s\r\n", pszRule);
    w.Write(" %s, version %s\r\n", g_strProductName, g_strProductVersion);
    w.Write(" %s %s\r\n", g_strCopyrightNotice, g_strCompanyName);
    w.Write(" Product URL: %s\r\n", g_strDefaultProductURL);
    w.Write(" Support e-mail: %s\r\n", g_strDefaultSupportEmail);
    w.Write("%s\r\n\r\n", pszRule);
    w.Write("Exception date: %04d/%02d/%02d   (YYYY/MM/DD)\r\n", st.wYear, st.wMonth, st.wDay);
    w.Write("Exception time: %02d:%02d:%02d.%03d (HH:MM:SS.mmm)\r\n", st.wHour, st.wMinute, st.wSecond,
            st.wMilliseconds);
}

void WriteRegisters(CReportWriter& w, const CONTEXT& c)
{
    w.Write("\r\nRegisters:\r\n");
    w.Write("EAX:%08X\r\nEBX:%08X\r\nECX:%08X\r\nEDX:%08X\r\nESI:%08X\r\nEDI:%08X\r\n", (unsigned)c.Eax,
            (unsigned)c.Ebx, (unsigned)c.Ecx, (unsigned)c.Edx, (unsigned)c.Esi, (unsigned)c.Edi);
    w.Write("CS:EIP:%04X:%08X\r\n", (unsigned)c.SegCs, (unsigned)c.Eip);
    w.Write("SS:ESP:%04X:%08X  EBP:%08X\r\n", (unsigned)c.SegSs, (unsigned)c.Esp, (unsigned)c.Ebp);
    w.Write("DS:%04X  ES:%04X  FS:%04X  GS:%04X\r\n", (unsigned)c.SegDs, (unsigned)c.SegEs, (unsigned)c.SegFs,
            (unsigned)c.SegGs);
    w.Write("Flags:%08X\r\n", (unsigned)c.EFlags);
}

void WriteSymbolicStack(CReportWriter& w, HANDLE hProcess, const std::vector<DWORD>& frames)
{
    w.Write("\r\nCall stack:\r\nAddress   Frame\r\n");
    for (size_t i = 0; i + 1 < frames.size(); i += 2) {
        DWORD dwAddr = frames[i];
        w.Write("%0*X  %0*X  ", 8, (unsigned)dwAddr, 8, (unsigned)frames[i + 1]);
        BYTE symbolBuffer[sizeof(IMAGEHLP_SYMBOL) + 260] = {};
        IMAGEHLP_SYMBOL* pSymbol = (IMAGEHLP_SYMBOL*)symbolBuffer;
        pSymbol->SizeOfStruct = sizeof(IMAGEHLP_SYMBOL);
        pSymbol->MaxNameLength = 260;
        DWORD dwDisplacement = 0;
        if (!::SymGetSymFromAddr(hProcess, dwAddr, &dwDisplacement, pSymbol)) {
            w.WriteLogicalAddress(dwAddr);
            continue;
        }
        w.Write("%s + 0x%X\r\n", pSymbol->Name, (unsigned)dwDisplacement);
        IMAGEHLP_LINE line = {};
        line.SizeOfStruct = sizeof(line);
        DWORD dwLineDisplacement = 0;
        if (::SymGetLineFromAddr(hProcess, dwAddr, &dwLineDisplacement, &line))
            w.Write("%*.*s%s(%d) + 0x%X\r\n", 20, 20, "", line.FileName, (int)line.LineNumber,
                    (unsigned)dwLineDisplacement);
    }
}

void WriteFramePointerStack(CReportWriter& w, const std::vector<DWORD>& frames)
{
    w.Write("\r\nCall stack:\r\nAddress   Frame     Logical addr  Module\r\n");
    for (size_t i = 0; i + 1 < frames.size(); i += 2) {
        w.Write("%0*X  %0*X  ", 8, (unsigned)frames[i], 8, (unsigned)frames[i + 1]);
        w.WriteLogicalAddress(frames[i]);
    }
}

}  // namespace

void CUnhandledException::GenerateReport(EXCEPTION_POINTERS* pExceptionPointers)
{
    if (!pExceptionPointers || !pExceptionPointers->ExceptionRecord || !pExceptionPointers->ContextRecord)
        return;
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    CSingleLock lock(&g_csUnhandledException, TRUE);
    HANDLE hFile = ::CreateFileA(m_szReportFile, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;  // nowhere to write: the report is skipped
    m_hReportFile = hFile;
    ::SetFilePointer(hFile, 0, nullptr, FILE_END);
    CReportWriter w(hFile);
    WriteHeading(w, st);
    WriteReport(pExceptionPointers);
    ::CloseHandle(hFile);
    m_hReportFile = nullptr;
}

void CUnhandledException::WriteReport(EXCEPTION_POINTERS* pExceptionPointers)
{
    CReportWriter w(m_hReportFile);
    const EXCEPTION_RECORD& rec = *pExceptionPointers->ExceptionRecord;
    const CONTEXT& ctx = *pExceptionPointers->ContextRecord;
    w.Write("Exception code: 0x%08X (%s)\r\n", (unsigned)rec.ExceptionCode, ExceptionName(rec.ExceptionCode));
    w.Write("Fault address:  0x%0*X ", 8, (unsigned)(DWORD_PTR)rec.ExceptionAddress);
    w.WriteLogicalAddress((DWORD)(DWORD_PTR)rec.ExceptionAddress);
    WriteRegisters(w, ctx);
    // A thrown copy brings the frames taken before its stack was unwound.
    const std::vector<DWORD>* pCaptured =
        (m_pSaved && pExceptionPointers == &m_pSaved->pointers && !m_pSaved->frames.empty()) ? &m_pSaved->frames
                                                                                            : nullptr;
    CString strFailure;
    if (InitSymbolEngine(m_hProcess, strFailure)) {
        WriteSymbolicStack(w, m_hProcess,
                           pCaptured ? *pCaptured : WalkSymbolicFrames(m_hProcess, ::GetCurrentThread(), ctx));
        CleanupSymbolEngine(m_hProcess);
    } else {
        w.Write("%s", (const char*)strFailure);
        w.Write("CUnhandledException::ReportStack: IMAGEHLP.DLL or its exported procs not found; manually walking "
                "stack...\r\n");
        WriteFramePointerStack(w, pCaptured ? *pCaptured : WalkFramePointers(ctx));
    }
    w.Write("\r\n");
}
