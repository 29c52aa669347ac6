#pragma once

#include "ZelkStates.h"

#include <QString>
#include <array>
#include <cstdint>

class CZelkData;

// The application's settings and working state: current file and data folder, view
// angles and zoom, mode, difficulty, pointers, colours, the recent-file list and the
// detailed-input state. Lets normalise or refuse values; nothing here reports errors.
class CAppData {
public:
    // programFolder: the folder holding the program, without a trailing "/"; dataFolder:
    // the default data folder ("" for programFolder + "/data").
    explicit CAppData(const QString& programFolder, const QString& dataFolder = QString());

    // The figure whose line count bounds ProIF_LineNumber (none: no lines).
    void SetFigure(const CZelkData* figure) { figure_ = figure; }
    QString ProgramFolder() const { return programFolder_; }

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& value);
    // The user interface's language: "ja" (the default) or "en".
    // The language as the settings file keeps it ("ja", "en") and as the program reads it.
    QString Language() const { return ZelkStates::Text(language_); }
    void SetLanguage(const QString& language) { language_ = ZelkStates::LanguageFrom(language); }
    UiLanguage LanguageKind() const { return language_; }
    void SetLanguage(UiLanguage language) { language_ = language; }
    bool DataPathFixed() const { return dataPathFixed_; }
    void SetDataPathFixed(bool value) { dataPathFixed_ = value; }
    QString DataPath() const { return dataPath_; }
    void SetDataPath(const QString& value);
    int16_t Longitude() const { return longitude_; }
    void SetLongitude(int32_t value) { longitude_ = NormaliseAngle(value); }
    int16_t Latitude() const { return latitude_; }
    void SetLatitude(int32_t value) { latitude_ = NormaliseAngle(value); }
    float Ratio() const { return ratio_; }
    void SetRatio(float value);
    // The mode as its text ("VIEW_MODE", "DRAW_MODE"; another text is kept as given) and
    // as the program reads it.
    QString Mode() const { return mode_ == AppMode::Other ? otherMode_ : ZelkStates::Text(mode_); }
    void SetMode(const QString& value) {
        mode_ = ZelkStates::ModeFrom(value);
        otherMode_ = mode_ == AppMode::Other ? value : QString();
    }
    AppMode ModeKind() const { return mode_; }
    void SetMode(AppMode mode) {
        mode_ = mode;
        otherMode_.clear();
    }
    bool Drawing() const { return mode_ == AppMode::Draw; }
    int16_t UnitLength() const { return unitLength_; }
    void SetUnitLength(int16_t value) { unitLength_ = value; }
    int16_t UnitAngle() const { return unitAngle_; }
    void SetUnitAngle(int16_t value) { unitAngle_ = value; }
    int16_t MaxSize() const { return maxSize_; }
    void SetMaxSize(int16_t value) { maxSize_ = value; }
    QString FormSize() const { return formSize_; }
    void SetFormSize(const QString& value) { formSize_ = value; }
    int16_t PointerSize() const { return pointerSize_; }
    void SetPointerSize(int16_t value) { pointerSize_ = value; }
    int32_t VIEW_MODE_FigColor() const { return viewModeFigColor_; }
    void SetVIEW_MODE_FigColor(int32_t value) { viewModeFigColor_ = value; }
    int32_t VIEW_MODE_BackColor() const { return viewModeBackColor_; }
    void SetVIEW_MODE_BackColor(int32_t value) { viewModeBackColor_ = value; }
    int32_t DRAW_MODE_FigColor() const { return drawModeFigColor_; }
    void SetDRAW_MODE_FigColor(int32_t value) { drawModeFigColor_ = value; }
    int32_t DRAW_MODE_BackColor() const { return drawModeBackColor_; }
    void SetDRAW_MODE_BackColor(int32_t value) { drawModeBackColor_ = value; }
    int32_t TempLineColor() const { return tempLineColor_; }
    void SetTempLineColor(int32_t value) { tempLineColor_ = value; }
    int32_t PointerFromColor() const { return pointerFromColor_; }
    void SetPointerFromColor(int32_t value) { pointerFromColor_ = value; }
    int32_t PointerToColor() const { return pointerToColor_; }
    void SetPointerToColor(int32_t value) { pointerToColor_ = value; }
    QString ContinuousTurningDirection() const { return ZelkStates::Text(direction_); }
    void SetContinuousTurningDirection(const QString& value);
    TurnDirection TurningDirection() const { return direction_; }
    void SetTurningDirection(TurnDirection direction) { direction_ = direction; }
    int16_t TickTime() const { return tickTime_; }
    void SetTickTime(int32_t value);
    int16_t PointerFromX() const { return pointerFrom_[0]; }
    void SetPointerFromX(int32_t value) { pointerFrom_[0] = ClampPointer(value); }
    int16_t PointerFromY() const { return pointerFrom_[1]; }
    void SetPointerFromY(int32_t value) { pointerFrom_[1] = ClampPointer(value); }
    int16_t PointerFromZ() const { return pointerFrom_[2]; }
    void SetPointerFromZ(int32_t value) { pointerFrom_[2] = ClampPointer(value); }
    int16_t PointerToX() const { return pointerTo_[0]; }
    void SetPointerToX(int32_t value) { pointerTo_[0] = ClampPointer(value); }
    int16_t PointerToY() const { return pointerTo_[1]; }
    void SetPointerToY(int32_t value) { pointerTo_[1] = ClampPointer(value); }
    int16_t PointerToZ() const { return pointerTo_[2]; }
    void SetPointerToZ(int32_t value) { pointerTo_[2] = ClampPointer(value); }
    QString DrawingCondition() const { return ZelkStates::Text(pointer_); }
    void SetDrawingCondition(const QString& value);
    DrawingPointer Pointer() const { return pointer_; }
    void SetPointer(DrawingPointer pointer) { pointer_ = pointer; }
    QString Difficulty() const { return ZelkStates::Text(level_); }
    void SetDifficulty(const QString& value);
    DifficultyLevel Level() const { return level_; }
    void SetLevel(DifficultyLevel level) { level_ = level; }
    bool ThirdAngleProjectionMethodMode() const { return thirdAngleProjectionMethodMode_; }
    void SetThirdAngleProjectionMethodMode(bool value) { thirdAngleProjectionMethodMode_ = value; }
    int16_t FileNameHistoryNum() const { return kHistoryPlaces; }
    int16_t AxisLineLength() const { return axisLineLength_; }
    void SetAxisLineLength(int16_t value) { axisLineLength_ = value; }
    int16_t AxisLineSize() const { return axisLineSize_; }
    void SetAxisLineSize(int16_t value) { axisLineSize_ = value; }
    int16_t SubAxisLineLength() const { return subAxisLineLength_; }
    void SetSubAxisLineLength(int16_t value) { subAxisLineLength_ = value; }
    int16_t SubAxisLineSize() const { return subAxisLineSize_; }
    void SetSubAxisLineSize(int16_t value) { subAxisLineSize_ = value; }
    bool ProInterface() const { return proInterface_; }
    void SetProInterface(bool value) { proInterface_ = value; }
    int32_t ProIF_LineNumber() const;
    void SetProIF_LineNumber(int32_t value);

    // Resets the per-figure state for a new figure.
    void ClearData();
    QString GetHistory(int16_t index) const;
    // Stores a name at one place, as the settings file restores the list.
    void SetHistory(int16_t index, const QString& fileName);
    // Takes a file off the recent list; the later entries move up.
    void RemoveHistory(const QString& fileName);

    static constexpr int16_t kHistoryPlaces = 5;

private:
    static int16_t NormaliseAngle(int32_t value);
    int16_t ClampPointer(int32_t value) const;
    QString GetFolderName(const QString& fileName) const;
    void AddHistory(const QString& fileName);
    int32_t FigureLines() const;

    QString programFolder_;
    QString dataFolder_;
    const CZelkData* figure_ = nullptr;

    QString fileName_;
    bool dataPathFixed_ = true;
    UiLanguage language_ = UiLanguage::Japanese;
    QString dataPath_;
    int16_t longitude_ = -45;
    int16_t latitude_ = 35;
    float ratio_ = 1.0F;
    AppMode mode_ = AppMode::View;
    QString otherMode_;
    int16_t unitLength_ = 20;
    int16_t unitAngle_ = 5;
    int16_t maxSize_ = 200;
    QString formSize_ = QStringLiteral("800x400");
    int16_t pointerSize_ = 5;
    int32_t viewModeFigColor_ = 0xFFFFFF;
    int32_t viewModeBackColor_ = 0x003300;
    int32_t drawModeFigColor_ = 0x000000;
    int32_t drawModeBackColor_ = 0xFFFFFF;
    int32_t tempLineColor_ = 0x0000FF;
    int32_t pointerFromColor_ = 0x0000FF;
    int32_t pointerToColor_ = 0x000000;
    TurnDirection direction_ = TurnDirection::Down;
    int16_t tickTime_ = 100;
    std::array<int16_t, 3> pointerFrom_{};
    std::array<int16_t, 3> pointerTo_{};
    DrawingPointer pointer_ = DrawingPointer::From;
    DifficultyLevel level_ = DifficultyLevel::Midium;
    bool thirdAngleProjectionMethodMode_ = false;
    int16_t axisLineLength_ = 200;
    int16_t axisLineSize_ = 2;
    int16_t subAxisLineLength_ = 2000;
    int16_t subAxisLineSize_ = 1;
    bool proInterface_ = false;
    int32_t proIfLineNumber_ = 1;

    static constexpr float kMinRatio = 0.1F;
    static constexpr float kMaxRatio = 10.0F;
    std::array<QString, kHistoryPlaces> history_;
};
