#pragma once

#include <memory>

class ViewController;

class ScreenNavigation {
public:
    // Replaces the screen of the window showing `current` by `next`, keeping the window's
    // frame. Queued on the main queue; nothing happens if `current` is no longer in a window
    // by then. Callers detach `current` from its parent right after calling this.
    static void showScreen(ViewController* current, std::unique_ptr<ViewController> next);
};
