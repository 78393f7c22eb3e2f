#pragma once
// A started program run with the channel editor in front, and the user's
// means on its grid: clicking a cell, pressing keys, typing into an editor.

#include <QApplication>

#include "tests/forms/ChannelGridUser.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {

class ChannelEditorFixture : public ProgramFixture, public ChannelGridUser {
  protected:
    void SetUp() override {
        ProgramRun& run = Start();
        AttachTo(run.forms.form1);
        QApplication::setActiveWindow(&run.MainWindow());
        grid->setFocus();
        answerer.boxes.clear();
    }

    RunState& State() { return Run().state; }
    ChannelTables& Tables() { return State().channels; }
};

}  // namespace qav::test
