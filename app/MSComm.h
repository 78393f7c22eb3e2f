#pragma once
// The serial control the transfer talks through (the main window owns one,
// MSComm1). It offers what the transfer uses and nothing more: a port number,
// open/close, a receive threshold, the count of waiting bytes, Input, Output,
// CommEvent and the OnComm event. The line runs at 9600 baud, 8 data bits, no
// parity, one stop bit, raw bytes, no flow control.
//
// Everything happens on the thread that owns the object (the UI thread):
// received bytes are picked up by a socket notifier on the device and OnComm
// is emitted from there, also inside nested event loops (a modal window keeps
// the transfer running). Nothing sleeps, polls or blocks.
//
// Failures never throw: setters report by their return value and PortError()
// tells why, so the handlers can skip a failing statement as they always did.

#include <QByteArray>
#include <QObject>
#include <QString>

#include "app/SerialPortMap.h"

class QSocketNotifier;

namespace qav {

class MSComm : public QObject {
    Q_OBJECT

  public:
    // CommEvent value of a receive event (the only one the transfer handles).
    static constexpr int comEvReceive = 2;

    explicit MSComm(SerialPortMap portMap, QObject* parent = nullptr);
    ~MSComm() override;

    MSComm(const MSComm&) = delete;
    MSComm& operator=(const MSComm&) = delete;

    // Port number 1..16; refused (false) while the port is open or out of range.
    int CommPort() const { return commPort_; }
    bool SetCommPort(int port);

    // Opening takes the device of CommPort exclusively: it fails when another
    // program or another MSComm holds it. Opening an open port and any failure
    // return false with PortError() set; closing always succeeds.
    bool PortOpen() const { return fd_ >= 0; }
    bool SetPortOpen(bool open);

    // Why the last operation failed; empty after a success. After the device
    // hung up it says so, and the port is closed (see MSComm.cpp).
    QString PortError() const { return portError_; }

    // OnComm is raised whenever, after bytes arrive, at least RThreshold bytes
    // wait; 0 raises no receive events. Lowering it below the bytes already
    // waiting raises one event soon after (never inside the setter).
    int RThreshold() const { return rThreshold_; }
    bool SetRThreshold(int bytes);

    // Bytes received and not yet taken, including those the driver holds.
    int InBufferCount() const;

    // Takes every waiting byte, unchanged.
    QByteArray Input();

    // Sends the bytes as they are. False when the port is closed or the device
    // is gone; bytes the driver cannot take at once are sent when it can.
    bool Output(const QByteArray& bytes);

    // The kind of the last event: comEvReceive once data has arrived.
    int CommEvent() const { return commEvent_; }

    // The mapping CommPort goes through (the UI shows the device of a number).
    const SerialPortMap& PortMap() const { return portMap_; }

  signals:
    void OnComm();
    // The line hung up or failed and the port has been closed; CommPort stays,
    // so opening again takes the same port. Raised from the event loop, never
    // from inside a call on this object.
    void LineDropped();

  private:
    void CloseDevice();
    void ReadAvailable();
    void OnReadable();
    void OnWritable();
    void WritePending();
    void DropLine(const QString& why);
    void RaiseReceiveEventIfDue();
    void ScheduleThresholdCheck();

    SerialPortMap portMap_;
    int commPort_ = 1;
    int rThreshold_ = 0;
    int commEvent_ = 0;
    int fd_ = -1;
    bool lineDropped_ = false;
    bool thresholdCheckPending_ = false;
    QString portError_;
    QByteArray inBuffer_;
    QByteArray outPending_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
};

}  // namespace qav
