#include "app/ApplyLanguageCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MdiChildForm.h"
#include "lang/CaptionCatalogue.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTabStrip.h"

namespace qav {
namespace {

void SetCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
}

// The control of that name on the window itself. The main window holds the
// editing forms, whose controls have names like its own (Label1, Combo1).
QObject* FindControl(QWidget& window, const QString& name) {
    for (QObject* candidate : window.findChildren<QObject*>(name)) {
        QObject* owner = candidate->parent();
        while (owner != &window && qobject_cast<MdiChildForm*>(owner) == nullptr) owner = owner->parent();
        if (owner == &window) return candidate;
    }
    return nullptr;
}

void Apply(QWidget& window, const CaptionRow& row, const QString& text) {
    QObject* control = *row.control == '\0' ? &window : FindControl(window, QString::fromLatin1(row.control));
    if (control == nullptr) return;
    switch (row.target) {
        case CaptionTarget::Caption:
            if (control == &window)
                window.setWindowTitle(text);
            else
                SetCaption(control, text);
            break;
        case CaptionTarget::ToolTip:
            if (auto* bar = qobject_cast<QToolBar*>(control);
                bar && row.item >= 1 && row.item <= bar->actions().size())
                bar->actions().at(row.item - 1)->setToolTip(text);
            break;
        case CaptionTarget::ListItem:
            if (auto* list = qobject_cast<VbComboBox*>(control)) list->SetList(row.item, text);
            break;
        case CaptionTarget::GridHeader:
            QMetaObject::invokeMethod(control, "SetTextMatrix", Q_ARG(int, 0), Q_ARG(int, row.item),
                                      Q_ARG(QString, text));
            break;
    }
}

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The first-digit delay of the DTMF form: item n is n x 200 ms, n = 0..9,
// written by number so that a shorter list grows to ten items.
void WriteDelayItems(Form2& form, int language) {
    const QString unit = language == 0 ? Utf8("毫秒") : QStringLiteral("MS");
    for (int n = 0; n <= 9; ++n) form.Combo17->SetList(n, QString::number(n * 200) + unit);
}

// The transmit time-out of the optional features is built anew in the language.
// The user's time-out (from a read, an Open or his own choice) stays selected:
// a language switch must not change what the next Save or Write stores. Only a
// list without a selection starts at 60 seconds.
void RebuildTimeoutList(Form3& form, int language) {
    const QString unit = language == 0 ? Utf8("秒") : QStringLiteral("S");
    VbComboBox& list = *form.Combo19;
    const int chosen = list.ListIndex();
    list.Clear();
    list.AddItem(language == 0 ? Utf8("关闭") : QStringLiteral("Off"));
    for (int n = 1; n <= 40; ++n) list.AddItem(QString::number(n * 15) + unit);
    if (chosen < 0 || !list.SetListIndex(chosen)) list.SetText(QStringLiteral("60") + unit);
}

}  // namespace

void ApplyCaptionsTo(QWidget& window, int language) {
    if (language != 0 && language != 1) return;
    const QString name = window.objectName();
    for (const CaptionRow& row : Qav750Captions()) {
        if (name != QLatin1String(row.form)) continue;
        Apply(window, row, QString::fromUtf8(language == 0 ? row.simplified : row.english));
    }
    for (const TabCaptionRow& tab : Qav750TabCaptions()) {
        if (name != QLatin1String(tab.form)) continue;
        auto* strip = window.findChild<VbTabStrip*>(QString::fromLatin1(tab.control));
        if (strip == nullptr) continue;
        if (tab.index == 1) strip->Clear();
        strip->Add(tab.index, QString::fromLatin1(tab.key),
                   QString::fromUtf8(language == 0 ? tab.simplified : tab.english));
    }
}

void ApplyLanguageCaptions(ProgramRun& run) {
    const int language = run.state.Language;
    QWidget* windows[] = {&run.MainWindow(), run.forms.form1, run.forms.form2,
                          run.forms.form3,   run.forms.form4, run.forms.form5};
    const bool stored = language == 0 || language == 1;  // Traditional is converted, not stored
    for (QWidget* window : windows) {
        if (window == nullptr) continue;
        if (stored && window == run.forms.form2) WriteDelayItems(*run.forms.form2, language);
        ApplyCaptionsTo(*window, language);
        if (stored && window == run.forms.form3) RebuildTimeoutList(*run.forms.form3, language);
    }
    if (run.forms.form4 != nullptr) run.forms.form4->TabStrip1_Click();
    run.MainWindow().UpdatePortStatus();
    // An FM entry message stays in the language it was shown in: it goes.
    if (run.forms.form5 != nullptr) run.forms.form5->ClearMessageLine();
}

}  // namespace qav
