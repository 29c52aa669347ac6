#include "FileBlockReader.h"

#include "SystemCalls.h"
#include "SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

FileBlockReader::FileBlockReader(size_t block) : FileBlockReader(block, SystemCalls::Real()) {}

FileBlockReader::FileBlockReader(size_t block, SystemCalls& calls)
    : calls_(calls), capacity_(std::max<size_t>(block, 1)), block_(std::max<size_t>(block, 1)) {}

FileBlockReader::~FileBlockReader() {
    if (fd_ >= 0) {
        calls_.Close(fd_);
    }
}

SafeFile::ReadResult FileBlockReader::Open(const QString& path, qint64 limit, QString& error) {
    qint64 size = 0;
    const SafeFile::ReadResult result = SafeFile::OpenToRead(path, limit, fd_, size, error, calls_);
    if (result != SafeFile::ReadResult::Ok) {
        atEnd_ = true;
        return result;
    }
    limit_ = limit;
    // A small file needs no more room than itself (and a byte to see its end).
    capacity_ = std::min(capacity_, static_cast<size_t>(size) + 1);
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
    while (end_ < 3 && Fill(0)) {
    }
    utf8Marked_ = end_ >= 3 && std::memcmp(buffer_.get(), "\xEF\xBB\xBF", 3) == 0;
    pos_ = utf8Marked_ ? 3 : 0;
    return SafeFile::ReadResult::Ok;
}

bool FileBlockReader::Fill(size_t keep) {
    std::memmove(buffer_.get(), buffer_.get() + keep, end_ - keep);
    end_ -= keep;
    pos_ -= keep;
    lastFieldEnd_ = lastFieldEnd_ >= keep ? lastFieldEnd_ - keep : 0;
    if (atEnd_) {
        return false;
    }
    if (capacity_ - end_ < block_ && end_ * 2 > capacity_) {
        // A field longer than the room left (a long comment): the room doubles.
        const size_t capacity = std::max(capacity_ * 2, end_ + block_);
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }
    for (;;) {
        const ssize_t n = calls_.Read(fd_, buffer_.get() + end_, capacity_ - end_);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            failure_ = SafeFile::ReadResult::Failed;
            reason_ = SystemError::Reason(errno);
        } else if (n > 0 && total_ + n > limit_) {
            // Grown past the limit since it was opened: refused as a whole read would.
            failure_ = SafeFile::ReadResult::TooLarge;
            reason_ = SystemError::Reason(EFBIG);
        } else if (n > 0) {
            total_ += n;
            end_ += static_cast<size_t>(n);
            return true;
        }
        atEnd_ = true;
        return false;
    }
}

void FileBlockReader::SkipBlanks() {
    while ((pos_ < end_ || Fill(pos_)) && IsBlank(buffer_[pos_])) {
        ++pos_;
    }
}

bool FileBlockReader::Next(bool numeric, const char*& fieldBegin, const char*& fieldEnd) {
    SkipBlanks();
    if (pos_ == end_) {
        return false;
    }
    const bool quoted = buffer_[pos_] == '"';
    if (quoted) {
        ++pos_;
    }
    size_t begin = pos_;
    for (;;) {
        while (pos_ < end_) {
            const char c = buffer_[pos_];
            if (quoted ? (c == '"' || IsLineEnd(c))
                       : (c == ',' || IsLineEnd(c) || (numeric && IsBlank(c)))) {
                break;
            }
            ++pos_;
        }
        if (pos_ < end_) {
            break;
        }
        const size_t kept = begin;
        begin = 0;
        if (!Fill(kept)) {
            break;
        }
    }
    size_t end = pos_;
    if (quoted && pos_ < end_ && buffer_[pos_] == '"') {
        ++pos_;
    }
    SkipDelimiter(begin, end);
    fieldBegin = buffer_.get() + begin;
    fieldEnd = buffer_.get() + end;
    lastFieldEnd_ = end;
    return true;
}

void FileBlockReader::SkipDelimiter(size_t& fieldBegin, size_t& fieldEnd) {
    // Every read here keeps the field: its bytes are handed out after.
    auto more = [this, &fieldBegin, &fieldEnd] {
        const size_t kept = fieldBegin;
        fieldBegin = 0;
        fieldEnd -= kept;
        return Fill(kept);
    };
    while ((pos_ < end_ || more()) && IsBlank(buffer_[pos_])) {
        ++pos_;
    }
    if (pos_ == end_) {
        return;
    }
    if (buffer_[pos_] == ',') {
        ++pos_;
    } else if (buffer_[pos_] == '\r') {
        ++pos_;
        if ((pos_ < end_ || more()) && buffer_[pos_] == '\n') {
            ++pos_;
        }
    } else if (buffer_[pos_] == '\n') {
        ++pos_;
    }
}

bool FileBlockReader::MoreLinesAfterLastField() {
    pos_ = lastFieldEnd_;
    while ((pos_ < end_ || Fill(pos_)) && !IsLineEnd(buffer_[pos_])) {
        ++pos_;
    }
    while (pos_ < end_ || Fill(pos_)) {
        const char c = buffer_[pos_];
        if (!IsBlank(c) && !IsLineEnd(c)) {
            return true;
        }
        ++pos_;
    }
    return false;
}
