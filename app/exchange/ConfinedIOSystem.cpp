#include "ConfinedIOSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <assimp/IOStream.hpp>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where a name really leads ("..", links and all), or empty when it leads nowhere.
std::string Resolve(const std::string& name) {
    char buffer[PATH_MAX];
    return ::realpath(name.c_str(), buffer) != nullptr ? std::string(buffer) : std::string();
}

// A file opened for reading, through its descriptor.
class ReadOnlyStream : public Assimp::IOStream {
public:
    ReadOnlyStream(int fd, size_t size) : fd_(fd), size_(size) {}
    ~ReadOnlyStream() override { ::close(fd_); }
    ReadOnlyStream(const ReadOnlyStream&) = delete;
    ReadOnlyStream& operator=(const ReadOnlyStream&) = delete;

    size_t Read(void* buffer, size_t size, size_t count) override {
        if (size == 0 || count == 0) {
            return 0;
        }
        const size_t wanted = size * count;
        if (wanted / size != count) {
            return 0;
        }
        size_t done = 0;
        auto* out = static_cast<char*>(buffer);
        while (done < wanted) {
            const ssize_t n =
                ::pread(fd_, out + done, wanted - done, static_cast<off_t>(position_ + done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += static_cast<size_t>(n);
        }
        position_ += done;
        return done / size;
    }
    size_t Write(const void*, size_t, size_t) override { return 0; }
    aiReturn Seek(size_t offset, aiOrigin origin) override {
        size_t base = 0;
        if (origin == aiOrigin_CUR) {
            base = position_;
        } else if (origin == aiOrigin_END) {
            base = size_;
        }
        if (offset > SIZE_MAX - base || base + offset > size_) {
            return aiReturn_FAILURE;
        }
        position_ = base + offset;
        return aiReturn_SUCCESS;
    }
    size_t Tell() const override { return position_; }
    size_t FileSize() const override { return size_; }
    void Flush() override {}

private:
    int fd_;
    size_t size_;
    size_t position_ = 0;
};

} // namespace

ConfinedIOSystem::ConfinedIOSystem(const QString& model) {
    const std::string given = QFile::encodeName(QFileInfo(model).absoluteFilePath()).toStdString();
    model_ = Resolve(given);
    // The folder the model is named in: the library looks for its companions there.
    folder_ = Resolve(QFile::encodeName(QFileInfo(model).absolutePath()).toStdString());
    if (!folder_.empty() && folder_.back() != '/') {
        folder_ += '/';
    }
}

ConfinedIOSystem::Verdict ConfinedIOSystem::Judge(const char* name, std::string& resolved) const {
    if (name == nullptr || *name == '\0') {
        return Verdict::Missing;
    }
    std::string path(name);
    if (path.front() != '/') {
        // A relative name is the library's own making from the model's folder, or a
        // bare name that means the same.
        path = folder_ + path;
    }
    resolved = Resolve(path);
    if (resolved.empty()) {
        return Verdict::Missing;
    }
    const bool inside =
        resolved == model_ || (!folder_.empty() && resolved.size() > folder_.size() &&
                               resolved.compare(0, folder_.size(), folder_) == 0);
    if (!inside) {
        return Verdict::Outside;
    }
    struct stat info {};
    if (::stat(resolved.c_str(), &info) != 0) {
        return Verdict::Missing;
    }
    return S_ISREG(info.st_mode) ? Verdict::Allowed : Verdict::NotRegular;
}

void ConfinedIOSystem::NoteRefusal(const char* name, Verdict verdict) const {
    if (!refused_.isEmpty() || verdict == Verdict::Missing || verdict == Verdict::Allowed) {
        return;
    }
    refused_ = QFile::decodeName(name);
    refusedReason_ =
        verdict == Verdict::Outside
            ? QCoreApplication::translate("ModelReader",
                                          "モデルが、そのフォルダーの外にあるファイル（%1）を"
                                          "読もうとしたため、読み込みませんでした。")
                  .arg(refused_)
            : QCoreApplication::translate("ModelReader",
                                          "モデルが、通常のファイルではないもの（%1）を"
                                          "読もうとしたため、読み込みませんでした。")
                  .arg(refused_);
}

bool ConfinedIOSystem::Exists(const char* pFile) const {
    std::string resolved;
    const Verdict verdict = Judge(pFile, resolved);
    NoteRefusal(pFile, verdict);
    return verdict == Verdict::Allowed;
}

Assimp::IOStream* ConfinedIOSystem::Open(const char* pFile, const char* pMode) {
    // Reading only: a model never makes the reader write.
    if (pMode == nullptr || std::strchr(pMode, 'w') != nullptr ||
        std::strchr(pMode, 'a') != nullptr || std::strchr(pMode, '+') != nullptr) {
        return nullptr;
    }
    std::string resolved;
    const Verdict verdict = Judge(pFile, resolved);
    if (verdict != Verdict::Allowed) {
        NoteRefusal(pFile, verdict);
        return nullptr;
    }
    // Opened without following a link and without blocking; checked again once open,
    // in case the name was changed in between.
    const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        NoteRefusal(pFile, Verdict::NotRegular);
        return nullptr;
    }
    return new ReadOnlyStream(fd, static_cast<size_t>(info.st_size));
}

void ConfinedIOSystem::Close(Assimp::IOStream* pFile) {
    delete pFile;
}
