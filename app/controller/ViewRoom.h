#pragma once

#include "AppContext.h"
#include "ZelkStates.h"

#include <QString>
#include <array>

class CZelkController;

// The view: modes, turning (by steps, continuously, to the standard views), the
// three-view layout and its panes, zoom, level, interface, language and the data folder pin.
class ViewRoom {
public:
    ViewRoom(CZelkController& controller, AppContext& context);
    ViewRoom(const ViewRoom&) = delete;
    ViewRoom& operator=(const ViewRoom&) = delete;

    void EnterViewMode();
    void EnterDrawMode();
    void ChangeMode();
    void Turn(TurnDirection direction);
    void TurnUp();
    void TurnDown();
    void TurnRight();
    void TurnLeft();
    void StartContinuousTurn();
    void StopContinuousTurn();
    void TurningTick();
    void TurnToView(int longitude, int latitude);
    void TurnToView(const std::array<int, 2>& angles) { TurnToView(angles[0], angles[1]); }
    void ToggleThirdAngleProjection();
    // The front, top and side panes show the figure as it is now (a figure came).
    void RetakeThreeViewPanes();
    // Another figure took the place of the one the panes show.
    void OutdatePanes() { panesOutdated_ = true; }
    void RetakePanesIfOutdated();
    void Magnify();
    void Reduce();
    void ApplyDifficulty(DifficultyLevel level);
    void EnterProInterface();
    void EnterNormalInterface();
    void ToggleDataPathFixed();
    void ApplyLanguage(UiLanguage language);
    void RebuildView();
    void ApplyFormSize(const QString& size);
    float FitRatio() const;
    void SetWalkPace(int milliseconds) { walkStepMilliseconds_ = milliseconds; }

private:
    void Turn(int longitudeStep, int latitudeStep);
    void SetContinuousTurnEnabled(bool enabled);

    CZelkController& controller_;
    AppContext& context_;
    bool panesOutdated_ = false;
    int walkStepMilliseconds_;
};
