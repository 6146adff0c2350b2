#include "app/StatusItem.h"

#include "BuildConfig.h"
#include "app/MenuHandler.h"
#include "core/ProcessState.h"
#include "platform/Log.h"
#include "ui/ImageLibrary.h"
#include "ui/Palette.h"
#include "ui/Window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWindow>

namespace {

// Trays do not recolour icons for their panel, so the symbolic icon is drawn in the accent
// colour, which reads on light and dark panels alike.
QIcon trayIcon() {
    QIcon tinted;
    for (const int size : {16, 22, 24, 32, 48}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QPixmap pixmap =
                ImageLibrary::pixmap(ImageAsset::icon_small_tool_Lumatix, QSize(size, size), ratio);
            QPainter painter(&pixmap);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(pixmap.rect(), colorAccent());
            painter.end();
            tinted.addPixmap(pixmap);
        }
    }
    return tinted;
}

} // namespace

StatusItem::StatusItem(MenuHandler* menu, QObject* parent)
    : QObject(parent), menu_(menu), icon_(new QSystemTrayIcon(this)) {
    icon_->setIcon(trayIcon());
    icon_->setToolTip(QString::fromUtf8(build_config::appName.data(),
                                        static_cast<int>(build_config::appName.size())));
    icon_->setContextMenu(menu);
    // The desktop opens the context menu on a right click; a left click opens it too.
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) {
                    giveMenuAParentOnWayland();
                    menu_->popup(QCursor::pos());
                }
            });
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        platform::Log::line(
            "No system tray on this desktop: the status menu appears when one does; "
            "launch the application again to bring its window forward");
    }
    icon_->show();
}

StatusItem::~StatusItem() = default;

// A Wayland popup needs a window on screen to belong to: the main window, brought forward.
void StatusItem::giveMenuAParentOnWayland() {
    Window* main = Window::withNumber(mainWindowNumber);
    if (QGuiApplication::platformName() != QLatin1String("wayland") || main == nullptr) {
        return;
    }
    if (!main->isVisible()) {
        main->makeKeyAndOrderFront();
    }
    menu_->winId();
    if (QWindow* popup = menu_->windowHandle()) {
        popup->setTransientParent(main->windowHandle());
    }
}
