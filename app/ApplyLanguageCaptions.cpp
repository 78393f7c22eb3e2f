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
#include "lang/CaptionCatalogue.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTabStrip.h"

namespace qav {
namespace {

void SetCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control)) menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control)) action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle(text);
}

void Apply(QWidget& window, const CaptionRow& row, const QString& text) {
    QObject* control = *row.control == '\0' ? &window : window.findChild<QObject*>(QString::fromLatin1(row.control));
    if (control == nullptr) return;
    switch (row.target) {
        case CaptionTarget::Caption:
            if (control == &window) window.setWindowTitle(text);
            else SetCaption(control, text);
            break;
        case CaptionTarget::ToolTip:
            if (auto* bar = qobject_cast<QToolBar*>(control); bar && row.item >= 1 && row.item <= bar->actions().size())
                bar->actions().at(row.item - 1)->setToolTip(text);
            break;
        case CaptionTarget::ListItem:
            if (auto* list = qobject_cast<VbComboBox*>(control)) list->SetList(row.item, text);
            break;
        case CaptionTarget::GridHeader:
            QMetaObject::invokeMethod(control, "SetTextMatrix", Q_ARG(int, 0), Q_ARG(int, row.item), Q_ARG(QString, text));
            break;
    }
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
    QWidget* windows[] = {&run.MainWindow(), run.forms.form1, run.forms.form2, run.forms.form3, run.forms.form4,
                          run.forms.form5};
    for (QWidget* window : windows)
        if (window != nullptr) ApplyCaptionsTo(*window, language);
    if (run.forms.form4 != nullptr) run.forms.form4->TabStrip1_Click();
}

}  // namespace qav
