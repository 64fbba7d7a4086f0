#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` whole or not at all: into a temporary file beside it, synced, then
// renamed over it. Returns 0, or the errno of the step that failed; the old file then stays as
// it was and the temporary file is gone.
int WriteWhole(const QString& path, const QByteArray& bytes);

// Removes the temporary files that WriteWhole leaves beside `path` when the process is killed
// in the middle of a write.
void RemoveLeftovers(const QString& path);

// Why nothing can be written beside `path` now: a file is made there and removed again. 0 when
// it can.
int WriteErrorBeside(const QString& path);

// A failed write in the player's words: a full disk, no permission, a read-only disk, or else
// the system's own words. Empty for 0.
QString WriteFailure(int error, const QString& path);

// For tests: every later write fails with `error`, as a full or read-only disk would; 0 writes
// for real again.
void FailWritesWith(int error);
