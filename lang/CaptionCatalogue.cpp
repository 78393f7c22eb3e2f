#include "lang/CaptionCatalogue.h"

#include <algorithm>
#include <cstring>

namespace qav {
namespace {

bool SameField(const CaptionRow& a, const CaptionRow& b) {
    return std::strcmp(a.form, b.form) == 0 && std::strcmp(a.control, b.control) == 0 &&
           a.target == b.target && a.item == b.item;
}

}  // namespace

std::vector<CaptionRow> WithChanges(std::span<const CaptionRow> base,
                                    std::span<const CaptionChange> changes) {
    using Kind = CaptionChange::Kind;
    std::vector<CaptionRow> rows;
    rows.reserve(base.size() + changes.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        const CaptionRow& row = base[i];
        const auto change = std::find_if(changes.begin(), changes.end(), [&](const CaptionChange& c) {
            return c.kind != Kind::Add && SameField(c.row, row);
        });
        if (change == changes.end())
            rows.push_back(row);
        else if (change->kind == Kind::Replace) {
            CaptionRow changed = row;
            if (change->row.simplified != nullptr) changed.simplified = change->row.simplified;
            if (change->row.english != nullptr) changed.english = change->row.english;
            rows.push_back(changed);
        }
        // The last row of a form: the rows added to that form follow it.
        const bool lastOfForm = i + 1 == base.size() || std::strcmp(base[i + 1].form, row.form) != 0;
        if (!lastOfForm) continue;
        for (const CaptionChange& c : changes)
            if (c.kind == Kind::Add && std::strcmp(c.row.form, row.form) == 0) rows.push_back(c.row);
    }
    return rows;
}

}  // namespace qav
