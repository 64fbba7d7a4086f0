#include "tests/support/sandbox.h"

#include <QDir>

namespace {
constexpr char kSharedDir[] = "VELMORA_TEST_SANDBOX";
}

Sandbox::Sandbox()
    : previousDir_(QDir::currentPath()), previousConfig_(qgetenv("XDG_CONFIG_HOME")) {
    QString path = qEnvironmentVariable(kSharedDir);
    if (path.isEmpty()) {
        dir_ = std::make_unique<QTemporaryDir>();
        path = dir_->path();
        qputenv(kSharedDir, path.toLocal8Bit());
    }
    QDir(path).mkpath("config");
    qputenv("XDG_CONFIG_HOME", QDir(path).filePath("config").toLocal8Bit());
    QDir::setCurrent(path);
}

Sandbox::~Sandbox() {
    QDir::setCurrent(previousDir_);
    if (dir_) qunsetenv(kSharedDir);
    if (previousConfig_.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previousConfig_);
}

QString Sandbox::Dir() {
    return QDir::currentPath();
}
