#pragma once
// A started program run with the channel editor in front, and the user's
// means on its grid: clicking a cell, pressing keys, typing into an editor.

#include <QApplication>
#include <vector>

#include "tests/forms/ChannelGridUser.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {

class ChannelEditorFixture : public ProgramFixture, public ChannelGridUser {
  protected:
    using ProgramFixture::ProgramFixture;

    void SetUp() override {
        ProgramRun& run = Start();
        AttachTo(run.forms.form1);
        QApplication::setActiveWindow(&run.MainWindow());
        grid->setFocus();
        answerer.boxes.clear();
    }

    RunState& State() { return Run().state; }
    ChannelTables& Tables() { return State().channels; }

    // The cells of columns 1 to 12 of a channel's row.
    QStringList Row(int channel) const {
        QStringList cells;
        for (int c = 1; c <= 12; ++c) cells << Cell(channel, c);
        return cells;
    }
    // Every option column of a channel in the tables.
    std::vector<int> Options(int channel) {
        std::vector<int> values;
        for (int c = 0; c < Tables().optionColumns(); ++c)
            values.push_back(Tables().ChannelOptions(channel - 1, c));
        return values;
    }
};

}  // namespace qav::test
