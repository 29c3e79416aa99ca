#include "startup/trace.h"

namespace zent {

namespace {
TraceSink* g_sink = nullptr;
}

void SetTraceSink(TraceSink* sink) {
    g_sink = sink;
}

void Trace(const std::string& event) noexcept {
    if (g_sink != nullptr) {
        g_sink->Append(event);
    }
}

}  // namespace zent
