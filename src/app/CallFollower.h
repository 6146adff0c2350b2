#pragma once

#include "audio/CallFollowing.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

// Meeting mode during calls, for a user who turned it on: follows the sound server's
// recording streams, switches as CallFollowing decides, and says so in a desktop notice,
// since nobody asked for the change and the window may be hidden.
class CallFollower : public QObject {
    Q_OBJECT

public:
    // Follows the installed sound server from now on.
    explicit CallFollower(QObject* parent = nullptr);

    // Looks at the streams, the speakerphone and the setting again, and acts on them.
    void update();

private:
    void switchForCall(const std::string& application);
    void switchBack();
    void act(const CallFollowing::Step& step);
    void noticeOtherSwitches();

    CallFollowing following_;
    QTimer graceEnd_;
    QTimer settingCheck_;
    // A switch of ours is under way: its own device changes are not a user's doing.
    bool switching_ = false;
    // The number of our Meeting switch while it stands; a later one is somebody's choice.
    std::optional<std::uint64_t> ownSwitch_;
};
