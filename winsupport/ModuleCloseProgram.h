#pragma once
// Ending every running copy of a program by its executable name.

#include <QString>
#include <functional>

namespace qav {

// Asks every process of this user whose executable file name equals
// executableName (ignoring case) to end, and runs endThisProcess last when this
// process matches too. Another copy of the program receives SIGTERM, which it
// takes as a close of its main window, so a copy holding unsaved edits asks its
// own user first. Processes of other users are never touched, also when the
// program runs as root. Returns how many other processes were asked to end.
int CloseProgram(const QString& executableName, const std::function<void()>& endThisProcess);

}  // namespace qav
