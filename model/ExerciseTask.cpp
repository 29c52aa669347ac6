#include "ExerciseTask.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <limits>

namespace {

constexpr std::array<const char*, 4> kKindWords{"views", "missing", "rotation", "reflection"};

std::optional<FigureTransform::Axis> AxisOf(const QByteArray& word) {
    if (word == "X") {
        return FigureTransform::Axis::X;
    }
    if (word == "Y") {
        return FigureTransform::Axis::Y;
    }
    if (word == "Z") {
        return FigureTransform::Axis::Z;
    }
    return std::nullopt;
}

const char* AxisWord(FigureTransform::Axis axis) {
    return axis == FigureTransform::Axis::X ? "X" : axis == FigureTransform::Axis::Y ? "Y" : "Z";
}

// A turn's angle as people say it: 90°, -90° or 180°.
int Degrees(int quarters) {
    const int q = ((quarters % 4) + 4) % 4;
    return q == 3 ? -90 : q * 90;
}

} // namespace

QString ExerciseTask::PathOf(const QString& figurePath) {
    const QFileInfo info(figurePath);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral(".task");
}

std::optional<ExerciseTask> ExerciseTask::Of(const QString& figurePath) {
    const QString path = PathOf(figurePath);
    if (!QFileInfo::exists(path)) {
        return ExerciseTask{};
    }
    QByteArray text;
    QString why;
    if (SafeFile::Read(path, 4096, text, why) != SafeFile::ReadResult::Ok) {
        return std::nullopt;
    }
    return Parse(text);
}

std::optional<ExerciseTask> ExerciseTask::Parse(const QByteArray& text) {
    ExerciseTask task;
    bool kindSeen = false;
    bool mirrorSeen = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QList<QByteArray> words = raw.simplified().split(' ');
        if (words.front().isEmpty()) {
            continue;
        }
        if (words.front() == "kind" && words.size() == 2 && !kindSeen) {
            const auto found = std::find(kKindWords.begin(), kKindWords.end(), words[1]);
            if (found == kKindWords.end()) {
                return std::nullopt;
            }
            task.kind = kKinds[static_cast<size_t>(found - kKindWords.begin())];
            kindSeen = true;
        } else if (words.front() == "turn" && words.size() == 3 && AxisOf(words[1])) {
            bool number = false;
            const int quarters = words[2].toInt(&number);
            if (!number || quarters % 4 == 0) {
                return std::nullopt;
            }
            task.turns.push_back({*AxisOf(words[1]), quarters});
        } else if (words.front() == "mirror" && words.size() == 2 && AxisOf(words[1]) &&
                   !mirrorSeen) {
            task.mirror = *AxisOf(words[1]);
            mirrorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    // Each kind with what it needs, and nothing another kind needs.
    const bool whole = kindSeen && (task.kind == Kind::Rotation) == !task.turns.empty() &&
                       (task.kind == Kind::Reflection) == mirrorSeen;
    return whole ? std::optional<ExerciseTask>(task) : std::nullopt;
}

QByteArray ExerciseTask::Text() const {
    QByteArray text = QByteArray("kind ") + kKindWords[static_cast<size_t>(kind)] + '\n';
    for (const Turn& turn : turns) {
        text += QByteArray("turn ") + AxisWord(turn.axis) + ' ' +
                QByteArray::number(turn.quarters) + '\n';
    }
    if (kind == Kind::Reflection) {
        text += QByteArray("mirror ") + AxisWord(mirror) + '\n';
    }
    return text;
}

template <typename T> std::array<T, 3> ExerciseTask::Moved(std::array<T, 3> p) const {
    if (kind == Kind::Rotation) {
        for (const Turn& turn : turns) {
            p = FigureTransform::Turned(p, turn.axis, turn.quarters);
        }
    } else if (kind == Kind::Reflection) {
        p = FigureTransform::Mirrored(p, mirror);
    }
    return p;
}

CZelkData ExerciseTask::Answer(const CZelkData& given) const {
    CZelkData answer =
        FigureTransform::Mapped(given, [this](const std::array<float, 3>& p) { return Moved(p); });
    const CZelkData::Point low = answer.MinPos();
    answer.MoveBy({-low[0] + 0.0F, -low[1] + 0.0F, -low[2] + 0.0F});
    answer.SetDirty(false);
    return answer;
}

std::vector<HiddenLines::Face>
ExerciseTask::AnswerFaces(const CZelkData& given,
                          const std::vector<HiddenLines::Face>& faces) const {
    // Moved as the lines are: the answer's smallest corner is the moved given's.
    const CZelkData::Point low =
        FigureTransform::Mapped(given, [this](const std::array<float, 3>& p) {
            return Moved(p);
        }).MinPos();
    std::vector<HiddenLines::Face> out;
    out.reserve(faces.size());
    for (const HiddenLines::Face& face : faces) {
        HiddenLines::Face corners;
        for (const HiddenLines::Point& p : face) {
            const HiddenLines::Point q = Moved(p);
            corners.push_back({q[0] - low[0], q[1] - low[1], q[2] - low[2]});
        }
        out.push_back(std::move(corners));
    }
    return out;
}

CZelkData ExerciseTask::Undone(const CZelkData& learner) const {
    return FigureTransform::Mapped(learner, [this](std::array<float, 3> p) {
        if (kind == Kind::Rotation) {
            for (auto turn = turns.rbegin(); turn != turns.rend(); ++turn) {
                p = FigureTransform::Turned(p, turn->axis, -turn->quarters);
            }
        } else if (kind == Kind::Reflection) {
            p = FigureTransform::Mirrored(p, mirror);
        }
        return p;
    });
}

std::vector<StandardViews::View> ExerciseTask::Checked() const {
    if (kind == Kind::MissingView) {
        return {StandardViews::Front, StandardViews::Top};
    }
    return {StandardViews::kAll.begin(), StandardViews::kAll.end()};
}

ThirdAngleCheck::Result ExerciseTask::Check(const CZelkData& learner,
                                            const CZelkData& answer) const {
    const std::vector<StandardViews::View> views = Checked();
    return ThirdAngleCheck::Compare(learner, answer, views);
}

QString ExerciseTask::TurnNote() {
    return QCoreApplication::translate(
        "ExerciseTask",
        "回す向き：軸の先から見て反時計回りが正（右手の親指を軸の向きに向けたとき、ほかの指が"
        "曲がる向き）。");
}

QString ExerciseTask::AxisName(FigureTransform::Axis axis) {
    return QString::fromLatin1(AxisWord(axis));
}

QString ExerciseTask::MirrorPlane() const {
    return mirror == FigureTransform::Axis::X ? QCoreApplication::translate("ExerciseTask", "左右")
           : mirror == FigureTransform::Axis::Y
               ? QCoreApplication::translate("ExerciseTask", "上下")
               : QCoreApplication::translate("ExerciseTask", "前後");
}

QString ExerciseTask::Instruction() const {
    switch (kind) {
    case Kind::Views:
        return QCoreApplication::translate(
            "ExerciseTask", "三つの図（第三角法）から立体を読み取り、その立体を作りなさい。");
    case Kind::MissingView:
        return QCoreApplication::translate(
            "ExerciseTask", "正面図と平面図に合う立体を作りなさい。右側面図は自分で考えます。");
    case Kind::Rotation: {
        QString text;
        for (size_t i = 0; i < turns.size(); ++i) {
            text += (i == 0 ? QCoreApplication::translate("ExerciseTask", "%1 軸のまわりに %2° 回")
                            : QCoreApplication::translate("ExerciseTask",
                                                          "、次に %1 軸のまわりに %2° 回"))
                        .arg(AxisName(turns[i].axis))
                        .arg(Degrees(turns[i].quarters));
            text += i + 1 < turns.size()
                        ? QCoreApplication::translate("ExerciseTask", "し")
                        : QCoreApplication::translate("ExerciseTask", "した形を作りなさい。");
        }
        return text;
    }
    case Kind::Reflection:
        return QCoreApplication::translate(
                   "ExerciseTask",
                   "青い一点鎖線の鏡の面（%1を入れかえる面）に映した形を作りなさい。")
            .arg(MirrorPlane());
    }
    return {};
}

QString ExerciseTask::Name(Kind kind) {
    static constexpr std::array<const char*, 4> kNames{
        QT_TRANSLATE_NOOP("ExerciseTask", "三面図から立体"),
        QT_TRANSLATE_NOOP("ExerciseTask", "欠けた図"), QT_TRANSLATE_NOOP("ExerciseTask", "回転"),
        QT_TRANSLATE_NOOP("ExerciseTask", "鏡映")};
    return QCoreApplication::translate("ExerciseTask", kNames[static_cast<size_t>(kind)]);
}

QString ExerciseTask::Letter(Kind kind) {
    static constexpr std::array<char16_t, 4> kLetters{0, u'S', u'R', u'M'};
    const char16_t letter = kLetters[static_cast<size_t>(kind)];
    return letter == 0 ? QString() : QString(QChar(letter));
}
