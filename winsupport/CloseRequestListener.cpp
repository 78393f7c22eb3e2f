#include "winsupport/CloseRequestListener.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace qav {
namespace {

int g_writeEnd = -1;  // the signal handler can reach nothing else
struct sigaction g_previous {};

void OnSigterm(int) {
    const char byte = 1;
    if (g_writeEnd >= 0) [[maybe_unused]]
        const ssize_t n = ::write(g_writeEnd, &byte, 1);
}

}  // namespace

CloseRequestListener::CloseRequestListener(std::function<void()> onCloseRequest, QObject* parent)
    : QObject(parent), onCloseRequest_(std::move(onCloseRequest)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    g_writeEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = OnSigterm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &g_previous);
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseRequestListener::Drain);
}

CloseRequestListener::~CloseRequestListener() {
    if (pipe_[0] < 0) return;
    ::sigaction(SIGTERM, &g_previous, nullptr);
    g_writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void CloseRequestListener::Drain() {
    char buffer[64];
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    if (onCloseRequest_) onCloseRequest_();
}

}  // namespace qav
