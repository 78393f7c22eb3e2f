#pragma once
// The QAV-730 program's differences from the shared (QAV-750) windows.

#include "forms/ModelVariant.h"

namespace qav {

// Filled once, lives for the whole program.
const ModelVariant& Qav730Variant();

}  // namespace qav
