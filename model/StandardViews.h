#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

// The three views of third-angle projection, in one place for everything that draws
// them, turns to them or compares them: the front view seen from +z, the top view from
// +y (placed above the front view), the right side view from +x (placed to its right).
class StandardViews {
public:
    enum View { Front, Top, Side };
    static constexpr std::array<View, 3> kAll{Front, Top, Side};

    // Where a point lies in a view: x to the right, y up.
    template <typename T>
    static constexpr std::array<T, 2> Project(const std::array<T, 3>& p, View view) {
        switch (view) {
        case Front:
            return {p[0], p[1]};
        case Top:
            return {p[0], -p[2]};
        case Side:
            return {-p[2], p[1]};
        }
        return {p[0], p[1]};
    }
    // How near the viewer a point is: the coordinate the view looks along.
    template <typename T> static constexpr T Depth(const std::array<T, 3>& p, View view) {
        return view == Front ? p[2] : view == Top ? p[1] : p[0];
    }
    // The longitude and latitude the view control turns to for the view.
    static constexpr std::array<int, 2> Angles(View view) {
        return view == Front ? std::array<int, 2>{0, 0}
               : view == Top ? std::array<int, 2>{0, 90}
                             : std::array<int, 2>{-90, 0};
    }
    // One step of a walk from an angle toward a target angle: at most `step` degrees (at
    // least one), and never past the target, so that a walk always arrives.
    static constexpr int WalkStep(int from, int to, int step) {
        const int most = step > 0 ? step : (step < 0 ? -step : 1);
        const int left = to - from;
        return from + (left > most ? most : left < -most ? -most : left);
    }
    // The most steps a walk between two angles of the view control (each within a half
    // turn either way) can take.
    static constexpr int WalkBound(int step) {
        return 360 / (step > 0 ? step : (step < 0 ? -step : 1)) + 2;
    }
    // The view's name as drawings give it, in the user's language.
    static QString Name(View view) {
        static const char* const kNames[3] = {QT_TRANSLATE_NOOP("StandardViews", "正面図"),
                                              QT_TRANSLATE_NOOP("StandardViews", "平面図"),
                                              QT_TRANSLATE_NOOP("StandardViews", "右側面図")};
        return QCoreApplication::translate("StandardViews", kNames[view]);
    }
};
