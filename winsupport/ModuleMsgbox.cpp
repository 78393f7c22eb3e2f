#include "winsupport/ModuleMsgbox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>

namespace qav {
namespace {

struct ButtonCaption {
    int id;
    const char* simplified;
    const char* english;
    const char* traditional;  // for a program that gives Traditional captions of its own
};

// In the order the captions are set.
constexpr std::array<ButtonCaption, 7> kCaptions{{
    {IDOK, "确定", "OK", "確定"},
    {IDCANCEL, "取消", "Cancel", "取消"},
    {IDYES, "是", "Yes", "是"},
    {IDNO, "否", "No", "否"},
    {IDABORT, "放弃", "Abort", "放棄"},
    {IDIGNORE, "忽略", "Ignore", "忽略"},
    {IDRETRY, "重试", "Retry", "重試"},
}};

struct ButtonSet {
    std::vector<std::pair<int, QMessageBox::StandardButton>> buttons;  // in the order shown
    int escape;                                                        // 0: Escape does nothing
};

ButtonSet ButtonsFor(int style) {
    using SB = QMessageBox::StandardButton;
    switch (style & 0xF) {
        case MB_OKCANCEL:
            return {{{IDOK, SB::Ok}, {IDCANCEL, SB::Cancel}}, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {{{IDABORT, SB::Abort}, {IDRETRY, SB::Retry}, {IDIGNORE, SB::Ignore}}, 0};
        case MB_YESNOCANCEL:
            return {{{IDYES, SB::Yes}, {IDNO, SB::No}, {IDCANCEL, SB::Cancel}}, IDCANCEL};
        case MB_YESNO:
            return {{{IDYES, SB::Yes}, {IDNO, SB::No}}, 0};
        case MB_RETRYCANCEL:
            return {{{IDRETRY, SB::Retry}, {IDCANCEL, SB::Cancel}}, IDCANCEL};
        default:
            return {{{IDOK, SB::Ok}}, IDOK};
    }
}

QMessageBox::Icon IconFor(int style) {
    switch (style & 0xF0) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The person at the keyboard answers.
class ModalAnswerer : public MessageAnswerer {
  public:
    int Answer(QMessageBox& box, const MessageRecord& record) override {
        box.exec();
        const QVariant id = box.clickedButton() ? box.clickedButton()->property("qavButtonId") : QVariant();
        if (id.isValid()) return id.toInt();
        return record.escapeButton != 0 ? record.escapeButton : record.defaultButton;
    }
};

}  // namespace

ModuleMsgbox::ModuleMsgbox(const int& language, QString appTitle)
    : language_(language), appTitle_(std::move(appTitle)) {}

QMap<int, QString> ModuleMsgbox::ButtonCaptions(int language, bool withTraditional) {
    QMap<int, QString> captions;
    const bool held = language == 0 || language == 1 || (language == 2 && withTraditional);
    if (!held) return captions;
    for (const auto& c : kCaptions) {
        const char* text = language == 0 ? c.simplified : language == 1 ? c.english : c.traditional;
        captions.insert(c.id, QString::fromUtf8(text));
    }
    return captions;
}

int ModuleMsgbox::ShowMessage(QString& text, int& style, QString& title) {
    if (title.isEmpty()) title = appTitle_;

    QMessageBox box(owner_.data());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(IconFor(style));

    MessageRecord record{text, style, title, {}, 0, 0};
    const ButtonSet set = ButtonsFor(style);
    const QMap<int, QString> captions = ButtonCaptions(language_, traditionalButtons_);
    std::vector<QPushButton*> shown;
    for (const auto& [id, standard] : set.buttons) {
        QPushButton* button = box.addButton(standard);
        button->setProperty("qavButtonId", id);
        if (captions.contains(id)) button->setText(captions.value(id));
        record.buttons.insert(id, button->text());
        shown.push_back(button);
    }
    const std::size_t defaultIndex = std::min<std::size_t>((style >> 8) & 0xF, shown.size() - 1);
    box.setDefaultButton(shown[defaultIndex]);
    record.defaultButton = set.buttons[defaultIndex].first;
    record.escapeButton = set.escape;
    if (set.escape != 0) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (set.buttons[i].first == set.escape) box.setEscapeButton(shown[i]);
    }

    if (answerer_ != nullptr) return answerer_->Answer(box, record);
    ModalAnswerer person;
    return person.Answer(box, record);
}

int ModuleMsgbox::ShowMessage(const QString& text, int style, const QString& title) {
    QString t = text;
    QString ti = title;
    int s = style;
    return ShowMessage(t, s, ti);
}

}  // namespace qav
