#include "model730/Qav730Variant.h"

#include "model730/Qav730FormLayouts.h"

namespace qav {

const ModelVariant& Qav730Variant() {
    static const ModelVariant variant = [] {
        ModelVariant v;
        // The editing forms.
        v.channelEditor = Qav730ChannelEditor();
        v.featuresForm = Qav730FeaturesForm();
        v.dtmfForm = Qav730DtmfForm();
        return v;
    }();
    return variant;
}

}  // namespace qav
