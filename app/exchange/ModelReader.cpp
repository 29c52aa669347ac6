#include "ModelReader.h"

#include "ImportAnswer.h"

#include "ConfinedIOSystem.h"
#include "DxfReader.h"
#include "StlStream.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <new>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZELK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELK_ASAN 1
#endif
#endif

namespace {

// Nodes deeper than this are no drawing's structure.
constexpr int kDeepestNode = 100000;
// The libraries read nested files by recursion: the reading runs on a stack of this
// size (the process's main stack is a few MiB), and running past it is said as what it
// is instead of a crash.
constexpr size_t kReaderStack = 256UL * 1024 * 1024;
constexpr size_t kReaderStackGuard = 1024UL * 1024;

QString NestedTooDeeply() {
    return QCoreApplication::translate(
        "ModelReader", "モデルの入れ子が深すぎるため読み込めません（階層が多すぎます）。");
}

void WriteAll(const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n <= 0) {
            return;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
}

// The address space is bounded: an allocation past it ends here, saying why.
[[noreturn]] void OutOfMemory() {
    static const char message[] = "ZELK-ERROR memory\n";
    WriteAll(message, sizeof message - 1);
    ::_exit(ModelReader::kExitMemory);
}

// Meshes of the library's scene, node by node with their transforms. Meshes without
// faces, faces pointing past their mesh and nodes naming missing meshes are passed over
// (a light without a node or an empty sub-mesh must not cost the sound meshes).
bool Collect(const aiScene& scene, const aiNode& node, const aiMatrix4x4& parent,
             SegmentCollector& collector, bool& sawPoints, bool& tooDeep, int depth) {
    // Deeper than this is no drawing's structure; dropping the rest silently would lose
    // parts of the model.
    if (depth > kDeepestNode) {
        tooDeep = true;
        return false;
    }
    const aiMatrix4x4 transform = parent * node.mTransformation;
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        if (node.mMeshes == nullptr || node.mMeshes[m] >= scene.mNumMeshes ||
            scene.mMeshes[node.mMeshes[m]] == nullptr) {
            continue;
        }
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        if (mesh.mVertices == nullptr || mesh.mFaces == nullptr) {
            continue;
        }
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            const unsigned n = face.mNumIndices;
            if (n == 1) {
                sawPoints = true;
            }
            if (n < 2 || face.mIndices == nullptr) {
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
                const aiVector3D a = transform * mesh.mVertices[face.mIndices[i]];
                const aiVector3D b = transform * mesh.mVertices[face.mIndices[(i + 1) % n]];
                if (!collector.Add(a.x, a.y, a.z, b.x, b.y, b.z)) {
                    return false;
                }
            }
        }
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c) {
        if (node.mChildren != nullptr && node.mChildren[c] != nullptr &&
            !Collect(scene, *node.mChildren[c], transform, collector, sawPoints, tooDeep,
                     depth + 1)) {
            return false;
        }
    }
    return true;
}

// What a fault on the reading stack's guard says; made before reading, as a signal
// handler may not translate or allocate.
struct StackOverflow {
    uintptr_t low = 0;
    uintptr_t high = 0;
    QByteArray message;
};
StackOverflow overflow;

void OnFault(int, siginfo_t* info, void*) {
    const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
    if (address >= overflow.low && address < overflow.high) {
        WriteAll(overflow.message.constData(), static_cast<size_t>(overflow.message.size()));
        ::_exit(ModelReader::kExitFailed);
    }
    // Any other fault is a crash, as before (the handler was reset on entry).
}

// Runs on the reading thread: faults on its stack's lowest part are the recursion running
// out of stack. The thread's earlier signal stack goes to previous, to be put back before
// the thread ends (a sanitizer frees the one it finds then as its own).
void WatchStack(stack_t& previous) {
    static char alternate[64 * 1024];
    stack_t altStack{};
    altStack.ss_sp = alternate;
    altStack.ss_size = sizeof alternate;
    ::sigaltstack(&altStack, &previous);
    pthread_attr_t attributes;
    if (::pthread_getattr_np(::pthread_self(), &attributes) != 0) {
        return;
    }
    void* low = nullptr;
    size_t size = 0;
    size_t guard = 0;
    ::pthread_attr_getstack(&attributes, &low, &size);
    ::pthread_attr_getguardsize(&attributes, &guard);
    ::pthread_attr_destroy(&attributes);
    overflow.low = reinterpret_cast<uintptr_t>(low) - guard;
    overflow.high = reinterpret_cast<uintptr_t>(low) + 256 * 1024;
    struct sigaction action {};
    action.sa_sigaction = OnFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGSEGV, &action, nullptr);
    ::sigaction(SIGBUS, &action, nullptr);
}

// Runs work on a thread with the reader's large stack and waits for it (on the calling
// thread when no such thread can be made).
void RunOnLargeStack(std::function<void()>& work) {
    pthread_attr_t attributes;
    pthread_t thread{};
    const bool made = ::pthread_attr_init(&attributes) == 0 &&
                      ::pthread_attr_setstacksize(&attributes, kReaderStack) == 0 &&
                      ::pthread_attr_setguardsize(&attributes, kReaderStackGuard) == 0 &&
                      ::pthread_create(
                          &thread, &attributes,
                          [](void* job) -> void* {
                              (*static_cast<std::function<void()>*>(job))();
                              return nullptr;
                          },
                          &work) == 0;
    ::pthread_attr_destroy(&attributes);
    if (made) {
        ::pthread_join(thread, nullptr);
    } else {
        work();
    }
}

// The first bytes of a file, where the formats' headers are.
QByteArray Head(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

// Formats that can hold only points say so before the library calls them broken.
bool OnlyPoints(const QString& path, const QByteArray& head) {
    if (head.startsWith("ply")) {
        const qsizetype end = head.indexOf("end_header");
        const QByteArray header = head.left(end < 0 ? head.size() : end);
        return header.contains("element vertex") && !header.contains("element face") &&
               !header.contains("element edge");
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QFile file(path);
    if (suffix == QLatin1String("obj") && file.open(QIODevice::ReadOnly)) {
        bool vertices = false;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine(4096).trimmed();
            if (line.startsWith("f ") || line.startsWith("l ") || line.startsWith("f\t") ||
                line.startsWith("l\t")) {
                return false;
            }
            vertices = vertices || line.startsWith("v ");
        }
        return vertices;
    }
    return false;
}

// A PLY header that never ends sends the library's reader round for ever.
bool PlyHeaderEnds(const QByteArray& head) {
    return !head.startsWith("ply") || head.contains("end_header");
}

} // namespace

const char* ModelReader::FailureWord(Failure failure) {
    switch (failure) {
    case Failure::None:
        return "none";
    case Failure::Broken:
        return "broken";
    case Failure::PointsOnly:
        return "points";
    case Failure::TooMany:
        return "too-many";
    case Failure::NoSegments:
        return "no-segments";
    case Failure::Memory:
        return "memory";
    case Failure::Refused:
        return "refused";
    case Failure::Nested:
        return "nested";
    }
    return "broken";
}

ModelReader::Failure ModelReader::Read(const QString& path, SegmentCollector& collector,
                                       QString& error) {
    const QString broken = QCoreApplication::translate(
        "ModelReader", "3D モデルとして読み込めませんでした（形式が違うか、壊れています）。");
    const QByteArray head = Head(path);
    if (OnlyPoints(path, head)) {
        error = QCoreApplication::translate("ModelReader",
                                            "点だけのモデルです（線も面もありません）。");
        return Failure::PointsOnly;
    }
    if (StlStream::Recognises(path)) {
        if (!StlStream::Read(path, collector, error)) {
            error = broken + QStringLiteral("\r\n") + error;
            return Failure::Broken;
        }
    } else if (DxfReader::Recognises(path)) {
        if (!DxfReader::Read(path, collector, error)) {
            error = broken + QStringLiteral("\r\n") + error;
            return Failure::Broken;
        }
    } else {
        if (!PlyHeaderEnds(head)) {
            error = broken;
            return Failure::Broken;
        }
        Assimp::Importer importer;
        // Every file the model names is opened through this, inside the model's folder.
        auto* files = new ConfinedIOSystem(path);
        importer.SetIOHandler(files);
        // No structure check: it refuses whole files for a light without a node or an
        // empty sub-mesh; the meshes are checked here, one by one.
        const aiScene* scene = importer.ReadFile(QFile::encodeName(path).toStdString(), 0);
        // A model that reaches outside its folder is not taken, even where the library
        // would go on without the file.
        if (!files->Refused().isEmpty()) {
            error = files->RefusedReason();
            return Failure::Refused;
        }
        if (scene == nullptr || scene->mRootNode == nullptr) {
            const QString why = QString::fromLocal8Bit(importer.GetErrorString()).trimmed();
            error = broken + (why.isEmpty() ? QString() : QStringLiteral("\r\n") + why.left(200));
            return Failure::Broken;
        }
        bool sawPoints = false;
        bool tooDeep = false;
        Collect(*scene, *scene->mRootNode, aiMatrix4x4(), collector, sawPoints, tooDeep, 0);
        if (tooDeep) {
            error = NestedTooDeeply();
            return Failure::Nested;
        }
        if (collector.Segments().empty() && !collector.Overflowed() && sawPoints) {
            error = QCoreApplication::translate("ModelReader",
                                                "点だけのモデルです（線も面もありません）。");
            return Failure::PointsOnly;
        }
    }
    if (collector.Overflowed()) {
        error = QCoreApplication::translate(
                    "ModelReader", "線分が %1 本を超えるため取り込めません（図形の上限です）。")
                    .arg(SegmentCollector::kLimit);
        return Failure::TooMany;
    }
    if (collector.Segments().empty()) {
        error = QCoreApplication::translate("ModelReader", "線分が見つかりませんでした。");
        return Failure::NoSegments;
    }
    return Failure::None;
}

int ModelReader::WorkerMain(int argc, char** argv) {
    // The editor names its translation when its user chose another language than Japanese.
    int applicationArgc = argc;
    std::unique_ptr<QCoreApplication> application;
    QTranslator translator;
    if (const QString translation = qEnvironmentVariable("ZELK_TRANSLATION");
        !translation.isEmpty()) {
        application = std::make_unique<QCoreApplication>(applicationArgc, argv);
        if (translator.load(translation)) {
            QCoreApplication::installTranslator(&translator);
        }
    }
    QString path;
    SegmentCollector::Options options;
    long long memoryMb = 0;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--scale" && i + 1 < argc) {
            options.scale = std::strtod(argv[++i], nullptr);
        } else if (arg == "--z-up") {
            options.zUp = true;
        } else if (arg == "--memory-mb" && i + 1 < argc) {
            memoryMb = std::strtoll(argv[++i], nullptr, 10);
        } else {
            path = QFile::decodeName(arg);
        }
    }
    std::set_new_handler(OutOfMemory);
    overflow.message = ImportAnswer::Failure(FailureWord(Failure::Nested), NestedTooDeeply());
    SegmentCollector collector(options);
    QString error;
    Failure failure = Failure::Broken;
    // The stack is mapped before the bound is set, and the bound leaves the model the
    // memory it had before the stack grew.
    std::function<void()> reading = [&] {
        stack_t previous{};
        WatchStack(previous);
#ifndef ZELK_ASAN
        if (memoryMb > 0) {
            const rlim_t bytes = static_cast<rlim_t>(memoryMb) * 1024 * 1024 + kReaderStack;
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_AS, &limit);
        }
#else
        // A sanitizer build reserves terabytes of shadow memory: no bound there.
        (void)memoryMb;
#endif
        failure = Read(path, collector, error);
        ::sigaltstack(&previous, nullptr);
    };
    RunOnLargeStack(reading);
    if (failure != Failure::None) {
        const QByteArray out = ImportAnswer::Failure(FailureWord(failure), error);
        WriteAll(out.constData(), static_cast<size_t>(out.size()));
        return kExitFailed;
    }
    const QByteArray header = ImportAnswer::Header(collector);
    WriteAll(header.constData(), static_cast<size_t>(header.size()));
    const QByteArray segments = ImportAnswer::SegmentBytes(collector);
    WriteAll(segments.constData(), static_cast<size_t>(segments.size()));
    return kExitOk;
}
