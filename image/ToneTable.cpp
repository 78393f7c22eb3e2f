#include "image/ToneTable.h"

namespace qav {
namespace {

constexpr std::array<std::string_view, 50> kCtcssTones = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

bool ContainsEither(std::string_view text, char upper, char lower) {
    return text.find(upper) != std::string_view::npos || text.find(lower) != std::string_view::npos;
}

const std::string kEmpty;

}  // namespace

const std::array<std::string_view, 105> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

const std::string& ToneTable::Text(int index) const {
    if (index < 1 || index > kEntries) {
        return kEmpty;
    }
    return texts_[static_cast<std::size_t>(index)];
}

int ToneTable::Index(std::string_view text) const {
    int first = kCtcssFirst;
    int last = kCtcssLast;
    if (ContainsEither(text, 'N', 'n')) {
        first = kDcsNormalFirst;
        last = kDcsNormalLast;
    } else if (ContainsEither(text, 'I', 'i')) {
        first = kDcsInvertedFirst;
        last = kDcsInvertedLast;
    }
    for (int i = first; i <= last; ++i) {
        if (texts_[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return 0;
}

void FillToneTable(ToneTable& table) {
    std::size_t index = ToneTable::kCtcssFirst;
    for (const std::string_view tone : kCtcssTones) {
        table.texts_[index++] = std::string(tone);
    }
    for (const std::string_view code : kDcsCodes) {
        table.texts_[index++] = "D" + std::string(code) + "N";
    }
    for (const std::string_view code : kDcsCodes) {
        table.texts_[index++] = "D" + std::string(code) + "I";
    }
}

const ToneTable& StandardToneTable() {
    static const ToneTable table = [] {
        ToneTable filled;
        FillToneTable(filled);
        return filled;
    }();
    return table;
}

int ToneIndex(std::string_view text) {
    return StandardToneTable().Index(text);
}

std::string_view OffToneText(Language language) {
    switch (language) {
        case LangSimplified:
            return "关闭";
        case LangTraditional:
            return "關閉";
        case LangEnglish:
        default:
            return "Off";
    }
}

std::vector<std::string> ToneListItems(Language language) {
    std::vector<std::string> items;
    items.reserve(ToneTable::kListItems);
    items.emplace_back(OffToneText(language));
    const ToneTable& table = StandardToneTable();
    for (int i = 1; i <= ToneTable::kEntries; ++i) {
        items.push_back(table.Text(i));
    }
    return items;
}

}  // namespace qav
