#include "app/StatusItem.h"

#include "BuildConfig.h"
#include "app/MenuHandler.h"
#include "platform/Log.h"
#include "ui/ImageLibrary.h"
#include "ui/Palette.h"

#include <QCursor>
#include <QPainter>
#include <QSystemTrayIcon>

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
