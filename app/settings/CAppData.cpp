#include "CAppData.h"

#include "CZelkData.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

CAppData::CAppData(const QString& programFolder, const QString& dataFolder)
    : programFolder_(programFolder),
      dataFolder_(dataFolder.isEmpty() ? programFolder + QStringLiteral("/data") : dataFolder),
      fileName_(dataFolder_ + QStringLiteral("/sample/zelk01.zlk")), dataPath_(dataFolder_),
      axisLineLength_(maxSize_) {}

void CAppData::SetFileName(const QString& value) {
    fileName_ = value;
    if (!value.isEmpty()) {
        SetDataPath(GetFolderName(value));
        AddHistory(value);
    }
}

void CAppData::SetDataPath(const QString& value) {
    if (!dataPathFixed_) {
        dataPath_ = value;
    }
}

int16_t CAppData::NormaliseAngle(int32_t value) {
    int32_t v = value % 360; // keeps the sign of the value: -400 gives -40
    if (v > 180) {
        v -= 360;
    }
    if (v < -180) {
        v += 360;
    }
    return static_cast<int16_t>(v);
}

void CAppData::SetRatio(float value) {
    ratio_ = value;
    if (ratio_ < kMinRatio) {
        ratio_ = kMinRatio;
    }
    if (ratio_ > kMaxRatio) {
        ratio_ = kMaxRatio;
    }
}

void CAppData::SetContinuousTurningDirection(const QString& value) {
    direction_ = ZelkStates::DirectionFrom(value).value_or(TurnDirection::Left);
}

void CAppData::SetTickTime(int32_t value) {
    const int32_t magnitude = std::abs(value);
    tickTime_ = static_cast<int16_t>(magnitude > INT16_MAX ? INT16_MAX : magnitude);
}

int16_t CAppData::ClampPointer(int32_t value) const {
    int32_t v = value;
    if (v > maxSize_) {
        v = maxSize_;
    }
    if (v < 0) {
        v = 0;
    }
    return static_cast<int16_t>(v);
}

void CAppData::SetDrawingCondition(const QString& value) {
    pointer_ = ZelkStates::PointerFrom(value).value_or(DrawingPointer::From);
}

void CAppData::SetDifficulty(const QString& value) {
    level_ = ZelkStates::LevelFrom(value).value_or(DifficultyLevel::Midium);
}

int32_t CAppData::FigureLines() const {
    return figure_ ? figure_->NumberOfLines() : 0;
}

int32_t CAppData::ProIF_LineNumber() const {
    return std::min(proIfLineNumber_, FigureLines());
}

void CAppData::SetProIF_LineNumber(int32_t value) {
    if (value >= 0 && value <= FigureLines()) {
        proIfLineNumber_ = value;
    }
}

void CAppData::ClearData() {
    SetFileName(QString());
    SetPointer(DrawingPointer::From);
    SetPointerFromX(0);
    SetPointerFromY(0);
    SetPointerFromZ(0);
    SetPointerToX(0);
    SetPointerToY(0);
    SetPointerToZ(0);
    SetProIF_LineNumber(0);
    SetRatio(1.0F);
}

QString CAppData::GetHistory(int16_t index) const {
    if (index < 0 || index >= kHistoryPlaces) {
        return QString();
    }
    return history_[static_cast<size_t>(index)];
}

void CAppData::SetHistory(int16_t index, const QString& fileName) {
    if (fileName.isEmpty() || index < 0 || index >= kHistoryPlaces) {
        return;
    }
    history_[static_cast<size_t>(index)] = fileName;
}

QString CAppData::GetFolderName(const QString& fileName) const {
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (fileName[i] == u'\\' || fileName[i] == u'/') {
            return fileName.left(i);
        }
    }
    return dataFolder_;
}

void CAppData::AddHistory(const QString& fileName) {
    const size_t last = kHistoryPlaces - 1;
    for (size_t i = 0; i <= last; ++i) {
        if (history_[i] == fileName) {
            for (size_t j = i; j < last; ++j) {
                history_[j] = history_[j + 1];
            }
        }
    }
    for (size_t j = last; j > 0; --j) {
        history_[j] = history_[j - 1];
    }
    history_[0] = fileName;
}

void CAppData::RemoveHistory(const QString& fileName) {
    auto kept = std::remove(history_.begin(), history_.end(), fileName);
    std::fill(kept, history_.end(), QString());
}
