#include "ui/TabContentViewController.h"

#include "ui/Localization.h"
#include "ui/TextView.h"

#include <QWidget>

void TabContentViewController::loadView() {
    auto* root = new QWidget;
    root->resize(tabSize);
    setView(root);
}

void TabContentViewController::viewDidAppear() {
    if (Window* shown = window()) {
        shown->setBackgroundColor(Qt::white);
    }
}

TextView* TabContentViewController::makeText(QWidget* parent, const QString& text,
                                             const QColor& color, int fontSize,
                                             TextView::Weight weight) {
    auto* view = new TextView(parent);
    view->setPixelFont(fontSize, weight);
    view->setTextColor(color);
    view->setAlignment(Qt::AlignLeft);
    view->setText(text);
    return view;
}

TextView* TabContentViewController::makeText(QWidget* parent, LocalizedKey key, const QColor& color,
                                             int fontSize, TextView::Weight weight) {
    return makeText(parent, Localization::localizedString(key), color, fontSize, weight);
}
