#pragma once
// A print-out as data: the operations a report made on the print-preview
// control, in call order, with their arguments as given. The same document is
// laid out on the preview, on a printer or into a PDF file, and tests read it
// without drawing anything.

#include <QString>
#include <optional>
#include <vector>

namespace qav {

// A grid handed to the grid-table operation, copied at the moment of the call:
// every row (the header row first) and every column the grid shows.
struct GridTableData {
    std::vector<std::vector<QString>> cells;  // [row][column]
    std::vector<int> alignments;              // MSFlexGrid ColAlignment of each column

    bool operator==(const GridTableData&) const = default;
};

struct PrintOp {
    enum class Kind {
        BeginDocument,  // toPrinter: on a printer rather than the preview
        NewPage,
        FontBold,        // value: 1 bold, 0 regular (title lines and cells after it)
        TitleSize,       // value: point size of the title lines given no size of their own
        TitleLine,       // text; size and alignment when given
        SectionHeading,  // text
        LineBreak,
        TableCell,  // text (isNumber: it was given as a number), width, alignment, borders
        EndOfRow,
        GridTable,  // grid, text: its title
        EndDocument,
    };

    // Every member has its initializer, so an operation is written with only
    // the arguments it takes.
    Kind kind = Kind::LineBreak;
    QString text{};
    bool isNumber = false;
    std::optional<int> size{};       // TitleLine: point size
    std::optional<int> alignment{};  // TitleLine, TableCell: 0 left, 1 right, 2 centred
    int value = 0;                   // FontBold, TitleSize
    int width = 0;                   // TableCell: width in twips
    QString borders{};               // TableCell: left, top, right, bottom; '1' drawn
    bool toPrinter = false;          // BeginDocument
    std::optional<GridTableData> grid{};

    bool operator==(const PrintOp&) const = default;

    // One line that shows the operation and its arguments, for test output.
    QString Describe() const;
};

using PrintDocument = std::vector<PrintOp>;

// The control's own layout settings, set once when the preview window loads.
struct PrintSettings {
    int zoomMode = 1;      // the preview's zoom: 1 the page width fills the window, 2 whole pages
    int fontSize = 10;     // points of the body text: cells, grid and the height of a line break
    int pageMargin = 5;    // every page margin, in tenths of an inch
    int cellPaddingX = 4;  // points between a cell's side borders and its text
    int cellPaddingY = 2;  // points between a cell's top and bottom borders and its text
};

}  // namespace qav
