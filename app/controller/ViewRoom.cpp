// View and mode commands: modes, turning, standard views, the three-view layout,
// zoom, difficulty levels, the detailed-input switch and data-folder pinning.
#include "ViewRoom.h"

#include "ActiveExercise.h"
#include "CAppData.h"
#include "CStringUtil.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "ExerciseRoom.h"
#include "FigureDocument.h"
#include "FigureView.h"
#include "IMainWindow.h"
#include "Languages.h"
#include "NumberText.h"
#include "OutputRoom.h"
#include "StandardViews.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdlib>

void ViewRoom::EnterViewMode() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    app.SetMode(AppMode::View);
    controller_.ShowCondition(QCoreApplication::translate("CZelkController", "閲覧モードです。"));
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
    CZelkController::LetEventsRun();
    context_.window->SetViewMode();
    controller_.Run(CommandId::Redraw);
}

void ViewRoom::EnterDrawMode() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    app.SetMode(AppMode::Draw);
    controller_.ShowCondition(QCoreApplication::translate("CZelkController", "作図モードです。"));
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
    controller_.Run(CommandId::Redraw);
}

void ViewRoom::ChangeMode() {
    const AppMode mode = context_.appData->ModeKind();
    if (mode == AppMode::View) {
        EnterDrawMode();
    } else if (mode == AppMode::Draw) {
        EnterViewMode();
    }
    CZelkController::LetEventsRun();
    context_.view->Draw();
}

// One turning step: the cue, the new angles (wrapped by the settings), the view.
void ViewRoom::Turn(int longitudeStep, int latitudeStep) {
    CAppData& app = *context_.appData;
    controller_.PlayTurnSound();
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
    controller_.ShowViewAngle(app.Longitude(), app.Latitude());
}

void ViewRoom::Turn(TurnDirection direction) {
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

void ViewRoom::TurnUp() {
    Turn(TurnDirection::Up);
}

void ViewRoom::TurnDown() {
    Turn(TurnDirection::Down);
}

void ViewRoom::TurnRight() {
    Turn(TurnDirection::Right);
}

void ViewRoom::TurnLeft() {
    Turn(TurnDirection::Left);
}

void ViewRoom::SetContinuousTurnEnabled(bool enabled) {
    context_.window->SetContinuousTurnEnabled(enabled);
}

void ViewRoom::StartContinuousTurn() {
    CAppData& app = *context_.appData;
    context_.window->StartTurningTimer();
    app.SetTurningDirection(ZelkStates::NextDirection(app.TurningDirection()));
    SetContinuousTurnEnabled(false);
}

void ViewRoom::StopContinuousTurn() {
    context_.window->StopTurningTimer();
    context_.appData->SetTurningDirection(TurnDirection::Down);
    SetContinuousTurnEnabled(true);
}

// Each tick is the turning command of the current direction, as if the user gave it.
void ViewRoom::TurningTick() {
    switch (context_.appData->TurningDirection()) {
    case TurnDirection::Up:
        controller_.Run(CommandId::TurnUp);
        break;
    case TurnDirection::Down:
        controller_.Run(CommandId::TurnDown);
        break;
    case TurnDirection::Right:
        controller_.Run(CommandId::TurnRight);
        break;
    case TurnDirection::Left:
        controller_.Run(CommandId::TurnLeft);
        break;
    }
}

void ViewRoom::TurnToView(int longitude, int latitude) {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    CZelkData& figure = *context_.figure;
    if (app.Longitude() == longitude && app.Latitude() == latitude) {
        int32_t lon = app.Longitude();
        int32_t lat = app.Latitude();
        view.SetLongitude(lon);
        view.SetLatitude(lat);
        view.SetMaxPos(figure.MaxPos());
        view.SetMinPos(figure.MinPos());
        controller_.DrawView();
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
        const int pace = controller_.UserRequest() ? walkStepMilliseconds_ : 0;
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
            controller_.PlayTurnSound();
            app.SetLatitude(toward(app.Latitude(), latitude));
            app.SetLongitude(toward(app.Longitude(), longitude));
            controller_.ShowViewAngle(app.Longitude(), app.Latitude());
            int32_t lon = app.Longitude();
            int32_t lat = app.Latitude();
            view.SetLongitude(lon);
            view.SetLatitude(lat);
            view.SetMaxSize(figure.MaxSize());
            view.SetMaxPos(figure.MaxPos());
            view.SetMinPos(figure.MinPos());
            controller_.DrawView();
        }
    }
    controller_.ShowViewAngle(app.Longitude(), app.Latitude());
}

void ViewRoom::ToggleThirdAngleProjection() {
    CAppData& app = *context_.appData;
    IMainWindow& window = *context_.window;
    if (app.ThirdAngleProjectionMethodMode()) {
        window.ResetTAPMMode();
        app.SetThirdAngleProjectionMethodMode(false);
    } else {
        // Each pane takes its picture straight from the view: the user's clipboard is
        // left alone.
        window.SetTAPMMode();
        if (controller_.Document().Exercise() != nullptr) {
            // An exercise's panes show its target, not the learner's figure.
            controller_.Exercises().ShowExercisePanes(false);
            controller_.Run(CommandId::EqualAngleView);
            app.SetThirdAngleProjectionMethodMode(true);
            context_.view->Draw();
            return;
        }
        controller_.Run(CommandId::FrontView);
        window.SetPanePicture(IMainWindow::Pane::Front, controller_.Output().ViewPicture());
        controller_.Run(CommandId::TopView);
        window.SetPanePicture(IMainWindow::Pane::Top, controller_.Output().ViewPicture());
        controller_.Run(CommandId::SideView);
        window.SetPanePicture(IMainWindow::Pane::Side, controller_.Output().ViewPicture());
        controller_.Run(CommandId::EqualAngleView);
        app.SetThirdAngleProjectionMethodMode(true);
    }
    context_.view->Draw();
}

void ViewRoom::RetakePanesIfOutdated() {
    if (panesOutdated_) {
        RetakeThreeViewPanes();
    }
}

void ViewRoom::RetakeThreeViewPanes() {
    panesOutdated_ = false;
    if (!context_.appData->ThirdAngleProjectionMethodMode()) {
        return;
    }
    if (controller_.Document().Exercise() != nullptr) {
        controller_.Exercises().ShowExercisePanes(controller_.Document().Exercise()->hint);
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
        context_.window->SetPanePicture(pane, controller_.Output().ViewPicture());
    }
    int32_t longitude = app.Longitude();
    int32_t latitude = app.Latitude();
    view.SetLongitude(longitude);
    view.SetLatitude(latitude);
    controller_.DrawView();
}

void ViewRoom::Magnify() {
    if (controller_.Document().Exercise() != nullptr) {
        controller_.Document().Exercise()->zoomed = true;
    }
    CAppData& app = *context_.appData;
    const double ratio = app.Ratio();
    app.SetRatio(static_cast<float>(ratio + ratio * 0.1));
    context_.view->SetRatio(app.Ratio());
    context_.view->Draw();
}

void ViewRoom::Reduce() {
    if (controller_.Document().Exercise() != nullptr) {
        controller_.Document().Exercise()->zoomed = true;
    }
    CAppData& app = *context_.appData;
    const double ratio = app.Ratio();
    app.SetRatio(static_cast<float>(ratio - ratio * 0.1));
    context_.view->SetRatio(app.Ratio());
    context_.view->Draw();
}

void ViewRoom::ApplyDifficulty(DifficultyLevel level) {
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
    controller_.DrawView();
}

void ViewRoom::EnterProInterface() {
    context_.appData->SetProInterface(true);
    context_.proController->Run(ProCommandId::RefleshProInterface);
    controller_.Run(CommandId::Redraw);
}

void ViewRoom::EnterNormalInterface() {
    CAppData& app = *context_.appData;
    app.SetProInterface(false);
    const bool drawing = app.Drawing();
    if (drawing) {
        app.SetPointer(DrawingPointer::From);
    }
    context_.view->SetViewPointerFrom(drawing);
    context_.view->SetViewPointerTo(false);
    context_.view->ViewTempLine(false);
    controller_.Run(CommandId::Redraw);
}

void ViewRoom::ApplyLanguage(UiLanguage language) {
    CAppData& app = *context_.appData;
    // The translators know a language by its code.
    const QString chosen = ZelkStates::Text(language);
    const UiLanguage before = context_.languages != nullptr
                                  ? ZelkStates::LanguageFrom(context_.languages->Current())
                                  : app.LanguageKind();
    if (context_.languages != nullptr && !context_.languages->Apply(chosen)) {
        context_.dialogs->Message(
            QCoreApplication::translate(
                "CZelkController", "英語の翻訳ファイルが見つかりません。日本語のままにします。"),
            QString(), UserDialogs::Buttons::Ok);
    }
    app.SetLanguage(context_.languages != nullptr
                        ? ZelkStates::LanguageFrom(context_.languages->Current())
                        : language);
    const UiLanguage now = app.LanguageKind();
    IMainWindow& window = *context_.window;
    window.SetChecked(IMainWindow::CheckItem::LanguageJapanese, now == UiLanguage::Japanese);
    window.SetChecked(IMainWindow::CheckItem::LanguageEnglish, now == UiLanguage::English);
    // The window was built in Japanese: only another language changes its texts (a start
    // in Japanese sets none of them again).
    if (before != now || now != UiLanguage::Japanese) {
        window.Retranslate();
    }
    // The status texts that stay on show are said again in the new language (what panel 1
    // said last gives way to the choice).
    if (before != now) {
        controller_.ShowCondition(
            QCoreApplication::translate("CZelkController", "表示の言語を日本語にしました。"));
    }
    controller_.ShowViewAngle(app.Longitude(), app.Latitude());
    controller_.UpdateTitle();
}

void ViewRoom::ToggleDataPathFixed() {
    CAppData& app = *context_.appData;
    const bool pinned = !app.DataPathFixed();
    app.SetDataPathFixed(pinned);
    context_.window->SetChecked(IMainWindow::CheckItem::DataPathFixed, pinned);
}

void ViewRoom::RebuildView() {
    CAppData& app = *context_.appData;
    ctlZelkView& view = *context_.view;
    FigureView::Send(*context_.figure, view.Renderer(), context_.preload);
    // A learner's figure stays in sight as it grows.
    controller_.Exercises().FitExerciseZoom();
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
    controller_.DrawView();
    // A hint follows the learner's figure as it changes.
    if (controller_.Document().Exercise() != nullptr && controller_.Document().Exercise()->hint) {
        controller_.Exercises().ShowExercisePanes(true);
    }
}

float ViewRoom::FitRatio() const {
    const CZelkData::Point& size = context_.figure->MaxSize();
    return FigureRenderer::FitRatio(std::max({size[0], size[1], size[2]}),
                                    static_cast<float>(context_.view->ControlScaleHeight()));
}

// Window sizes are handled here: the size, then the normal layout.
void ViewRoom::ApplyFormSize(const QString& size) {
    context_.appData->SetFormSize(size);
    context_.window->SetFormSize(context_.appData->FormSize());
    if (context_.appData->ThirdAngleProjectionMethodMode()) {
        controller_.Run(CommandId::ThirdAngleProjectionMethod);
    }
}

ViewRoom::ViewRoom(CZelkController& controller, AppContext& context)
    : controller_(controller), context_(context),
      walkStepMilliseconds_(CZelkController::kWalkStepMilliseconds) {}
