#include "platform/StartupLock.h"

#include "platform/Log.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

// A launch holds the lock for milliseconds.
constexpr int lockWaitMs = 5000;

} // namespace

StartupLock::StartupLock(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                 0600);
    if (fd_ < 0) {
        Log::line("Cannot open the start-up lock " + path.toStdString() + ": " +
                  std::strerror(errno));
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (waited.elapsed() > lockWaitMs) {
            Log::line("Start-up lock " + path.toStdString() + " still held after " +
                      std::to_string(lockWaitMs) + " ms; starting anyway");
            return;
        }
        QThread::msleep(10);
    }
}

StartupLock::~StartupLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace platform
