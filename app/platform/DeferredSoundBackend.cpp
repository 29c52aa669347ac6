#include "DeferredSoundBackend.h"

#include <QFileInfo>
#include <QtGlobal>

#include <dlfcn.h>

namespace {
using Create = SoundBackend* (*)();
} // namespace

DeferredSoundBackend::DeferredSoundBackend(QString library) : library_(std::move(library)) {}

void DeferredSoundBackend::Begin() {
    if (begun_) {
        return;
    }
    begun_ = true;
    opening_ = std::async(std::launch::async, [library = library_] {
        // Opened from the program's own code, so that the program's RUNPATH finds the
        // library both in the build folder and where the package installs it.
        Opened opened;
        opened.handle = dlopen(library.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (opened.handle == nullptr) {
            opened.error = dlerror();
        }
        return opened;
    });
}

// The library itself stays open until the program ends: the multimedia libraries keep
// threads of their own.
DeferredSoundBackend::~DeferredSoundBackend() {
    Release();
}

void DeferredSoundBackend::Release() {
    begun_ = true;
    backend_.reset();
    if (opening_.valid()) {
        opening_.get();
    }
}

SoundBackend* DeferredSoundBackend::Backend() {
    Begin();
    if (!opening_.valid()) {
        return backend_.get();
    }
    const Opened opened = opening_.get();
    if (opened.handle == nullptr) {
        qWarning("zelk: no sound: %s", opened.error.constData());
        return nullptr;
    }
    const auto create = reinterpret_cast<Create>(dlsym(opened.handle, "zelk_create_sound_backend"));
    if (create == nullptr) {
        qWarning("zelk: no sound: %s", dlerror());
        return nullptr;
    }
    backend_.reset(create());
    return backend_.get();
}

SoundBackend* DeferredSoundBackend::BackendFor(const QString& fileName) {
    // A cue without its file is silent in any case: it need not wait for the library.
    return QFileInfo(fileName).isFile() ? Backend() : nullptr;
}

void DeferredSoundBackend::PlayAsync(const QString& fileName) {
    if (SoundBackend* backend = BackendFor(fileName)) {
        backend->PlayAsync(fileName);
    }
}

void DeferredSoundBackend::PlaySync(const QString& fileName) {
    if (SoundBackend* backend = BackendFor(fileName)) {
        backend->PlaySync(fileName);
    }
}
