#include "RunHost.h"

namespace {
// The application object of the process (or a test's double), like the application pointer.
RunHost* gHost = nullptr;
} // namespace

RunHost* RunHost::Current() {
    return gHost;
}

void RunHost::SetCurrent(RunHost* host) {
    gHost = host;
}
