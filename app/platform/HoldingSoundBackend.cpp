#include "HoldingSoundBackend.h"

void HoldingSoundBackend::PlayAsync(const QString& fileName) {
    // A cue started while another plays to its end would cut that one off.
    if (!Holding()) {
        inner_.PlayAsync(fileName);
    }
}

void HoldingSoundBackend::PlaySync(const QString& fileName) {
    ++depth_;
    inner_.PlaySync(fileName);
    --depth_;
}
