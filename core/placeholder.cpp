#include "core/placeholder.h"

#include <cstdio>

namespace {
QStringList& Log() {
    static QStringList log;
    return log;
}
}  // namespace

void PlaceholderRan(const char* scene) {
    if (!Log().contains(QString::fromLatin1(scene)))
        std::fprintf(stderr, "velmora3: %s is not built yet\n", scene);
    Log().append(QString::fromLatin1(scene));
}

const QStringList& PlaceholdersRun() { return Log(); }
