#pragma once

#include "SoundBackend.h"

#include <QByteArray>
#include <QString>

#include <future>
#include <memory>

// The sound library, opened on a thread of its own once the window is up: the multimedia
// libraries it links take longer to load than a bare window takes to show, and while they
// load they hold the loader's lock, which stalls every thread the window starts meanwhile.
// A cue before then opens it at once; the first cue waits for the library and plays
// through it; without the library every cue is silent, as without an audio device.
class DeferredSoundBackend : public SoundBackend {
public:
    // The library is found by the program's own search path (RUNPATH).
    explicit DeferredSoundBackend(QString library = QStringLiteral("libzelkSound.so"));
    ~DeferredSoundBackend() override;

    void PlayAsync(const QString& fileName) override;
    void PlaySync(const QString& fileName) override;

    // Starts opening the library on a thread of its own (once; nothing after Release).
    void Begin();
    // The library's backend, once it is open (waiting for it); nullptr without one.
    SoundBackend* Backend();
    // Ends the backend (before the application object goes); later cues are silent.
    void Release();

private:
    // The backend for a cue of this file; nullptr, without waiting, when there is none.
    SoundBackend* BackendFor(const QString& fileName);

    struct Opened {
        void* handle = nullptr;
        QByteArray error; // the dynamic linker's reason, said on its own thread
    };
    QString library_;
    bool begun_ = false;
    // Valid from Begin until the opening is taken (at the first cue, or at the end).
    std::future<Opened> opening_;
    std::unique_ptr<SoundBackend> backend_;
};
