#pragma once
// Exceptions that escape a control's handling of a Qt event go to the application's error box: Qt does
// not let them pass through its event delivery.

#include "platform/Forms.h"

namespace platform {

// The handler's result; true (handled) when it failed.
template <typename F> bool GuardedEvent(F&& Handler) {
    bool result = true;
    Application().Protect([&] { result = Handler(); });
    return result;
}

} // namespace platform
