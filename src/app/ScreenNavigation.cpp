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
        // Our windows do not resize to their content, so the frame stays as it was; the new
        // screen may still place the window when it appears.
        window->setContentViewController(std::move(*pending));
    });
}
