#pragma once

#include <QString>

// Loading and saving a figure as a file.
class IZelkDataFileIO {
public:
    virtual ~IZelkDataFileIO() = default;
    virtual bool LoadData(const QString& FileName) = 0;
    virtual bool SaveData(const QString& FileName) = 0;
    virtual bool IsDirty() const = 0;
    virtual QString FileName() const = 0;
};
