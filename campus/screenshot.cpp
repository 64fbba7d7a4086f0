#include "campus/screenshot.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QStandardPaths>

#include "records/safewrite.h"

namespace {

// A free name for the picture taken now; a second picture in the same second is numbered.
QString NewPicturePath(const QDir& folder) {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss"));
    QString path = folder.filePath(QStringLiteral("velmora3-%1.png").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QStringLiteral("velmora3-%1-%2.png").arg(stamp).arg(n));
    return path;
}

}  // namespace

QString SaveScreenshot(QWidget& screen) {
    QString folderPath = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folderPath.isEmpty()) folderPath = QDir::homePath();
    const QString failed =
        QCoreApplication::translate("Problems", "スクリーンショットを保存できませんでした。");
    if (!QDir().mkpath(folderPath))
        return failed + QCoreApplication::translate("Problems", "フォルダ %1 を作れません。")
                            .arg(QDir::toNativeSeparators(folderPath));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(screen.grab().toImage());
    const QString path = NewPicturePath(QDir(folderPath));
    if (const int error = WriteWhole(path, png)) return failed + WriteFailure(error, path);
    return QCoreApplication::translate("Problems", "スクリーンショットを %1 に保存しました。")
        .arg(QDir::toNativeSeparators(path));
}
