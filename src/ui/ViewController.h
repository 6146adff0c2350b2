#pragma once

#include "core/Geometry.h"
#include "ui/ScreenEvent.h"
#include "ui/Window.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <memory>
#include <vector>

class QWidget;

// Owns one view built in code. The view is made on first use (loadView, then viewDidLoad,
// once); viewDidAppear and viewDidDisappear run each time it comes into or leaves a shown
// window.
class ViewController : public QObject, public WindowDelegate {
    Q_OBJECT

public:
    ViewController();
    ~ViewController() override;

    QWidget* view();
    [[nodiscard]] bool isViewLoaded() const { return !view_.isNull(); }
    // The window the view is shown in, if any.
    [[nodiscard]] Window* window() const;
    [[nodiscard]] bool isAppeared() const { return appeared_; }

    // The content size a window made for this controller takes (title bar not included).
    void setPreferredContentSize(const Size& size) { preferredContentSize_ = size; }
    [[nodiscard]] const Size& preferredContentSize() const { return preferredContentSize_; }

    // Presented as a modal window over this controller's window; the new window owns it.
    void presentViewControllerAsModalWindow(std::unique_ptr<ViewController> controller);
    [[nodiscard]] std::vector<ViewController*> presentedViewControllers() const;
    [[nodiscard]] ViewController* presentingViewController() const { return presenting_; }
    // Closes what this controller presented; screens extend it to chain further windows.
    virtual void dismissViewController(ViewController* controller);
    // Asks the presenter to dismiss this controller.
    void dismiss();
    // Becomes the presenter of what `previous` presented, as its successor in the same window.
    void takeOverPresentedFrom(ViewController* previous);

    void addChildViewController(ViewController* child);
    // Shows a child's view in a container of this controller's view (a tab switch): the
    // child shown there before leaves, the new one appears if this controller is on screen.
    void showChildView(ViewController* child, QWidget* container);
    void removeFromParentViewController();
    [[nodiscard]] ViewController* parentViewController() const { return parent_; }
    [[nodiscard]] const std::vector<ViewController*>& childViewControllers() const {
        return children_;
    }

signals:
    // Delivered at once, before report() returns.
    void reported(ScreenEvent event);

protected:
    void report(ScreenEvent event) { emit reported(event); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewDidAppear() {}
    virtual void viewDidDisappear() {}
    // Places the view's elements for the given size: once from startLayout(), then again
    // whenever the view is resized.
    virtual void layoutElements(QSize /*viewSize*/) {}
    void startLayout();
    void setView(QWidget* view);

private:
    friend class Window;
    void noteAppeared();
    void noteDisappeared();

    QPointer<QWidget> view_;
    Size preferredContentSize_;
    bool appeared_ = false;
    QPointer<ViewController> presenting_;
    std::vector<QPointer<ViewController>> presented_;
    ViewController* parent_ = nullptr;
    std::vector<ViewController*> children_;
};
