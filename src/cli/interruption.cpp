#include "cli/interruption.h"

#include <csignal>
#include <initializer_list>

namespace korvane {
namespace {

// The one thing a signal handler may safely touch.
volatile std::sig_atomic_t gSignal = 0;

extern "C" void NoteSignal(int signal) {
    gSignal = signal;
}

}  // namespace

void NoteInterruptions() {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read returns EINTR
    // Every signal sent to end the program, which would otherwise end it
    // where it stands and leave its temporary file behind. (The faults a
    // program raises itself are not among them.)
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU,
                             SIGVTALRM, SIGPROF, SIGIO, SIGPWR}) {
        sigaction(signal, &action, nullptr);
    }
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        sigaction(signal, &action, nullptr);
    }
}

int Interruption() {
    return gSignal;
}

}  // namespace korvane
