#include "app/FrmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

#include "forms/RunState.h"

namespace qav {

FrmAbout::FrmAbout(const RunState& state, QWidget* iconSource, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("帮助"));
    if (iconSource != nullptr) setWindowIcon(iconSource->windowIcon());  // the channel editor's icon

    const auto& title = state.profile.aboutTitle;
    lblTitle = new QLabel(QString::fromUtf8(title.data(), qsizetype(title.size())), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(QStringLiteral("简体中文版 V1.00"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCopyR = new QLabel(QStringLiteral("Copyright (C) Pelorix. All rights reserved."), this);
    lblCopyR->setObjectName(QStringLiteral("lblCopyR"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(windowIcon().pixmap(48, 48));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(18);
    grid->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblCopyR, 2, 1);
    setModal(true);
}

void FrmAbout::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

}  // namespace qav
