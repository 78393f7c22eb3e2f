#pragma once
// A strip of tabs without pages of their own: the form shows the same
// controls for every tab and fills them for the selected one. Tabs are counted
// from 1 and carry a key. Click follows every change of the selected tab, by
// the user or by SetSelectedIndex; emptying and refilling the strip raises
// nothing, and the first tab added to an empty strip is the selected one.

#include <QTabBar>

namespace qav {

class VbTabStrip : public QTabBar {
    Q_OBJECT
  public:
    explicit VbTabStrip(QWidget* parent = nullptr);

    int Count() const { return count(); }
    void Clear();
    // Adds a tab at position index (1 .. Count()+1). False for another position.
    bool Add(int index, const QString& key, const QString& caption);
    QString Key(int index) const;
    QString Caption(int index) const { return tabText(index - 1); }

    // The selected tab (1 .. Count()), 0 when the strip is empty.
    int SelectedIndex() const { return currentIndex() + 1; }
    QString SelectedKey() const { return Key(SelectedIndex()); }
    // Raises Click. False (and nothing happens) for a tab that does not exist.
    bool SetSelectedIndex(int index);

  signals:
    void Click();

  private:
    bool rebuilding_ = false;
};

}  // namespace qav
