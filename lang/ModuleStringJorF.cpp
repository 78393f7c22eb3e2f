#include "lang/ModuleStringJorF.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "forms/MSFlexGrid.h"
#include "forms/MdiChildForm.h"
#include "lang/OpenCCConverter.h"

namespace qav {
namespace {

bool IsAscii(char32_t c) {
    return c < 0x80;
}

// One character (a code point) from UTF-8, or nothing when the text is not exactly one.
std::optional<char32_t> SingleCharacter(const QString& text) {
    const QList<uint> points = text.toUcs4();
    if (points.size() != 1) return std::nullopt;
    return char32_t(points.front());
}

QString FromPoints(const std::vector<char32_t>& points) {
    return QString::fromUcs4(points.data(), qsizetype(points.size()));
}

// A menu or menu-bar item; a toolbar button is an action too, but not a menu item.
bool IsMenuItem(const QAction& action) {
    for (const QObject* owner : action.associatedObjects())
        if (qobject_cast<const QMenu*>(owner) != nullptr || qobject_cast<const QMenuBar*>(owner) != nullptr)
            return true;
    return false;
}

// A control whose insides are not controls of the form: another window held
// by this one (an editing form, a dialog), the status bar, and the controls
// made of Qt's own parts (lists, grids, buttons, tab strips).
bool KeepsItsInsides(const QWidget& widget) {
    return qobject_cast<const MdiChildForm*>(&widget) != nullptr ||
           qobject_cast<const QDialog*>(&widget) != nullptr ||
           qobject_cast<const QMdiSubWindow*>(&widget) != nullptr ||
           qobject_cast<const QStatusBar*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QTabBar*>(&widget) != nullptr;
}

}  // namespace

ModuleStringJorF::ModuleStringJorF(TraditionalMapping mapping) : mapping_(std::move(mapping)) {
    if (!mapping_) mapping_ = OpenCCConverter();
}

std::optional<QString> ModuleStringJorF::Map(const QString& text) const {
    const std::optional<std::string> mapped = mapping_(text.toStdString());
    if (!mapped) return std::nullopt;
    return QString::fromStdString(*mapped);
}

QString ModuleStringJorF::ToTraditional(const QString& text) const {
    const QList<uint> source = text.toUcs4();
    if (std::all_of(source.begin(), source.end(), [](uint c) { return IsAscii(c); })) return text;

    const std::optional<QString> whole = Map(text);
    if (!whole) return text;
    const QList<uint> converted = whole->toUcs4();
    std::vector<char32_t> result;
    result.reserve(std::size_t(source.size()));
    if (converted.size() == source.size()) {
        for (qsizetype i = 0; i < source.size(); ++i)
            result.push_back(IsAscii(source[i]) ? char32_t(source[i]) : char32_t(converted[i]));
        return FromPoints(result);
    }
    // The mapping changed the number of characters (a phrase of its dictionary):
    // one character at a time, so every character keeps its place.
    for (const uint c : source) {
        std::optional<char32_t> mapped;
        if (!IsAscii(c)) {
            const char32_t one = c;
            if (const std::optional<QString> m = Map(QString::fromUcs4(&one, 1)))
                mapped = SingleCharacter(*m);
        }
        result.push_back(mapped.value_or(char32_t(c)));
    }
    return FromPoints(result);
}

void ModuleStringJorF::ConvertControl(QObject& control) const {
    // Only a text that changes is written back, so that a list or a grid is
    // not told of a change (and laid out again) for every unchanged item.
    const auto convert = [this](const QString& text, const auto& write) {
        const QString traditional = ToTraditional(text);
        if (traditional != text) write(traditional);
    };
    if (auto* action = qobject_cast<QAction*>(&control)) {
        if (IsMenuItem(*action)) convert(action->text(), [action](const QString& t) { action->setText(t); });
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        convert(label->text(), [label](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        // Option buttons, check boxes and command buttons; a tool button
        // belongs to a toolbar or a tab strip and has no caption of its own.
        if (qobject_cast<QToolButton*>(button) == nullptr)
            convert(button->text(), [button](const QString& t) { button->setText(t); });
    } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        convert(frame->title(), [frame](const QString& t) { frame->setTitle(t); });
    } else if (auto* toolbar = qobject_cast<QToolBar*>(&control)) {
        convert(toolbar->toolTip(), [toolbar](const QString& t) { toolbar->setToolTip(t); });
    } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
        for (int i = 0; i < list->count(); ++i)
            convert(list->itemText(i), [list, i](const QString& t) { list->setItemText(i, t); });
    } else if (auto* grid = qobject_cast<MSFlexGrid*>(&control)) {
        for (int c = 0; c < grid->Cols(); ++c)
            convert(grid->TextMatrix(0, c), [grid, c](const QString& t) { grid->SetTextMatrix(0, c, t); });
    }
}

void ModuleStringJorF::ConvertFormToTraditional(QWidget& form) const {
    const std::function<void(QObject&)> visit = [&](QObject& parent) {
        for (QObject* child : parent.children()) {
            ConvertControl(*child);
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || !KeepsItsInsides(*widget)) visit(*child);
        }
    };
    visit(form);
}

}  // namespace qav
