#include "app/QuitShortcut.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

QuitShortcut::QuitShortcut(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
    QCoreApplication::instance()->installEventFilter(this);
}

QuitShortcut::~QuitShortcut() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool QuitShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() != QKeyCombination(Qt::ControlModifier, Qt::Key_Q)) {
        return false;
    }
    quit_();
    return true;
}
