#include "launch/program_job_win.h"

#include <string>

#include "startup/trace.h"

namespace zent {

namespace {

HANDLE Refused(const char* call, HANDLE job) {
    Trace(std::string(call) + " failed with error " + std::to_string(GetLastError()) +
          ": the emulator does not end with the launcher if the launcher is ended by force");
    if (job != nullptr) {
        CloseHandle(job);
    }
    return nullptr;
}

}  // namespace

HANDLE JoinJobEndingWithLauncher(HANDLE process) {
    // No security attributes: the handle is not inheritable, so the emulator
    // cannot keep its own job alive.
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr) {
        return Refused("CreateJobObject", job);
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        return Refused("SetInformationJobObject", job);
    }
    if (!AssignProcessToJobObject(job, process)) {
        return Refused("AssignProcessToJobObject", job);
    }
    Trace("the emulator runs in a job that ends it with the launcher");
    return job;
}

}  // namespace zent
