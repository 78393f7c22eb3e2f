#include "model730/Qav730Variant.h"

namespace qav {

const ModelVariant& Qav730Variant() {
    static const ModelVariant variant = [] {
        ModelVariant v;
        return v;
    }();
    return variant;
}

}  // namespace qav
