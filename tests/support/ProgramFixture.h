#pragma once
// A whole program run for a test: a private per-user folder, message boxes
// answered by script, and no other process ever ended at shutdown.

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/ProgramRun.h"
#include "image/ModelProfile.h"
#include "tests/support/ScriptedAnswerer.h"

namespace qav::test {

class ProgramFixture : public ::testing::Test {
  protected:
    // A run of the program for that model, with its windows changed by variant.
    explicit ProgramFixture(const ModelProfile& profile = kQav750, const ModelVariant& variant = kNoVariant);
    ~ProgramFixture() override;

    // Builds the run (once) without starting it, so a test can prepare files first.
    ProgramRun& Run();
    // Builds and starts the run: the main window loads and shows.
    ProgramRun& Start();
    // Throws the run away, as the end of a program run does without the close question.
    void Discard();
    // The per-user folder of the program under test.
    QString UserFolder() const;
    // Where a test links port n to a device: UserFolder()/ports.
    QString PortsFolder() const { return UserFolder() + "/ports"; }

    QTemporaryDir configHome;
    QTemporaryDir noDevices;  // stands for the machine's device folders
    ScriptedAnswerer answerer;
    QStringList closedPrograms;  // names given to CloseProgram at shutdown
    // The file dialogs: each one shown takes the next name (none left: the
    // user cancels) and is recorded as it was asked for.
    std::deque<QString> chosenFiles;
    QList<FileDialogRequest> fileRequests;
    QTemporaryDir programFolder;            // App.Path of the run: shipped files, where dialogs start
    TraditionalMapping traditionalMapping;  // for the Traditional captions; empty: OpenCC's

  private:
    const ModelProfile& profile_;
    const ModelVariant& variant_;
    QByteArray savedConfigHome_;
    std::unique_ptr<ProgramRun> run_;
};

}  // namespace qav::test
