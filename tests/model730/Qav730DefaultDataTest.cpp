#include <QDir>
#include <QFile>

#include "app/DataFile.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "model730/Qav730Variant.h"
#include "tests/support/ProgramFixture.h"
#include "winsupport/VbCommandButton.h"

namespace qav::test {
namespace {

class Qav730DefaultDataTest : public ProgramFixture {
  protected:
    Qav730DefaultDataTest() : ProgramFixture(kQav730, Qav730Variant()) {}

    QString DefaultData() const { return QDir(programFolder.path()).filePath("QAV730.dat"); }

    // Starts with the channel editor closed and no box left to answer.
    ProgramRun& StartWithEditorClosed() {
        ProgramRun& run = Start();
        run.forms.form1->HideForm();
        EXPECT_FALSE(run.forms.form1->IsShown());
        answerer.boxes.clear();
        return run;
    }
};

TEST_F(Qav730DefaultDataTest, ButtonLoadsTheDefaultDataAndShowsTheChannelEditor) {
    ProgramRun& run = StartWithEditorClosed();
    MemoryImage image(kQav730);
    image.at(0) = 0x55;  // something to see arrive
    ASSERT_TRUE(DataFile(kQav730).Save(DefaultData(), image));
    QFile file(DefaultData());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 1952);

    run.MainWindow().Command1->click();
    EXPECT_TRUE(answerer.boxes.isEmpty()) << answerer.Texts().join('\n').toStdString();
    EXPECT_TRUE(run.forms.form1->IsShown());
    EXPECT_EQ(run.state.ReadImage.at(0), 0x55);
}

// A missing, unreadable or foreign default data file is reported; nothing is
// created, loaded or shown.
TEST_F(Qav730DefaultDataTest, DefaultDataThatCannotBeLoadedChangesNothing) {
    struct Case {
        const char* what;
        QByteArray contents;  // empty: no file; "/": a folder in its place
        const char* text;
    };
    const Case cases[] = {
        {"missing", {}, "The file does not exist!"},
        {"a folder", "/", "The file cannot be read!"},
        {"the other model's", QByteArray("RL-701") + QByteArray(3114, '\0'), "File type is incorrect!"},
        {"empty", QByteArray("RL-730"), "The file is incomplete!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(DefaultData());
        QDir(programFolder.path()).rmdir("QAV730.dat");
        if (c.contents == "/") {
            ASSERT_TRUE(QDir(programFolder.path()).mkdir("QAV730.dat"));
        } else if (!c.contents.isEmpty()) {
            QFile file(DefaultData());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        ProgramRun& run = StartWithEditorClosed();
        const MemoryImage before = run.state.ReadImage;
        run.MainWindow().Command1->click();
        ASSERT_EQ(answerer.boxes.size(), 1);
        EXPECT_EQ(answerer.boxes[0].style, MB_ICONERROR);
        EXPECT_TRUE(answerer.boxes[0].text.startsWith(c.text)) << answerer.boxes[0].text.toStdString();
        EXPECT_TRUE(run.state.ReadImage == before);
        EXPECT_FALSE(run.forms.form1->IsShown());
        if (c.contents.isEmpty()) {
            EXPECT_FALSE(QFile::exists(DefaultData())) << "no file is created";
        }
        Discard();
    }
}

}  // namespace
}  // namespace qav::test
