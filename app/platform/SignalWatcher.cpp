#include "SignalWatcher.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The pipe's two ends: [0] read by the loop, [1] written by the handler.
int pipeEnds[2] = {-1, -1};
} // namespace

SignalWatcher::SignalWatcher(std::initializer_list<int> numbers, Handler handler)
    : handler_(std::move(handler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        return;
    }
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
    for (const int signal : numbers) {
        if (count_ == static_cast<int>(std::size(signalList_))) {
            break;
        }
        // A signal ignored when the program started (nohup, a background job) stays
        // ignored: whoever started it asked for that.
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = &SignalWatcher::OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (::sigaction(signal, &action, nullptr) == 0) {
            signalList_[count_++] = signal;
        }
    }
}

SignalWatcher::~SignalWatcher() {
    for (int i = 0; i < count_; ++i) {
        std::signal(signalList_[i], SIG_DFL);
    }
    delete notifier_;
    for (int& end : pipeEnds) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

void SignalWatcher::OnSignal(int signal) {
    // Only async-signal-safe calls here.
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    if (pipeEnds[1] >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    }
    errno = saved;
}

void SignalWatcher::Drain() {
    char byte = 0;
    if (::read(pipeEnds[0], &byte, 1) == 1 && handler_) {
        handler_(static_cast<unsigned char>(byte));
    }
}
