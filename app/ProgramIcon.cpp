#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace qav {
namespace {

QPixmap Draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(QRectF(40, 2, 6, 22), 3, 3);    // antenna
    p.drawRoundedRect(QRectF(16, 18, 32, 44), 6, 6);  // body
    p.setBrush(QColor(120, 200, 230));
    p.drawRoundedRect(QRectF(21, 23, 22, 12), 2, 2);  // display
    p.setBrush(QColor(170, 170, 180));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(22 + col * 8, 40 + row * 7, 5, 5));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(Draw(size));
    return icon;
}

}  // namespace qav
