#pragma once
// The folder that holds scores.txt and prefs.txt.

#include <filesystem>

#include <QStringList>

namespace gyrock {

// `--data-dir DIR` (or `--data-dir=DIR`) wins, created if missing; else the
// program's own folder when it is writable (a build tree, a portable copy);
// else the per-user application data folder, created if missing.
// Needs a QCoreApplication; pass it QCoreApplication::arguments().
std::filesystem::path dataFolder(const QStringList& arguments);

}  // namespace gyrock
