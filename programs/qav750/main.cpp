// The programming software for the 128-channel model.
#include <QApplication>

#include "app/MDIForm1.h"
#include "app/ProgramIcon.h"
#include "app/ProgramRun.h"
#include "winsupport/CloseRequestListener.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QAV-750"));
    QApplication::setWindowIcon(qav::ProgramIcon());
    qav::ProgramRun run(qav::kQav750);
    // Another copy quitting asks this one to close like its own Quit command.
    qav::CloseRequestListener closeRequests([&run] { run.MainWindow().CloseWhenIdle(); });
    run.Main();
    return app.exec();
}
