#include "ui/ViewController.h"

#include "ui/DefaultTitleBar.h"
#include "ui/Window.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

ViewController::ViewController() = default;

ViewController::~ViewController() {
    removeFromParentViewController();
    for (auto* child : children_) {
        child->parent_ = nullptr;
    }
    delete view_.data();
}

QWidget* ViewController::view() {
    if (view_.isNull()) {
        loadView();
        if (view_.isNull()) {
            setView(new QWidget());
        }
        viewDidLoad();
    }
    return view_.data();
}

void ViewController::loadView() {
    setView(new QWidget());
}

void ViewController::setView(QWidget* view) {
    view_ = view;
}

// The nearest Window holding the view: a Window drawn inside another one (the toast on
// Wayland) is the window of its own content, not the one it is drawn in.
Window* ViewController::window() const {
    for (QWidget* each = view_.data(); each != nullptr; each = each->parentWidget()) {
        if (auto* found = qobject_cast<Window*>(each)) {
            return found;
        }
        if (each->isWindow()) {
            return nullptr;
        }
    }
    return nullptr;
}

void ViewController::noteAppeared() {
    appeared_ = true;
    viewDidAppear();
    // Children whose views are shown inside this one (the selected tab) come along.
    for (ViewController* child : std::vector(children_)) {
        if (child->isViewLoaded() && !child->isAppeared() && child->view()->isVisibleTo(view())) {
            child->noteAppeared();
        }
    }
}

void ViewController::noteDisappeared() {
    for (ViewController* child : std::vector(children_)) {
        if (child->isAppeared()) {
            child->noteDisappeared();
        }
    }
    appeared_ = false;
    viewDidDisappear();
}

void ViewController::showChildView(ViewController* child, QWidget* container) {
    for (ViewController* other : children_) {
        if (other != child && other->isViewLoaded() && other->view()->parentWidget() == container) {
            if (other->isAppeared()) {
                other->noteDisappeared();
            }
            other->view()->hide();
        }
    }
    addChildViewController(child);
    QWidget* childView = child->view();
    childView->setParent(container);
    // Tabs fill their container and follow its size.
    childView->setGeometry(container->rect());
    container->installEventFilter(this);
    childView->show();
    if (appeared_ && !child->isAppeared()) {
        child->noteAppeared();
    }
}

void ViewController::startLayout() {
    view()->installEventFilter(this);
    layoutElements(view()->size());
}

bool ViewController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && isViewLoaded() && watched == view()) {
        layoutElements(view()->size());
    }
    if (event->type() == QEvent::Resize) {
        auto* container = static_cast<QWidget*>(watched);
        for (ViewController* child : children_) {
            if (child->isViewLoaded() && child->view()->parentWidget() == container) {
                child->view()->setGeometry(container->rect());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ViewController::presentViewControllerAsModalWindow(
    std::unique_ptr<ViewController> controller) {
    ViewController* presented = controller.get();
    auto* window = new Window(this->window());
    window->setWindowModality(Qt::WindowModal);
    // A modal window is closed, never minimized away from its owner.
    window->setStyleMask(Window::titled | Window::closable | Window::resizable);
    window->setReleasedWhenClosed(true);
    window->setClosesOnEscape(true);
    if (const Size size = presented->preferredContentSize(); size.width > 0 && size.height > 0) {
        // The frame holds the title bar above the content.
        window->setFrame({0, 0, size.width, size.height + DefaultTitleBar::barHeight});
    }
    window->setContentViewController(std::move(controller));
    presented->presenting_ = this;
    presented_.emplace_back(presented);
    // Whoever presents it when it closes: a screen that took over may have replaced this one.
    QObject::connect(window, &Window::closed, presented, [presented] {
        if (ViewController* presenter = presented->presenting_.data()) {
            presenter->dismissViewController(presented);
        }
    });
    window->makeKeyAndOrderFront();
}

void ViewController::takeOverPresentedFrom(ViewController* previous) {
    if (previous == nullptr || previous == this) {
        return;
    }
    for (ViewController* presented : previous->presentedViewControllers()) {
        presented->presenting_ = this;
        presented_.emplace_back(presented);
    }
    previous->presented_.clear();
}

std::vector<ViewController*> ViewController::presentedViewControllers() const {
    std::vector<ViewController*> controllers;
    for (const auto& controller : presented_) {
        if (!controller.isNull()) {
            controllers.push_back(controller.data());
        }
    }
    return controllers;
}

void ViewController::dismissViewController(ViewController* controller) {
    const auto found = std::find(presented_.begin(), presented_.end(), controller);
    if (found == presented_.end() || controller == nullptr) {
        return;
    }
    presented_.erase(found);
    controller->presenting_ = nullptr;
    if (auto* window = controller->window()) {
        // Already closing when the user closed it; hiding twice is harmless.
        window->setDelegate(nullptr);
        window->hide();
        window->deleteLater();
    }
}

void ViewController::dismiss() {
    if (!presenting_.isNull()) {
        presenting_->dismissViewController(this);
    }
}

void ViewController::addChildViewController(ViewController* child) {
    if (child == nullptr || child->parent_ == this) {
        return;
    }
    child->removeFromParentViewController();
    child->parent_ = this;
    children_.push_back(child);
}

void ViewController::removeFromParentViewController() {
    if (parent_ == nullptr) {
        return;
    }
    std::erase(parent_->children_, this);
    parent_ = nullptr;
}
