#pragma once
// Turns a request from outside to end the program (SIGTERM, as another copy
// sends when it quits) into a call on the UI thread, so that the program closes
// its main window the normal way and asks before anything is lost.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace qav {

class CloseRequestListener : public QObject {
    Q_OBJECT
  public:
    // Only one listener exists at a time; it owns the SIGTERM handler while it lives.
    explicit CloseRequestListener(std::function<void()> onCloseRequest, QObject* parent = nullptr);
    ~CloseRequestListener() override;

  private:
    void Drain();

    std::function<void()> onCloseRequest_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qav
