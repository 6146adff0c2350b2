#include "ui/TabbedViewController.h"

#include "core/LogLines.h"
#include "platform/Log.h"
#include "ui/Button.h"
#include "ui/ButtonStyle.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/SeparatorLine.h"

#include <QWidget>

TabbedViewController::TabbedViewController(std::vector<TabItem> tabs) : tabs_(std::move(tabs)) {
    // Whoever hears the window hears its tabs.
    for (const TabItem& tab : tabs_) {
        connect(tab.content.get(), &ViewController::reported, this, &ViewController::reported);
    }
}

TabbedViewController::~TabbedViewController() = default;

Button* TabbedViewController::tabButton(int tag) const {
    return tag >= 0 && tag < static_cast<int>(buttons_.size()) ? buttons_[tag] : nullptr;
}

ViewController* TabbedViewController::tabContent(int tag) const {
    return tag >= 0 && tag < static_cast<int>(tabs_.size()) ? tabs_[tag].content.get() : nullptr;
}

Button* TabbedViewController::makeTabButton(QWidget* parent, int tag) {
    const TabItem& tab = tabs_[tag];
    auto* button = new Button(Localization::localizedString(tab.title), parent);
    // A toggle: the selected image while it is on.
    button->setCheckable(true);
    button->setIcon(ImageLibrary::toggleIcon(tab.image, tab.selectedImage));
    button->setIconSize(ImageLibrary::naturalSize(tab.image));
    button->setFixedSize(tabButtonSize);
    ButtonAppearance appearance = button->appearance();
    appearance.imageBesideTitle = true;
    button->setAppearance(appearance);
    ButtonStyle::styleTabButton(button, ButtonStyle::unselected);
    connect(button, &Button::clicked, this, [this, tag] { didCategoryButtonClick(tag); });
    return button;
}

void TabbedViewController::viewDidLoad() {
    for (const TabItem& tab : tabs_) {
        addChildViewController(tab.content.get());
    }
    QWidget* root = view();
    containerView_ = new QWidget(root);
    line_ = new SeparatorLine(root);
    for (int tag = 0; tag < static_cast<int>(tabs_.size()); ++tag) {
        buttons_.push_back(makeTabButton(root, tag));
    }
    startLayout();
    if (!buttons_.empty()) {
        buttons_.front()->setChecked(true);
        didCategoryButtonClick(0);
    }
}

void TabbedViewController::layoutElements(QSize viewSize) {
    containerView_->setGeometry(containerLeft, 0, viewSize.width() - containerLeft,
                                viewSize.height());
    line_->setGeometry(containerLeft - 1, 0, 1, viewSize.height());
    int top = tabButtonTop;
    for (Button* button : buttons_) {
        button->move(tabButtonLeft, top);
        top += tabButtonSize.height() + tabButtonGap;
    }
}

// A click on the selected tab turns its toggle off first; it is turned on again here, so
// exactly one tab is always on.
void TabbedViewController::didCategoryButtonClick(int tag) {
    platform::Log::line(log_lines::categoryButtonClick);
    ViewController* shown = tabContent(tag);
    if (shown == nullptr) {
        return;
    }
    tabSelected(tag);
    for (int each = 0; each < static_cast<int>(buttons_.size()); ++each) {
        buttons_[each]->setChecked(each == tag);
        ButtonStyle::styleTabButton(buttons_[each],
                                    each == tag ? ButtonStyle::selected : ButtonStyle::unselected);
    }
    showChildView(shown, containerView_);
}
