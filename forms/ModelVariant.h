#pragma once
// What a program adds to the shared windows for its own model. The shared code
// is the QAV-750 program's; a member left empty keeps that behaviour. The
// QAV-730 program fills its variant from model730/, so that the shared code
// never depends on the other model's code.

#include <functional>

#include "image/ImageFields.h"

class QPrinter;

namespace qav {

class CurtPrinter;
struct FormContext;
struct FormSet;

struct ModelVariant {
    // Each difference is a member here: a hook (std::function) the shared code
    // calls where the first model does something else, or the data it uses in
    // place of the second model's.

    // The image fields whose controls only the model's own forms have (the
    // first model: Form3.Combo17, the MONI key mode). The decoder's binding
    // sets them after the shared controls; the encoder's binding reads them
    // after the shared controls.
    std::function<void(const FormSet& forms, const ImageFields& fields)> SetModelControls;
    std::function<void(const FormSet& forms, ImageFields& fields)> ReadModelControls;

    // The print-out: makes every call of the report on the preview control,
    // from begin to end document (device: nullptr for the preview, else the
    // printer, as CurtPrinter::StartDoc takes it). Empty: the QAV-750 report.
    std::function<void(CurtPrinter& printer, QPrinter*& device, FormContext& context)> printContent;
};

// The second model's program: nothing differs.
inline const ModelVariant kNoVariant{};

}  // namespace qav
