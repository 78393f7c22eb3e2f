#pragma once
// A text the program holds in all three user-interface languages. Routines that
// show a message or set a language-dependent text themselves keep their three
// literals side by side and pick one by the current language.

#include <QString>

namespace qav {

struct LangText {
    const char* simplified;   // Language 0
    const char* english;      // Language 1
    const char* traditional;  // Language 2

    // Any other value of the language counts as English.
    QString Pick(int language) const {
        switch (language) {
            case 0:
                return QString::fromUtf8(simplified);
            case 2:
                return QString::fromUtf8(traditional);
            default:
                return QString::fromUtf8(english);
        }
    }
};

}  // namespace qav
