#pragma once
// The caption catalogue of the QAV-730 program: the QAV-750 catalogue with the
// first model's own rows.

#include <span>

#include "lang/CaptionCatalogue.h"

namespace qav {

// Where the first model's catalogue differs from the second's.
std::span<const CaptionChange> Qav730CaptionChanges();

// The whole catalogue, built once.
std::span<const CaptionRow> Qav730Captions();

}  // namespace qav
