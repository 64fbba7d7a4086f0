#include "tests/support/sandbox.h"

#include <cstdlib>

#include <QDir>

Sandbox::Sandbox() : previousDir_(QDir::currentPath()), previousConfig_(qgetenv("XDG_CONFIG_HOME")) {
    QDir(dir_.path()).mkpath("config");
    qputenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath("config").toLocal8Bit());
    QDir::setCurrent(dir_.path());
}

Sandbox::~Sandbox() {
    QDir::setCurrent(previousDir_);
    if (previousConfig_.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previousConfig_);
}

QString Sandbox::Dir() { return QDir::currentPath(); }
