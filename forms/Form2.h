#pragma once
// The DTMF signalling settings: the ANI start and end codes and when they are
// sent, the dialling rate and the delay of the first digit.
//
// The controls are the working values: the image decoder sets them and the
// encoder reads them, so every control that the radio's memory holds is public
// under its own name. The form was designed with a second page of eight
// auto-dial memories and a group-call and own code; in this program those stay
// hidden, keep their defaults and (the group-call code) still travel with the image.

#include <array>

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class VbComboBox;
class VbFrame;
class VbLabel;
class VbOptionButton;
class VbTextBox;

class Form2 : public MdiChildForm {
    Q_OBJECT
  public:
    explicit Form2(FormContext& context, QWidget* parent = nullptr);

    // The DTMF defaults of a new data set. The ANI end code is left as it is.
    void StartForm();

    // LabelAni or Label5, whichever the form has.
    VbLabel* SendModeLabel() const { return LabelAni != nullptr ? LabelAni : Label5; }

    // Page switch (both buttons hidden in this program).
    void Option1_Click();
    void Option2_Click();

    // Other-features page, in screen order.
    VbLabel* Label16 = nullptr;
    VbComboBox* Combo16 = nullptr;  // DTMF rate: 0 fast, 1 slow
    VbLabel* Label17 = nullptr;
    VbComboBox* Combo17 = nullptr;  // first-digit delay: item n is n x 200 ms, n = 0..9
    VbLabel* Label2 = nullptr;
    VbTextBox* Text2 = nullptr;  // ANI start code, up to 16 of A-D 0-9 * #
    VbLabel* Label4 = nullptr;
    VbTextBox* Text4 = nullptr;  // ANI end code, up to 16 of A-D 0-9 * #
    // The caption of Combo1: LabelAni "ANI：", or in the QAV-730 form Label5
    // "PTTID："; the other one does not exist.
    VbLabel* LabelAni = nullptr;
    VbLabel* Label5 = nullptr;
    // When the ANI is sent: 0 at transmit start, 1 at transmit end, 2 both. The
    // user may type over its text; leaving it puts an item back.
    VbComboBox* Combo1 = nullptr;
    // Hidden on this page.
    VbLabel* Label18 = nullptr;
    VbComboBox* Combo18 = nullptr;  // group-call code: 0 none, then "*", "#", "A".."D"
    VbLabel* Label3 = nullptr;
    VbTextBox* Text3 = nullptr;  // own code, up to 8 characters; not in the radio's memory

    // Auto-dial page (hidden): eight memories, not in the radio's memory.
    std::array<VbLabel*, 8> Label1{};
    std::array<VbTextBox*, 8> Text1{};

    VbOptionButton* Option1 = nullptr;  // shows the auto-dial page
    VbOptionButton* Option2 = nullptr;  // shows the other-features page
    VbFrame* AutoDialPage = nullptr;
    VbFrame* OtherFeaturesPage = nullptr;

  private:
    void Form_Load();
    void BuildOtherFeaturesPage();
    void BuildAutoDialPage();
    VbTextBox* NewCodeBox(QWidget* parent, const QString& name, int maxLength);
    // Shared by every code box: upper case, then only A-D, 0-9, * and #.
    static void CodeBox_KeyPress(int& keyAscii);

    FormContext& context_;
};

}  // namespace qav
