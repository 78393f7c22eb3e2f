#pragma once
// A slider with the value and events the form handlers use. Change follows a
// finished move (a key, a click beside the thumb, releasing the thumb) and every
// value set from code, also one equal to the current value; Scroll follows
// each step while the user drags the thumb.

#include <QSlider>

namespace qav {

class VbSlider : public QSlider {
    Q_OBJECT
  public:
    explicit VbSlider(QWidget* parent = nullptr);

    int Value() const { return value(); }
    // Raises Change. False (and nothing happens) for a value outside the range.
    bool SetValue(int value);

  signals:
    void Change();
    void Scroll();

  private:
    bool settingFromCode_ = false;
};

}  // namespace qav
