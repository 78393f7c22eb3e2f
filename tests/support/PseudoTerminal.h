#pragma once
// A pseudo-terminal pair for the simulated radio: the radio works the master,
// the program opens the slave by its path like any serial device.
//
// The pair also keeps one descriptor of the slave open (never read): without
// it the master reports a hang-up whenever the program closes its port, and a
// program that reopens the port would find a line the kernel has torn down.
// That descriptor is put into raw mode at once, so nothing the radio sends is
// echoed back before the program has set the line up itself.

#include <string>

namespace qav::sim {

class PseudoTerminal {
  public:
    PseudoTerminal();  // throws std::runtime_error when no pty can be had
    ~PseudoTerminal();

    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

    // Drops the line: the program's end sees the hang-up.
    void CloseMaster();

  private:
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

}  // namespace qav::sim
