#include "app/MSComm.h"

// Why termios on the descriptor and not QSerialPort: QSerialPort does open a
// pseudo-terminal by path and locks it, but when the other end of the line
// goes away (a pty master closing, an adapter pulled out) it reports a read
// error on every turn of the event loop, hundreds of thousands a second, with
// the port still open: the program would spin a core for as long as the port
// stays selected. Here the descriptor is watched by a socket notifier that is
// switched off the moment the line drops. Owning the descriptor also lets the
// lock be an flock on the device itself, which the kernel releases when the
// program ends however it ends, and which also keeps a second MSComm of the
// same process off the port (TIOCEXCL alone does not stop root).
//
// A line that drops (read sees end of file or EIO, poll reports a hang-up)
// stops the events at once and closes the port on the next turn of the event
// loop, then says so by LineDropped: a pulled adapter leaves nothing open
// that would have to be closed by hand before the same port works again, and
// the port number stays for the next open. Output returns false meanwhile,
// and the transfer's watchdog ends a transfer in progress with the
// communication error. A tty never raises SIGPIPE (only pipes and sockets do)
// and the port refuses anything that is not a tty, so a write to a gone
// device only fails with EIO; the descriptor is non-blocking, so a stuck
// device never blocks the UI either.

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <utility>

namespace qav {

namespace {

QString ErrnoText(const char* what, int error) {
    return QString::fromLatin1(what) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

// 9600 baud, 8N1, raw bytes both ways, no flow control of any kind, the
// modem lines ignored. VMIN 1 keeps a read of an empty line at EAGAIN rather
// than 0, so 0 means the line hung up.
bool ConfigureLine(int fd, QString* error) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        *error = ErrnoText("not a serial device", errno);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | ISTRIP);
    tio.c_iflag |= IGNBRK;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B9600) != 0 || ::cfsetospeed(&tio, B9600) != 0 ||
        ::tcsetattr(fd, TCSANOW, &tio) != 0) {
        *error = ErrnoText("cannot set 9600 8N1", errno);
        return false;
    }
    return true;
}

bool LineHungUp(int fd) {
    pollfd p{.fd = fd, .events = POLLIN, .revents = 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace

MSComm::MSComm(SerialPortMap portMap, QObject* parent) : QObject(parent), portMap_(std::move(portMap)) {}

MSComm::~MSComm() {
    CloseDevice();
}

bool MSComm::SetCommPort(int port) {
    if (PortOpen()) {
        portError_ = QStringLiteral("port already open");
        return false;
    }
    if (port < SerialPortMap::kFirstPort || port > SerialPortMap::kLastPort) {
        portError_ = QStringLiteral("invalid port number");
        return false;
    }
    commPort_ = port;
    portError_.clear();
    return true;
}

bool MSComm::SetPortOpen(bool open) {
    if (!open) {
        CloseDevice();
        portError_.clear();
        return true;
    }
    if (PortOpen()) {
        portError_ = QStringLiteral("port already open");
        return false;
    }
    const QString path = portMap_.DevicePath(commPort_);
    if (path.isEmpty()) {
        portError_ = QStringLiteral("no serial device for port %1").arg(commPort_);
        return false;
    }
    // Non-blocking from the start: a modem port without carrier would
    // otherwise block the open itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        portError_ = ErrnoText(errno == EBUSY ? "in use by another program" : "cannot open", errno);
        return false;
    }
    if (!::isatty(fd)) {
        portError_ = ErrnoText("not a serial device", errno);
        ::close(fd);
        return false;
    }
    // Locked before the line is touched: a holder's settings stay as they are.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        portError_ = ErrnoText("in use by another program", errno);
        ::close(fd);
        return false;
    }
    QString error;
    if (!ConfigureLine(fd, &error)) {
        ::close(fd);
        portError_ = error;
        return false;
    }
    // Keep out programs that only honour the tty's exclusive flag.
    ::ioctl(fd, TIOCEXCL);
    // Opening starts with empty buffers, whatever the line carried before.
    ::tcflush(fd, TCIOFLUSH);

    fd_ = fd;
    lineDropped_ = false;
    inBuffer_.clear();
    outPending_.clear();
    readNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &MSComm::OnReadable);
    writeNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &MSComm::OnWritable);
    portError_.clear();
    return true;
}

void MSComm::CloseDevice() {
    if (fd_ < 0) return;
    // May run inside a notifier's own activation (a handler closing the port
    // from OnComm), so the notifiers are switched off now and deleted later.
    for (QSocketNotifier* notifier : {readNotifier_, writeNotifier_}) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    readNotifier_ = nullptr;
    writeNotifier_ = nullptr;
    // The exclusive flag belongs to the tty, not to this descriptor; left set
    // it would keep the next program off a device someone else holds open.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);  // also releases the flock
    fd_ = -1;
    lineDropped_ = false;
    inBuffer_.clear();
    outPending_.clear();
}

bool MSComm::SetRThreshold(int bytes) {
    if (bytes < 0) {
        portError_ = QStringLiteral("invalid receive threshold");
        return false;
    }
    const int previous = rThreshold_;
    rThreshold_ = bytes;
    // Bytes that wait below the old threshold reach the new one without any
    // byte arriving: announce them, or they would sit until the next byte.
    // Only bytes not announced before count, so the transfer, which takes all
    // input before it changes the threshold, sees no extra events.
    const int waiting = InBufferCount();
    if (bytes > 0 && waiting >= bytes && (previous == 0 || waiting < previous)) {
        ScheduleThresholdCheck();
    }
    return true;
}

void MSComm::ScheduleThresholdCheck() {
    if (thresholdCheckPending_) return;
    thresholdCheckPending_ = true;
    // Queued, so a handler that changes the threshold from inside OnComm is
    // not re-entered; the condition is tested again when the check runs.
    QTimer::singleShot(0, this, [this] {
        thresholdCheckPending_ = false;
        if (!PortOpen()) return;
        ReadAvailable();
        RaiseReceiveEventIfDue();
    });
}

int MSComm::InBufferCount() const {
    int driverBytes = 0;
    if (fd_ >= 0 && !lineDropped_ && ::ioctl(fd_, FIONREAD, &driverBytes) != 0) driverBytes = 0;
    return int(inBuffer_.size()) + driverBytes;
}

QByteArray MSComm::Input() {
    ReadAvailable();
    return std::exchange(inBuffer_, QByteArray());
}

bool MSComm::Output(const QByteArray& bytes) {
    if (!PortOpen()) {
        portError_ = QStringLiteral("port not open");
        return false;
    }
    if (lineDropped_) return false;  // PortError() still tells why
    outPending_.append(bytes);
    WritePending();
    if (lineDropped_) return false;
    portError_.clear();
    return true;
}

void MSComm::WritePending() {
    while (!outPending_.isEmpty()) {
        const ssize_t written = ::write(fd_, outPending_.constData(), size_t(outPending_.size()));
        if (written > 0) {
            outPending_.remove(0, qsizetype(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            writeNotifier_->setEnabled(true);
            return;
        }
        DropLine(ErrnoText("line dropped while writing", written < 0 ? errno : EIO));
        return;
    }
    writeNotifier_->setEnabled(false);
}

void MSComm::OnWritable() {
    if (!PortOpen() || lineDropped_) return;
    WritePending();
}

void MSComm::ReadAvailable() {
    if (fd_ < 0 || lineDropped_) return;
    char chunk[512];
    for (;;) {
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got > 0) {
            inBuffer_.append(chunk, qsizetype(got));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // An empty read normally ends here; a hang-up that shows only in
            // poll must still stop the notifier, or it fires forever.
            if (LineHungUp(fd_)) DropLine(QStringLiteral("line hung up"));
            return;
        }
        if (got == 0 && !LineHungUp(fd_)) return;
        DropLine(got == 0 ? QStringLiteral("line hung up") : ErrnoText("line dropped while reading", errno));
        return;
    }
}

void MSComm::OnReadable() {
    ReadAvailable();
    // Last: the handler may close or reopen the port.
    RaiseReceiveEventIfDue();
}

void MSComm::RaiseReceiveEventIfDue() {
    if (rThreshold_ <= 0 || inBuffer_.size() < rThreshold_) return;
    commEvent_ = comEvReceive;
    emit OnComm();
}

void MSComm::DropLine(const QString& why) {
    if (lineDropped_) return;
    lineDropped_ = true;
    portError_ = why;
    outPending_.clear();
    readNotifier_->setEnabled(false);
    writeNotifier_->setEnabled(false);
    // Closed later, not here: this may run inside Output or inside a notifier,
    // whose caller still uses the descriptor. A port closed or reopened in
    // between is left as it is.
    QTimer::singleShot(0, this, [this, why, descriptor = fd_] {
        if (fd_ != descriptor || !lineDropped_) return;
        CloseDevice();
        portError_ = why;
        emit LineDropped();
    });
}

}  // namespace qav
