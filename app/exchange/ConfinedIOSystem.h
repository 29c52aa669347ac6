#pragma once

#include <QString>
#include <assimp/IOSystem.hpp>
#include <string>

// The files a model may name (glTF buffers and images, OBJ material libraries, COLLADA
// and X3D references, ...) are opened only inside the model's own folder: a name that
// leads out of it, through "..", a symbolic link or an absolute path, is refused, and
// so is anything but a regular file (a FIFO would stall the reader, a device never
// ends). Only reading is allowed.
class ConfinedIOSystem : public Assimp::IOSystem {
public:
    // model: the file the reader was given; its folder bounds what may be opened.
    explicit ConfinedIOSystem(const QString& model);

    bool Exists(const char* pFile) const override;
    char getOsSeparator() const override { return '/'; }
    Assimp::IOStream* Open(const char* pFile, const char* pMode = "rb") override;
    void Close(Assimp::IOStream* pFile) override;

    // The first file refused, as the model named it (empty when none was).
    const QString& Refused() const { return refused_; }
    // Why that file was refused, in the user's language.
    const QString& RefusedReason() const { return refusedReason_; }

private:
    enum class Verdict { Allowed, Missing, Outside, NotRegular };
    // The name resolved to where it really leads, and whether it may be read.
    Verdict Judge(const char* name, std::string& resolved) const;
    // Asking whether a file exists is already reaching for it: noted as well.
    void NoteRefusal(const char* name, Verdict verdict) const;

    std::string model_;  // the model itself, resolved
    std::string folder_; // its folder, resolved, ending in '/'
    mutable QString refused_;
    mutable QString refusedReason_;
};
