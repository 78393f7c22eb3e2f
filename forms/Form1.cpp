#include "forms/Form1.h"

#include "winsupport/Twips.h"
#include "winsupport/VbTextBox.h"

namespace qav {

Form1::Form1(FormContext& context, QWidget* parent) : MdiChildForm(parent), context_(context) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("信道编辑"));
    Text1 = new VbTextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    resize(TwipsToPixels(14000), TwipsToPixels(7200));
}

void Form1::ClearNO(int) {}
void Form1::ClearGrid() {}
void Form1::StartForm() { ClearGrid(); }
void Form1::Text1_LostFocus() {}

}  // namespace qav
