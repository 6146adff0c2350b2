#pragma once

#include "core/Geometry.h"

#include <QColor>
#include <QWidget>
#include <memory>
#include <vector>

class DefaultTitleBar;
class ViewController;
class QVBoxLayout;
class Window;

class WindowDelegate {
public:
    virtual ~WindowDelegate() = default;
    // False keeps the window open when the user closes it.
    virtual bool windowShouldClose(Window* window) { return window != nullptr; }
    virtual void windowWillClose(Window* /*window*/) {}
};

// A top-level window showing one content view controller. It draws its own title bar, so
// its frame (title bar included) is exactly its geometry on screen.
class Window : public QWidget {
    Q_OBJECT

public:
    enum StyleMask : unsigned {
        titled = 1,
        closable = 2,
        miniaturizable = 4,
        resizable = 8,
    };

    explicit Window(QWidget* parent = nullptr);
    ~Window() override;

    // Looks up a window of this process by its number.
    static Window* withNumber(int number);
    [[nodiscard]] int windowNumber() const { return number_; }

    void setStyleMask(unsigned mask);
    [[nodiscard]] unsigned styleMask() const { return styleMask_; }
    // A window not released when closed is only hidden, and can be shown again.
    void setReleasedWhenClosed(bool released) { releasedWhenClosed_ = released; }
    [[nodiscard]] bool isReleasedWhenClosed() const { return releasedWhenClosed_; }

    // Moves and sizes the window; it repaints when the window system asks.
    void setFrame(const Rect& frame);
    void setFrameOrigin(const Point& origin);
    [[nodiscard]] Rect frame() const;

    // The window's only title bar; calling it again replaces the bar. A window without the
    // titled style gets none. Task switchers show the same title.
    void setTitleBar(const QString& title, const QColor& textColor, const QColor& background);
    [[nodiscard]] DefaultTitleBar* titleBar() const { return titleBar_; }

    void setBackgroundColor(const QColor& color);
    void setDelegate(WindowDelegate* delegate) { delegate_ = delegate; }
    [[nodiscard]] WindowDelegate* delegate() const { return delegate_; }

    // Takes ownership; the controller it replaces is disposed of once control returns.
    void setContentViewController(std::unique_ptr<ViewController> controller);
    [[nodiscard]] ViewController* contentViewController() const { return content_; }

    void makeKeyAndOrderFront();
    // Whether the window has been on screen; its first content sees it false.
    [[nodiscard]] bool hasBeenShown() const { return shown_; }

    // Escape closes the window as its close box does (windows presented over another).
    void setClosesOnEscape(bool closes) { closesOnEscape_ = closes; }
    [[nodiscard]] bool closesOnEscape() const { return closesOnEscape_; }
    // What Tab visits, in order: the content's controls as they were made, then the title
    // bar's.
    [[nodiscard]] QList<QWidget*> tabChain() const;

    // The screen geometry frames are measured against.
    [[nodiscard]] static QRect referenceScreenGeometry();
    // Each screen less its panels, the primary one first.
    [[nodiscard]] static std::vector<QRect> availableScreenAreas();
    // Where a frame lies inside an outer one, in the outer one's own pixels.
    [[nodiscard]] static QRect geometryInside(const Rect& frame, const Rect& outer);

Q_SIGNALS:
    // The user closed the window and the delegate let it close.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyFrame();
    // A top-level window is fitted onto its screen; one drawn inside another window (the
    // toast on Wayland) is placed in that window.
    QRect placedGeometry();
    void updateTitleBarControls();

    int number_;
    unsigned styleMask_ = titled | closable | miniaturizable | resizable;
    bool releasedWhenClosed_ = true;
    bool closesOnEscape_ = false;
    bool shown_ = false;
    Rect frame_;
    WindowDelegate* delegate_ = nullptr;
    ViewController* content_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    DefaultTitleBar* titleBar_ = nullptr;
};
