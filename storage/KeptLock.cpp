// SPDX-License-Identifier: MIT
#include "storage/KeptLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tp::storage {

KeptLock::KeptLock(const QString& path) : path_(path + QStringLiteral(".lock")) {}

KeptLock::~KeptLock() {
    Release();
}

KeptLock::Taken KeptLock::Take(std::chrono::milliseconds wait) {
    if (fd_ >= 0) {
        return Taken::Ours;
    }
    // The lock file may be left from an earlier game while the folder no longer takes a new file.
    const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
    if (::access(folder.constData(), W_OK) != 0) {
        return errno == EACCES || errno == EROFS ? Taken::NotWritable : Taken::Failed;
    }
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == EACCES || errno == EROFS ? Taken::NotWritable : Taken::Failed;
    }
    const QDeadlineTimer deadline(wait);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK || deadline.hasExpired()) {
            ::close(fd);
            return error == EWOULDBLOCK ? Taken::HeldByAnother : Taken::Failed;
        }
        // Another game holds it for a read and a write of a small file: a moment, not a wait
        // worth a thread of its own.
        QThread::msleep(10);
    }
    fd_ = fd;
    return Taken::Ours;
}

void KeptLock::Release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace tp::storage
