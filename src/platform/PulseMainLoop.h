#pragma once

#include <memory>

struct pa_glib_mainloop;
struct pa_mainloop_api;

namespace platform {

class Timer;

// libpulse's event loop on GLib's default context, which Qt's event loop drives on Linux;
// where Qt was told not to use GLib, the context is driven here instead. Without a
// QCoreApplication (the command line) nothing but GLib runs anyway.
class PulseMainLoop {
public:
    PulseMainLoop();
    ~PulseMainLoop();
    PulseMainLoop(const PulseMainLoop&) = delete;
    PulseMainLoop& operator=(const PulseMainLoop&) = delete;

    // What a context runs on; null if libpulse could not make the loop.
    [[nodiscard]] pa_mainloop_api* api() const;

private:
    pa_glib_mainloop* mainloop_;
    std::unique_ptr<Timer> pump_;
};

} // namespace platform
