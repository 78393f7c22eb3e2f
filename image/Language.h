#pragma once
// The user-interface language (Overview, "Shared types and helpers"). The value
// is stored as the first byte of the settings value and used as an index into
// every three-language text triple, so the numbers are fixed.

namespace qav {

enum Language : int {
    LangSimplified = 0,   // Simplified Chinese
    LangEnglish = 1,      // English
    LangTraditional = 2,  // Traditional Chinese
};

}  // namespace qav
