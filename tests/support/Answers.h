#pragma once

#include "audio/AppManger.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Starts a request with a completion and runs the event loop until it answers (10 s at most).
// The answer must come later, never within the call, unless `early` allows it.
template <typename Result, typename Request>
std::optional<Result> answerOf(Request request, std::function<bool(Result)> early = {}) {
    auto state = std::make_shared<std::pair<std::optional<Result>, bool>>(); // answer, returned
    request([state, early](Result result) {
        EXPECT_TRUE(state->second || (early && early(result))) << "answered within the call";
        state->first = result;
    });
    state->second = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->first.has_value(); }, 10000));
    return state->first;
}

// A mode switch run to its end. Doubles answer at once; against a real server (`later`), only
// a switch that finds no speakerphone ends within the call.
inline std::optional<AppManger::ModeSwitch> switchMode(bool meeting, bool later = false) {
    return answerOf<AppManger::ModeSwitch>(
        [meeting](AppManger::ModeSwitchDone done) {
            meeting ? AppManger::shared().switchToMeetingMode(std::move(done))
                    : AppManger::shared().switchToMusicMode(std::move(done));
        },
        [later](AppManger::ModeSwitch outcome) {
            return !later || outcome == AppManger::ModeSwitch::noSpeakerphone;
        });
}
