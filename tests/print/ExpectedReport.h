#pragma once
// A report written out as the lines PrintOp::Describe gives, call by call, for
// comparing what a report made on the preview control with what it should make.

#include <QString>
#include <QStringList>

#include "print/PrintDocument.h"

namespace qav::test {

inline QStringList Described(const PrintDocument& document) {
    QStringList lines;
    for (const PrintOp& op : document) lines << op.Describe();
    return lines;
}

// The calls the report must make, written out line by line.
class Expected {
  public:
    Expected& Line(const QString& line) {
        lines << line;
        return *this;
    }
    Expected& Title(const QString& text) { return Line(QString("title line \"%1\"").arg(text)); }
    Expected& Heading(const QString& text) { return Line(QString("section heading \"%1\"").arg(text)); }
    Expected& Break() { return Line("line break"); }
    Expected& Cell(const QString& text) { return Line(QString("cell \"%1\", 4500, 2, \"1111\"").arg(text)); }
    Expected& Number(int value) { return Line(QString("cell %1, 4500, 2, \"1111\"").arg(value)); }
    Expected& Row(const QString& label, const QString& value) {
        return Cell(label).Cell(value).Line("end of row");
    }
    Expected& LastRow(const QString& label, const QString& value) {
        return Cell(label).Cell(value).Break().Break();
    }

    QStringList lines;
};

}  // namespace qav::test
