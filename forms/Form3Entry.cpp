// What the text boxes of the optional features let in, and how an entry is
// put right when the box is left: a channel number between 1 and the last
// channel (or none), the full-band frequency inside the selected band on the
// tuning raster or step list, an
// offset below 100 MHz on the raster, a power-on text the radio can show.
#include <cmath>
#include <string>

#include "forms/Form3.h"
#include "forms/RunState.h"
#include "image/FrequencySnap.h"
#include "image/NumberText.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr int kHighestPresentChannel = 128;
constexpr double kLargestOffset = 99.995;  // MHz

double Value(const VbTextBox* box) {
    return Val(box->Text().toStdString());
}

void SetText(VbTextBox* box, const std::string& text) {
    box->SetText(QString::fromStdString(text));
}

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

}  // namespace

void Form3::ChannelBox_KeyPress(VbTextBox* box, int& keyAscii) {
    if (keyAscii == kEnter) ChannelBox_LostFocus(box);
    if (!IsDigit(keyAscii) && keyAscii != kBackspace) keyAscii = 0;
}

void Form3::ChannelBox_Change(VbTextBox* box) {
    // A number above the last channel is cut back at once, while typing. The
    // present channel keeps the QAV-750 limit in every model.
    const int highest = box == Text2 ? layout_.highestPriorityChannel : kHighestPresentChannel;
    if (Value(box) > highest) box->SetText(QString::number(highest));
}

void Form3::ChannelBox_LostFocus(VbTextBox* box) {
    const double channel = std::floor(Value(box));
    SetText(box, FormatPlain(channel));
    if (channel < 1) box->SetText(QString());  // no channel
}

void Form3::Text2_LostFocus() {
    ChannelBox_LostFocus(Text2);
}
void Form3::Text6_LostFocus() {
    ChannelBox_LostFocus(Text6);
}

void Form3::FrequencyBox_KeyPress(VbTextBox* box, int& keyAscii) {
    if (keyAscii == kEnter) {
        if (box == Text20)
            Text20_LostFocus();
        else
            Text21_LostFocus();
    }
    if (!IsDigit(keyAscii) && keyAscii != '.' && keyAscii != kBackspace) keyAscii = 0;
}

void Form3::Text20_LostFocus() {
    const BandSelection& band = context_.state.band;
    const double frequency = Value(Text20);
    if (band.BandLow <= frequency && frequency < band.BandHigh) {
        const std::string text = FormatFixed(frequency, 5);
        const double snapped = layout_.vfoOnRaster ? SnapFrequency(text) : Val(SnapToStepList(text));
        SetText(Text20, FormatFixed(snapped, 5));
    } else {
        SetText(Text20, FormatFixed(band.BandLow, 5));
    }
}

void Form3::Text21_LostFocus() {
    if (Value(Text21) > kLargestOffset) Text21->SetText(QStringLiteral("99.995"));
    SetText(Text21, FormatFixed(SnapFrequency(FormatFixed(Value(Text21), 5)), 5));
}

void Form3::Text31_KeyPress(int& keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
    const bool allowed = IsDigit(keyAscii) || (keyAscii >= 'A' && keyAscii <= 'Z') ||
                         keyAscii == kBackspace || keyAscii == '*' || keyAscii == '#' || keyAscii == '-';
    if (!allowed) keyAscii = 0;
}

}  // namespace qav
