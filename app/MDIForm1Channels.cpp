// The channel part of a decode, run by the decoder between the settings: the
// channel tables from the image, then the band and what of the tables the grid shows.
#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "image/ImageDecoder.h"
#include "winsupport/VbComboBox.h"

namespace qav {

void MDIForm1::SetNumOf() {
    ChannelTables& tables = run_.state.channels;
    qav::SetNumOf(run_.state.ReadImage, ImageBinding::ContextOf(run_), tables);
    for (int k = 1; k <= tables.channelCount(); ++k)
        if (tables.ChannelFreq(k - 1, 0).empty()) run_.forms.form1->ClearNO(k);
}

void MDIForm1::SetGrid() {
    ChannelTables& tables = run_.state.channels;
    const int band = qav::SetGrid(run_.state.BandCode, ImageBinding::ContextOf(run_), tables);
    Combo1->SetListIndex(band);  // its Click takes the band limits
    Form1& form1 = *run_.forms.form1;
    for (int k = 1; k <= tables.channelCount(); ++k) {
        if (tables.ChannelFreq(k - 1, 0).empty())
            form1.ClearNO(k);
        else
            form1.ShowChannel(k);
    }
}

}  // namespace qav
