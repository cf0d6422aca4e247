// ChildJob.cpp: every Windows test program runs in a job object that ends
// its remaining child processes when the test program ends. A stand-in left
// running by a failed test would otherwise keep the test runner's output pipe
// open (Wine hands the pipe on to the child) until its own lifetime runs out.
#include <windows.h>

namespace {

struct ChildJob {
    HANDLE hJob = nullptr;

    ChildJob()
    {
        hJob = ::CreateJobObjectA(nullptr, nullptr);
        if (!hJob)
            return;
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION info = {};
        info.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (!::SetInformationJobObject(hJob, JobObjectExtendedLimitInformation, &info, sizeof(info))
            || !::AssignProcessToJobObject(hJob, ::GetCurrentProcess())) {
            ::CloseHandle(hJob);
            hJob = nullptr;
        }
    }
    // The handle is closed by the system when the process ends, which is
    // when the job ends its members; closing it earlier would end them early.
};

ChildJob g_childJob;

}  // namespace
