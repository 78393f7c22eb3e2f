#pragma once
// The optional features: the function settings, the full-band (VFO) frequency
// with its channel-like options, and VOX.
//
// The controls are the working values: the image decoder sets them and the
// encoder reads them, so every control that the radio's memory holds is public
// under its own name. List values are list indexes, check boxes 0 or 1, text
// boxes their text. Entries out of range are corrected without a message.
//
// The form also carries the hidden service unlock: two groups of three caption
// labels; clicking the three labels of a group within five seconds grants a
// service permission and shows its toolbar button.
//
// Which fields the function settings show, a few design-time texts and
// defaults, the entry limits and the unlock labels come from the program's
// model (FeaturesFormLayout).

#include <array>

#include "forms/FeaturesFormLayout.h"
#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class VbCheckBox;
class VbComboBox;
class VbFrame;
class VbLabel;
class VbOptionButton;
class VbTextBox;
struct ServiceUnlockGroup;

class Form3 : public MdiChildForm {
    Q_OBJECT
  public:
    explicit Form3(FormContext& context, QWidget* parent = nullptr);

    // The defaults of a new data set; the two VOX check boxes stay as they are.
    void StartForm();

    // Entry checks, run when a box is left and by its Enter key.
    void Text2_LostFocus();
    void Text6_LostFocus();
    void Text20_LostFocus();
    void Text21_LostFocus();

    void Option1_Click();  // shows the function settings
    void Option2_Click();  // shows the VFO page
    void Combo2_Click();   // the FM channel menu item follows the FM function

    // The labels of the two unlock groups, three each.
    std::array<VbLabel*, 3> ServiceGroupA() const;
    std::array<VbLabel*, 3> ServiceGroupB() const;

    // ---- Function settings (Frame2), rows of two --------------------------------
    VbLabel* Label2 = nullptr;
    VbTextBox* Text2 = nullptr;  // priority-scan channel 1..128, "" none
    VbLabel* Label6 = nullptr;
    VbTextBox* Text6 = nullptr;  // present channel 1..128, "" none
    VbLabel* Label1 = nullptr;
    // display: 0 VFO, 1 channel and frequency, 2 channel, 3 channel name (QAV-730:
    // the power-on power switch, 0 off, 1 on)
    VbComboBox* Combo1 = nullptr;
    VbLabel* Label3 = nullptr;
    VbComboBox* Combo3 = nullptr;  // step: 0 5K, 1 6.25K, 2 10K, 3 12.5K, 4 25K
    VbLabel* Label7 = nullptr;
    VbComboBox* Combo7 = nullptr;  // beep: 0 off, 1 on
    VbLabel* Label5 = nullptr;
    VbComboBox* Combo5 = nullptr;  // squelch level 0..9
    VbLabel* Label9 = nullptr;
    VbComboBox* Combo9 = nullptr;  // key lock: 0 locked, 1 normal
    VbLabel* Label8 = nullptr;
    VbComboBox* Combo8 = nullptr;  // battery save: 0 off, 1 on
    VbLabel* Label11 = nullptr;
    VbComboBox* Combo11 = nullptr;  // reverse frequency: 0 on, 1 off
    VbLabel* Label10 = nullptr;
    VbComboBox* Combo10 = nullptr;  // auto backlight: 0 off, 1 on
    VbLabel* Label12 = nullptr;
    VbComboBox* Combo2 = nullptr;  // FM radio: 0 off, 1 on (editable; leaving it puts an item back)
    VbLabel* Label19 = nullptr;
    VbComboBox* Combo19 = nullptr;  // transmit time-out: 0 off, item n is n x 15 s, n = 1..40
    VbLabel* Label31 = nullptr;
    VbTextBox* Text31 = nullptr;  // power-on text, up to 6 of 0-9 A-Z * # -
    VbLabel* Label33 = nullptr;
    VbComboBox* Combo18 = nullptr;  // key-lock mode: 0 keys and encoder, 1 keys
    VbLabel* Label32 = nullptr;
    VbComboBox* Combo17 = nullptr;  // MONI key mode: 0 steady, 1 transient; only where the model has it
    // Hidden on this page; editable ones put an item back when left.
    VbLabel* Label18 = nullptr;
    VbComboBox* Combo16 = nullptr;  // VFO switch (QAV-730: compander switch): 0 off, 1 on (editable)
    VbLabel* Label17 = nullptr;
    VbComboBox* Combo13 = nullptr;  // de-emphasis: 0 off, 1 on (editable)
    VbLabel* Label13 = nullptr;
    VbComboBox* Combo6 = nullptr;  // scrambler switch: 0 off, 1 on
    VbLabel* Label105 = nullptr;
    VbComboBox* Combo105 = nullptr;  // scrambler: 0 on, 1 off; not in the radio's memory
    VbLabel* LabelMod = nullptr;
    VbComboBox* ComboMod = nullptr;  // scan mode: 0 carrier, 1 time (editable where the model says so)

    // ---- VFO page (Frame3) ------------------------------------------------------
    VbLabel* Label20 = nullptr;
    VbTextBox* Text20 = nullptr;  // full-band frequency, MHz "0.00000", inside the selected band
    VbLabel* Label22 = nullptr;
    VbComboBox* Combo22 = nullptr;  // receive tone: 0 off, 1..260 the tone table
    VbLabel* Label24 = nullptr;
    VbComboBox* Combo24 = nullptr;  // power: 0 low, 1 high
    VbLabel* Label27 = nullptr;
    VbComboBox* Combo27 = nullptr;  // bandwidth: 0 narrow, 1 wide
    VbLabel* Label16 = nullptr;
    VbComboBox* Combo12 = nullptr;  // scramble: 0 on, 1 off
    VbLabel* Label30 = nullptr;
    VbComboBox* Combo30 = nullptr;  // offset direction: 0 plus, 1 minus, 2 none
    VbLabel* Label21 = nullptr;
    VbTextBox* Text21 = nullptr;  // offset, MHz "0.00000", below 100
    VbLabel* Label23 = nullptr;
    VbComboBox* Combo23 = nullptr;  // transmit tone: 0 off, 1..260 the tone table
    VbLabel* Label25 = nullptr;
    VbComboBox* Combo25 = nullptr;  // busy-channel lock: 0 carrier, 1 off
    VbLabel* Label29 = nullptr;
    VbComboBox* Combo29 = nullptr;  // companding: 0 off, 1 on
    VbLabel* Label28 = nullptr;
    VbComboBox* Combo28 = nullptr;  // ANI: 0 on, 1 off
    // Hidden on this page.
    VbLabel* Label26 = nullptr;
    VbComboBox* Combo26 = nullptr;  // scan add: 0 off, 1 on
    VbLabel* Label4 = nullptr;
    VbComboBox* Combo4 = nullptr;  // call tone: 0 off, 1..5 TONE1..TONE5; not in the radio's memory

    // ---- VOX (Frame1) -----------------------------------------------------------
    VbLabel* Label14 = nullptr;
    VbComboBox* Combo14 = nullptr;  // VOX gain: 0 off, 1..9
    VbLabel* Label15 = nullptr;
    VbComboBox* Combo15 = nullptr;  // VOX delay: 0.5, 1, 1.5, 2, 2.5, 3 s
    VbCheckBox* Check12 = nullptr;  // VOX: the operation may be cancelled
    VbCheckBox* Check13 = nullptr;  // VOX is off while receiving

    VbFrame* Frame1 = nullptr;  // VOX
    VbFrame* Frame2 = nullptr;  // function settings
    VbFrame* Frame3 = nullptr;  // VFO
    VbOptionButton* Option1 = nullptr;
    VbOptionButton* Option2 = nullptr;

  private:
    void Form_Load();
    void BuildFunctionPage();
    void BuildVfoPage();
    void BuildVoxFrame();
    void PlaceFunctionFields();
    void ApplyDesignTexts();
    void LayOutForm();
    void ConnectHandlers();
    void ConnectServiceUnlock();

    // Entry filters and checks of the text boxes.
    void ChannelBox_KeyPress(VbTextBox* box, int& keyAscii);
    void ChannelBox_Change(VbTextBox* box);
    void ChannelBox_LostFocus(VbTextBox* box);
    void FrequencyBox_KeyPress(VbTextBox* box, int& keyAscii);
    static void Text31_KeyPress(int& keyAscii);

    // A click on member 0..2 of an unlock group.
    void ServiceLabel_Click(ServiceUnlockGroup& group, int member, bool& permission, bool tuning);
    void ShowServicePermission(bool tuning);

    QString BandMidpoint() const;
    VbLabel* LabelNamed(const char* name) const;

    FormContext& context_;
    const FeaturesFormLayout& layout_;  // what the program's model makes of the form
};

}  // namespace qav
