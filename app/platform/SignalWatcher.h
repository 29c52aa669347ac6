#pragma once

#include <QObject>
#include <functional>
#include <initializer_list>

class QSocketNotifier;

// Turns POSIX signals (SIGTERM, SIGHUP, ...) into a call on the event loop. The signal
// handler itself only writes the signal's number into a pipe; the work is done later,
// in the loop, where anything may be done. A signal that was ignored at start stays
// ignored.
class SignalWatcher : public QObject {
public:
    using Handler = std::function<void(int signal)>;

    SignalWatcher(std::initializer_list<int> numbers, Handler handler);
    ~SignalWatcher() override;
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
    static void OnSignal(int signal);
    void Drain();

    Handler handler_;
    QSocketNotifier* notifier_ = nullptr;
    int signalList_[8] = {};
    int count_ = 0;
};
