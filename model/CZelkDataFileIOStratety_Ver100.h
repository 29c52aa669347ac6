#pragma once

#include "FileResult.h"
#include "IZelkDataFileIO.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdint>

class IFigureStore;

// Reads and writes the figure file format 1.00: a header with the figure's size and
// line count, one line per segment, and the comment. Load and Save return the reason of a
// failure (titles "データ読み込みエラー" / "データ書き込みエラー"); LoadData and SaveData,
// the file I/O interface, also tell it to the user through ModelNotice.
class CZelkDataFileIOStratety_Ver100 : public IZelkDataFileIO {
public:
    // Binds the format to the figure it reads into and writes from.
    void Create(IFigureStore* ZelkData) { data_ = ZelkData; }

    FileResult Load(const QString& FileName);
    FileResult Save(const QString& FileName);
    bool LoadData(const QString& FileName) override;
    bool SaveData(const QString& FileName) override;
    // Shows a failure through ModelNotice; the result's success.
    static bool Told(const FileResult& result);
    bool IsDirty() const override;
    QString FileName() const override;

    // Numbers stand in print zones of this many columns.
    static constexpr int kZoneWidth = 14;
    // The header line (without line end) from the MaxSize text and the line count.
    static QString FormatHeader(const QString& maxSize, int32_t lineCount);
    // One segment line (without line end) from a line text.
    static QString FormatSegment(const QString& lineText);
    // Header and segment lines of a figure (each ending in CR LF), formatted in one pass
    // (FigureBodyText keeps them between saves).
    static QByteArray FormatBody(const IFigureStore& data);

    static QString LoadErrorTitle() {
        return QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                           "データ読み込みエラー");
    }
    static QString SaveErrorTitle() {
        return QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                           "データ書き込みエラー");
    }

private:
    IFigureStore* data_ = nullptr;
};
