#include "model730/Qav730Variant.h"

#include "model730/Qav730Captions.h"
#include "model730/Qav730FormLayouts.h"
#include "model730/Qav730PrintContent.h"

namespace qav {

const ModelVariant& Qav730Variant() {
    static const ModelVariant variant = [] {
        ModelVariant v;
        // The editing forms.
        v.channelEditor = Qav730ChannelEditor();
        v.featuresForm = Qav730FeaturesForm();
        v.dtmfForm = Qav730DtmfForm();
        // The main window, start-up, captions, message boxes and print-out.
        v.restoresTraditionalAtStart = true;
        v.withoutResetMenuItem = true;
        v.traditionalMenuFirst = true;
        v.fmMenuFromFormAtLoad = true;
        v.wholeNumberBandHigh = true;
        v.defaultDataShowsChannelEditor = true;
        v.traditionalQuitAndAboutByConversion = true;
        v.captions = Qav730Captions();
        v.messageBoxTraditionalButtons = true;
        v.printContent = Qav730PrintContent;
        return v;
    }();
    return variant;
}

}  // namespace qav
