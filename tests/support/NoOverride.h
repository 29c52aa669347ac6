#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Folder permissions that hold for root too: while alive, the calling thread works without
// the capabilities that let root read, write and remove past a folder's permissions (CI
// runs the tests as root). They stay permitted and come back at the end.
class NoOverride {
public:
    NoOverride() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            reduced[cap / 32].effective &= ~(1U << (cap % 32));
        }
        active_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~NoOverride() {
        if (active_) {
            syscall(SYS_capset, &header_, saved_);
        }
    }
    NoOverride(const NoOverride&) = delete;
    NoOverride& operator=(const NoOverride&) = delete;

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};
