#include "IconFactory.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace {

// An icon that reads its pictures when first asked for one: building the window then
// decodes nothing, and a button never shown (the detailed-input panel) never does.
// Its size comes from the picture's header.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(const QString& path) : path_(path) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return Size().scaled(size, Qt::KeepAspectRatio).boundedTo(Size());
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {Size()}; }
    QIconEngine* clone() const override { return new PictureEngine(path_); }
    QString key() const override { return QStringLiteral("zelk-picture"); }
    bool isNull() override { return false; }

private:
    QSize Size() {
        if (!size_.isValid()) {
            size_ = QImageReader(path_ + QStringLiteral(".png")).size();
        }
        return size_;
    }
    const QIcon& Loaded() {
        if (loaded_.isNull()) {
            // Both sizes, whatever the screen at start: a window may move to a 2x screen.
            loaded_.addFile(path_ + QStringLiteral(".png"));
            loaded_.addFile(path_ + QStringLiteral("@2x.png"));
        }
        return loaded_;
    }

    QString path_;
    QSize size_;
    QIcon loaded_;
};

} // namespace

// The resource of the pictures lives in this static library; naming its initialiser
// keeps it linked into the program. (Outside any namespace: the macro declares it.)
static void InitToolIcons() {
    Q_INIT_RESOURCE(toolicons);
}

QIcon IconFactory::Picture(const QString& name) {
    static const bool initialised = (InitToolIcons(), true);
    (void)initialised;
    const QString path = QStringLiteral(":/toolicons/") + name;
    if (!QFile::exists(path + QStringLiteral(".png"))) {
        return {};
    }
    return QIcon(new PictureEngine(path));
}

QIcon IconFactory::ToolBarIcon(const QString& key) {
    return Picture(key);
}

QIcon IconFactory::ToolBoxIcon(int index) {
    return Picture(QStringLiteral("cmdToolBox%1").arg(index));
}

QIcon IconFactory::TurnIcon(int direction) {
    return Picture(QStringLiteral("turn%1").arg(direction));
}

QIcon IconFactory::MenuExtensionIcon() {
    return Picture(QStringLiteral("menuExtension"));
}
