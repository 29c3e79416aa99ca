#pragma once
// The opt-in trace of a run, for a player to post when a launch goes wrong: one
// line per event, appended only when the player has created "ZentavioWrapper.log"
// beside the launcher. The launcher never creates that file, writes nothing
// elsewhere, and a failing write never stops a run.

#include <string>

namespace zent {

inline constexpr const char* kTraceFileName = "ZentavioWrapper.log";

class TraceSink {
public:
    virtual ~TraceSink() = default;
    // Writes one event, time-stamped, at once; never fails.
    virtual void Append(const std::string& event) noexcept = 0;
};

// The sink of the run; none (the default) writes nothing.
void SetTraceSink(TraceSink* sink);

void Trace(const std::string& event) noexcept;

}  // namespace zent
