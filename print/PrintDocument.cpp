#include "print/PrintDocument.h"

namespace qav {

QString PrintOp::Describe() const {
    const auto quoted = [](const QString& s) { return u'"' + s + u'"'; };
    switch (kind) {
        case Kind::BeginDocument:
            return toPrinter ? QStringLiteral("begin document (printer)") : QStringLiteral("begin document");
        case Kind::NewPage:
            return QStringLiteral("new page");
        case Kind::FontBold:
            return QStringLiteral("font bold %1").arg(value);
        case Kind::TitleSize:
            return QStringLiteral("title size %1").arg(value);
        case Kind::TitleLine: {
            QString line = QStringLiteral("title line ") + quoted(text);
            if (size) line += QStringLiteral(", %1").arg(*size);
            if (alignment) line += QStringLiteral(", %1").arg(*alignment);
            return line;
        }
        case Kind::SectionHeading:
            return QStringLiteral("section heading ") + quoted(text);
        case Kind::LineBreak:
            return QStringLiteral("line break");
        case Kind::TableCell:
            return QStringLiteral("cell %1, %2, %3, %4")
                .arg(isNumber ? text : quoted(text))
                .arg(width)
                .arg(alignment.value_or(-1))
                .arg(quoted(borders));
        case Kind::EndOfRow:
            return QStringLiteral("end of row");
        case Kind::GridTable:
            return QStringLiteral("grid table %1 (%2 rows)")
                .arg(quoted(text))
                .arg(grid ? qsizetype(grid->cells.size()) : 0);
        case Kind::EndDocument:
            return QStringLiteral("end document");
    }
    return {};
}

}  // namespace qav
