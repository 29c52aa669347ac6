// Import and export from the menus, and the conversions of the command line.
#include "AppFixture.h"
#include "FigureImporter.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QSvgRenderer>
#include <QTimer>
#include <QXmlStreamReader>
#include <csignal>

namespace {

using Exchange = AppFixture;

const QByteArray kSquareObj = "# a square\nv 0 0 0\nv 20 0 0\nv 20 20 0\nv 0 20 0\n"
                              "l 1 2\nl 2 3\nl 3 4\nl 4 1\nl 2 1\n";

TEST_F(Exchange, ImportReplacesTheFigureOnlyAfterTheDiscardWarning) {
    ASSERT_NE(Window().findChild<QAction*>(QStringLiteral("mnuFileImport")), nullptr);
    EXPECT_EQ(Window().findChild<QAction*>(QStringLiteral("mnuFileImport"))->text(),
              QStringLiteral("インポート…"));
    EXPECT_EQ(Window().findChild<QAction*>(QStringLiteral("mnuFileExport"))->text(),
              QStringLiteral("エクスポート…"));
    WriteFigure(Data(QStringLiteral("square.obj")), kSquareObj);
    ASSERT_TRUE(Figure().AddLine(QStringLiteral("1,2,3,4,5,6")));
    const int before = Figure().NumberOfLines();
    ASSERT_TRUE(Figure().IsDirty());

    // Unsaved work: No keeps everything and opens no file dialog.
    dialogs.AnswerQuestion(UserDialogs::Answer::No);
    EXPECT_TRUE(Send("IMPORT"));
    EXPECT_EQ(Figure().NumberOfLines(), before);
    EXPECT_EQ(dialogs.calls.last().kind, ScriptedUserDialogs::Kind::Message);

    // A broken model: a message, and the figure as it was.
    WriteFigure(Data(QStringLiteral("broken.stl")), QByteArray("solid x\n facet normal"));
    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseImport(
        UserDialogs::ImportChoice{Data(QStringLiteral("broken.stl")), 1.0, false, false});
    EXPECT_TRUE(Send("IMPORT"));
    EXPECT_EQ(Figure().NumberOfLines(), before);
    EXPECT_TRUE(Figure().IsDirty());
    EXPECT_TRUE(
        dialogs.MessageTexts().last().startsWith(QStringLiteral("インポートできませんでした。")));

    dialogs.AnswerQuestion(UserDialogs::Answer::Yes);
    dialogs.ChooseImport(
        UserDialogs::ImportChoice{Data(QStringLiteral("square.obj")), 10.0, false, false});
    EXPECT_TRUE(Send("IMPORT"));
    EXPECT_EQ(Figure().NumberOfLines(), 4);
    EXPECT_EQ(Figure().GetMaxPos(), QStringLiteral("200,200,0"));
    EXPECT_TRUE(Figure().IsDirty()) << "an imported figure is not saved yet";
    EXPECT_TRUE(AppData().FileName().isEmpty());
    EXPECT_EQ(Window().StatusText(1),
              QStringLiteral(
                  "4 本の線分を取り込みました（重複 1 本をまとめ、長さ 0 の 0 本を除きました）"));
    // The imported figure is what the view shows.
    EXPECT_EQ(View().NearestLine(0, 0, 100000) > 0, true);
    EXPECT_TRUE(dialogs.ScriptUsedUp());
}

TEST_F(Exchange, ExportWritesTheChosenKindAndReportsFailures) {
    struct Case {
        UserDialogs::ExportKind kind;
        const char* name;
    };
    for (const Case c : {Case{UserDialogs::ExportKind::SvgSheet, "sheet.svg"},
                         Case{UserDialogs::ExportKind::SvgView, "view.svg"},
                         Case{UserDialogs::ExportKind::Png2, "view.png"},
                         Case{UserDialogs::ExportKind::Obj, "figure.obj"},
                         Case{UserDialogs::ExportKind::Dxf, "figure.dxf"},
                         Case{UserDialogs::ExportKind::Gif, "turn.gif"}}) {
        const QString path = Data(QString::fromLatin1(c.name));
        dialogs.ChooseExport(UserDialogs::ExportChoice{path, c.kind});
        EXPECT_TRUE(Send("EXPORT"));
        EXPECT_TRUE(QFileInfo(path).size() > 0) << c.name;
        EXPECT_EQ(Window().StatusText(1), QStringLiteral("エクスポートしました：") + path);
    }
    EXPECT_TRUE(QSvgRenderer(Data(QStringLiteral("view.svg"))).isValid());
    const QImage png(Data(QStringLiteral("view.png")));
    EXPECT_EQ(png.size(), View().ViewImage().size() * 2) << "twice the view's pixels";

    // The exported model reads back as the figure.
    CZelkData back;
    FigureImporter::Report report;
    QString error;
    ASSERT_TRUE(FigureImporter::Read(Data(QStringLiteral("figure.obj")), {}, back, report, error));
    EXPECT_EQ(back.NumberOfLines(), Figure().NumberOfLines());

    // A folder that cannot hold the file: a message naming it; nothing else changes.
    const int lines = Figure().NumberOfLines();
    dialogs.ChooseExport(UserDialogs::ExportChoice{Folder() + QStringLiteral("/no/such/x.obj"),
                                                   UserDialogs::ExportKind::Obj});
    EXPECT_TRUE(Send("EXPORT"));
    EXPECT_TRUE(
        dialogs.MessageTexts().last().startsWith(QStringLiteral("エクスポートできませんでした。")));
    EXPECT_EQ(Figure().NumberOfLines(), lines);
    // Cancelled: nothing at all.
    const int calls = dialogs.calls.size();
    dialogs.ChooseExport(std::nullopt);
    EXPECT_TRUE(Send("EXPORT"));
    EXPECT_EQ(dialogs.calls.size(), calls + 1);
}

TEST_F(Exchange, TheCommandLineConvertsWithoutAWindow) {
    const QString zelk = QStringLiteral(ZELK_PROGRAM_DIR "/zelk");
    const QString figure = Data(QStringLiteral("zelk01.zlk"));
    ASSERT_TRUE(QFileInfo::exists(figure));
    auto run = [&](const QStringList& arguments, QString* err = nullptr) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(zelk, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        if (err != nullptr) {
            *err = QString::fromLocal8Bit(process.readAllStandardError());
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    for (const char* name : {"out.svg", "out.png", "out.obj", "out.dxf", "out.gif"}) {
        const QString out = Data(QString::fromLatin1(name));
        EXPECT_EQ(run({QStringLiteral("--export"), out, figure}), 0) << name;
        EXPECT_GT(QFileInfo(out).size(), 0) << name;
    }
    const QString converted = Data(QStringLiteral("back.zlk"));
    EXPECT_EQ(run({QStringLiteral("--import"), Data(QStringLiteral("out.obj")), converted}), 0);
    CZelkData original;
    CZelkData back;
    ASSERT_TRUE(original.LoadData(figure));
    ASSERT_TRUE(back.LoadData(converted));
    EXPECT_EQ(back.NumberOfLines(), original.NumberOfLines());

    // A worksheet of three exercise files: two question pages, two answer pages; a file
    // that cannot be read makes none.
    const QString exercises = QStringLiteral(ZELK_PROGRAM_DIR "/exercises/");
    const QString sheet = Data(QStringLiteral("sheet.pdf"));
    EXPECT_EQ(
        run({QStringLiteral("--worksheet"), sheet, exercises + QStringLiteral("L2-01.zlk"),
             exercises + QStringLiteral("L3-02.zlk"), exercises + QStringLiteral("L5-01.zlk")}),
        0);
    QFile pdf(sheet);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 4) << "pages";
    const QString none = Data(QStringLiteral("none.pdf"));
    EXPECT_EQ(run({QStringLiteral("--worksheet"), none, Data(QStringLiteral("gone.zlk"))}), 1);
    EXPECT_FALSE(QFileInfo::exists(none));

    QString err;
    EXPECT_NE(run({QStringLiteral("--export"), Data(QStringLiteral("out.xyz")), figure}, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral(".svg"))) << err.toStdString();
    EXPECT_NE(run({QStringLiteral("--export"), Data(QStringLiteral("o.obj")),
                   Data(QStringLiteral("missing.zlk"))},
                  &err),
              0);
    EXPECT_FALSE(err.isEmpty());
    WriteFigure(Data(QStringLiteral("junk.obj")), QByteArray("\x01\x02junk", 6));
    EXPECT_NE(run({QStringLiteral("--import"), Data(QStringLiteral("junk.obj")), converted}, &err),
              0);
    EXPECT_TRUE(err.contains(QStringLiteral("junk.obj"))) << err.toStdString();
    EXPECT_TRUE(back.LoadData(converted)) << "a failed conversion leaves the earlier file";
    EXPECT_NE(run({QStringLiteral("--import"), Data(QStringLiteral("out.obj"))}, &err), 0);

    // The language chosen: the sheet's labels and the errors.
    for (const char* language : {"en", "ja"}) {
        const bool english = QLatin1String(language) == QLatin1String("en");
        const QString sheet = Data(QStringLiteral("sheet-%1.svg").arg(QLatin1String(language)));
        ASSERT_EQ(run({QStringLiteral("--lang"), QString::fromLatin1(language),
                       QStringLiteral("--export"), sheet, figure}),
                  0);
        QFile svg(sheet);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        EXPECT_EQ(text.contains(QStringLiteral(">Front<")), english) << language;
        EXPECT_EQ(text.contains(QStringLiteral(">正面図<")), !english) << language;
        EXPECT_NE(run({QStringLiteral("--lang"), QString::fromLatin1(language),
                       QStringLiteral("--scale"), QStringLiteral("0"), QStringLiteral("--import"),
                       Data(QStringLiteral("out.obj")), converted},
                      &err),
                  0);
        EXPECT_EQ(err.contains(QStringLiteral("--scale の倍率")), !english) << err.toStdString();
        EXPECT_EQ(err.contains(QStringLiteral("The --scale factor")), english) << err.toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("--export"),
                   Data(QStringLiteral("x.svg")), figure}),
              2);
}

// A file name with XML's own characters must not break the SVG files it titles.
TEST_F(Exchange, SvgFilesStayWellFormedWhateverTheFileName) {
    const QString name = QStringLiteral("R&D <v2> \"x\" 'y'.zlk");
    AppData().SetFileName(Data(name));
    for (const auto kind : {UserDialogs::ExportKind::SvgSheet, UserDialogs::ExportKind::SvgView}) {
        const QString path = Data(QStringLiteral("out.svg"));
        dialogs.ChooseExport(UserDialogs::ExportChoice{path, kind});
        ASSERT_TRUE(Send("EXPORT"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title") {
                title = xml.readElementText();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(title, name);
        EXPECT_TRUE(QSvgRenderer(path).isValid());
    }
}

// A reader that takes its time (as a large model does): the window paints meanwhile, the
// progress window's Cancel ends the reader, and the figure stays as it was.
TEST_F(Exchange, ASlowImportCanBeCancelledWithTheWindowAlive) {
    const QString pidFile = Folder() + QStringLiteral("/reader.pid");
    const QString reader = Folder() + QStringLiteral("/slow-reader.sh");
    WriteFigure(reader, "#!/bin/sh\necho $$ > '" + pidFile.toLocal8Bit() + "'\nexec sleep 60\n");
    QFile::setPermissions(reader, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray previous = qgetenv("ZELK_IMPORT_WORKER");
    qputenv("ZELK_IMPORT_WORKER", reader.toLocal8Bit());
    WriteFigure(Data(QStringLiteral("model.obj")), kSquareObj);
    const QString title = Window().windowTitle();
    const int lines = Figure().NumberOfLines();

    // Paints of the view while the progress window is open, asked for by a timer.
    int paints = 0;
    struct PaintCounter : QObject {
        PaintCounter(int& n, const int& open) : n_(n), open_(open) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && open_ > 0) {
                ++n_;
            }
            return false;
        }
        int& n_;
        const int& open_;
    } counter(paints, dialogs.openProgress);
    View().installEventFilter(&counter);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &View(), [this] { View().update(); });
    repaint.start(20);
    // The user waits until the reader has started and the window has painted, then
    // presses Cancel.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, &View(), [&] {
        if (QFile(pidFile).size() > 0 && paints > 2 && dialogs.openProgress > 0) {
            dialogs.PressCancel();
            user.stop();
        }
    });
    user.start(10);
    dialogs.ChooseImport(
        UserDialogs::ImportChoice{Data(QStringLiteral("model.obj")), 1.0, false, false});
    EXPECT_TRUE(Send("IMPORT"));
    View().removeEventFilter(&counter);
    qputenv("ZELK_IMPORT_WORKER", previous);

    EXPECT_GT(paints, 2) << "the window painted while the reader ran";
    EXPECT_EQ(dialogs.openProgress, 0);
    EXPECT_EQ(Figure().NumberOfLines(), lines);
    EXPECT_EQ(Window().windowTitle(), title);
    EXPECT_EQ(Window().StatusText(1), QStringLiteral("インポートを中止しました。"));
    QFile pid(pidFile);
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    const pid_t readerPid = pid.readAll().trimmed().toInt();
    ASSERT_GT(readerPid, 0);
    EXPECT_NE(::kill(readerPid, 0), 0) << "the reader was ended";
}

} // namespace
