#include "platform/PulseMainLoop.h"

#include "platform/Timer.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <glib.h>
#include <pulse/glib-mainloop.h>

namespace platform {

PulseMainLoop::PulseMainLoop() : mainloop_(pa_glib_mainloop_new(nullptr)) {
    const auto* dispatcher = QAbstractEventDispatcher::instance();
    if (QCoreApplication::instance() != nullptr &&
        (dispatcher == nullptr || !dispatcher->inherits("QEventDispatcherGlib"))) {
        pump_ = Timer::scheduled(std::chrono::milliseconds(10), Timer::repeating,
                                 [] { g_main_context_iteration(nullptr, FALSE); });
    }
}

PulseMainLoop::~PulseMainLoop() {
    if (mainloop_ != nullptr) {
        pa_glib_mainloop_free(mainloop_);
    }
}

pa_mainloop_api* PulseMainLoop::api() const {
    return mainloop_ != nullptr ? pa_glib_mainloop_get_api(mainloop_) : nullptr;
}

} // namespace platform
