// StandinRunner.h: CStandinRunner, which executes a stand-in's script
// directives in order: writes, delays, sequences, floods, garbage, closing a
// stream, the return code and early death. The emulator stand-in derives
// from it for its own directives.
#pragma once

#include <string>
#include <vector>

#include "tests/standins/StandinOutput.h"
#include "tests/standins/StandinScript.h"

class CStandinRunner {
public:
    // pszProgram names the stand-in in its error messages; bEmulator allows
    // the emulator's own directives in its script.
    CStandinRunner(CStandinOutput& output, const char* pszProgram, bool bEmulator);
    virtual ~CStandinRunner() = default;
    CStandinRunner(const CStandinRunner&) = delete;
    CStandinRunner& operator=(const CStandinRunner&) = delete;

    // Reads the script file (if any) and appends the extra lines; parses it.
    // On an error writes "<program>: <reason>" to standard error and returns
    // false.
    bool LoadScript(const std::string& strFile, const std::vector<std::string>& extraLines);

    // Runs directives [nFirst, nLast) of the loaded script.
    void Run(size_t nFirst, size_t nLast);

    const std::vector<SStandinDirective>& Directives() const { return m_directives; }
    int ReturnCode() const { return m_nReturnCode; }
    void SetReturnCode(int nCode) { m_nReturnCode = nCode; }

    // Writes "<program>: line N: reason" to standard error and ends the
    // process with return code 99: a script that cannot be run.
    void Fail(const SStandinDirective& directive, const std::string& strReason);

protected:
    // A directive the base does not know (the emulator's own ones).
    virtual void RunOther(const SStandinDirective& directive);

    CStandinOutput& m_output;

private:
    void RunOne(const SStandinDirective& directive);
    void WriteLine(EStandinStream eStream, const std::string& strText);
    void RunSeq(const SStandinDirective& directive);
    void RunFlood(const SStandinDirective& directive);

    std::string m_strProgram;
    bool m_bEmulator;
    std::vector<SStandinDirective> m_directives;
    DWORD m_nPaceMs = 0;
    int m_nReturnCode = 0;
};

// The exit code of a stand-in whose script cannot be parsed or run.
const int kStandinScriptFailed = 99;

// Reads a whole file; false when it cannot be opened or read.
bool ReadStandinFile(const std::string& strPath, std::string& strContents);

// The file name of the running program in capitals, without its folder and
// extension: "VOLMAKE64" for C:\x\volmake64.exe.
std::string StandinProgramName();
