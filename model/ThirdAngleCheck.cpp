#include "ThirdAngleCheck.h"

#include "CZelkData.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace {

// Coordinates on a grid of 1/1000 mm: the figures' own values are far coarser, so equal
// points meet exactly. Products of differences are taken in long double, exact while the
// figure spans less than about 3000 km.
constexpr double kGrid = 1000.0;

template <size_t N> using Point = std::array<int64_t, N>;
template <size_t N> using Piece = ThirdAngleCheck::Piece<N>;

template <size_t N> Piece<N> Join(const Point<N>& a, const Point<N>& b) {
    Piece<N> p{};
    const bool swap = b < a;
    for (size_t i = 0; i < N; ++i) {
        p[i] = swap ? b[i] : a[i];
        p[N + i] = swap ? a[i] : b[i];
    }
    return p;
}

// Whether c lies on the segment a–b strictly between its ends.
template <size_t N> bool Inside(const Point<N>& a, const Point<N>& b, const Point<N>& c) {
    // Collinear: every 2×2 minor of (b − a, c − a) vanishes.
    for (size_t i = 0; i < N; ++i) {
        for (size_t j = i + 1; j < N; ++j) {
            const long double cross = static_cast<long double>(b[i] - a[i]) * (c[j] - a[j]) -
                                      static_cast<long double>(b[j] - a[j]) * (c[i] - a[i]);
            if (cross != 0) {
                return false;
            }
        }
    }
    long double dot = 0;
    long double length = 0;
    for (size_t i = 0; i < N; ++i) {
        dot += static_cast<long double>(c[i] - a[i]) * (b[i] - a[i]);
        length += static_cast<long double>(b[i] - a[i]) * (b[i] - a[i]);
    }
    return dot > 0 && dot < length;
}

// The elementary pieces of a set of segments: each split at every vertex of all of them
// that lies on it, so that overlapping and touching collinear segments give the same
// pieces however they were drawn. Segments seen end-on (points) are no lines of a view.
template <size_t N>
std::set<Piece<N>> Pieces(const std::vector<std::pair<Point<N>, Point<N>>>& segments,
                          const std::vector<Point<N>>& vertices) {
    std::set<Piece<N>> out;
    for (const auto& segment : segments) {
        // Named, not bound: lambdas below capture the ends.
        const Point<N>& a = segment.first;
        const Point<N>& b = segment.second;
        if (a == b) {
            continue;
        }
        std::vector<Point<N>> cuts{a, b};
        for (const Point<N>& v : vertices) {
            if (Inside(a, b, v)) {
                cuts.push_back(v);
            }
        }
        // Along the segment: by the distance from a.
        const auto along = [&a](const Point<N>& p) {
            long double d = 0;
            for (size_t i = 0; i < N; ++i) {
                d += static_cast<long double>(p[i] - a[i]) * (p[i] - a[i]);
            }
            return d;
        };
        std::sort(cuts.begin(), cuts.end(),
                  [&along](const Point<N>& p, const Point<N>& q) { return along(p) < along(q); });
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (size_t i = 0; i + 1 < cuts.size(); ++i) {
            out.insert(Join<N>(cuts[i], cuts[i + 1]));
        }
    }
    return out;
}

// How many segments the pieces make when collinear pieces that touch are merged.
int Segments2(const std::set<Piece<2>>& pieces) {
    std::vector<Piece<2>> list(pieces.begin(), pieces.end());
    std::vector<size_t> parent(list.size());
    std::iota(parent.begin(), parent.end(), size_t{0});
    const auto root = [&parent](size_t i) {
        while (parent[i] != i) {
            i = parent[i] = parent[parent[i]];
        }
        return i;
    };
    std::map<Point<2>, std::vector<size_t>> atPoint;
    for (size_t i = 0; i < list.size(); ++i) {
        atPoint[{list[i][0], list[i][1]}].push_back(i);
        atPoint[{list[i][2], list[i][3]}].push_back(i);
    }
    const auto direction = [](const Piece<2>& p) {
        int64_t dx = p[2] - p[0];
        int64_t dy = p[3] - p[1];
        const int64_t g = std::gcd(dx, dy);
        return std::pair{dx / g, dy / g};
    };
    for (const auto& [point, at] : atPoint) {
        for (size_t i = 0; i < at.size(); ++i) {
            for (size_t j = i + 1; j < at.size(); ++j) {
                if (direction(list[at[i]]) == direction(list[at[j]])) {
                    parent[root(at[i])] = root(at[j]);
                }
            }
        }
    }
    int count = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        count += root(i) == i ? 1 : 0;
    }
    return count;
}

using Segment3 = std::pair<Point<3>, Point<3>>;

// The figure's segments on the grid, moved so that its smallest corner is the origin.
std::vector<Segment3> Normalised(const CZelkData& figure) {
    std::vector<Segment3> out;
    if (figure.Lines().empty()) {
        return out;
    }
    const CZelkData::Point& low = figure.MinPos();
    for (const CLine& l : figure.Lines()) {
        const double v[6] = {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ};
        Segment3 s;
        for (size_t i = 0; i < 3; ++i) {
            s.first[i] = std::llround((v[i] - double(low[i])) * kGrid);
            s.second[i] = std::llround((v[i + 3] - double(low[i])) * kGrid);
        }
        out.push_back(s);
    }
    return out;
}

} // namespace

ThirdAngleCheck::Result ThirdAngleCheck::Compare(const CZelkData& learner,
                                                 const CZelkData& target) {
    return Compare(learner, target, kAll);
}

ThirdAngleCheck::Result ThirdAngleCheck::Compare(const CZelkData& learner, const CZelkData& target,
                                                 std::span<const View> views) {
    const std::vector<Segment3> mine = Normalised(learner);
    const std::vector<Segment3> theirs = Normalised(target);
    Result result;
    result.sameViews = true;
    for (const View view : views) {
        std::vector<std::pair<Point<2>, Point<2>>> a;
        std::vector<std::pair<Point<2>, Point<2>>> b;
        std::vector<Point<2>> vertices;
        for (const auto& [p, q] : mine) {
            a.push_back({Project(p, view), Project(q, view)});
        }
        for (const auto& [p, q] : theirs) {
            b.push_back({Project(p, view), Project(q, view)});
        }
        for (const auto* list : {&a, &b}) {
            for (const auto& [p, q] : *list) {
                vertices.push_back(p);
                vertices.push_back(q);
            }
        }
        const std::set<Piece<2>> have = Pieces<2>(a, vertices);
        const std::set<Piece<2>> want = Pieces<2>(b, vertices);
        std::set<Piece<2>> lacking;
        std::set<Piece<2>> surplus;
        std::set_difference(want.begin(), want.end(), have.begin(), have.end(),
                            std::inserter(lacking, lacking.end()));
        std::set_difference(have.begin(), have.end(), want.begin(), want.end(),
                            std::inserter(surplus, surplus.end()));
        result.missing[view] = Segments2(lacking);
        result.extra[view] = Segments2(surplus);
        result.sameViews = result.sameViews && lacking.empty() && surplus.empty();
    }
    std::vector<Point<3>> vertices;
    for (const auto* list : {&mine, &theirs}) {
        for (const auto& [p, q] : *list) {
            vertices.push_back(p);
            vertices.push_back(q);
        }
    }
    result.sameFigure =
        result.sameViews && Pieces<3>(mine, vertices) == Pieces<3>(theirs, vertices);
    return result;
}
