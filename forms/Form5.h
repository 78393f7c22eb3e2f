#pragma once
// The FM broadcast-radio channels.

#include "forms/FormContext.h"
#include "forms/MdiChildForm.h"

namespace qav {

class Form5 : public MdiChildForm {
    Q_OBJECT
public:
    explicit Form5(FormContext& context, QWidget* parent = nullptr);

private:
    FormContext& context_;
};

}  // namespace qav
