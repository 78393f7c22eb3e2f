#include "app/RadioTransfer.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "app/FrmWriting.h"
#include "app/MDIForm1.h"
#include "app/MSComm.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "forms/Form3.h"
#include "image/TransferTable.h"
#include "winsupport/LangText.h"
#include "winsupport/VbComboBox.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

// The frames of the radio's programming protocol. No checksum, length or
// escape; addresses are 16 bits, high byte first.
const QByteArray kWakeString = QByteArrayLiteral("PROGRAM");
constexpr char kModeByte = 0x02;
constexpr char kAck = 0x06;
constexpr char kReadCommand = 'R';
constexpr char kWriteCommand = 'W';
constexpr char kEndCommand = 'E';
constexpr int kBlockSize = 16;

constexpr int kReplyTimeoutMs = 3000;
constexpr qsizetype kIdleKeptDigits = 64;
constexpr int kTickMs = 50;

QByteArray Frame(char command, int address) {
    QByteArray frame;
    frame.append(command);
    frame.append(static_cast<char>((address >> 8) & 0xFF));
    frame.append(static_cast<char>(address & 0xFF));
    frame.append(static_cast<char>(kBlockSize));
    return frame;
}

}  // namespace

RadioTransfer::RadioTransfer(ProgramRun& run, MDIForm1& mainWindow, MSComm& comm, QTimer& watchdog)
    : run_(run), main_(mainWindow), comm_(comm), watchdog_(watchdog), staging_(run.state.profile) {}

RadioTransfer::~RadioTransfer() = default;

bool RadioTransfer::IsAck() const {
    return RxHex == QLatin1String("06");
}

bool RadioTransfer::ContainsAck() const {
    // Whole bytes only: 0x10 0x65 ("1065") holds no acknowledgement.
    for (qsizetype i = 0; i + 1 < RxHex.size(); i += 2)
        if (RxHex[i] == u'0' && RxHex[i + 1] == u'6') return true;
    return false;
}

const TransferTable& RadioTransfer::Table() const {
    return *run_.state.profile.transfer;
}

bool RadioTransfer::IsIdentReply() const {
    const std::string_view ident = Table().identHex;
    return RxHex.size() == 16 && RxHex.startsWith(QLatin1String(ident.data(), qsizetype(ident.size())));
}

int RadioTransfer::IdentBandDigit() const {
    const QChar digit = RxHex.at(13);  // low nibble of the seventh byte
    return digit.isDigit() ? digit.digitValue() : -1;
}

void RadioTransfer::Handled() {
    ReplyWait = 0;
    RxHex.clear();
}

void RadioTransfer::Send(const QByteArray& frame) {
    comm_.Output(frame);
}

void RadioTransfer::SendReadRequest(int address) {
    Send(Frame(kReadCommand, address));
}

void RadioTransfer::SendWriteBlock(int address, int imageOffset) {
    QByteArray frame = Frame(kWriteCommand, address);
    for (int i = 0; i < kBlockSize; ++i)
        frame.append(static_cast<char>(run_.state.WriteImage.at(imageOffset + i)));
    Send(frame);
}

void RadioTransfer::ShowProgress(int maximum, const QString& caption, const QString& label) {
    progress_ = std::make_unique<FrmWriting>(&main_);
    progress_->ProgressBar1->setMinimum(1);
    progress_->ProgressBar1->setMaximum(maximum);
    progress_->Label1->setText(label);
    progress_->setWindowTitle(caption);
    progress_->exec();
    progress_.reset();
}

void RadioTransfer::UnloadProgress() {
    if (progress_) progress_->Unload();
}

bool RadioTransfer::PortReadyForTransfer() {
    if (!comm_.PortOpen()) {
        const LangText text{"串行端口无效", "The serial port is invalid", "串行端口無效"};
        run_.msgbox.ShowMessage(text.Pick(run_.state.Language), MB_OK, QString());
        return false;
    }
    run_.CommitOpenEdits();
    return true;
}

void RadioTransfer::MNRead_Click() {
    if (Reading || Writing) return;
    run_.state.band.BandChangeByProgram = true;  // the band the decoder selects asks nothing
    ReadStep = 1;
    if (!PortReadyForTransfer()) return;

    Reading = true;
    identMatched_ = false;
    blockArrived_ = false;
    staging_ = run_.state.ReadImage;
    watchdog_.start();
    StartWith(kWakeString);
    const int language = run_.state.Language;
    ShowProgress(
        run_.state.profile.readProgressMax, LangText{"正在读取……", "Reading……", "正在讀取……"}.Pick(language),
        LangText{"正在读频，请稍候。", "Reading frequently, please wait a moment.", "正在讀頻，請稍候。"}
            .Pick(language));
}

void RadioTransfer::MNWrite_Click() {
    if (Reading || Writing) return;
    WriteStep = 1;
    if (!PortReadyForTransfer()) return;

    // Data that cannot be encoded is refused with its own message, and no
    // watchdog runs behind the box. Where the radio is woken first, the
    // refusal sends it the end command, so that it does not stay waiting in
    // programming mode; otherwise nothing at all is sent.
    if (Table().wakeBeforeEncode) {
        StartWith(kWakeString);
        if (!run_.EncodeImage()) {
            Send(QByteArray(1, kEndCommand));
            return;
        }
    } else {
        if (!run_.EncodeImage()) return;
        StartWith(kWakeString);
    }
    Writing = true;
    identMatched_ = false;
    watchdog_.start();
    ReplyWait = 0;
    const int language = run_.state.Language;
    ShowProgress(
        run_.state.profile.writeProgressMax, LangText{"正在写入……", "Writing……", "正在寫入……"}.Pick(language),
        LangText{"正在写频，请稍候。", "Writing frequently, please wait a moment.", "正在寫頻，請稍候。"}
            .Pick(language));
}

void RadioTransfer::StartWith(const QByteArray& wake) {
    ReplyWait = 0;
    Send(wake);
}

void RadioTransfer::MSComm1_OnComm() {
    if (comm_.CommEvent() != MSComm::comEvReceive) return;
    RxHex += QString::fromLatin1(comm_.Input().toHex().toUpper());
    // Between transfers the received bytes wait for the next one, which looks
    // only for an acknowledgement in them: a device that keeps talking on the
    // port must not make them grow without end.
    if (!Reading && !Writing && RxHex.size() > kIdleKeptDigits) RxHex = RxHex.right(kIdleKeptDigits);
    if (Writing) {
        if (progress_) progress_->ProgressBar1->setValue(WriteStep);
        RunWriteState();
    }
    if (Reading) {
        if (progress_) progress_->ProgressBar1->setValue(ReadStep);
        RunReadState();
    }
}

void RadioTransfer::RunReadState() {
    const std::span<const ReadBlock> blocks = Table().reads;
    const int endStep = Table().ReadEndStep();
    if (ReadStep == 1) {
        if (!ContainsAck()) return;
        Handled();
        Send(QByteArray(1, kModeByte));
        ReadStep = 2;
    } else if (ReadStep == 2) {
        if (IsIdentReply()) {
            if (const int digit = IdentBandDigit(); digit >= 0) run_.state.BandCode = digit;
            identMatched_ = true;
            Handled();
            Send(QByteArray(1, kAck));
        } else if (IsAck() && identMatched_) {  // an unidentified radio is never read
            Handled();
            comm_.SetRThreshold(20);
            SendReadRequest(blocks.front().address);
            blockArrived_ = false;
            ReadStep = 3;
        }
    } else if (ReadStep >= 3 && ReadStep < endStep) {
        const ReadBlock& block = blocks[std::size_t(ReadStep - 3)];
        if (RxHex.size() == 40 && RxHex.startsWith(QLatin1String("57"))) {
            // The block goes where this step asked for it; the frame's own address is not used.
            const QByteArray data = QByteArray::fromHex(RxHex.mid(8, 32).toLatin1());
            for (int i = 0; i < kBlockSize; ++i)
                if (block.keep & (1u << i)) staging_.at(block.imageOffset + i) = std::uint8_t(data.at(i));
            blockArrived_ = true;
            Handled();
            comm_.SetRThreshold(1);
            Send(QByteArray(1, kAck));
        } else if (IsAck() && blockArrived_) {  // no block may be skipped
            Handled();
            blockArrived_ = false;
            if (ReadStep + 1 < endStep) {
                comm_.SetRThreshold(20);
                SendReadRequest(blocks[std::size_t(ReadStep - 2)].address);
                ++ReadStep;
            } else {
                Send(QByteArray(1, kEndCommand));
                ReadStep = endStep;
            }
        }
    } else if (ReadStep == endStep) {
        if (IsAck()) FinishRead();
    }
}

void RadioTransfer::FinishRead() {
    Handled();
    Reading = false;
    watchdog_.stop();
    UnloadProgress();
    // Only a complete read replaces the image and keeps the tuning defaults away.
    run_.state.ReadImage = staging_;
    run_.state.GradesFromRadio = 1;
    const int language = run_.state.Language;
    run_.msgbox.ShowMessage(
        LangText{"读频成功！", "Reading succeeds frequently!", "讀頻成功！"}.Pick(language),
        MB_ICONINFORMATION, LangText{"提示", "Suggestion", "提示"}.Pick(language));
    run_.DecodeImage();
}

bool RadioTransfer::Holds(TransferCondition condition) const {
    switch (condition) {
        case TransferCondition::Always:
            return true;
        case TransferCondition::FmFunctionOn:
            return run_.forms.form3->Combo2->ListIndex() == 1;
        case TransferCondition::TuningWriteAllowed:
            return run_.state.service.TuningWriteAllowed;
    }
    return false;
}

void RadioTransfer::RunWriteState() {
    if (WriteStep == 2) {
        if (IsIdentReply()) CheckBandAndGoOn();
        return;
    }
    const WriteRow* row = WriteStep == 1 ? nullptr : Table().WriteRowAt(WriteStep);
    if (WriteStep != 1 && row == nullptr) return;
    if (!ContainsAck()) {
        if (row != nullptr && row->unacknowledgedEnds) EndWithCommunicationError();
        return;
    }
    Handled();
    if (WriteStep == 1) {
        Send(QByteArray(1, kModeByte));
        WriteStep = 2;
        return;
    }
    const bool holds = Holds(row->condition);
    switch (holds ? row->action : row->otherwise) {
        case WriteAction::Block:
            SendWriteBlock(row->address, row->imageOffset);
            break;
        case WriteAction::Ack:
            Send(QByteArray(1, kAck));
            break;
        case WriteAction::End:
            Send(QByteArray(1, kEndCommand));
            break;
        case WriteAction::Nothing:
            break;
    }
    // The last step keeps its number once the write is done.
    if (const int next = holds ? row->next : row->otherwiseNext; next != kWriteDone)
        WriteStep = next;
    else
        FinishWrite();
}

void RadioTransfer::FinishWrite() {
    Writing = false;
    watchdog_.stop();
    UnloadProgress();
    const int language = run_.state.Language;
    run_.msgbox.ShowMessage(
        LangText{"写频成功！", "Writing succeeds frequently!", "寫頻成功！"}.Pick(language),
        MB_ICONINFORMATION, LangText{"提示", "Suggestion", "提示"}.Pick(language));
}

void RadioTransfer::CheckBandAndGoOn() {
    // The radio's band digit for the selected band: 0, 3 or 4. A letter never matches.
    const int index = main_.Combo1->ListIndex();
    const int expected = index + (index > 0 ? 2 : 0);
    const int language = run_.state.Language;
    identMatched_ = true;
    if (IdentBandDigit() == expected) {
        Handled();
        Send(QByteArray(1, kAck));
        WriteStep = 3;
        return;
    }
    watchdog_.stop();
    if (run_.state.service.ForceWriteAllowed) {
        const LangText question{"频段不符，是否强制写入？",
                                "The frequency band is not accorded with, whether write into by force?",
                                "頻段不符，是否強製寫入？"};
        if (run_.msgbox.ShowMessage(question.Pick(language), ConfirmStyle,
                                    LangText{"注意", "Be careful", "注意"}.Pick(language)) == IDOK) {
            watchdog_.start();
            Handled();
            Send(QByteArray(1, kAck));
            WriteStep = 3;
            return;
        }
        Send(QByteArray(1, kEndCommand));
        Writing = false;
        watchdog_.stop();
        UnloadProgress();
        return;
    }
    Send(QByteArray(1, kEndCommand));
    Writing = false;
    const LangText refusal{"频段不符，不能写入！",
                           "The frequency band is not accorded with, can't write into!",
                           "頻段不符，不能寫入！"};
    run_.msgbox.ShowMessage(refusal.Pick(language), MB_ICONEXCLAMATION,
                            LangText{"错误", "Mistake", "錯誤"}.Pick(language));
    UnloadProgress();
}

void RadioTransfer::TimerW_Timer() {
    if (ReplyWait <= kReplyTimeoutMs) {
        ReplyWait += kTickMs;
        return;
    }
    EndWithCommunicationError();
}

void RadioTransfer::EndWithCommunicationError() {
    UnloadProgress();
    ReplyWait = 0;
    comm_.SetRThreshold(1);
    Send(QByteArray(1, kEndCommand));
    Writing = false;
    Reading = false;
    watchdog_.stop();
    const int language = run_.state.Language;
    const LangText text{"通信出错，请检查对讲机，连线及串口选择！",
                        "Communication error, check the line and the serial connection selection!",
                        "通信出錯，請檢查對講機，連線及串口選擇！"};
    run_.msgbox.ShowMessage(text.Pick(language), MB_ICONERROR,
                            LangText{"错误", "Mistake", "錯誤"}.Pick(language));
    watchdog_.stop();
}

}  // namespace qav
