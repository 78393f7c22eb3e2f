#include "winsupport/ISubclass.h"

#include <unordered_map>

namespace qav::win {
namespace {

struct References {
    std::unordered_map<LONG, ISubclass*> objects;
    LONG next = 1;
};

References& Live() {
    static References references;
    return references;
}

}  // namespace

ISubclass::ISubclass() {
    References& live = Live();
    // Numbers are not reused while the program runs, so a stale entry can
    // never reach a newer object.
    reference_ = live.next++;
    live.objects.emplace(reference_, this);
}

ISubclass::~ISubclass() {
    Live().objects.erase(reference_);
}

ISubclass* ISubclass::FromReference(LONG reference) {
    const auto& objects = Live().objects;
    const auto it = objects.find(reference);
    return it == objects.end() ? nullptr : it->second;
}

}  // namespace qav::win
