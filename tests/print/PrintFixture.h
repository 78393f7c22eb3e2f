#pragma once
// A program run whose print preview a test drives: File > Print opens the
// modal preview, the test's steps run while it is up, and the command returns
// once the preview is closed.

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <functional>

#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/MSFlexGrid.h"
#include "print/CurtPrinter.h"
#include "print/FrmPrint.h"
#include "tests/support/ProgramFixture.h"

namespace qav::test {

class PrintFixture : public ProgramFixture {
  protected:
    // Runs File > Print; `whileShown` runs with the preview up (nullptr if it
    // never showed). The preview is closed afterwards if the steps left it open.
    // False when no preview window showed.
    bool WithPreview(const std::function<void(FrmPrint& preview)>& whileShown) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<FrmPrint*>(QApplication::activeModalWidget());
            if (preview == nullptr) return;
            shown = true;
            whileShown(*preview);
            if (preview->isVisible()) preview->CurtPrinter1->CloseButton()->trigger();
        });
        Run().MainWindow().MNPrint->trigger();
        return shown;
    }

    // Puts a channel into the grid as the channel editor shows it.
    void SetChannel(int row, const QStringList& cells) {
        MSFlexGrid& grid = *Run().forms.form1->Grid1;
        for (int col = 0; col < cells.size(); ++col) grid.SetTextMatrix(row, col + 1, cells[col]);
    }
};

}  // namespace qav::test
