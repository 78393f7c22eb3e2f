#pragma once
// Where the program finds its files. Files shipped with the program (default
// data, help) sit next to the executable or in its installed data folder; files
// the program writes per user (the port choice, port links) live in
// $XDG_CONFIG_HOME/<program>/, since an installed program's folder is not
// writable; the settings store both programs share lives beside them.

#include <QString>
#include <string_view>

namespace qav {

// The per-user folder of a program: $XDG_CONFIG_HOME/<program> (default
// ~/.config/<program>). Created on demand by the writers, not here.
QString UserConfigFolder(std::string_view programName);

// The settings store that stands in for the registry. Both programs keep the
// user-interface language there, so a language chosen in one is the start
// language of the other: $XDG_CONFIG_HOME/QAV/registry.ini.
QString SharedRegistryFile();

// App.Path: the folder of the running executable.
QString AppPath();

// A file shipped with the program: next to the executable, else in
// <prefix>/share/<program>/ beside an installed bin/ folder. Returns the first
// existing candidate, or the path next to the executable when none exists.
QString ShippedFile(std::string_view programName, const QString& fileName);
// The same for a program whose folder is programFolder.
QString ShippedFile(const QString& programFolder, std::string_view programName, const QString& fileName);

}  // namespace qav
