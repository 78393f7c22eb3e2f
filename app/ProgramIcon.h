#pragma once
// The programs' window icon: a hand-held radio, drawn so that no image file is needed.

#include <QIcon>

namespace qav {

QIcon ProgramIcon();

}  // namespace qav
