#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary working directory and XDG config folder for the life of one test. Child processes
// (death tests, a game run in a subprocess) work in the same folder, so the parent can check
// what they left, and only the parent creates and removes it.
class Sandbox {
  public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    static QString Dir();  // the working directory of the running test

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;
    QByteArray previousConfig_;
};
