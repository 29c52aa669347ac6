// The entry of the sound library, which the program opens on a thread of its own: the
// only part of the program that links the multimedia libraries.
#include "QtSoundBackend.h"

extern "C" __attribute__((visibility("default"))) SoundBackend* zelk_create_sound_backend() {
    return new QtSoundBackend;
}
