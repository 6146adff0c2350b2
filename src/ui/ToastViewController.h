#pragma once

#include "core/Geometry.h"
#include "ui/ViewController.h"

#include <memory>

class QLabel;
namespace platform {
class Timer;
}

// A short message floating over the lower middle of the main window for 1.5 seconds.
class ToastViewController : public ViewController {
    Q_OBJECT

public:
    static constexpr double toastHeight = 43;

    ToastViewController();
    ~ToastViewController() override;

    // Queues a toast; returns at once. Where the desktop does not let windows place
    // themselves (Wayland), the toast is drawn inside `over`, the main window.
    static void showToast(const QString& message, const Point& mainWindowOrigin,
                          Window* over = nullptr);
    // The toast's frame for a message of the given measured width.
    [[nodiscard]] static Rect frameFor(double measuredWidth, const Point& mainWindowOrigin);

    [[nodiscard]] QLabel* toastText() const { return toastText_; }
    void closeView();
    void windowWillClose(Window* /*window*/) override {}

    // Toasts on screen now.
    [[nodiscard]] static int openCount();

protected:
    void loadView() override;
    void viewDidAppear() override;

private:
    static void present(const QString& message, const Point& mainWindowOrigin, Window* over);

    QLabel* toastText_;
    std::unique_ptr<platform::Timer> toastTimer_;
};
