#include "tests/support/PseudoTerminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace qav::sim {

namespace {
[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}
}  // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) Fail("posix_openpt");
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || ::ptsname_r(master_, name, sizeof name) != 0) {
        ::close(master_);
        Fail("pty slave");
    }
    slavePath_ = name;
    heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (heldSlave_ < 0) {
        ::close(master_);
        Fail("open pty slave");
    }
    termios tio{};
    if (::tcgetattr(heldSlave_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(heldSlave_, TCSANOW, &tio);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
    CloseMaster();
}

void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) ::close(master_);
    if (heldSlave_ >= 0) ::close(heldSlave_);
    master_ = heldSlave_ = -1;
}

}  // namespace qav::sim
