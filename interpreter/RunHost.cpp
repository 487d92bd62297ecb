#include "RunHost.h"

#include "TurtleView.h"

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

TurtleView* RunHost::RunPaintView() const {
    return mRunViewLifetime.expired() ? nullptr : mRunView;
}

void RunHost::SetRunPaintView(TurtleView* view) {
    mRunView = view;
    mRunViewLifetime = view ? view->lifetime() : std::weak_ptr<const void>();
}
