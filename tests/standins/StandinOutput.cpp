// StandinOutput.cpp: unbuffered block writes to the standard streams.
#include "tests/standins/StandinOutput.h"

#include <io.h>

namespace {

// Under Wine a pipe write travels to the wineserver as one request (a header
// and the bytes) through a Unix pipe of 64 KB. A request that does not fit
// blocks there, and a signal that meets it (the server's, to any thread of
// the process) leaves a partial write, which Wine treats as fatal ("wine
// client error: partial write"): the stand-in died in the middle of a flood
// on a loaded machine. A 60 KB block and its header always fit.
const size_t kBlockSize = 60 * 1024;

}  // namespace

CStandinOutput::CStandinOutput()
    : m_hOut(::GetStdHandle(STD_OUTPUT_HANDLE)), m_hErr(::GetStdHandle(STD_ERROR_HANDLE))
{
}

HANDLE& CStandinOutput::Handle(EStandinStream eStream)
{
    return eStream == kStreamErr ? m_hErr : m_hOut;
}

bool CStandinOutput::Write(EStandinStream eStream, const std::string& strBytes)
{
    std::lock_guard<std::mutex> guard(m_lock);
    HANDLE h = Handle(eStream);
    if (h == nullptr || h == INVALID_HANDLE_VALUE)
        return false;
    for (size_t pos = 0; pos < strBytes.size();) {
        DWORD nChunk = (DWORD)(strBytes.size() - pos < kBlockSize ? strBytes.size() - pos : kBlockSize);
        DWORD nWritten = 0;
        if (!::WriteFile(h, strBytes.data() + pos, nChunk, &nWritten, nullptr) || nWritten == 0)
            return false;
        pos += nWritten;
    }
    return true;
}

void CStandinOutput::Close(EStandinStream eStream)
{
    std::lock_guard<std::mutex> guard(m_lock);
    HANDLE& h = Handle(eStream);
    // The C runtime's descriptor 1 or 2 holds either the standard handle
    // itself or a duplicate of it, which would keep the pipe open. Close
    // both, each once.
    int fd = eStream == kStreamErr ? 2 : 1;
    HANDLE hCrt = (HANDLE)_get_osfhandle(fd);
    if (hCrt != INVALID_HANDLE_VALUE)
        _close(fd);
    if (h != nullptr && h != INVALID_HANDLE_VALUE && h != hCrt)
        ::CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
}
