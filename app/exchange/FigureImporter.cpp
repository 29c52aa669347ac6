#include "FigureImporter.h"

#include "CZelkData.h"
#include "NumberText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Segment = std::array<double, 6>;

// Larger files are refused before the library reads them into memory.
constexpr qint64 kFileSizeLimit = 512LL * 1024 * 1024;

void Collect(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
             std::vector<Segment>& out) {
    const aiMatrix4x4 transform = parent * node.mTransformation;
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        if (node.mMeshes[m] >= scene.mNumMeshes) {
            continue;
        }
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        auto point = [&](unsigned index) { return transform * mesh.mVertices[index]; };
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            const unsigned n = face.mNumIndices;
            if (n < 2) {
                continue;
            }
            bool valid = true;
            for (unsigned i = 0; i < n; ++i) {
                valid = valid && face.mIndices[i] < mesh.mNumVertices;
            }
            if (!valid) {
                continue;
            }
            // A line has one edge; a polygon closes back to its first corner.
            const unsigned edges = n == 2 ? 1 : n;
            for (unsigned i = 0; i < edges; ++i) {
                const aiVector3D a = point(face.mIndices[i]);
                const aiVector3D b = point(face.mIndices[(i + 1) % n]);
                out.push_back(Segment{a.x, a.y, a.z, b.x, b.y, b.z});
            }
        }
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c) {
        if (node.mChildren[c] != nullptr) {
            Collect(scene, *node.mChildren[c], transform, out);
        }
    }
}

// A PLY file whose header never ends sends the library's reader round for ever.
bool PlyHeaderEnds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(64 * 1024);
    if (!head.startsWith("ply")) {
        return true;
    }
    return head.contains("end_header");
}

// In the child: the library reads the file; the segments (or the reason) go to the pipe.
[[noreturn]] void ReadInChild(const QString& path, int out) {
    Assimp::Importer importer;
    const aiScene* scene =
        importer.ReadFile(QFile::encodeName(path).toStdString(), aiProcess_ValidateDataStructure);
    QByteArray message;
    if (scene == nullptr || scene->mRootNode == nullptr) {
        message = "E" + QByteArray(importer.GetErrorString()).left(400);
    } else {
        std::vector<Segment> segments;
        // The DXF reader turns CAD's z-up into y-up at its root; a figure keeps the
        // axes as written, so that a figure's DXF reads back as the figure.
        const bool dxf =
            QFileInfo(path).suffix().compare(QLatin1String("dxf"), Qt::CaseInsensitive) == 0;
        aiMatrix4x4 start;
        if (dxf) {
            start = scene->mRootNode->mTransformation;
            start.Inverse();
        }
        Collect(*scene, *scene->mRootNode, start, segments);
        const auto count = static_cast<uint64_t>(segments.size());
        message = "S" + QByteArray(reinterpret_cast<const char*>(&count), sizeof count);
        message.append(reinterpret_cast<const char*>(segments.data()),
                       static_cast<qsizetype>(segments.size() * sizeof(Segment)));
    }
    const char* p = message.constData();
    qsizetype left = message.size();
    while (left > 0) {
        const ssize_t n = ::write(out, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        p += n;
        left -= n;
    }
    ::_exit(0);
}

// The library is run in a child process: a file that makes it crash or loop for ever
// costs the child, never the editor and its unsaved figure.
bool ReadSegments(const QString& path, int timeoutMs, std::vector<Segment>& segments,
                  QString& error) {
    const QString broken =
        QStringLiteral("3D モデルとして読み込めませんでした（形式が違うか、壊れています）。");
    if (!PlyHeaderEnds(path)) {
        error = broken;
        return false;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        error = QStringLiteral("読み込みを始められませんでした（%1）。")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        error = QStringLiteral("読み込みを始められませんでした（%1）。")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (child == 0) {
        ::close(fds[0]);
        ReadInChild(path, fds[1]);
    }
    ::close(fds[1]);
    QByteArray message;
    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    char buffer[65536];
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd wait{fds[0], POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(std::min<qint64>(left, 1000)));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        message.append(buffer, n);
    }
    ::close(fds[0]);
    if (timedOut) {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut) {
        error = QStringLiteral("読み込みに時間がかかりすぎるため中止しました（%1 秒）。")
                    .arg(timeoutMs / 1000);
        return false;
    }
    if (message.startsWith('S') && message.size() >= 9) {
        uint64_t count = 0;
        std::memcpy(&count, message.constData() + 1, sizeof count);
        if (static_cast<uint64_t>(message.size() - 9) == count * sizeof(Segment)) {
            segments.resize(count);
            std::memcpy(segments.data(), message.constData() + 9, count * sizeof(Segment));
            return true;
        }
    }
    error = broken;
    const QString why =
        message.startsWith('E') ? QString::fromLocal8Bit(message.mid(1)).trimmed() : QString();
    if (!why.isEmpty()) {
        error += QStringLiteral("\r\n") + why.left(200);
    }
    return false;
}

} // namespace

bool FigureImporter::Read(const QString& path, const Options& options, CZelkData& figure,
                          Report& report, QString& error) {
    report = Report{};
    figure.ClearData();
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("ファイルが見つかりません。");
        return false;
    }
    // A FIFO or a device would stall the reader; only plain files are read.
    if (!info.isFile()) {
        error = QStringLiteral("通常のファイルではないため読み込めません。");
        return false;
    }
    if (info.size() > kFileSizeLimit) {
        error = QStringLiteral("ファイルが大きすぎるため読み込めません。");
        return false;
    }
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("ファイルを開けません（%1）。").arg(probe.errorString());
        return false;
    }
    probe.close();

    std::vector<Segment> segments;
    if (!ReadSegments(path, options.timeoutMs, segments, error)) {
        return false;
    }

    double low[3] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                     std::numeric_limits<double>::max()};
    for (Segment& s : segments) {
        for (double& v : s) {
            v *= options.scale;
        }
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min({low[axis], s[axis], s[axis + 3]});
        }
    }
    if (options.toOrigin && !segments.empty()) {
        for (Segment& s : segments) {
            for (int axis = 0; axis < 3; ++axis) {
                s[axis] -= low[axis];
                s[axis + 3] -= low[axis];
            }
        }
    }

    for (const Segment& s : segments) {
        bool finite = true;
        for (const double v : s) {
            finite =
                finite && std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
        }
        if (!finite) {
            ++report.zeroLength;
            continue;
        }
        CLine line{};
        float* ends[6] = {&line.FromX, &line.FromY, &line.FromZ, &line.ToX, &line.ToY, &line.ToZ};
        for (int i = 0; i < 6; ++i) {
            *ends[i] = NumberText::Canonical(static_cast<float>(s[static_cast<size_t>(i)]));
        }
        // The same ends once written as the file keeps them: too short to be a line.
        if (line.FromX == line.ToX && line.FromY == line.ToY && line.FromZ == line.ToZ) {
            ++report.zeroLength;
        } else if (figure.IsFull() && !figure.Contains(line)) {
            // One distinct segment more than a figure holds: refused at once.
            report.taken = kMaxSegments + 1;
            break;
        } else if (figure.AddLine(line)) {
            ++report.taken;
        } else {
            ++report.duplicates;
        }
    }
    if (report.taken == 0) {
        figure.ClearData();
        error = QStringLiteral("線分が見つかりませんでした。");
        return false;
    }
    if (report.taken > kMaxSegments) {
        error = QStringLiteral("線分が %1 本以上あり、図形の上限 %2 本を超えるため取り込めません。")
                    .arg(report.taken)
                    .arg(kMaxSegments);
        figure.ClearData();
        return false;
    }
    figure.SetComment(QStringLiteral("インポート：") + info.fileName());
    return true;
}

QString FigureImporter::ReportText(const Report& report) {
    return QStringLiteral(
               "%1 本の線分を取り込みました（重複 %2 本をまとめ、長さ 0 の %3 本を除きました）")
        .arg(report.taken)
        .arg(report.duplicates)
        .arg(report.zeroLength);
}
