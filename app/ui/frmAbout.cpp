#include "frmAbout.h"

#include "CWavePlay.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

frmAbout::frmAbout(SoundBackend& sound, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), sound_(sound), dialogs_(dialogs),
      bot_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_QuitOnClose, false);
    bot_->setObjectName(QStringLiteral("bot"));
    connect(bot_, &QPushButton::clicked, this, &frmAbout::Terminate);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QStringLiteral("Label1"), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->hide();
        labels_[static_cast<size_t>(i)] = label;
    }
}

bool frmAbout::ShowWithModePicSound(const QString& mode, const QString& picture,
                                    const QString& sound) {
    CWavePlay player(sound_);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }
    bot_->setGeometry(20, 200, 280, 30);
    const int tops[3] = {148, 166, 183};
    // 12 points at the classic 15 twips per pixel (96 dpi), scaled with the screen.
    const int twipsPerPixel = 1440 / std::max(logicalDpiX(), 1);
    QFont font = this->font();
    font.setPointSize(std::max(twipsPerPixel * 12 / 15, 1));
    setFont(font);
    for (int i = 0; i < 3; ++i) {
        labels_[static_cast<size_t>(i)]->setGeometry(20, tops[i], 280, 15);
        labels_[static_cast<size_t>(i)]->setFont(font);
    }
    QGuiApplication::restoreOverrideCursor();

    const bool version = mode == QLatin1String("VERSION");
    if (!version && mode != QLatin1String("SPLASH")) {
        return true;
    }
    setWindowTitle(UserDialogs::ShownTitle());
    if (version) {
        // A dialog: a title and a close button, nothing to minimise or maximise.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    }
    // Read as what its name says: guessing from the content loads every image plugin
    // there is (and its libraries) before the first window can show.
    QImageReader reader(picture, QFileInfo(picture).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    picture_ = QPixmap::fromImage(reader.read());
    const bool loaded = !picture_.isNull();
    // A picture that covers the whole window needs no background painted under it first.
    const QSize covered = picture_.deviceIndependentSize().toSize();
    setAttribute(Qt::WA_OpaquePaintEvent,
                 loaded && covered.width() >= width() && covered.height() >= height());
    for (QLabel* label : labels_) {
        label->hide();
    }
    bot_->setVisible(version);
    setModal(false);
    show();
    QApplication::processEvents();
    if (!loaded) {
        dialogs_.Message(
            QCoreApplication::translate("frmAbout", "画像ファイルを読み込めませんでした。\r\n") +
                picture,
            QString(), UserDialogs::Buttons::Ok);
    }
    player.Play(sound, CWavePlay::Mode::Sync);
    return loaded;
}

void frmAbout::Terminate() {
    close();
}

void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && !windowTitle().isEmpty()) {
        setWindowTitle(UserDialogs::ShownTitle());
    }
    QDialog::changeEvent(event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!picture_.isNull()) {
        QPainter(this).drawPixmap(0, 0, picture_);
    }
}
