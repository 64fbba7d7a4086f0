#include "ui/folders.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace ui {

namespace {

QString g_shippedFolder;

QString Found(const QString& name) {
    if (QFileInfo::exists(name)) return name;
    if (g_shippedFolder.isEmpty() || QDir::isAbsolutePath(name)) return {};
    const QString shipped = QDir(g_shippedFolder).filePath(name);
    return QFileInfo::exists(shipped) ? shipped : QString();
}

QString Shown(const QString& folder) {
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

}  // namespace

QString GameFile(const QString& name) {
    const QString path = Found(name);
    if (!path.isEmpty()) return path;
    static QSet<QString> told;
    if (!told.contains(name)) {
        told.insert(name);
        const QString where =
            g_shippedFolder.isEmpty()
                ? QCoreApplication::translate("Folders", "実行フォルダ %1 にありません")
                      .arg(Shown(QDir::currentPath()))
                : QCoreApplication::translate("Folders",
                                              "実行フォルダ %1 にもデータフォルダ %2 にも"
                                              "ありません")
                      .arg(Shown(QDir::currentPath()), Shown(g_shippedFolder));
        const QString missing = QCoreApplication::translate(
                                    "Folders", "velmora3: ファイル %1 が見つかりません（%2）。\n")
                                    .arg(name, where);
        std::fputs(missing.toLocal8Bit().constData(), stderr);
    }
    return name;
}

bool HasGameFile(const QString& name) {
    return !Found(name).isEmpty();
}

void SetShippedDataFolder(const QString& folder) {
    g_shippedFolder = folder;
}

QString EnterGameFolders(const QString& chosen) {
    const QDir program(QCoreApplication::applicationDirPath());
    const bool buildTree = QFileInfo(program.filePath(QStringLiteral("data"))).isDir();
    g_shippedFolder = QDir::cleanPath(
        program.filePath(buildTree ? QStringLiteral("data") : QStringLiteral("../share/velmora3")));
    QString runTime;
    if (!chosen.isEmpty())
        runTime = QFileInfo(chosen).absoluteFilePath();
    else if (buildTree)
        runTime = g_shippedFolder;
    else
        runTime = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/velmora3");

    const QFileInfo folder(runTime);
    if (folder.exists() && !folder.isDir())
        return QCoreApplication::translate("Folders",
                                           "実行フォルダ %1 はフォルダではなくファイルです。")
            .arg(Shown(runTime));
    if (!QDir().mkpath(runTime))
        return QCoreApplication::translate(
                   "Folders",
                   "実行フォルダ %1 を作れません（書き込みが許されていないか、"
                   "ディスクが読み込み専用です）。")
            .arg(Shown(runTime));
    if (!QDir::setCurrent(runTime))
        return QCoreApplication::translate(
                   "Folders", "実行フォルダ %1 に入れません（開くことが許されていません）。")
            .arg(Shown(runTime));
    return {};
}

}  // namespace ui
