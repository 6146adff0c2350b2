#pragma once

#include <QObject>
#include <functional>

// Ctrl+Q quits from every window of the application: the main window, and the windows
// presented over it, which block the main window's own shortcuts while they are up.
class QuitShortcut : public QObject {
    Q_OBJECT

public:
    explicit QuitShortcut(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitShortcut() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> quit_;
};
