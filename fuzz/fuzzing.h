#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// What every fuzz target shares: a private folder for the run, and checks that stop it.
namespace fuzzing {

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Stops the run when `holds` is false, so that libFuzzer keeps the input as a crash.
inline void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: expected %s\n", what);
    std::abort();
}

// Writes the input file and stamps it with a modification time no earlier input had. The data
// files and QSettings keep what they parsed by size and time to the millisecond; a new input of
// the same size written within that millisecond would otherwise read as the last one.
inline void WriteInput(const QString& path, const QByteArray& bytes) {
    static time_t stamp = 1'000'000'000;
    QFile file(path);
    Expect(
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
        "the input file to be written");
    file.close();
    ++stamp;
    const timespec times[2] = {{stamp, 0}, {stamp, 0}};
    Expect(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0,
           "the input file to take its time stamp");
}

// libFuzzer reads its arguments after LLVMFuzzerInitialize, once the process has moved to its
// own folder: corpus folders, inputs and -artifact_prefix are made absolute first, and crashes
// are kept where it was started unless that prefix says otherwise, as libFuzzer would.
inline void KeepPathsFromStart(int* argc, char*** argv) {
    static std::vector<std::string> args;
    static std::vector<char*> pointers;
    const std::string started = QFile::encodeName(QDir::currentPath()).toStdString() + "/";
    const std::string prefix = "-artifact_prefix=";
    bool prefixGiven = false;
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        if (i > 0 && arg.rfind(prefix, 0) == 0) {
            prefixGiven = true;
            if (arg[prefix.size()] != '/') arg.insert(prefix.size(), started);
        } else if (i > 0 && arg[0] != '-' && arg[0] != '/') {
            arg.insert(0, started);
        }
        args.push_back(arg);
    }
    if (!prefixGiven) args.push_back(prefix + started);
    for (std::string& arg : args) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    *argc = static_cast<int>(args.size());
    *argv = pointers.data();
}

}  // namespace fuzzing

// Every target starts alike: the process works in a fresh folder under $TMPDIR that also holds
// its XDG config folder, so nothing of the user's is read or written. The folder goes when the
// process ends normally; scripts/fuzz removes what a crashed run leaves.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzing::KeepPathsFromStart(argc, argv);
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a working folder under %s\n",
                     qPrintable(QDir::tempPath()));
        std::exit(1);
    }
    QDir(folder.path()).mkpath(QStringLiteral("config/Korvane"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    QDir::setCurrent(folder.path());
    // QSettings and the text codecs run without one, but Qt warns when it is missing.
    static QCoreApplication app(*argc, *argv);
    return 0;
}
