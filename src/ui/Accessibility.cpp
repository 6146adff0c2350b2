#include "ui/Accessibility.h"

#include "ui/Localization.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>
#include <vector>

namespace {

constexpr const char* decorationMark = "lumatixDecoration";
constexpr const char* notificationMark = "lumatixNotification";
constexpr const char* selectableMark = "lumatixSelectable";
constexpr const char* selectedMark = "lumatixSelected";

bool isMarked(const QObject* object, const char* mark) {
    return object != nullptr && object->property(mark).toBool();
}

// Qt's interface for plain containers, without the decoration among its children.
class ContainerInterface : public QAccessibleWidget {
public:
    ContainerInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const auto children = shownChildren();
        return index >= 0 && index < static_cast<int>(children.size()) ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto children = shownChildren();
        for (std::size_t index = 0; index < children.size(); ++index) {
            if (children[index] == child) {
                return static_cast<int>(index);
            }
        }
        return -1;
    }

private:
    std::vector<QAccessibleInterface*> shownChildren() const {
        std::vector<QAccessibleInterface*> shown;
        const int all = QAccessibleWidget::childCount();
        for (int index = 0; index < all; ++index) {
            QAccessibleInterface* each = QAccessibleWidget::child(index);
            if (each != nullptr && !isMarked(each->object(), decorationMark)) {
                shown.push_back(each);
            }
        }
        return shown;
    }
};

// A message that comes and goes by itself; a label's text is its name.
class NotificationInterface : public QAccessibleWidget {
public:
    explicit NotificationInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name && label != nullptr && label->accessibleName().isEmpty()) {
            return label->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

// A button of a set of which one is in use (the modes): pressed like any button, and
// selected while in use.
class SelectableButtonInterface : public QAccessibleWidget {
public:
    explicit SelectableButtonInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = isMarked(widget(), selectedMark);
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            QMetaObject::invokeMethod(widget(), "click");
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// Asked for each class of the object from the most derived one up, before Qt's own factory.
QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (isMarked(widget, notificationMark)) {
        return new NotificationInterface(widget);
    }
    if (isMarked(widget, selectableMark)) {
        return new SelectableButtonInterface(widget);
    }
    // The roles Qt gives these two classes.
    if (className == QLatin1String("QWidget")) {
        return new ContainerInterface(widget, QAccessible::Client);
    }
    if (className == QLatin1String("QFrame")) {
        return new ContainerInterface(widget, QAccessible::Border);
    }
    return nullptr;
}

// An interface made before a mark keeps its old kind; the next lookup makes the marked one.
void dropInterfaceMadeBeforeTheMark(QWidget* widget) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void send(QWidget* widget, QAccessible::Event type) {
    QAccessibleEvent event(widget, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void Accessibility::install() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(makeInterface);
        installed = true;
    }
}

void Accessibility::setName(QWidget* widget, AccessibleKey name) {
    widget->setAccessibleName(Localization::localizedString(name));
}

void Accessibility::setName(QWidget* widget, AccessibleKey name, AccessibleKey description) {
    setName(widget, name);
    widget->setAccessibleDescription(Localization::localizedString(description));
}

void Accessibility::hideDecoration(QWidget* widget) {
    widget->setProperty(decorationMark, true);
}

void Accessibility::setSelected(QWidget* button, bool selected) {
    if (!isMarked(button, selectableMark)) {
        button->setProperty(selectableMark, true);
        dropInterfaceMadeBeforeTheMark(button);
    }
    if (isMarked(button, selectedMark) == selected) {
        return;
    }
    button->setProperty(selectedMark, selected);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

void Accessibility::announce(QWidget* widget) {
    if (!isMarked(widget, notificationMark)) {
        widget->setProperty(notificationMark, true);
        dropInterfaceMadeBeforeTheMark(widget);
    }
    // AT-SPI speaks a notification that starts showing; other bridges hear the alert.
    send(widget, QAccessible::ObjectShow);
    send(widget, QAccessible::Alert);
}
