#pragma once
// Lays a print-out document onto pages and draws it with QPainter on any paged
// device: the preview's printer, a real printer or a PDF writer.
//
// Reading of the operations:
// - a title line is a line of its own across the page; without a size of its
//   own it takes the title size last set;
// - a section heading is drawn on the current line, which the next line break
//   ends (so "heading, line break" leaves no blank line); a line break on an
//   empty line adds a blank line of body text;
// - table cells collect on the current row, which the end of row or a line
//   break draws; rows follow one another without a gap, so their borders meet;
// - a grid table is drawn whole: every column, its widths fitted to the texts
//   and the font made smaller until all columns fit across the page; where it
//   runs onto another page, its title and header row are repeated there.
// Whatever does not fit below the last line starts a new page.

#include <QFont>
#include <QString>
#include <vector>

#include "print/PrintDocument.h"

class QPainter;
class QPagedPaintDevice;

namespace qav {

class PrintLayout {
  public:
    // Draws the document; returns the number of pages drawn, 0 when the
    // device could not be painted on.
    static int Render(const PrintDocument& document, const PrintSettings& settings,
                      QPagedPaintDevice& device);

  private:
    struct Cell {
        QString text;
        double width = 0;  // device pixels
        int alignment = 0;
        QString borders;
        bool bold = false;
    };

    PrintLayout(const PrintSettings& settings, QPagedPaintDevice& device, QPainter& painter);
    void Draw(const PrintOp& op);

    double Points(double points) const { return points * dpi_ / 72.0; }
    double Twips(int twips) const { return twips * dpi_ / 1440.0; }
    QFont FontOf(double points, bool bold) const;
    double TextHeight(const QFont& font, double width, const QString& text) const;
    double BodyLineHeight() const;

    void NewPage();
    // Makes room for a block of this height: a new page when it does not fit
    // below the last line of a page that already holds something.
    void MakeRoom(double height);
    void FinishLine();
    void TitleLine(const PrintOp& op);
    void SectionHeading(const QString& text);
    void LineBreak();
    void DrawRow();
    void GridTable(const GridTableData& grid, const QString& title);
    void DrawGridRow(const GridTableData& grid, int row, const std::vector<double>& widths, double height,
                     const QFont& font);

    const PrintSettings& settings_;
    QPagedPaintDevice& device_;
    QPainter& painter_;
    double dpi_;
    double pageWidth_;
    double pageHeight_;

    int pages_ = 0;
    bool pageUsed_ = false;
    double y_ = 0;
    double pendingLine_ = 0;  // height of a heading still waiting for its line break
    std::vector<Cell> row_;
    bool bold_ = false;
    int titleSize_ = 14;
};

}  // namespace qav
