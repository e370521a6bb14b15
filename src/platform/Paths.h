#pragma once
// Where the program keeps its settings file and finds its data (help pages, tips).

#include <QString>

namespace Paths {
// "$XDG_CONFIG_HOME/Orrindale/Pellamy.ini" (or ~/.config/...), parent folders created.
// When no home folder can be found, or the folder cannot be created, the relative name
// "Pelamy.ini" is returned and the reason is written to standard error, once per run.
QString SettingsFilePath();
// The folder holding help pages and Tips.ini: $PELLAMY_DATA_DIR, else "data" beside the
// executable or in ../share/pellamy, else the source tree's folder the build recorded.
QString DataDir();
// Full name of a file in the data folder.
QString DataFile(const QString& name);
}  // namespace Paths
