#include "startup/trace_win.h"

#include <cstdio>

#include "startup/text_locale_win.h"

namespace zent {

FileTraceSink::FileTraceSink(const std::string& path)
    : file_(CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileTraceSink::~FileTraceSink() {
    if (enabled()) {
        CloseHandle(file_);
    }
}

// One write per line, so lines of launchers writing at once never interleave;
// the process id tells their lines apart.
void FileTraceSink::Append(const std::string& event) noexcept {
    if (!enabled()) {
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u [%lu] ", now.wYear,
                  now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds,
                  GetCurrentProcessId());
    try {
        const std::string line = stamp + event + "\r\n";
        DWORD written = 0;
        WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    } catch (...) {
        // Out of memory for one line: the run goes on without it.
    }
}

}  // namespace zent
