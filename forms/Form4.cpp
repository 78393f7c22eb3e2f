#include "forms/Form4.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "forms/RunState.h"
#include "winsupport/Twips.h"
#include "winsupport/VbFrame.h"
#include "winsupport/VbLabel.h"
#include "winsupport/VbSlider.h"
#include "winsupport/VbTabStrip.h"

namespace qav {
namespace {

// The grades a new set of data starts with, by section: high, middle, low.
constexpr std::array<int, 3> kHighPowerDefaults{220, 208, 220};
constexpr std::array<int, 3> kLowPowerDefaults{130, 116, 130};

const std::array<const char*, 3> kHighPowerSections{"高功率高段等级", "高功率中段等级", "高功率低段等级"};
const std::array<const char*, 3> kLowPowerSections{"低功率高段等级", "低功率中段等级", "低功率低段等级"};
const std::array<const char*, 3> kEnglishSections{"High Section Grades", "Midsection Grades",
                                                  "Low Section Grades"};

}  // namespace

Form4::Form4(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("调试"));

    auto* column = new QVBoxLayout(this);
    TabStrip1 = new VbTabStrip(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->Add(1, QStringLiteral("hpGrade"), QStringLiteral("高功率等级"));
    TabStrip1->Add(2, QStringLiteral("lpGrade"), QStringLiteral("低功率等级"));
    column->addWidget(TabStrip1);

    for (int i = 0; i < 3; ++i) {
        const QString index = QStringLiteral("(%1)").arg(i);
        Frame1[i] = new VbFrame(this);
        Frame1[i]->setObjectName(QStringLiteral("Frame1") + index);
        auto* grid = new QGridLayout(Frame1[i]);
        Label3[i] = new VbLabel(Frame1[i]);
        Label3[i]->setObjectName(QStringLiteral("Label3") + index);
        Label1[i] = new VbLabel(Frame1[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1") + index);
        Label2[i] = new VbLabel(Frame1[i]);
        Label2[i]->setObjectName(QStringLiteral("Label2") + index);
        Slider1[i] = new VbSlider(Frame1[i]);
        Slider1[i]->setObjectName(QStringLiteral("Slider1") + index);
        Slider1[i]->setRange(0, 255);
        Slider1[i]->setSingleStep(1);
        Slider1[i]->setPageStep(5);
        Slider1[i]->setMinimumWidth(TwipsToPixels(4000));
        Slider1[i]->setEnabled(false);  // until the service unlock
        grid->addWidget(Label3[i], 0, 0, 1, 3);
        grid->addWidget(Label1[i], 1, 0);
        grid->addWidget(Slider1[i], 1, 1);
        grid->addWidget(Label2[i], 1, 2);
        column->addWidget(Frame1[i]);

        // The ends of a slider's scale grey out with it, so that a locked
        // slider looks locked.
        Label1[i]->setEnabled(false);
        Label2[i]->setEnabled(false);
        Slider1[i]->installEventFilter(this);
        connect(Slider1[i], &VbSlider::Change, this, [this, i] { Slider1_Change(i); });
        connect(Slider1[i], &VbSlider::Scroll, this, [this, i] { Slider1_Scroll(i); });
    }
    column->addStretch(1);
    connect(TabStrip1, &VbTabStrip::Click, this, &Form4::TabStrip1_Click);

    // Holds the focus itself while no slider takes input (see showEvent).
    setFocusPolicy(Qt::ClickFocus);

    resize(TwipsToPixels(6600), TwipsToPixels(5000));
    Form_Load();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        for (int i = 0; i < 3; ++i) {
            if (watched != Slider1[i]) continue;
            Label1[i]->setEnabled(Slider1[i]->isEnabled());
            Label2[i]->setEnabled(Slider1[i]->isEnabled());
        }
    }
    return MdiChildForm::eventFilter(watched, event);
}

void Form4::showEvent(QShowEvent* event) {
    MdiChildForm::showEvent(event);
    // The keys are for the sliders. Locked, they cannot take the focus, and
    // the form keeps it rather than the tab strip, where the arrow keys would
    // change the tab and the focus frame would look like the way in.
    if (Slider1[0]->isEnabled())
        Slider1[0]->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Form4::Form_Load() {
    // All six defaults at once, not each tab's on its first showing: a save or
    // a tuning write before the low-power tab was ever shown would otherwise
    // store 0 for its grades. The form loads before any data is read or opened,
    // so no grades of a radio or a file are ever replaced by these.
    if (context_.state.GradesFromRadio == 0) {
        PowerGradeValues& grades = context_.state.grades;
        grades.PowerGrades[HighPowerHighGrade] = kHighPowerDefaults[0];
        grades.PowerGrades[HighPowerMidGrade] = kHighPowerDefaults[1];
        grades.PowerGrades[HighPowerLowGrade] = kHighPowerDefaults[2];
        grades.PowerGrades[LowPowerHighGrade] = kLowPowerDefaults[0];
        grades.PowerGrades[LowPowerMidGrade] = kLowPowerDefaults[1];
        grades.LowPowerLowGrade = kLowPowerDefaults[2];
    }
    TabStrip1_Click();
}

bool Form4::HighPowerTabSelected() const {
    return TabStrip1->SelectedIndex() == 1;
}

int& Form4::Grade(int section) {
    PowerGradeValues& grades = context_.state.grades;
    if (HighPowerTabSelected()) return grades.PowerGrades[HighPowerHighGrade + section];
    if (section == 2) return grades.LowPowerLowGrade;
    return grades.PowerGrades[LowPowerHighGrade + section];
}

void Form4::TabStrip1_Click() {
    for (int i = 0; i < 3; ++i) Slider1[i]->SetValue(Grade(i));

    const bool english = context_.state.Language == 1;
    const auto& sections = english                  ? kEnglishSections
                           : HighPowerTabSelected() ? kHighPowerSections
                                                    : kLowPowerSections;
    for (int i = 0; i < 3; ++i) {
        Frame1[i]->SetCaption(QString::fromUtf8(sections[i]));
        Label3[i]->SetCaption(Frame1[i]->Caption() + u':' + QString::number(Grade(i)));
        Label1[i]->SetCaption(english ? QStringLiteral("Low") : QStringLiteral("低"));
        Label2[i]->SetCaption(english ? QStringLiteral("High") : QStringLiteral("高"));
    }
}

void Form4::Slider1_Change(int index) {
    const int value = Slider1[index]->Value();
    Grade(index) = value;
    Label3[index]->SetCaption(Frame1[index]->Caption() + QString::number(value));
}

void Form4::Slider1_Scroll(int index) {
    Slider1_Change(index);
}

}  // namespace qav
