#include "ExerciseMaker.h"

#include "LevelTable.h"
#include "SafeFile.h"
#include "ThirdAngleCheck.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {

using Cell = std::array<int, 3>; // x right, y up, z towards the viewer
using Point = std::array<int, 3>;
using Edge = std::pair<Point, Point>;

// The kinds' names as the files keep them (in Japanese, as the titles of the first kind).
constexpr std::array<const char*, 4> kKindNames{"三面図から立体", "欠けた図", "回転", "鏡映"};

struct LevelPlan {
    std::array<int, 3> grid; // cells along x, y, z
    int fewestCubes;
    int mostCubes;
};

// Grid and cube count grow with the level; a cell is the level's unit (a whole number of
// its steps) and the grid times the unit stays inside the level's space.
constexpr std::array<LevelPlan, 5> kPlans{{
    {{3, 2, 2}, 3, 5},
    {{3, 3, 3}, 5, 8},
    {{4, 3, 3}, 7, 11},
    {{4, 4, 4}, 9, 14},
    {{5, 4, 4}, 12, 18},
}};

// A connected solid grown cube by cube from one on the floor; a cube above the floor
// rests on another.
std::set<Cell> GrowSolid(const LevelPlan& plan, std::mt19937& random) {
    std::set<Cell> cells{{0, 0, 0}};
    std::uniform_int_distribution<int> count(plan.fewestCubes, plan.mostCubes);
    const int wanted = count(random);
    constexpr std::array<Cell, 6> kSteps{
        {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}};
    for (int attempt = 0; static_cast<int>(cells.size()) < wanted && attempt < 10000; ++attempt) {
        auto from = cells.begin();
        std::advance(from, std::uniform_int_distribution<int>(0, static_cast<int>(cells.size()) -
                                                                     1)(random));
        const Cell& step = kSteps[std::uniform_int_distribution<size_t>(0, 5)(random)];
        const Cell next{(*from)[0] + step[0], (*from)[1] + step[1], (*from)[2] + step[2]};
        bool inside = true;
        for (int axis = 0; axis < 3; ++axis) {
            inside = inside && next[axis] >= 0 && next[axis] < plan.grid[axis];
        }
        if (inside && (next[1] == 0 || cells.count({next[0], next[1] - 1, next[2]}) > 0)) {
            cells.insert(next);
        }
    }
    return cells;
}

// The edges a solid of cubes shows: an edge of the grid is drawn where the four cells
// around it are neither all alike nor two side by side (a flat face runs through it).
std::vector<Edge> SolidEdges(const std::set<Cell>& cells) {
    const auto filled = [&cells](int x, int y, int z) { return cells.count({x, y, z}) > 0; };
    std::map<std::tuple<int, int, int>, std::vector<int>> runs; // (axis, a, b) → starts
    for (int axis = 0; axis < 3; ++axis) {
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        for (int s = -1; s <= 6; ++s) {
            for (int a = -1; a <= 7; ++a) {
                for (int b = -1; b <= 7; ++b) {
                    std::array<bool, 4> around{};
                    for (int k = 0; k < 4; ++k) {
                        Cell c{};
                        c[static_cast<size_t>(axis)] = s;
                        c[static_cast<size_t>(u)] = a - 1 + (k & 1);
                        c[static_cast<size_t>(v)] = b - 1 + (k >> 1);
                        around[static_cast<size_t>(k)] = filled(c[0], c[1], c[2]);
                    }
                    const int n = around[0] + around[1] + around[2] + around[3];
                    const bool diagonal = n == 2 && around[0] == around[3];
                    if (n == 1 || n == 3 || diagonal) {
                        runs[{axis, a, b}].push_back(s);
                    }
                }
            }
        }
    }
    std::vector<Edge> edges;
    for (const auto& [key, starts] : runs) {
        const auto [axis, a, b] = key;
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        // Unit edges along one line, joined where they meet.
        for (size_t i = 0; i < starts.size();) {
            size_t j = i;
            while (j + 1 < starts.size() && starts[j + 1] == starts[j] + 1) {
                ++j;
            }
            Point from{};
            from[static_cast<size_t>(u)] = a;
            from[static_cast<size_t>(v)] = b;
            Point to = from;
            from[static_cast<size_t>(axis)] = starts[i];
            to[static_cast<size_t>(axis)] = starts[j] + 1;
            edges.emplace_back(from, to);
            i = j + 1;
        }
    }
    return edges;
}

using Face = std::vector<Point>;

// The faces of a solid of cubes: every side of a cube that no other cube covers, as a
// unit square (enough to tell what hides what).
std::vector<Face> SolidFaces(const std::set<Cell>& cells) {
    std::vector<Face> faces;
    for (const Cell& c : cells) {
        for (int axis = 0; axis < 3; ++axis) {
            const int u = (axis + 1) % 3;
            const int v = (axis + 2) % 3;
            for (const int side : {0, 1}) {
                Cell next = c;
                next[static_cast<size_t>(axis)] += side == 0 ? -1 : 1;
                if (cells.count(next) > 0) {
                    continue;
                }
                Face square;
                for (const auto& [du, dv] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
                    Point p = c;
                    p[static_cast<size_t>(axis)] += side;
                    p[static_cast<size_t>(u)] += du;
                    p[static_cast<size_t>(v)] += dv;
                    square.push_back(p);
                }
                faces.push_back(square);
            }
        }
    }
    return faces;
}

std::vector<Face> BoxBottomBackFaces(int w, int h, int d) {
    return {{{0, 0, 0}, {w, 0, 0}, {w, 0, d}, {0, 0, d}},
            {{0, 0, 0}, {w, 0, 0}, {w, h, 0}, {0, h, 0}}};
}

std::vector<Face> RampFaces(int w, int h, int d) {
    std::vector<Face> faces = BoxBottomBackFaces(w, h, d);
    faces.push_back({{0, h, 0}, {w, h, 0}, {w, 0, d}, {0, 0, d}});
    faces.push_back({{0, 0, 0}, {0, h, 0}, {0, 0, d}});
    faces.push_back({{w, 0, 0}, {w, h, 0}, {w, 0, d}});
    return faces;
}

std::vector<Face> ChamferedFaces(int w, int h, int d, int c) {
    std::vector<Face> faces = BoxBottomBackFaces(w, h, d);
    faces.push_back({{0, h, 0}, {w, h, 0}, {w, h, d - c}, {0, h, d - c}});
    faces.push_back({{0, h, d - c}, {w, h, d - c}, {w, h - c, d}, {0, h - c, d}});
    faces.push_back({{0, 0, d}, {w, 0, d}, {w, h - c, d}, {0, h - c, d}});
    for (const int x : {0, w}) {
        faces.push_back({{x, 0, 0}, {x, h, 0}, {x, h, d - c}, {x, h - c, d}, {x, 0, d}});
    }
    return faces;
}

std::vector<Face> CornerCutFaces(int w, int h, int d, int c) {
    std::vector<Face> faces = BoxBottomBackFaces(w, h, d);
    faces.push_back({{0, 0, 0}, {0, h, 0}, {0, h, d}, {0, 0, d}});
    faces.push_back({{0, h, 0}, {w, h, 0}, {w, h, d - c}, {w - c, h, d}, {0, h, d}});
    faces.push_back({{0, 0, d}, {w, 0, d}, {w, h - c, d}, {w - c, h, d}, {0, h, d}});
    faces.push_back({{w, 0, 0}, {w, h, 0}, {w, h, d - c}, {w, h - c, d}, {w, 0, d}});
    faces.push_back({{w - c, h, d}, {w, h - c, d}, {w, h, d - c}});
    return faces;
}

// The cut blocks, w × h × d cells, the cut c cells deep.
std::vector<Edge> Ramp(int w, int h, int d) {
    return {{{0, 0, 0}, {w, 0, 0}}, {{w, 0, 0}, {w, 0, d}}, {{w, 0, d}, {0, 0, d}},
            {{0, 0, d}, {0, 0, 0}}, {{0, 0, 0}, {0, h, 0}}, {{w, 0, 0}, {w, h, 0}},
            {{0, h, 0}, {w, h, 0}}, {{0, h, 0}, {0, 0, d}}, {{w, h, 0}, {w, 0, d}}};
}

std::vector<Edge> Chamfered(int w, int h, int d, int c) {
    return {{{0, 0, 0}, {w, 0, 0}},         {{w, 0, 0}, {w, 0, d}},
            {{w, 0, d}, {0, 0, d}},         {{0, 0, d}, {0, 0, 0}},
            {{0, 0, 0}, {0, h, 0}},         {{w, 0, 0}, {w, h, 0}},
            {{0, h, 0}, {w, h, 0}},         {{0, h, 0}, {0, h, d - c}},
            {{w, h, 0}, {w, h, d - c}},     {{0, h, d - c}, {w, h, d - c}},
            {{0, 0, d}, {0, h - c, d}},     {{w, 0, d}, {w, h - c, d}},
            {{0, h - c, d}, {w, h - c, d}}, {{0, h, d - c}, {0, h - c, d}},
            {{w, h, d - c}, {w, h - c, d}}};
}

std::vector<Edge> CornerCut(int w, int h, int d, int c) {
    return {{{0, 0, 0}, {w, 0, 0}},         {{w, 0, 0}, {w, 0, d}},
            {{w, 0, d}, {0, 0, d}},         {{0, 0, d}, {0, 0, 0}},
            {{0, h, 0}, {w, h, 0}},         {{0, h, 0}, {0, h, d}},
            {{0, 0, 0}, {0, h, 0}},         {{w, 0, 0}, {w, h - c, 0}},
            {{0, 0, d}, {0, h, d}},         {{0, h, d}, {w - c, h, d}},
            {{w, 0, d}, {w, h - c, d}},     {{w, h, 0}, {w, h, d - c}},
            {{w - c, h, d}, {w, h - c, d}}, {{w, h - c, d}, {w, h, d - c}},
            {{w, h, d - c}, {w - c, h, d}}, {{w, h - c, 0}, {w, h, 0}}};
}

std::vector<HiddenLines::Face> Scaled(const std::vector<Face>& faces, int unit) {
    std::vector<HiddenLines::Face> out;
    for (const Face& face : faces) {
        HiddenLines::Face scaled;
        for (const Point& p : face) {
            scaled.push_back({double(p[0] * unit), double(p[1] * unit), double(p[2] * unit)});
        }
        out.push_back(std::move(scaled));
    }
    return out;
}

std::unique_ptr<CZelkData> Figure(const std::vector<Edge>& edges, int unit, const QString& title) {
    auto figure = std::make_unique<CZelkData>();
    for (const auto& [a, b] : edges) {
        figure->AddLine(CLine{float(a[0] * unit), float(a[1] * unit), float(a[2] * unit),
                              float(b[0] * unit), float(b[1] * unit), float(b[2] * unit)});
    }
    figure->SetComment(title);
    return figure;
}

// Three non-empty views and unlike every exercise made so far.
bool Fresh(const CZelkData& figure, const std::vector<ExerciseMaker::Exercise>& made) {
    if (figure.NumberOfLines() < 3) {
        return false;
    }
    for (const ExerciseMaker::Exercise& other : made) {
        if (ThirdAngleCheck::Compare(figure, *other.figure).sameViews) {
            return false;
        }
    }
    return true;
}

// What a turn or a mirror of the level may be: one quarter turn at the first level, either
// way at the second, a half turn too at the third, two turns about different axes above;
// a mirror across x first, across z too, across y (upside down) at the top levels.
ExerciseTask TaskFor(ExerciseTask::Kind kind, int level, std::mt19937& random) {
    using Axis = FigureTransform::Axis;
    ExerciseTask task;
    task.kind = kind;
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    if (kind == ExerciseTask::Kind::Rotation) {
        constexpr std::array<int, 3> kQuarters{1, -1, 2};
        const int ways = level == 1 ? 1 : level == 2 || level == 4 ? 2 : 3;
        const auto first = static_cast<Axis>(pick(3));
        task.turns.push_back({first, kQuarters[static_cast<size_t>(pick(ways))]});
        if (level >= 4) {
            const auto second = static_cast<Axis>((static_cast<int>(first) + 1 + pick(2)) % 3);
            task.turns.push_back({second, kQuarters[static_cast<size_t>(pick(ways))]});
        }
    } else if (kind == ExerciseTask::Kind::Reflection) {
        constexpr std::array<Axis, 3> kAcross{Axis::X, Axis::Z, Axis::Y};
        task.mirror = kAcross[static_cast<size_t>(pick(level == 1 ? 1 : level <= 3 ? 2 : 3))];
    }
    return task;
}

// Every corner of the figure a whole number of steps inside the level's space.
bool FitsLevel(const CZelkData& figure, int level) {
    const LevelTable::Level& table = LevelTable::Of(level);
    for (const CLine& l : figure.Lines()) {
        for (const float v : {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ}) {
            if (v < 0 || v > float(table.space) || std::fmod(v, float(table.step)) != 0) {
                return false;
            }
        }
    }
    return true;
}

int HiddenPieces(const CZelkData& figure, const std::vector<HiddenLines::Face>& faces) {
    int hidden = 0;
    for (const HiddenLines::View view : StandardViews::kAll) {
        for (const HiddenLines::Piece& piece : HiddenLines::Pieces(figure, faces, view)) {
            hidden += piece.hidden ? 1 : 0;
        }
    }
    return hidden;
}

// Four exercises of a kind for each level from solids of cubes: a pool of fresh ones whose
// answers fit the level (and differ from the given solid where the solid moves), ordered
// by difficulty — no hidden edges before some, then fewer lines, then fewer hidden pieces
// — and four picked evenly from the easiest to the hardest.
void MakeKind(ExerciseTask::Kind kind, std::vector<ExerciseMaker::Exercise>& made,
              std::mt19937& random) {
    constexpr size_t kPool = 12;
    constexpr size_t kEach = 4;
    for (int level = 1; level <= 5; ++level) {
        const LevelPlan& plan = kPlans[static_cast<size_t>(level - 1)];
        const int unit = LevelTable::Of(level).unit;
        std::vector<ExerciseMaker::Exercise> pool;
        std::vector<std::tuple<bool, int, int, size_t>> order;
        for (int attempt = 0; attempt < 400 && pool.size() < kPool; ++attempt) {
            const std::set<Cell> cells = GrowSolid(plan, random);
            auto figure = Figure(SolidEdges(cells), unit, QString());
            const ExerciseTask task = TaskFor(kind, level, random);
            const CZelkData answer = task.Answer(*figure);
            const bool moves =
                kind == ExerciseTask::Kind::Rotation || kind == ExerciseTask::Kind::Reflection;
            if (!Fresh(*figure, made) || !Fresh(*figure, pool) || !FitsLevel(answer, level) ||
                (moves && ThirdAngleCheck::Compare(answer, *figure).sameViews)) {
                continue;
            }
            std::vector<HiddenLines::Face> faces = Scaled(SolidFaces(cells), unit);
            const int hidden = HiddenPieces(*figure, faces);
            order.emplace_back(hidden > 0, figure->NumberOfLines(), hidden, pool.size());
            pool.push_back({level, QString(), task, std::move(figure), std::move(faces)});
        }
        std::sort(order.begin(), order.end());
        for (size_t i = 0; i < kEach && !order.empty(); ++i) {
            const size_t at = order.size() == 1 ? 0 : i * (order.size() - 1) / (kEach - 1);
            ExerciseMaker::Exercise& exercise = pool[std::get<3>(order[at])];
            if (!exercise.figure) {
                continue; // a pool too small gives the same one twice: once is enough
            }
            const int number = static_cast<int>(i) + 1;
            // Kept in the file in Japanese; the library titles it in the user's language.
            exercise.figure->SetComment(
                QStringLiteral("%1 %2 第%3問")
                    .arg(QString::fromUtf8(kKindNames[static_cast<size_t>(kind)]),
                         QString::fromUtf8(LevelTable::Of(level).name))
                    .arg(number));
            exercise.figure->SetDirty(false);
            exercise.name = QStringLiteral("L%1-%2%3.zlk")
                                .arg(level)
                                .arg(ExerciseTask::Letter(kind))
                                .arg(number, 2, 10, QChar(u'0'));
            made.push_back(std::move(exercise));
        }
    }
}

} // namespace

std::vector<ExerciseMaker::Exercise> ExerciseMaker::BuiltIn() {
    std::vector<Exercise> made;
    std::mt19937 random(20261208);
    for (int level = 1; level <= 5; ++level) {
        const LevelPlan& plan = kPlans[static_cast<size_t>(level - 1)];
        for (int number = 1; number <= 7; ++number) {
            // Kept in the file in Japanese; the library titles it in the user's language.
            const QString title = QStringLiteral("%1 第%2問")
                                      .arg(QString::fromUtf8(LevelTable::Of(level).name))
                                      .arg(number);
            const int unit = LevelTable::Of(level).unit;
            std::unique_ptr<CZelkData> figure;
            std::vector<HiddenLines::Face> solidFaces;
            for (int attempt = 0; attempt < 200 && !figure; ++attempt) {
                std::unique_ptr<CZelkData> candidate;
                std::vector<Face> faces;
                const int w = plan.grid[0];
                const int h = plan.grid[1];
                const int d = plan.grid[2];
                // The sixth and seventh of each level are cut blocks.
                if (number == 6 && level % 2 == 1) {
                    const int depth = d - (attempt % 2);
                    candidate = Figure(Ramp(w, h, depth), unit, title);
                    faces = RampFaces(w, h, depth);
                } else if (number == 6) {
                    const int cut = 1 + attempt % 2;
                    candidate = Figure(Chamfered(w, h, d, cut), unit, title);
                    faces = ChamferedFaces(w, h, d, cut);
                } else if (number == 7) {
                    candidate = Figure(CornerCut(w - attempt % 2, h, d, 1), unit, title);
                    faces = CornerCutFaces(w - attempt % 2, h, d, 1);
                } else {
                    const std::set<Cell> cells = GrowSolid(plan, random);
                    candidate = Figure(SolidEdges(cells), unit, title);
                    faces = SolidFaces(cells);
                }
                if (Fresh(*candidate, made)) {
                    figure = std::move(candidate);
                    solidFaces = Scaled(faces, unit);
                }
            }
            if (figure) {
                made.push_back(
                    {level, QStringLiteral("L%1-%2.zlk").arg(level).arg(number, 2, 10, QChar(u'0')),
                     ExerciseTask{}, std::move(figure), std::move(solidFaces)});
            }
        }
    }
    // The other kinds from a random sequence of their own: the views exercises above stay
    // as they were (learners' records and kept answers name them).
    std::mt19937 more(20261210);
    for (const ExerciseTask::Kind kind :
         {ExerciseTask::Kind::MissingView, ExerciseTask::Kind::Rotation,
          ExerciseTask::Kind::Reflection}) {
        MakeKind(kind, made, more);
    }
    return made;
}

bool ExerciseMaker::WriteAll(const QString& folder) {
    QDir().mkpath(folder);
    const std::vector<Exercise> exercises = BuiltIn();
    bool ok = exercises.size() >= 90;
    for (const Exercise& exercise : exercises) {
        const QString path = folder + u'/' + exercise.name;
        ok = exercise.figure->SaveData(path) && ok;
        // The solid's faces beside it, so that its drawings can show hidden edges dashed.
        QString why;
        ok = SafeFile::Write(HiddenLines::FacesPathOf(path), HiddenLines::FacesText(exercise.faces),
                             why) &&
             ok;
        if (exercise.task.kind != ExerciseTask::Kind::Views) {
            ok = SafeFile::Write(ExerciseTask::PathOf(path), exercise.task.Text(), why) && ok;
        }
    }
    return ok;
}
