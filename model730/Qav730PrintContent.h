#pragma once
// The QAV-730 program's report: one page with a heading, the seven function
// settings of the first model's optional features, VOX, the tuning grades and
// the channel grid, as the editing forms hold them at the moment of the call.

class QPrinter;

namespace qav {

class CurtPrinter;
struct FormContext;

// device: nullptr for the preview, else the printer (see CurtPrinter::StartDoc).
void Qav730PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context);

}  // namespace qav
