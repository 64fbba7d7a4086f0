#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary working directory and XDG config folder for the life of one test. A child process
// started by a death test works in its parent's folder, so the parent can check what it left.
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

// While alive, child processes of the running test share its sandbox.
class ShareSandboxWithChildren {
  public:
    ShareSandboxWithChildren();
    ~ShareSandboxWithChildren();
};
