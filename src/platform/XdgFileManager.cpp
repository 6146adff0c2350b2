#include "platform/XdgFileManager.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace platform {
namespace {

// A file manager started on demand needs a moment to answer; past this the folder opens.
constexpr int showItemsTimeoutMs = 3000;

} // namespace

std::filesystem::path XdgFileManager::downloadsFolder() const {
    // Qt reads XDG_DOWNLOAD_DIR from user-dirs.dirs and falls back to ~/Downloads.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString folder =
        !downloads.isEmpty() && QDir(downloads).exists() ? downloads : QDir::homePath();
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

void XdgFileManager::revealFile(const std::filesystem::path& file) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(file.string()));
    const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    auto call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                               QStringLiteral("/org/freedesktop/FileManager1"),
                                               QStringLiteral("org.freedesktop.FileManager1"),
                                               QStringLiteral("ShowItems"));
    call << QStringList{uri} << QString();
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, showItemsTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        Log::line("download revealed in the file manager: " + file.string());
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    Log::line(std::string(opened ? "download folder opened: " : "download folder not opened: ") +
              QFile::encodeName(folder).toStdString());
}

} // namespace platform
