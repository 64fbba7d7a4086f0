#include "records/safewrite.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// mkstemp fills the six X. A name of its own, so that no backup of the player's is taken for a
// leftover.
const QString kTemporarySuffix = QStringLiteral(".saving-");

int injectedError = 0;

// Creates the temporary file beside `path`; -1 with errno set when it cannot.
int CreateTemporary(const QString& path, QByteArray& name) {
    name = QFile::encodeName(path + kTemporarySuffix) + "XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) return -1;
    // mkstemp makes the file private; the finished file should be as any other the user makes.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    return fd;
}

// Writes all of `bytes` to disk and closes `fd`; 0 or the errno.
int WriteAndClose(int fd, const QByteArray& bytes) {
    int error = injectedError;
    for (qsizetype done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n >= 0)
            done += n;
        else if (errno != EINTR)
            error = errno;
    }
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace

int WriteWhole(const QString& path, const QByteArray& bytes) {
    QByteArray temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) return errno;
    int error = WriteAndClose(fd, bytes);
    if (error == 0 && std::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) ::unlink(temporary.constData());
    return error;
}

void RemoveLeftovers(const QString& path) {
    const QFileInfo target(path);
    const QString prefix = target.fileName() + kTemporarySuffix;
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(prefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    QDir folder = target.absoluteDir();
    for (const QString& name : folder.entryList({prefix + QLatin1Char('*')},
                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (leftover.match(name).hasMatch()) folder.remove(name);
}

int WriteErrorBeside(const QString& path) {
    QByteArray temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) return errno;
    const int error = WriteAndClose(fd, QByteArrayLiteral("\n"));
    ::unlink(temporary.constData());
    return error;
}

QString WriteFailure(int error, const QString& path) {
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    switch (error) {
        case 0:
            return QString();
        case ENOSPC:
        case EDQUOT:
            return QCoreApplication::translate("Problems", "ディスクの空きが足りません（%1）。")
                .arg(folder);
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("Problems",
                                               "フォルダ %1 に書き込む権限がありません。")
                .arg(folder);
        case EROFS:
            return QCoreApplication::translate("Problems",
                                               "フォルダ %1 は読み取り専用のディスクにあります。")
                .arg(folder);
        default:
            return QCoreApplication::translate("Problems", "%1 に書き込めません（%2）。")
                .arg(QDir::toNativeSeparators(file.absoluteFilePath()),
                     QString::fromLocal8Bit(std::strerror(error)));
    }
}

void FailWritesWith(int error) {
    injectedError = error;
}
