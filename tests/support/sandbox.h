#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary working directory and XDG config folder for the life of one test.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    static QString Dir();  // the working directory of the running test

private:
    QTemporaryDir dir_;
    QString previousDir_;
    QByteArray previousConfig_;
};
