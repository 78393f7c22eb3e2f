// Run under a name of the test's choosing: asks CloseProgram to end every
// process of that name, prints "self" when its own end is asked for last, and
// exits with 0. Any other outcome exits with 1.
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "winsupport/ModuleCloseProgram.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUpper();
    bool self = false;
    const int others = qav::CloseProgram(name, [&self] { self = true; });
    std::printf("%s others=%d\n", self ? "self" : "not-self", others);
    return self ? 0 : 1;
}
