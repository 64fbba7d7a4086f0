#pragma once

#include <QStringList>

// Scenes whose screens are still being built record here that the game reached them.
void PlaceholderRan(const char* scene);
const QStringList& PlaceholdersRun();
