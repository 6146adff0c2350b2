#include "app/ScreenNavigation.h"

#include "platform/MainQueue.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <QPointer>

void ScreenNavigation::showScreen(ViewController* current, std::unique_ptr<ViewController> next) {
    // std::function needs a copyable callable.
    auto pending = std::make_shared<std::unique_ptr<ViewController>>(std::move(next));
    platform::MainQueue::async([current = QPointer<ViewController>(current), pending] {
        if (current.isNull()) {
            return;
        }
        Window* window = current->window();
        if (window == nullptr) {
            return;
        }
        const Rect frame = window->frame();
        window->setContentViewController(std::move(*pending));
        window->setFrame(frame, false);
    });
}
