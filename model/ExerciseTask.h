#pragma once

#include "CZelkData.h"
#include "FigureTransform.h"
#include "HiddenLines.h"
#include "ThirdAngleCheck.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// What an exercise asks of the solid its file holds (the given solid):
//   views       — read its three views and build it;
//   missing     — only its front and top views are shown; build any solid that has them;
//   rotation    — build it turned by the quarter turns named, one after the other;
//   reflection  — build its mirror image in the plane across the axis named.
// Kept beside the exercise file as text (".task" for ".zlk"): "kind rotation", then one
// "turn X 1" line a turn (axis, quarter turns by the right hand) or "mirror Z". A file
// without one is a views exercise.
class ExerciseTask {
public:
    enum class Kind { Views, MissingView, Rotation, Reflection };
    static constexpr std::array<Kind, 4> kKinds{Kind::Views, Kind::MissingView, Kind::Rotation,
                                                Kind::Reflection};
    struct Turn {
        FigureTransform::Axis axis = FigureTransform::Axis::X;
        int quarters = 1;
        bool operator==(const Turn&) const = default;
    };

    Kind kind = Kind::Views;
    std::vector<Turn> turns;                                 // rotation
    FigureTransform::Axis mirror = FigureTransform::Axis::X; // reflection

    bool operator==(const ExerciseTask&) const = default;

    static QString PathOf(const QString& figurePath);
    // The task kept beside a figure file: a views exercise when there is none; nothing when
    // there is one that cannot be read (the exercise is then left out).
    static std::optional<ExerciseTask> Of(const QString& figurePath);
    static std::optional<ExerciseTask> Parse(const QByteArray& text);
    QByteArray Text() const;

    // The solid the learner is to build, its smallest corner at the origin (its lines,
    // its faces).
    CZelkData Answer(const CZelkData& given) const;
    std::vector<HiddenLines::Face> AnswerFaces(const CZelkData& given,
                                               const std::vector<HiddenLines::Face>& faces) const;
    // A learner's figure taken back to the given solid's pose: laid over the given views
    // it shows what is missing.
    CZelkData Undone(const CZelkData& learner) const;
    // The views the learner's figure must agree in (all but the missing one).
    std::vector<StandardViews::View> Checked() const;
    ThirdAngleCheck::Result Check(const CZelkData& learner, const CZelkData& answer) const;

    // What to do, in the user's language ("X 軸のまわりに 90° 回した形を作りなさい。").
    QString Instruction() const;
    // Which way a positive turn goes.
    static QString TurnNote();
    // The mirror plane's place in words ("左右", "上下", "前後").
    QString MirrorPlane() const;
    // The kind's name ("三面図から立体", "欠けた図", "回転", "鏡映"); its letter in the
    // built-in exercises' names ("", "S", "R", "M").
    static QString Name(Kind kind);
    static QString Letter(Kind kind);
    static QString AxisName(FigureTransform::Axis axis);

private:
    template <typename T> std::array<T, 3> Moved(std::array<T, 3> p) const;
};
