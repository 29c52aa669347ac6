#include "DxfGroups.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr size_t kBuffer = 64 * 1024;

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

DxfGroups::DxfGroups(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)),
      buffer_(std::make_unique_for_overwrite<char[]>(kBuffer)) {}

DxfGroups::~DxfGroups() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool DxfGroups::Fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < kBuffer) {
        const ssize_t got = ::read(fd_, buffer_.get() + end_, kBuffer - end_);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            atEnd_ = true;
            return false;
        }
        end_ += static_cast<size_t>(got);
        return true;
    }
    return true;
}

bool DxfGroups::Line(std::string_view& line) {
    for (;;) {
        const char* from = buffer_.get() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
        if (newline != nullptr) {
            const size_t length = static_cast<size_t>(newline - from);
            begin_ += length + 1;
            if (skipping_) {
                skipping_ = false;
                continue;
            }
            line = std::string_view(from, length);
            return true;
        }
        if (begin_ == 0 && end_ == kBuffer) {
            // A line as long as the buffer: its start is kept, the rest dropped.
            const bool first = !skipping_;
            line = std::string_view(buffer_.get(), end_);
            begin_ = end_;
            skipping_ = true;
            if (first) {
                return true;
            }
            continue;
        }
        if (atEnd_ || !Fill()) {
            // The last line may have no newline.
            const bool none = begin_ == end_ || skipping_;
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            return !none;
        }
    }
}

bool DxfGroups::Next(int& code, std::string_view& value) {
    if (fd_ < 0) {
        return false;
    }
    std::string_view codeLine;
    if (!Line(codeLine)) {
        return false;
    }
    // Read before the next line: reading on may move the buffer.
    code = Integer(Trimmed(codeLine));
    if (!Line(value)) {
        return false;
    }
    value = Trimmed(value);
    return true;
}

double DxfGroups::Real(std::string_view value) {
    if (!value.empty() && value.front() == '+') {
        value.remove_prefix(1);
    }
    char copy[64];
    if (value.find(',') != std::string_view::npos && value.size() < sizeof copy) {
        std::copy(value.begin(), value.end(), copy);
        std::replace(copy, copy + value.size(), ',', '.');
        value = std::string_view(copy, value.size());
    }
    double out = 0.0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), out);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too small is zero, too large is infinite.
        const size_t e = value.find_first_of("eE");
        const bool tiny =
            e != std::string_view::npos && e + 1 < value.size() && value[e + 1] == '-';
        return tiny ? 0.0 : (value.front() == '-' ? -HUGE_VAL : HUGE_VAL);
    }
    return error == std::errc() ? out : 0.0;
}

int DxfGroups::Integer(std::string_view value) {
    if (!value.empty() && value.front() == '+') {
        value.remove_prefix(1);
    }
    long long out = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), out);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        return value.front() == '-' ? INT_MIN : INT_MAX;
    }
    if (error != std::errc()) {
        return 0;
    }
    return static_cast<int>(std::clamp<long long>(out, INT_MIN, INT_MAX));
}
