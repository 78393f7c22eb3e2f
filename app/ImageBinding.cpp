#include "app/ImageBinding.h"

#include <QAbstractButton>
#include <QLabel>

#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/MSFlexGrid.h"
#include "forms/MdiChildForm.h"
#include "image/ModelLayout.h"
#include "winsupport/LangText.h"
#include "winsupport/VbCheckBox.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

using FmGridColumn = std::array<std::string, kFmChannelCount>;

// The controls of bytes 1792..1807, in the order the decoder sets them, each
// with its field, the name the encoder reports it by and the control that
// captions it on screen.
template <typename Visit>
void SettingsControls(const FormSet& forms, ImageFields& fields, Visit&& visit) {
    Form2& f2 = *forms.form2;
    Form3& f3 = *forms.form3;
    Form2Fields& v2 = fields.form2;
    Form3Fields& v3 = fields.form3;
    visit("Form3.Combo1", v3.Combo1, f3.Combo1, f3.Label1);
    visit("Form3.Text2", v3.Text2, f3.Text2, f3.Label2);
    visit("Form3.Combo3", v3.Combo3, f3.Combo3, f3.Label3);
    visit("Form2.Combo1", v2.Combo1, f2.Combo1, f2.SendModeLabel());
    visit("Form3.Combo5", v3.Combo5, f3.Combo5, f3.Label5);
    visit("Form3.Text6", v3.Text6, f3.Text6, f3.Label6);
    visit("Form3.Combo7", v3.Combo7, f3.Combo7, f3.Label7);
    if (f3.Combo17 != nullptr) visit("Form3.Combo17", v3.Combo17, f3.Combo17, f3.Label32);  // MONI key mode
    visit("Form3.Combo8", v3.Combo8, f3.Combo8, f3.Label8);
    visit("Form3.Combo9", v3.Combo9, f3.Combo9, f3.Label9);
    visit("Form3.ComboMod", v3.ComboMod, f3.ComboMod, f3.LabelMod);
    visit("Form3.Combo10", v3.Combo10, f3.Combo10, f3.Label10);
    visit("Form3.Combo18", v3.Combo18, f3.Combo18, f3.Label33);
    visit("Form3.Combo11", v3.Combo11, f3.Combo11, f3.Label11);
    visit("Form3.Check12", v3.Check12, f3.Check12, f3.Check12);
    visit("Form3.Check13", v3.Check13, f3.Check13, f3.Check13);
    visit("Form3.Combo14", v3.Combo14, f3.Combo14, f3.Label14);
    visit("Form3.Combo15", v3.Combo15, f3.Combo15, f3.Label15);
    visit("Form2.Combo16", v2.Combo16, f2.Combo16, f2.Label16);
    visit("Form2.Combo17", v2.Combo17, f2.Combo17, f2.Label17);
    visit("Form2.Combo18", v2.Combo18, f2.Combo18, f2.Label18);
    visit("Form3.Combo19", v3.Combo19, f3.Combo19, f3.Label19);
}

// The controls the decoder sets after the band, in its order.
template <typename Visit>
void OtherControls(const FormSet& forms, ImageFields& fields, Visit&& visit) {
    Form2& f2 = *forms.form2;
    Form3& f3 = *forms.form3;
    Form5& f5 = *forms.form5;
    Form2Fields& v2 = fields.form2;
    Form3Fields& v3 = fields.form3;
    Form5Fields& v5 = fields.form5;
    visit("Form3.Text31", v3.Text31, f3.Text31, f3.Label31);
    visit("Form3.Text20", v3.Text20, f3.Text20, f3.Label20);
    visit("Form3.Text21", v3.Text21, f3.Text21, f3.Label21);
    visit("Form3.Combo22", v3.Combo22, f3.Combo22, f3.Label22);
    visit("Form3.Combo23", v3.Combo23, f3.Combo23, f3.Label23);
    visit("Form3.Combo24", v3.Combo24, f3.Combo24, f3.Label24);
    visit("Form3.Combo25", v3.Combo25, f3.Combo25, f3.Label25);
    visit("Form3.Combo26", v3.Combo26, f3.Combo26, f3.Label26);
    visit("Form3.Combo27", v3.Combo27, f3.Combo27, f3.Label27);
    visit("Form3.Combo28", v3.Combo28, f3.Combo28, f3.Label28);
    visit("Form3.Combo12", v3.Combo12, f3.Combo12, f3.Label16);
    visit("Form3.Combo29", v3.Combo29, f3.Combo29, f3.Label29);
    visit("Form3.Combo30", v3.Combo30, f3.Combo30, f3.Label30);
    visit("Form2.Text4", v2.Text4, f2.Text4, f2.Label4);
    visit("Form2.Text2", v2.Text2, f2.Text2, f2.Label2);
    visit("Form5.MSFGrid", v5.MSFGrid, f5.MSFGrid, nullptr);
    visit("Form5.Combo1(0)", v5.Combo1_0, f5.Combo1[0], f5.Label1[0]);
    visit("Form5.Combo1(1)", v5.Combo1_1, f5.Combo1[1], f5.Label1[1]);
    visit("Form5.Combo1(2)", v5.Combo1_2, f5.Combo1[2], f5.Label1[2]);
    visit("Form5.Text2", v5.Text2, f5.Text2, f5.Label1[3]);
    visit("Form3.Combo2", v3.Combo2, f3.Combo2, f3.Label12);
    visit("Form3.Combo6", v3.Combo6, f3.Combo6, f3.Label13);
    visit("Form3.Combo13", v3.Combo13, f3.Combo13, f3.Label17);
    visit("Form3.Combo16", v3.Combo16, f3.Combo16, f3.Label18);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Into the controls, as the program's choice (a list raises its Click).
struct SetControl {
    void operator()(const char*, int index, VbComboBox* list, const QWidget*) const {
        list->SetListIndex(index);
    }
    void operator()(const char*, std::optional<int> index, VbComboBox* list, const QWidget*) const {
        if (index) list->SetListIndex(*index);
    }
    void operator()(const char*, const std::string& text, VbComboBox* list, const QWidget*) const {
        list->SetText(Text(text));
    }
    void operator()(const char*, const std::string& text, VbTextBox* box, const QWidget*) const {
        box->SetText(Text(text));
    }
    void operator()(const char*, int value, VbCheckBox* check, const QWidget*) const {
        check->SetValue(value);
    }
    void operator()(const char*, const FmGridColumn& cells, MSFlexGrid* grid, const QWidget*) const {
        for (int k = 1; k <= kFmChannelCount; ++k)
            grid->SetTextMatrix(k, Form5::kColFrequency, Text(cells[std::size_t(k - 1)]));
    }
};

// Out of the controls. An editable list whose text is no item gives -1,
// which the encoder refuses.
struct ReadControl {
    void operator()(const char*, int& index, VbComboBox* list, const QWidget*) const {
        index = list->ListIndex();
    }
    void operator()(const char*, std::optional<int>& index, VbComboBox* list, const QWidget*) const {
        index = list->ListIndex();
    }
    void operator()(const char*, std::string& text, VbComboBox* list, const QWidget*) const {
        text = list->Text().toStdString();
    }
    void operator()(const char*, std::string& text, VbTextBox* box, const QWidget*) const {
        text = box->Text().toStdString();
    }
    void operator()(const char*, int& value, VbCheckBox* check, const QWidget*) const {
        value = check->Value();
    }
    void operator()(const char*, FmGridColumn& cells, MSFlexGrid* grid, const QWidget*) const {
        for (int k = 1; k <= kFmChannelCount; ++k)
            cells[std::size_t(k - 1)] = grid->TextMatrix(k, Form5::kColFrequency).toStdString();
    }
};

// The captioning control of the control reported by that name.
struct FindCaption {
    template <typename Field, typename Control>
    void operator()(const char* name, Field&, Control*, const QWidget* caption) {
        if (wanted == name) found = caption;
    }
    std::string wanted;
    const QWidget* found = nullptr;
};

// A caption as a name: without the colon that leads to its field.
QString CaptionText(const QWidget* control) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    text = text.trimmed();
    while (text.endsWith(u':') || text.endsWith(u'：') || text.endsWith(u';')) text.chop(1);
    return text.trimmed();
}

// The form a control is on, named by its caption.
QString InWindow(const QWidget* control, const QString& what) {
    while (control != nullptr && qobject_cast<const MdiChildForm*>(control) == nullptr)
        control = control->parentWidget();
    return control == nullptr ? what : control->windowTitle() + QStringLiteral(" - ") + what;
}

const LangText kChannelWord{"频道", "Channel", "頻道"};

// "ChannelFreq(4, 0)" -> "ChannelFreq" and {4, 0}.
std::pair<std::string, std::vector<int>> SplitField(const std::string& field) {
    const std::size_t open = field.find('(');
    std::vector<int> numbers;
    if (open != std::string::npos) {
        const QStringList parts = Text(field.substr(open + 1)).remove(u')').split(u',', Qt::SkipEmptyParts);
        for (const QString& part : parts) numbers.push_back(part.trimmed().toInt());
    }
    return {field.substr(0, open), numbers};
}

}  // namespace

DecodeContext ImageBinding::ContextOf(const ProgramRun& run) {
    DecodeContext context;
    context.profile = &run.state.profile;
    context.language = static_cast<Language>(run.state.Language);
    const Form1* form1 = run.forms.form1;
    context.optionItems.resize(std::size_t(run.state.profile.optionColumns));
    for (int column = 2; column < run.state.profile.optionColumns && form1 != nullptr; ++column) {
        if (const VbComboBox* list = form1->Combo5(column + Form1::kColReceiveTone))
            context.optionItems[std::size_t(column)] = {list->List(0).toStdString(),
                                                        list->List(1).toStdString()};
    }
    return context;
}

void ImageBinding::DecodeImage() {
    RunState& state = run_.state;
    // Whoever decodes, the band it selects is the program's choice: no question,
    // and no wiping of the channels just decoded.
    state.band.BandChangeByProgram = true;
    // An edit still open in a grid would land in the data about to be shown
    // when the user leaves it. It is dropped, not committed: its data is
    // replaced anyway, and committing could even stop an Open or a factory
    // reset with a message about a value typed into the old data. (A read
    // commits the open edits before its transfer starts, as a write does.)
    run_.forms.form1->CloseEditors();
    run_.forms.form5->CloseEditors();

    const DecodedImage decoded = qav::DecodeImage(state.ReadImage, ContextOf(run_));
    ImageFields fields = decoded.fields;
    MDIForm1& main = run_.MainWindow();
    main.SetNumOf();
    SettingsControls(run_.forms, fields, SetControl{});
    state.BandCode = decoded.BandCode;
    main.SetGrid();
    OtherControls(run_.forms, fields, SetControl{});
    state.fm = decoded.fm;
    state.grades = decoded.grades;

    // Every channel's name, also of the channels the band removed (a model
    // without names has none, and its last grid column is an option).
    const ModelLayout& layout = *state.profile.layout;
    if (layout.channelNameBlock >= 0) {
        DecodeChannelNames(state.ReadImage, state.channels, layout);
        Form1& form1 = *run_.forms.form1;
        for (int k = 1; k <= state.channels.channelCount(); ++k)
            form1.Grid1->SetTextMatrix(k, Form1::kColName, Text(state.channels.ChannelName(k - 1)));
    }

    run_.forms.form4->TabStrip1_Click();  // the sliders show the grades just decoded
}

ImageFields ImageBinding::ReadControls() const {
    ImageFields fields;
    fields.mdiForm1.Combo1 = run_.MainWindow().Combo1->ListIndex();
    SettingsControls(run_.forms, fields, ReadControl{});
    OtherControls(run_.forms, fields, ReadControl{});
    return fields;
}

void ImageBinding::EncodeCurrentInto(MemoryImage& image) const {
    const RunState& state = run_.state;
    qav::EncodeImage(ReadControls(), state.channels, state.fm, state.grades, image, *state.profile.layout);
}

bool ImageBinding::EncodeImage(EncodeFor purpose) {
    RunState& state = run_.state;
    // Built aside: a refused encode leaves WriteImage as the last good one.
    MemoryImage image = state.WriteImage;
    const std::vector<EncodeFault> faults = qav::EncodeImage(ReadControls(), state.channels, state.fm,
                                                             state.grades, image, *state.profile.layout);
    if (!faults.empty()) {
        ShowRefusal(faults, purpose);
        return false;
    }
    state.WriteImage = image;
    return true;
}

QString ImageBinding::FieldCaption(const EncodeFault& fault) const {
    const FormSet& forms = run_.forms;
    const int language = run_.state.Language;
    const auto [name, numbers] = SplitField(fault.field);
    const auto number = [&numbers](std::size_t i) { return i < numbers.size() ? numbers[i] : 0; };

    if (name == "ChannelFreq" || name == "ChannelOptions" || name == "ChannelOptionText" ||
        name == "ChannelName") {
        int column = Form1::kColName;
        if (name == "ChannelFreq")
            column = Form1::kColReceive + number(1);
        else if (name != "ChannelName")
            column = Form1::kColReceiveTone + number(1);
        const QString header = forms.form1->Grid1->TextMatrix(0, column);
        return InWindow(forms.form1,
                        kChannelWord.Pick(language) + QStringLiteral(" %1 ").arg(number(0) + 1) + header);
    }
    if (name == "FmChannelFreq") {
        const QString header = forms.form5->MSFGrid->TextMatrix(0, Form5::kColChannel);
        return InWindow(forms.form5, header + QStringLiteral(" %1").arg(number(0) + 1));
    }
    const std::pair<const char*, int> fmValues[] = {
        {"FmChannelNo", 0}, {"FmDisplayMode", 1}, {"FmStep", 2}, {"FmFrequency", 3}};
    for (const auto& [value, label] : fmValues)
        if (name == value) return InWindow(forms.form5, CaptionText(forms.form5->Label1[std::size_t(label)]));
    if (name == "PowerGrades" || name == "LowPowerLowGrade") return forms.form4->windowTitle();
    if (name == "MDIForm1.Combo1") return CaptionText(run_.MainWindow().Label1);

    ImageFields fields;
    FindCaption find{name, nullptr};
    SettingsControls(forms, fields, find);
    OtherControls(forms, fields, find);
    if (find.found == nullptr) return Text(fault.field);
    return InWindow(find.found, CaptionText(find.found));
}

void ImageBinding::ShowRefusal(const std::vector<EncodeFault>& faults, EncodeFor purpose) const {
    constexpr int kMostNamed = 8;
    QStringList names;
    for (const EncodeFault& fault : faults) {
        const QString caption = FieldCaption(fault);
        if (!names.contains(caption)) names << caption;
    }
    if (names.size() > kMostNamed) {
        names = names.mid(0, kMostNamed);
        names << QStringLiteral("……");
    }

    const int language = run_.state.Language;
    const LangText written{
        "以下数据无效，不能写入，请更正后再试：",
        "The following data are invalid and can't be written, please correct them and try again:",
        "以下數據無效，不能寫入，請更正後再試："};
    const LangText saved{
        "以下数据无效，不能保存，请更正后再试：",
        "The following data are invalid and can't be saved, please correct them and try again:",
        "以下數據無效，不能儲存，請更正後再試："};
    const LangText& text = purpose == EncodeFor::Save ? saved : written;
    const LangText title{"错误", "Mistake", "錯誤"};
    run_.msgbox.ShowMessage(text.Pick(language) + QStringLiteral("\r\n") + names.join(QStringLiteral("\r\n")),
                            MB_ICONEXCLAMATION, title.Pick(language));
}

}  // namespace qav
