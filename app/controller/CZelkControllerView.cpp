// View and mode commands: modes, turning, standard views, the three-view layout,
// zoom, difficulty levels, the detailed-input switch and data-folder pinning.
#include "ActiveExercise.h"
#include "CAppData.h"
#include "CStringUtil.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "FigureDocument.h"
#include "FigureView.h"
#include "IMainWindow.h"
#include "Languages.h"
#include "NumberText.h"
#include "StandardViews.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdlib>

void CZelkController::EnterViewMode() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    app.SetMode(AppMode::View);
    ShowCondition(QCoreApplication::translate("CZelkController", "閲覧モードです。"));
    view.SetBackColor(app.VIEW_MODE_BackColor());
    view.SetFigColor(app.VIEW_MODE_FigColor());
    view.PointerSize(app.PointerSize());
    view.SetViewAxis(false);
    view.SetViewsubAxis(false);
    view.SetViewPointerFrom(false);
    view.SetViewPointerTo(false);
    view.ViewTempLine(false);
    app.SetPointer(DrawingPointer::From);
    app.SetPointerToX(app.PointerFromX());
    app.SetPointerToY(app.PointerFromY());
    app.SetPointerToZ(app.PointerFromZ());
    LetEventsRun();
    context_.window->SetViewMode();
    Run(CommandId::Redraw);
}

void CZelkController::EnterDrawMode() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    app.SetMode(AppMode::Draw);
    ShowCondition(QCoreApplication::translate("CZelkController", "作図モードです。"));
    view.SetRatio(app.Ratio());
    view.SetBackColor(app.DRAW_MODE_BackColor());
    view.SetFigColor(app.DRAW_MODE_FigColor());
    view.PointerSize(app.PointerSize());
    view.SetAxisLineSize(app.AxisLineSize());
    view.SetSubAxisLineSize(app.SubAxisLineSize());
    view.SetViewAxis(true);
    view.SetViewPointerFrom(true);
    view.SetViewPointerTo(app.ProInterface());
    if (app.Pointer() == DrawingPointer::To) {
        view.ViewTempLine(true);
        view.SetViewPointerTo(true);
    }
    context_.window->SetDrawMode();
    Run(CommandId::Redraw);
}

void CZelkController::ChangeMode() {
    const AppMode mode = context_.appData->ModeKind();
    if (mode == AppMode::View) {
        EnterDrawMode();
    } else if (mode == AppMode::Draw) {
        EnterViewMode();
    }
    LetEventsRun();
    context_.view->Draw();
}

// One turning step: the cue, the new angles (wrapped by the settings), the view.
void CZelkController::Turn(int longitudeStep, int latitudeStep) {
    CAppData& app = *context_.appData;
    PlayTurnSound();
    app.SetLongitude(app.Longitude() + longitudeStep * app.UnitAngle());
    app.SetLatitude(app.Latitude() + latitudeStep * app.UnitAngle());
    int32_t longitude = app.Longitude();
    int32_t latitude = app.Latitude();
    if (longitudeStep != 0) {
        context_.view->SetLongitude(longitude);
    }
    if (latitudeStep != 0) {
        context_.view->SetLatitude(latitude);
    }
    context_.view->Draw();
    ShowViewAngle(app.Longitude(), app.Latitude());
}

void CZelkController::Turn(TurnDirection direction) {
    switch (direction) {
    case TurnDirection::Up:
        Turn(0, 1);
        break;
    case TurnDirection::Down:
        Turn(0, -1);
        break;
    case TurnDirection::Right:
        Turn(-1, 0);
        break;
    case TurnDirection::Left:
        Turn(1, 0);
        break;
    }
}

void CZelkController::TurnUp() {
    Turn(TurnDirection::Up);
}

void CZelkController::TurnDown() {
    Turn(TurnDirection::Down);
}

void CZelkController::TurnRight() {
    Turn(TurnDirection::Right);
}

void CZelkController::TurnLeft() {
    Turn(TurnDirection::Left);
}

void CZelkController::SetContinuousTurnEnabled(bool enabled) {
    context_.window->SetContinuousTurnEnabled(enabled);
}

void CZelkController::StartContinuousTurn() {
    CAppData& app = *context_.appData;
    context_.window->StartTurningTimer();
    app.SetTurningDirection(ZelkStates::NextDirection(app.TurningDirection()));
    SetContinuousTurnEnabled(false);
}

void CZelkController::StopContinuousTurn() {
    context_.window->StopTurningTimer();
    context_.appData->SetTurningDirection(TurnDirection::Down);
    SetContinuousTurnEnabled(true);
}

// Each tick is the turning command of the current direction, as if the user gave it.
void CZelkController::TurningTick() {
    switch (context_.appData->TurningDirection()) {
    case TurnDirection::Up:
        Run(CommandId::TurnUp);
        break;
    case TurnDirection::Down:
        Run(CommandId::TurnDown);
        break;
    case TurnDirection::Right:
        Run(CommandId::TurnRight);
        break;
    case TurnDirection::Left:
        Run(CommandId::TurnLeft);
        break;
    }
}

void CZelkController::TurnToView(int longitude, int latitude) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    CZelkData& figure = *context_.figure;
    if (app.Longitude() == longitude && app.Latitude() == latitude) {
        int32_t lon = app.Longitude();
        int32_t lat = app.Latitude();
        view.SetLongitude(lon);
        view.SetLatitude(lat);
        view.SetMaxPos(figure.GetMaxPos());
        view.SetMinPos(figure.GetMinPos());
        DrawView();
    } else if (!context_.window->TurningTimerActive()) {
        // Angles may be any whole degree (the mouse turns by one): each step is at most
        // the unit angle and never passes the target, so the walk always arrives (and a
        // walk that did not would still end).
        const int step = app.UnitAngle();
        int stepsLeft = StandardViews::WalkBound(step);
        const auto toward = [step](int from, int to) {
            return StandardViews::WalkStep(from, to, step);
        };
        // Paced for the user's eye; the walks other commands make for their pictures
        // run at full speed. No events run in the pause: keys wait in the window's queue.
        const int pace = userRequest_ ? walkStepMilliseconds_ : 0;
        QElapsedTimer stepTime;
        bool first = true;
        while ((app.Longitude() != longitude || app.Latitude() != latitude) && stepsLeft-- > 0) {
            if (!first && pace > 0) {
                const qint64 left = pace * qint64{1000} - stepTime.nsecsElapsed() / 1000;
                if (left > 0) {
                    QThread::usleep(static_cast<unsigned long>(left));
                }
            }
            first = false;
            stepTime.start();
            PlayTurnSound();
            app.SetLatitude(toward(app.Latitude(), latitude));
            app.SetLongitude(toward(app.Longitude(), longitude));
            ShowViewAngle(app.Longitude(), app.Latitude());
            int32_t lon = app.Longitude();
            int32_t lat = app.Latitude();
            view.SetLongitude(lon);
            view.SetLatitude(lat);
            view.SetMaxSize(figure.GetMaxSize());
            view.SetMaxPos(figure.GetMaxPos());
            view.SetMinPos(figure.GetMinPos());
            DrawView();
        }
    }
    ShowViewAngle(app.Longitude(), app.Latitude());
}

void CZelkController::ToggleThirdAngleProjection() {
    CAppData& app = *context_.appData;
    IMainWindow& window = *context_.window;
    if (app.ThirdAngleProjectionMethodMode()) {
        window.ResetTAPMMode();
        app.SetThirdAngleProjectionMethodMode(false);
    } else {
        // Each pane takes its picture straight from the view: the user's clipboard is
        // left alone.
        window.SetTAPMMode();
        if (Document().Exercise() != nullptr) {
            // An exercise's panes show its target, not the learner's figure.
            ShowExercisePanes(false);
            Run(CommandId::EqualAngleView);
            app.SetThirdAngleProjectionMethodMode(true);
            context_.view->Draw();
            return;
        }
        Run(CommandId::FrontView);
        window.SetPanePicture(IMainWindow::Pane::Front, ViewPicture());
        Run(CommandId::TopView);
        window.SetPanePicture(IMainWindow::Pane::Top, ViewPicture());
        Run(CommandId::SideView);
        window.SetPanePicture(IMainWindow::Pane::Side, ViewPicture());
        Run(CommandId::EqualAngleView);
        app.SetThirdAngleProjectionMethodMode(true);
    }
    context_.view->Draw();
}

void CZelkController::RetakeThreeViewPanes() {
    panesOutdated_ = false;
    if (!context_.appData->ThirdAngleProjectionMethodMode()) {
        return;
    }
    if (Document().Exercise() != nullptr) {
        ShowExercisePanes(Document().Exercise()->hint);
        return;
    }
    // Straight from the view at each standard angle, with no walk and no cue; the 3D pane
    // keeps the angle the user gave it.
    ctlZelkView& view = *context_.view;
    const CAppData& app = *context_.appData;
    const std::pair<StandardViews::View, IMainWindow::Pane> panes[] = {
        {StandardViews::Front, IMainWindow::Pane::Front},
        {StandardViews::Top, IMainWindow::Pane::Top},
        {StandardViews::Side, IMainWindow::Pane::Side}};
    for (const auto& [standard, pane] : panes) {
        const std::array<int, 2> angles = StandardViews::Angles(standard);
        int32_t longitude = angles[0];
        int32_t latitude = angles[1];
        view.SetLongitude(longitude);
        view.SetLatitude(latitude);
        context_.window->SetPanePicture(pane, ViewPicture());
    }
    int32_t longitude = app.Longitude();
    int32_t latitude = app.Latitude();
    view.SetLongitude(longitude);
    view.SetLatitude(latitude);
    DrawView();
}

void CZelkController::Magnify() {
    if (Document().Exercise() != nullptr) {
        Document().Exercise()->zoomed = true;
    }
    CAppData& app = *context_.appData;
    const double ratio = app.Ratio();
    app.SetRatio(static_cast<float>(ratio + ratio * 0.1));
    context_.view->SetRatio(app.Ratio());
    context_.view->Draw();
}

void CZelkController::Reduce() {
    if (Document().Exercise() != nullptr) {
        Document().Exercise()->zoomed = true;
    }
    CAppData& app = *context_.appData;
    const double ratio = app.Ratio();
    app.SetRatio(static_cast<float>(ratio - ratio * 0.1));
    context_.view->SetRatio(app.Ratio());
    context_.view->Draw();
}

void CZelkController::ApplyDifficulty(DifficultyLevel level) {
    CAppData& app = *context_.appData;
    const DifficultyEntry& entry = ZelkStates::Level(level);
    app.SetLevel(level);
    app.SetUnitLength(entry.step);
    app.SetMaxSize(entry.space);
    context_.view->SetAxisLineLength(app.MaxSize());
    if (app.Drawing()) {
        app.SetRatio(static_cast<float>(context_.view->ControlScaleHeight()) /
                     static_cast<float>(app.MaxSize() * 2));
        context_.view->SetRatio(app.Ratio());
    }
    DrawView();
}

void CZelkController::EnterProInterface() {
    context_.appData->SetProInterface(true);
    context_.proController->Run(ProCommandId::RefleshProInterface);
    Run(CommandId::Redraw);
}

void CZelkController::EnterNormalInterface() {
    CAppData& app = *context_.appData;
    app.SetProInterface(false);
    const bool drawing = app.Drawing();
    if (drawing) {
        app.SetPointer(DrawingPointer::From);
    }
    context_.view->SetViewPointerFrom(drawing);
    context_.view->SetViewPointerTo(false);
    context_.view->ViewTempLine(false);
    Run(CommandId::Redraw);
}

void CZelkController::ApplyLanguage(const QString& language) {
    CAppData& app = *context_.appData;
    const QString chosen = Languages::Normalised(language);
    const QString before =
        context_.languages != nullptr ? context_.languages->Current() : app.Language();
    if (context_.languages != nullptr && !context_.languages->Apply(chosen)) {
        context_.dialogs->Message(
            QCoreApplication::translate(
                "CZelkController", "英語の翻訳ファイルが見つかりません。日本語のままにします。"),
            QString(), UserDialogs::Buttons::Ok);
    }
    app.SetLanguage(context_.languages != nullptr ? context_.languages->Current() : chosen);
    IMainWindow& window = *context_.window;
    window.SetChecked(IMainWindow::CheckItem::LanguageJapanese,
                      app.Language() == QLatin1String("ja"));
    window.SetChecked(IMainWindow::CheckItem::LanguageEnglish,
                      app.Language() == QLatin1String("en"));
    // The window was built in Japanese: only another language changes its texts (a start
    // in Japanese sets none of them again).
    if (before != app.Language() || app.Language() != QLatin1String("ja")) {
        window.Retranslate();
    }
    // The status texts that stay on show are said again in the new language (what panel 1
    // said last gives way to the choice).
    if (before != app.Language()) {
        ShowCondition(
            QCoreApplication::translate("CZelkController", "表示の言語を日本語にしました。"));
    }
    ShowViewAngle(app.Longitude(), app.Latitude());
    UpdateTitle();
}

void CZelkController::ToggleDataPathFixed() {
    CAppData& app = *context_.appData;
    const bool pinned = !app.DataPathFixed();
    app.SetDataPathFixed(pinned);
    context_.window->SetChecked(IMainWindow::CheckItem::DataPathFixed, pinned);
}

void CZelkController::DrawView() {
    if (!holdDrawing_) {
        context_.view->Draw();
    }
}

void CZelkController::RebuildView() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    FigureView::Send(*context_.figure, view.Renderer());
    // A learner's figure stays in sight as it grows.
    FitExerciseZoom();
    int32_t lon = app.Longitude();
    int32_t lat = app.Latitude();
    view.SetLongitude(lon);
    view.SetLatitude(lat);
    view.PointerSize(app.PointerSize());
    view.SetRatio(app.Ratio());
    const bool drawing = app.Drawing();
    if ((drawing && app.ProInterface()) || app.ModeKind() == AppMode::View) {
        const bool on = drawing;
        view.SetViewAxis(on);
        view.SetViewPointerFrom(on);
        view.SetViewPointerTo(on);
        view.ViewTempLine(on);
    }
    DrawView();
    // A hint follows the learner's figure as it changes.
    if (Document().Exercise() != nullptr && Document().Exercise()->hint) {
        ShowExercisePanes(true);
    }
}

float CZelkController::FitRatio() const {
    float size[3];
    if (!NumberText::ToSingles(context_.figure->GetMaxSize(), size, 3)) {
        return 1.0F;
    }
    return FigureRenderer::FitRatio(std::max({size[0], size[1], size[2]}),
                                    static_cast<float>(context_.view->ControlScaleHeight()));
}
