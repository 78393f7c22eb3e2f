// The programming software for the 16-channel model.
#include <QApplication>

#include "app/MDIForm1.h"
#include "app/ProgramIcon.h"
#include "app/ProgramRun.h"
#include "model730/Qav730Variant.h"
#include "winsupport/AppPaths.h"
#include "winsupport/CloseRequestListener.h"
#include "winsupport/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QAV-730"));
    // One copy per user: a second start ends at once, without a window or a message.
    qav::SingleInstance instance(qav::UserConfigFolder(qav::kQav730.programName));
    if (!instance.Take()) return 0;
    QApplication::setWindowIcon(qav::ProgramIcon());
    qav::ProgramRun run(qav::kQav730, {}, qav::Qav730Variant());
    // Another copy quitting asks this one to close like its own Quit command.
    qav::CloseRequestListener closeRequests([&run] { run.MainWindow().CloseWhenIdle(); });
    run.Main();
    return app.exec();
}
