#pragma once
// Placeholder serial control until the real one lands: every open fails.

#include <QObject>

namespace qav {

class MSComm : public QObject {
    Q_OBJECT
public:
    explicit MSComm(QObject* parent = nullptr) : QObject(parent) {}
    int CommPort() const { return port_; }
    void SetCommPort(int port) { port_ = port; }
    bool PortOpen() const { return false; }
    bool SetPortOpen(bool) { return false; }

private:
    int port_ = 1;
};

}  // namespace qav
