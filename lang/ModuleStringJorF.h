#pragma once
// Traditional Chinese captions, made at run time from the Simplified ones the
// controls hold: only the Simplified and English captions are stored.

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QObject;
class QWidget;

namespace qav {

// A Simplified-to-Traditional conversion of a UTF-8 text; nothing when it
// cannot be done.
using TraditionalMapping = std::function<std::optional<std::string>(const std::string& utf8)>;

class ModuleStringJorF {
  public:
    // An empty mapping: OpenCC's, loaded when the first text is converted.
    explicit ModuleStringJorF(TraditionalMapping mapping = {});

    // The Traditional form of a text, character for character: the result has
    // as many characters as the text, and ASCII (digits, letters, the "&" of an
    // access key, brackets, colons) comes back as it was, so "文件(&F)" keeps
    // its "(&F)". Where the mapping would change the number of characters, the
    // text is converted one character at a time instead, and a character that
    // still does not map to exactly one stays as it is. When the mapping cannot
    // be done at all, the text comes back unchanged, so a control never loses
    // its caption.
    QString ToTraditional(const QString& text) const;

    // Converts the captions of every control on the form by its kind: labels,
    // option buttons, menu items, frames, command buttons and check boxes; the
    // toolbar's own tip (not its buttons' tips); every item of every list
    // (the selection stays); the header row of grids. The form's own caption,
    // text boxes, tab captions, the status bar and every other kind stay as
    // they are, and so do the forms held inside this one.
    void ConvertFormToTraditional(QWidget& form) const;

  private:
    std::optional<QString> Map(const QString& text) const;
    void ConvertControl(QObject& control) const;

    TraditionalMapping mapping_;
};

}  // namespace qav
