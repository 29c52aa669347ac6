#pragma once

#include "SafeFile.h"

#include <QString>
#include <memory>

class SystemCalls;

// The fields of a figure file read a block at a time, so that a large figure never needs
// its whole text in memory beside its segments (on a fresh process each megabyte of new
// memory costs milliseconds at start). Fields are free-format input: blanks before a
// field are skipped; a field ends at a comma or the end of its line, a number also at a
// blank; a quoted field is taken verbatim; an empty line is one empty field. The file
// gets the checks of SafeFile::Read (regular, within a size limit, FIFOs refused
// without blocking).
class FileBlockReader {
public:
    static constexpr size_t kBlockSize = 64 * 1024;

    // block: the bytes read at a time (a test's small blocks split every field).
    explicit FileBlockReader(size_t block = kBlockSize);
    FileBlockReader(size_t block, SystemCalls& calls);
    ~FileBlockReader();
    FileBlockReader(const FileBlockReader&) = delete;
    FileBlockReader& operator=(const FileBlockReader&) = delete;

    SafeFile::ReadResult Open(const QString& path, qint64 limit, QString& error);
    // A UTF-8 byte order mark opened the file (it is not part of the first field).
    bool Utf8Marked() const { return utf8Marked_; }

    // The next field; false at the end of the file or when reading failed. The field's
    // bytes stay valid until the next call.
    bool Next(bool numeric, const char*& fieldBegin, const char*& fieldEnd);
    // True when anything but blanks and line ends follows the line of the last field.
    bool MoreLinesAfterLastField();

    // A read that failed (or a file that grew past the limit) after Open succeeded.
    bool Failed() const { return failure_ != SafeFile::ReadResult::Ok; }
    SafeFile::ReadResult Failure() const { return failure_; }
    const QString& FailureReason() const { return reason_; }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    // Moves the bytes from keep on to the front and reads more behind them; every offset
    // the caller holds goes down by keep, whether or not more came (false: nothing more).
    bool Fill(size_t keep);
    void SkipBlanks();
    void SkipDelimiter(size_t& fieldBegin, size_t& fieldEnd);

    SystemCalls& calls_;
    int fd_ = -1;
    qint64 limit_ = 0;
    qint64 total_ = 0;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_;
    size_t block_;
    size_t pos_ = 0;
    size_t end_ = 0;
    size_t lastFieldEnd_ = 0;
    bool atEnd_ = false;
    bool utf8Marked_ = false;
    SafeFile::ReadResult failure_ = SafeFile::ReadResult::Ok;
    QString reason_;
};
