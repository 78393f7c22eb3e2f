#include "app/FrmWriting.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace qav {

FrmWriting::FrmWriting(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmWriting"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    setMinimumWidth(380);
}

void FrmWriting::Unload() {
    if (!isVisible()) return;
    unloading_ = true;
    done(QDialog::Accepted);
    unloading_ = false;
}

void FrmWriting::closeEvent(QCloseEvent* event) {
    if (unloading_)
        event->accept();
    else
        event->ignore();
}

}  // namespace qav
