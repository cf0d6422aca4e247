// ThreadStarts.h: which threads of a Windows test program have begun to run
// their code. Under Wine, a thread that the end of the process kills while it
// is still starting crashes the process after its results were written; a
// test program therefore ends only once none of its threads is starting.
#pragma once

#include <windows.h>

#include <vector>

namespace vorntest {

// The ids of the program's threads other than the caller's, in rising order.
std::vector<DWORD> OtherThreads();
// Those of them that have not yet begun to run their code.
std::vector<DWORD> ThreadsStillStarting();
// Returns once no thread of the program is still starting (a marked wait).
void WaitWhileThreadsStart();

}  // namespace vorntest
