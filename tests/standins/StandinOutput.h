// StandinOutput.h: CStandinOutput, the standard output and standard error of
// a stand-in, written with WriteFile. The C runtime's printf manages only a
// few thousand lines a second through a pipe under Wine, so the stand-ins
// write directly, in large blocks, and never buffer: what a stand-in wrote is
// in the pipe before it sleeps or dies.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

#include "tests/standins/StandinScript.h"

class CStandinOutput {
public:
    CStandinOutput();
    CStandinOutput(const CStandinOutput&) = delete;
    CStandinOutput& operator=(const CStandinOutput&) = delete;

    // Writes all bytes to the stream in one locked sequence of WriteFile
    // calls (blocks of at most 64 KB); false when the stream is closed or a
    // write failed (the reader went away).
    bool Write(EStandinStream eStream, const std::string& strBytes);
    // Closes the stream; later writes to it fail.
    void Close(EStandinStream eStream);

private:
    HANDLE& Handle(EStandinStream eStream);

    std::mutex m_lock;
    HANDLE m_hOut;  // not owned until Close: the process's standard handles
    HANDLE m_hErr;
};
