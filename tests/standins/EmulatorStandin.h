// EmulatorStandin.h: CEmulatorStandin, the emulator stand-in's process: it
// runs the script, keeps a block of "main storage" in its own memory, reads
// commands from standard input on a reader thread (recording each one and
// answering through CEmulatorModel), writes periodic status rounds on request
// and ends when told to. Besides the model's commands it answers
// "peek OFFSET LEN" (decimal) with "PEEK=" and those bytes of its main
// storage in hexadecimal on standard output, so that tests see what was
// written into its memory from outside, "poke OFFSET HEX" (answered
// "POKE=OK" or "POKE=?"), which changes its storage as a running guest
// would, and "release-storage" (answered "RELEASE=OK"), which gives its main
// storage back to the system as an emulator that releases it does: from
// then on the storage can be neither read nor written from outside (nor
// peeked or poked), while the process runs on.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "tests/standins/EmulatorModel.h"
#include "tests/standins/StandinOptions.h"
#include "tests/standins/StandinRunner.h"

class CEmulatorStandin : public CStandinRunner {
public:
    // bProgramScript: no script was given to a copy that plays the emulator
    // program; it runs the emulator's own (EmulatorCopy.h).
    CEmulatorStandin(CStandinOutput& output, const SStandinOptions& options, bool bProgramScript);

    // The whole life of the stand-in; returns its exit code. The reader and
    // timer threads are detached: the caller ends the process with
    // ExitProcess and never destroys this object.
    int Main(const std::string& strCommandLine);

protected:
    void RunOther(const SStandinDirective& directive) override;

private:
    bool AllocateStorage();
    // Runs directives [nFirst, nLast); the device changes of each run of
    // device directives are reported when the run ends.
    void RunReportingDevices(size_t nFirst, size_t nLast);
    void OpenRecord(const std::string& strCommandLine);
    void ReaderLoop();
    void OnCommandLine(const std::string& strLine);
    void IntervalLoop();
    void SetInterval(DWORD nMs);
    void WaitStdin(const std::string& strPrefix);
    void WriteLines(const CEmuLines& lines);
    std::string PeekStorage(const std::string& strArgs) const;
    // "poke OFFSET HEX": false outside storage or for bad arguments.
    bool PokeStorage(const std::string& strArgs);
    // "release-storage": the storage's pages go back to the system.
    void ReleaseStorage();
    // Runs one change of the model under its lock and writes its report.
    template <class F> bool ModelCall(F call);

    const SStandinOptions& m_options;
    const bool m_bProgramScript;

    std::mutex m_modelLock;     // guards m_model
    CEmulatorModel m_model;

    std::mutex m_stateLock;     // guards everything below
    std::condition_variable m_stateChanged;
    std::vector<std::string> m_received;    // every command line, in order
    size_t m_nWaitIndex = 0;    // first received line not matched by a wait
    bool m_bShutdown = false;   // a shutdown command was honoured
    bool m_bEndOfInput = false;
    bool m_bIgnoreExit = false;
    DWORD m_nIntervalMs = 0;
    bool m_bIntervalThread = false;

    HANDLE m_hRecord = INVALID_HANDLE_VALUE;    // written by the reader thread only
    HANDLE m_hRecordTimes = INVALID_HANDLE_VALUE;  // the same lines, each after its tick count
    mutable std::mutex m_storageLock;           // guards m_pStorage
    BYTE* m_pStorage = nullptr;                 // VirtualAlloc'd until "release-storage"
};
