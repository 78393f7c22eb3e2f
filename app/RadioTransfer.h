#pragma once
// Reading and writing the radio's whole memory over the serial port.
//
// One engine for both models: the blocks, their conditions and the state
// numbers are the model's TransferTable (image/TransferTable.h).
//
// After the wake string every step is driven by the serial control's receive
// event, which advances one of two state machines, and by the 50 ms watchdog
// timer, which ends a transfer when the radio stays silent for more than three
// seconds. Nothing here waits or sleeps: the progress window is shown modal and
// its event loop delivers the serial and timer events.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

#include "image/MemoryImage.h"
#include "image/TransferTable.h"

class QTimer;

namespace qav {

class FrmWriting;
class MDIForm1;
class MSComm;
class ProgramRun;

class RadioTransfer : public QObject {
    Q_OBJECT
  public:
    RadioTransfer(ProgramRun& run, MDIForm1& mainWindow, MSComm& comm, QTimer& watchdog);
    ~RadioTransfer() override;

    // The two commands; each returns when its progress window closes.
    void MNRead_Click();
    void MNWrite_Click();
    // The serial control's receive event and the watchdog tick.
    void MSComm1_OnComm();
    void TimerW_Timer();

    // The progress window of the running transfer, or nullptr.
    FrmWriting* ProgressWindow() const { return progress_.get(); }

    int ReadStep = 0;      // state of the read, 1 to the model's end step (195, 128)
    int WriteStep = 0;     // state of the write, 1 to the model's last step (192, 138)
    bool Reading = false;  // a read transfer is active
    bool Writing = false;  // a write transfer is active
    int ReplyWait = 0;     // milliseconds since the last handled reply
    QString RxHex;         // received bytes not yet consumed, two hex digits each

  private:
    // The port must be open (else the user is told); an open cell edit is committed.
    bool PortReadyForTransfer();
    void RunReadState();
    void RunWriteState();
    void CheckBandAndGoOn();
    void FinishRead();
    void FinishWrite();
    // The model's blocks and state numbers.
    const TransferTable& Table() const;
    bool Holds(TransferCondition condition) const;
    // The wait for the first reply starts with the wake string.
    void StartWith(const QByteArray& wake);

    // The replies the states wait for, on whole received bytes.
    bool IsAck() const;
    bool ContainsAck() const;
    bool IsIdentReply() const;
    // The band digit in the ident reply, or -1 when it is no decimal digit.
    int IdentBandDigit() const;

    // A state that found its reply: the wait starts again, the reply is consumed.
    void Handled();
    void Send(const QByteArray& frame);
    void SendReadRequest(int address);
    void SendWriteBlock(int address, int imageOffset);
    void EndWithCommunicationError();
    void ShowProgress(int maximum, const QString& caption, const QString& label);
    void UnloadProgress();

    ProgramRun& run_;
    MDIForm1& main_;
    MSComm& comm_;
    QTimer& watchdog_;
    std::unique_ptr<FrmWriting> progress_;
    MemoryImage staging_;        // a read lands here and reaches ReadImage only when it succeeds
    bool identMatched_ = false;  // the radio identified itself in this transfer
    bool blockArrived_ = false;  // the data of the block requested in this read step arrived
};

}  // namespace qav
