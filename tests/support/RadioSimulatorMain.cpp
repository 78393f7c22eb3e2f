// The simulated radio as a program of its own, for watching the real program
// read and write it:
//   radio_simulator PORTS_FOLDER [PORT] [--model 730|750] [--paced] [--silent-from N] [--band D]
// links PORTS_FOLDER/comPORT (default 1) to its pseudo-terminal and answers
// until it is ended (Ctrl+C or SIGTERM).
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/RadioSimulator.h"

namespace {
volatile sig_atomic_t g_stop = 0;
void Stop(int) {
    g_stop = 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: %s PORTS_FOLDER [PORT] [--model 730|750] [--paced] [--silent-from N] [--band D]\n",
            argv[0]);
        return 2;
    }
    // The radio model first: the other options change the radio it makes.
    const qav::sim::RadioModel* model = &qav::sim::kSecondModelRadio;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::string(argv[i]) != "--model") continue;
        const std::string name = argv[i + 1];
        if (name == "730") {
            model = &qav::sim::kFirstModelRadio;
        } else if (name != "750") {
            std::fprintf(stderr, "unknown model %s (730 or 750)\n", name.c_str());
            return 2;
        }
    }
    qav::sim::RadioSimulator radio(*model);
    int port = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--model")
            ++i;
        else if (arg == "--paced")
            radio.SetWirePacing(true);
        else if (arg == "--silent-from" && i + 1 < argc)
            radio.SetSilentFrom(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--band" && i + 1 < argc)
            radio.SetBandDigit(argv[++i][0]);
        else
            port = std::atoi(arg.c_str());
    }
    if (!radio.LinkAsPort(argv[1], port)) {
        std::fprintf(stderr, "cannot link %s/com%d\n", argv[1], port);
        return 1;
    }
    std::printf("radio on %s as port %d\n", radio.SlavePath().c_str(), port);
    std::fflush(stdout);
    signal(SIGINT, Stop);
    signal(SIGTERM, Stop);
    while (!g_stop) pause();
    return 0;
}
