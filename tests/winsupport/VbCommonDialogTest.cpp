#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "winsupport/VbCommonDialog.h"

namespace qav {
namespace {

const QString kDataFilter = QStringLiteral("DAT文件(*.dat)|*.dat|AllFiles(*.*)|*.*|");

TEST(VbCommonDialogTest, WindowsFilterBecomesNameFiltersThatKeepTheirTexts) {
    struct Case {
        QString filter;
        QStringList expected;
    };
    const Case cases[] = {
        {kDataFilter, {"DAT文件(*.dat) (*.dat)", "AllFiles(*.*) (*)"}},
        {"Text|*.txt;*.log", {"Text (*.txt *.log)"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameFiltersFromWindowsFilter(c.filter), c.expected) << c.filter.toStdString();
}

TEST(VbCommonDialogTest, PropertiesMakeTheRequestAndTheAnswerBecomesTheFileName) {
    QList<FileDialogRequest> asked;
    std::deque<QString> answers{"/tmp/chosen.dat", ""};
    VbCommonDialog dialog([&](const FileDialogRequest& r) {
        asked << r;
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    });
    dialog.Filter = kDataFilter;
    dialog.FilterIndex = 1;
    dialog.InitDir = "/opt/qav";
    dialog.Flags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly;
    dialog.DefaultExt = "dat";

    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName, QString("/tmp/chosen.dat"));
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName, QString()) << "cancelled";

    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(asked[1].mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(asked[0].directory, QString("/opt/qav"));
    EXPECT_EQ(asked[0].nameFilters, NameFiltersFromWindowsFilter(kDataFilter));
    EXPECT_EQ(asked[0].selectedFilter, 0);
    EXPECT_TRUE(asked[0].confirmOverwrite);
    EXPECT_FALSE(asked[0].fileMustExist);
    EXPECT_EQ(asked[0].defaultSuffix, QString("dat"));
    EXPECT_EQ(asked[1].fileName, QString("/tmp/chosen.dat")) << "the last name is proposed again";
}

// Runs step on the modal window of type W as soon as it is up.
template <class W>
void WhenModal(std::function<void(W*)> step) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(window);
        }
    });
    timer->start();
}

// Types a name into the dialog and presses Enter, as the user does.
void TypeFileName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

FileDialogRequest DataFileRequest(FileDialogRequest::Mode mode, const QString& folder,
                                  const QString& defaultExt = {}) {
    VbCommonDialog dialog({});
    dialog.Filter = kDataFilter;
    dialog.InitDir = folder;
    dialog.Flags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly;
    dialog.DefaultExt = defaultExt;
    return dialog.Request(mode);
}

TEST(VbCommonDialogTest, RealDialogStartsInTheFolderShowsTheFilterTextsAndReturnsTheChoice) {
    QTemporaryDir folder;
    QString directory;
    QStringList shownFilters;
    bool confirms = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        directory = dialog->directory().absolutePath();
        if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < types->count(); ++i) shownFilters << types->itemText(i);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        TypeFileName(dialog, folder.filePath("new.dat"));
    });
    const QString chosen =
        ChooseFileWithDialog(DataFileRequest(FileDialogRequest::Mode::Save, folder.path()));
    EXPECT_EQ(chosen, folder.filePath("new.dat"));
    EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(shownFilters, (QStringList{"DAT文件(*.dat)", "AllFiles(*.*)"}));
    EXPECT_TRUE(confirms);

    WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(ChooseFileWithDialog(DataFileRequest(FileDialogRequest::Mode::Open, folder.path())), QString());
}

TEST(VbCommonDialogTest, RealSaveDialogAsksBeforeReplacingAFile) {
    QTemporaryDir folder;
    const QString existing = folder.filePath("old.dat");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    bool asked = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&, dialog](QMessageBox* question) {
            asked = true;
            if (QAbstractButton* no = question->button(QMessageBox::No))
                no->click();
            else
                question->reject();
            QTimer::singleShot(0, dialog,
                               &QFileDialog::reject);  // declined: the dialog stays, the user gives up
        });
        TypeFileName(dialog, existing);
    });
    EXPECT_EQ(ChooseFileWithDialog(DataFileRequest(FileDialogRequest::Mode::Save, folder.path())), QString());
    EXPECT_TRUE(asked);
}

TEST(VbCommonDialogTest, RealSaveDialogGivesANameWithoutTypeTheDefaultOne) {
    QTemporaryDir folder;
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"mine", "mine.dat"},
        {"mine.dat", "mine.dat"},
        {"mine.bak", "mine.bak"},  // a type of the user's own stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        WhenModal<QFileDialog>([&](QFileDialog* dialog) { TypeFileName(dialog, folder.filePath(c.typed)); });
        EXPECT_EQ(ChooseFileWithDialog(DataFileRequest(FileDialogRequest::Mode::Save, folder.path(), "dat")),
                  folder.filePath(c.saved));
    }

    // The name with its added type is the one checked for replacing.
    QFile existing(folder.filePath("old.dat"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool asked = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        WhenModal<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::Yes)->click();
        });
        TypeFileName(dialog, folder.filePath("old"));
    });
    EXPECT_EQ(ChooseFileWithDialog(DataFileRequest(FileDialogRequest::Mode::Save, folder.path(), "dat")),
              folder.filePath("old.dat"));
    EXPECT_TRUE(asked);
}

}  // namespace
}  // namespace qav
