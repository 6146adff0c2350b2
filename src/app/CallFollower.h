#pragma once

#include "audio/CallFollowing.h"

#include <QObject>
#include <QTimer>
#include <string>

namespace platform {
class AudioHardware;
class DesktopNotifications;
} // namespace platform

// Meeting mode during calls, for a user who turned it on: follows the sound server's
// recording streams, switches as CallFollowing decides, and says so in a desktop notice,
// since nobody asked for the change and the window may be hidden.
class CallFollower : public QObject {
    Q_OBJECT

public:
    CallFollower(platform::AudioHardware& hardware, platform::DesktopNotifications& notices,
                 QObject* parent = nullptr);

    // Looks at the streams, the speakerphone and the setting again, and acts on them.
    void update();
    // A mode chosen by the user: the call's end then leaves it as it is.
    void userChoseMode();

private:
    void switchForCall(const std::string& application);
    void switchBack();
    void act(const CallFollowing::Step& step);

    platform::AudioHardware& hardware_;
    platform::DesktopNotifications& notices_;
    CallFollowing following_;
    QTimer graceEnd_;
    // A switch of ours is under way: its own device changes are not a user's doing.
    bool switching_ = false;
};
