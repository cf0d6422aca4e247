// UnhandledException.h: CUnhandledException, the unhandled-exception
// reporter. The global g_UnhandledException installs, for the whole process,
//   - an unhandled-exception filter that appends a report to
//     "<program path> Unhandled Exception Report.txt" at once, and
//   - a translator that turns a fatal processor exception, raised in this
//     program's own code on a thread that catches translated exceptions
//     (one holding a CSETranslationScope), into a thrown CUnhandledException.
// The catcher hands the object to ShowFatalErrorReport (FatalErrorReport.h).
// A fault inside a window procedure is caught at the procedure's edge (the
// system's frames below it cannot be unwound): the report is offered there
// and the thread's message loop ends.
//
// GCC-built code runs no structured-exception translator of the C runtime,
// so the translation is made by a vectored handler: it records the fault
// and resumes the thread in a function that throws, as if the faulting
// instruction had called it (the program is built with unwind tables at
// every instruction, so the throw unwinds through the faulting function).
//
// One critical section, g_csUnhandledException, serialises reports,
// installation and removal. It is defined in the same file as the global
// reporter, before it, so it is always initialised first.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/CSyncObject.h"

// The fault a thrown copy carries: copies of the record and the registers
// (the originals lie on the stack that the throw unwinds) and the frames of
// the call stack as they were at the fault.
struct CSavedException {
    EXCEPTION_RECORD record = {};
    CONTEXT context = {};
    EXCEPTION_POINTERS pointers = {};
    std::vector<DWORD> frames;  // pairs: instruction address, frame address
};

class CUnhandledException {
public:
    // The global reporter: installs the filter and the translator.
    CUnhandledException();
    // A reporter carrying one exception, not installed.
    CUnhandledException(DWORD dwCode, EXCEPTION_POINTERS* pExceptionPointers);
    CUnhandledException(const CUnhandledException& other);
    CUnhandledException& operator=(const CUnhandledException&) = delete;
    // Puts back the filter and translator that were installed before.
    ~CUnhandledException();

    // The report file: the name (at most 291 characters), or with null the
    // program's path followed by " Unhandled Exception Report.txt"
    // ("Unhandled Exception Report.txt" in the current directory when that
    // path is 261 characters or longer or cannot be had).
    void SetReportFileName(const char* pszName);
    const char* GetReportFileName() const { return m_szReportFile; }
    // Appends one report for the exception to the report file.
    void GenerateReport(EXCEPTION_POINTERS* pExceptionPointers);
    // Writes the carried exception's report to the file and forgets it.
    void WriteReportNow(const char* pszName);
    // Reports the given exception to the file; returns 1.
    BOOL Report(EXCEPTION_POINTERS* pExceptionPointers, const char* pszName);

    DWORD GetExceptionCode() const { return m_nExceptionCode; }
    EXCEPTION_POINTERS* GetExceptionPointers() const { return m_pExceptionPointers; }
    // Forgets the carried exception (its report has been written).
    void ClearExceptionPointers() { m_pExceptionPointers = nullptr; }

    static LONG WINAPI ExceptionFilter(EXCEPTION_POINTERS* pExceptionPointers);
    // Builds the object for a fault and throws it (the translator's job).
    [[noreturn]] static void SETranslator(unsigned int nCode, EXCEPTION_POINTERS* pExceptionPointers);

private:
    void WriteReport(EXCEPTION_POINTERS* pExceptionPointers);

    HANDLE m_hProcess;
    BOOL m_bInstalled = 0;
    LPTOP_LEVEL_EXCEPTION_FILTER m_pfnPrevFilter = nullptr;
    PVOID m_pVectoredHandler = nullptr;  // the translator's registration
    HANDLE m_hReportFile = nullptr;
    char m_szReportFile[292] = {};
    DWORD m_nExceptionCode = 0;
    EXCEPTION_POINTERS* m_pExceptionPointers = nullptr;
    std::shared_ptr<CSavedException> m_pSaved;  // what m_pExceptionPointers points into
};

// While one lives on a thread, fatal faults in the program's code on that
// thread are thrown as CUnhandledException; its owner catches them.
class CSETranslationScope {
public:
    CSETranslationScope();
    ~CSETranslationScope();
    CSETranslationScope(const CSETranslationScope&) = delete;
    CSETranslationScope& operator=(const CSETranslationScope&) = delete;
};

extern CCriticalSection g_csUnhandledException;
extern CUnhandledException g_UnhandledException;
