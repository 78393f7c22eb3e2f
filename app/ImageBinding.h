#pragma once
// The decoder and the encoder as the program runs them: the pure codec of
// image/ turns ReadImage into field values and tables and back into
// WriteImage; this class copies those values into the controls of the
// editing forms and reads them out again.
//
// Setting a control from here is what a user's choice is: a list's Click
// handler runs (the band selector takes its limits, the FM function enables
// its menu item). A value the control cannot take leaves it as it was.

#include <QString>
#include <vector>

#include "image/ImageDecoder.h"
#include "image/ImageEncoder.h"
#include "image/ImageFields.h"

namespace qav {

class ProgramRun;

class ImageBinding {
  public:
    explicit ImageBinding(ProgramRun& run) : run_(run) {}

    // What the pure decoder needs of the windows: the language, the channel
    // editor's option items, the band selector's items.
    static DecodeContext ContextOf(const ProgramRun& run);

    // What the encoded image is for: the refusal says what was refused.
    enum class EncodeFor { Write, Save };

    // ReadImage into the channel tables and grid, the settings forms, the FM
    // values and grid, the band selector and the power grades. Asks nothing:
    // the band it selects is the program's choice.
    void DecodeImage();
    // The forms and tables into WriteImage. When a field cannot be encoded the
    // user is told which, WriteImage stays as it was, and false is returned:
    // nothing may then be sent or saved.
    bool EncodeImage(EncodeFor purpose);

    // The values the program holds now, encoded into an image without a word
    // to the user: a field that cannot be encoded leaves its bytes as they were.
    void EncodeCurrentInto(MemoryImage& image) const;

    // Every control the image holds, as it stands now.
    ImageFields ReadControls() const;

    // What the user knows the field of a fault by, in the window's language:
    // "Optional Features - Beep", "Channel Edit - Channel 5 RXFre".
    QString FieldCaption(const EncodeFault& fault) const;

  private:
    void ShowRefusal(const std::vector<EncodeFault>& faults, EncodeFor purpose) const;

    ProgramRun& run_;
};

}  // namespace qav
