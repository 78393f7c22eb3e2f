#pragma once
// The QAV-750 program's report: a heading, the function settings, the
// full-band (VFO) settings, VOX, the tuning grades and, on a page of its own,
// the channel grid, as the editing forms hold them at the moment of the call.

class QPrinter;

namespace qav {

class CurtPrinter;
struct FormContext;

// device: nullptr for the preview, else the printer (see CurtPrinter::StartDoc).
void Qav750PrintContent(CurtPrinter& printer, QPrinter*& device, FormContext& context);

}  // namespace qav
