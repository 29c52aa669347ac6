// Loading a 32767-segment figure through LoadData, beside reading the same file and
// parsing its numbers with std::from_chars only; saving it through SaveData (formatted
// afresh each time), beside writing the same bytes with fwrite, fsync and rename; and
// the three files of one save with a dialog (two safety copies, then the chosen file
// with its new comment) beside three such plain writes. Each on two figures: a lattice of
// halves and quarters (binary fractions, which a fast path favours) and decimals as users
// type them and imported models carry them (one, two and three decimals: 0.3, 12.61,
// 298.457). Compare the times of one run.
#include "CZelkData.h"
#include "CZelkDataFileIOStratety_Ver100.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace {

constexpr int kSegments = 32767;

enum class Data { Lattice, Decimal };

// Distinct segments on a lattice, written once through the program's own writer.
const QString& LatticeFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        CZelkData data;
        int made = 0;
        for (int x = 0; made < kSegments; ++x) {
            for (int y = 0; y < 100 && made < kSegments; ++y) {
                for (int axis = 0; axis < 3 && made < kSegments; ++axis) {
                    const float fx = float(x) * 2.5F;
                    const float fy = float(y) * 1.25F;
                    CLine l{fx,
                            fy,
                            0.5F,
                            fx + (axis == 0 ? 2.5F : 0),
                            fy + (axis == 1 ? 1.25F : 0),
                            0.5F + (axis == 2 ? 3.0F : 0)};
                    made += data.AddLine(l) ? 1 : 0;
                }
            }
        }
        data.SetComment(QStringLiteral("格子"));
        const QString p = dir.filePath(QStringLiteral("lattice.zlk"));
        data.SaveData(p);
        return p;
    }();
    return path;
}

// A decimal as typed: whole part and one to three decimals, never a binary fraction
// (.5, .25, .125 …), read as the program reads what is typed.
float TypedDecimal(std::mt19937& random, int decimals) {
    const int scale = decimals == 1 ? 10 : decimals == 2 ? 100 : 1000;
    int fraction = 0;
    do {
        fraction = std::uniform_int_distribution<int>(1, scale - 1)(random);
    } while ((fraction * (1000 / scale)) % 125 == 0);
    const std::string text =
        std::to_string(std::uniform_int_distribution<int>(0, 299)(random)) + '.' +
        QByteArray::number(fraction).rightJustified(decimals, '0').toStdString();
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Distinct segments whose every coordinate is such a decimal.
const QString& DecimalFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        CZelkData data;
        std::mt19937 random(32767);
        for (int n = 0; data.NumberOfLines() < kSegments; ++n) {
            float v[6];
            for (int i = 0; i < 6; ++i) {
                v[i] = TypedDecimal(random, 1 + (n + i) % 3);
            }
            data.AddLine(CLine{v[0], v[1], v[2], v[3], v[4], v[5]});
        }
        data.SetComment(QStringLiteral("小数"));
        const QString p = dir.filePath(QStringLiteral("decimal.zlk"));
        data.SaveData(p);
        return p;
    }();
    return path;
}

const QString& FileOf(Data kind) {
    return kind == Data::Lattice ? LatticeFile() : DecimalFile();
}

void BM_LoadData(benchmark::State& state, Data kind) {
    const QString& path = FileOf(kind);
    for (auto _ : state) {
        CZelkData data;
        const bool ok = data.LoadData(path);
        benchmark::DoNotOptimize(ok);
        if (!ok || data.NumberOfLines() != kSegments) {
            state.SkipWithError("load failed");
        }
    }
}

void BM_BareFromCharsParse(benchmark::State& state, Data kind) {
    const QString& path = FileOf(kind);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const char* p = bytes.constData();
        const char* end = p + bytes.size();
        std::vector<float> numbers;
        numbers.reserve(kSegments * 6 + 4);
        while (p < end) {
            while (p < end && (*p == ' ' || *p == '\r' || *p == '\n' || *p == ',')) {
                ++p;
            }
            float v = 0;
            const auto [next, ec] = std::from_chars(p, end, v);
            if (ec != std::errc()) {
                while (p < end && *p != '\n') {
                    ++p;
                }
                continue;
            }
            numbers.push_back(v);
            p = next;
        }
        benchmark::DoNotOptimize(numbers.data());
        if (numbers.size() < size_t(kSegments) * 6) {
            state.SkipWithError("parse failed");
        }
    }
}

// The figure of each file, loaded once.
CZelkData& FigureOf(Data kind) {
    static CZelkData figures[2];
    CZelkData& data = figures[kind == Data::Lattice ? 0 : 1];
    if (data.NumberOfLines() == 0) {
        data.LoadData(FileOf(kind));
    }
    return data;
}

// One edit that changes nothing in the end, so every save formats the lines anew.
void Touch(CZelkData& data, int iteration) {
    data.OverWriteLine(1, iteration % 2 ? QStringLiteral("0,0,0,1,1,1")
                                        : QStringLiteral("0,0,0.5,2.5,0,0.5"));
}

void BM_SaveData(benchmark::State& state, Data kind) {
    CZelkData& data = FigureOf(kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.zlk"));
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        if (!data.SaveData(path)) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_FormatOnly(benchmark::State& state, Data kind) {
    CZelkData& data = FigureOf(kind);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CZelkDataFileIOStratety_Ver100::FormatBody(data).constData());
    }
}

void BM_TouchOnly(benchmark::State& state) {
    CZelkData& data = FigureOf(Data::Lattice);
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        benchmark::DoNotOptimize(data.GetMaxSize());
    }
}

bool PlainWrite(const std::string& path, const QByteArray& bytes) {
    const std::string temporary = path + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    const bool flushed = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    return (std::fclose(f) == 0) && written && flushed &&
           std::rename(temporary.c_str(), path.c_str()) == 0;
}

// The bytes SaveData writes for the figure, as a file holds them.
QByteArray SavedBytes(const QTemporaryDir& dir, Data kind) {
    FigureOf(kind).SaveData(dir.filePath(QStringLiteral("model.zlk")));
    QFile model(dir.filePath(QStringLiteral("model.zlk")));
    model.open(QIODevice::ReadOnly);
    return model.readAll();
}

void BM_BareFwriteFsyncRename(benchmark::State& state, Data kind) {
    QTemporaryDir dir;
    const QByteArray bytes = SavedBytes(dir, kind);
    const std::string path = dir.filePath(QStringLiteral("plain.zlk")).toStdString();
    for (auto _ : state) {
        if (!PlainWrite(path, bytes)) {
            state.SkipWithError("write failed");
        }
    }
}

void BM_SaveThreeFiles(benchmark::State& state, Data kind) {
    CZelkData& data = FigureOf(kind);
    QTemporaryDir dir;
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        bool ok = data.SaveData(dir.filePath(QStringLiteral("autosave.zlk")));
        ok = data.SaveData(dir.filePath(QStringLiteral("dated.zlk"))) && ok;
        data.SetComment(QStringLiteral("保存 %1").arg(i));
        ok = data.SaveData(dir.filePath(QStringLiteral("chosen.zlk"))) && ok;
        if (!ok) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_BareThreeWrites(benchmark::State& state, Data kind) {
    QTemporaryDir dir;
    const QByteArray bytes = SavedBytes(dir, kind);
    for (auto _ : state) {
        for (const char* name : {"a.zlk", "b.zlk", "c.zlk"}) {
            if (!PlainWrite(dir.filePath(QString::fromLatin1(name)).toStdString(), bytes)) {
                state.SkipWithError("write failed");
            }
        }
    }
}

#define ZELK_ON_BOTH(bench)                                                                        \
    BENCHMARK_CAPTURE(bench, lattice, Data::Lattice)->Unit(benchmark::kMillisecond);               \
    BENCHMARK_CAPTURE(bench, decimal, Data::Decimal)->Unit(benchmark::kMillisecond)
ZELK_ON_BOTH(BM_LoadData);
ZELK_ON_BOTH(BM_BareFromCharsParse);
ZELK_ON_BOTH(BM_SaveData);
ZELK_ON_BOTH(BM_FormatOnly);
BENCHMARK(BM_TouchOnly)->Unit(benchmark::kMillisecond);
ZELK_ON_BOTH(BM_BareFwriteFsyncRename);
ZELK_ON_BOTH(BM_SaveThreeFiles);
ZELK_ON_BOTH(BM_BareThreeWrites);

} // namespace

#include "RatioMain.h"

int main(int argc, char** argv) {
    return RunWithRatios(argc, argv,
                         {{"BM_LoadData/lattice", "BM_BareFromCharsParse/lattice", 2.0},
                          {"BM_LoadData/decimal", "BM_BareFromCharsParse/decimal", 2.0},
                          {"BM_SaveData/lattice", "BM_BareFwriteFsyncRename/lattice", 2.0},
                          {"BM_SaveData/decimal", "BM_BareFwriteFsyncRename/decimal", 2.0},
                          {"BM_SaveThreeFiles/lattice", "BM_BareThreeWrites/lattice", 3.0},
                          {"BM_SaveThreeFiles/decimal", "BM_BareThreeWrites/decimal", 3.0}});
}
