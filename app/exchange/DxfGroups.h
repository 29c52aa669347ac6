#pragma once

#include <QString>
#include <memory>
#include <string_view>

// The group code / value pairs of a DXF text file, in order, read a chunk at a time: a
// file of any size costs one buffer. Lines end in LF or CR LF; a line longer than the
// buffer is cut at its end (no DXF value is that long).
class DxfGroups {
public:
    explicit DxfGroups(const QString& path);
    ~DxfGroups();
    DxfGroups(const DxfGroups&) = delete;
    DxfGroups& operator=(const DxfGroups&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The next pair, its value without surrounding blanks and valid until the next call;
    // false at the end of the file (or where it could not be read further).
    bool Next(int& code, std::string_view& value);

    // A value as a number the way drawing programs write them: a leading '+' and a
    // decimal comma are taken; what is no number is 0; beyond the range of a double is
    // infinite (and then refused as such).
    static double Real(std::string_view value);
    // A whole number at the start of a value ("16", "+16", "16.0"); 0 where there is none.
    static int Integer(std::string_view value);

private:
    bool Line(std::string_view& line);
    bool Fill();

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    // The rest of a line that was cut is dropped.
    bool skipping_ = false;
};
