#pragma once

#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>

#include "core/GameState.h"

// Files in the test's working folder, and a full disk to write them to.

inline QByteArray ReadBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Heroine 3 picked, at 4:45 PM in the library, with every kind of affection letter.
inline GameRecord SavedGame() {
    GameRecord g;
    g.lineBreak = QStringLiteral("\r\n");
    g.familyName = QStringLiteral("小鳥遊");
    g.givenName = QStringLiteral("ゆう");
    g.elapsedMinutes = 15;
    g.affection = {0, -3, 0, 4, 54, -39, 7};
    g.metStage = {0, 1, 0, 1, 0, 1, 1};
    g.targetHeroine = 3;
    g.currentLocation = 4;
    g.phase = Phase::Idle;
    return g;
}

// As a full disk does: every write fails, so the save cannot be completed.
class FullDisk {
  public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = previous_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};
