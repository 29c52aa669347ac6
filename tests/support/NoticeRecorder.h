#pragma once

#include "ModelNotice.h"

#include <QString>
#include <vector>

// Records what the figure model tells the user while it is alive.
class NoticeRecorder {
public:
    struct Notice {
        QString text;
        QString title;
    };

    NoticeRecorder() {
        previous_ = ModelNotice::SetHandler([this](const QString& text, const QString& title) {
            notices.push_back({text, title});
        });
    }
    ~NoticeRecorder() { ModelNotice::SetHandler(previous_); }
    NoticeRecorder(const NoticeRecorder&) = delete;
    NoticeRecorder& operator=(const NoticeRecorder&) = delete;

    std::vector<Notice> notices;

private:
    ModelNotice::Handler previous_;
};
