#include "frmPreView.h"

#include "CFileHandling.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "FigureView.h"
#include "NumberText.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

frmPreView::frmPreView(AppContext& context)
    : context_(context), dataPath_(context.programFolder), figure_(std::make_unique<CZelkData>()),
      lblDataPath_(new QLabel(this)), lvwPreView_(new QListWidget(this)),
      prgLoad_(new QProgressBar(this)),
      cmdCancel_(new QPushButton(QCoreApplication::translate("frmPreView", "キャンセル"), this)),
      cmdRefresh_(new QPushButton(QCoreApplication::translate("frmPreView", "再表示"), this)),
      cmdApply_(new QPushButton(QCoreApplication::translate("frmPreView", "読み込み"), this)) {
    setObjectName(QStringLiteral("frmPreView"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    Retitle();
    resize(600, 400);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + std::abs(area.width() - 600) / 2,
             area.y() + std::abs(area.height() - 400) / 2);
    }
    lvwPreView_->setViewMode(QListView::IconMode);
    lvwPreView_->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    lvwPreView_->setResizeMode(QListView::Adjust);
    lvwPreView_->setMovement(QListView::Static);
    lvwPreView_->setFlow(QListView::LeftToRight);
    lvwPreView_->setWrapping(true);
    lvwPreView_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every cell is the same size: laying out the list never asks each item for its size,
    // so a long list grows in linear time.
    lvwPreView_->setUniformItemSizes(true);
    lvwPreView_->setGridSize(
        QSize(kThumbnailSize + 40, kThumbnailSize + 2 * fontMetrics().height()));
    lvwPreView_->setTextElideMode(Qt::ElideMiddle);
    prgLoad_->setRange(0, 100);
    prgLoad_->hide();
    connect(lvwPreView_, &QListWidget::itemClicked, this, &frmPreView::OnItemClicked);
    // Choosing with the keyboard (arrows, Home, End) marks an item as a click does; the
    // list's own choice of a current item (when it gets the focus) marks nothing.
    lvwPreView_->installEventFilter(this);
    connect(lvwPreView_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
        if (current != nullptr && keyboardChoice_) {
            OnItemClicked(current);
        }
    });
    connect(lvwPreView_, &QListWidget::itemDoubleClicked, this, [this] { OnItemDoubleClicked(); });
    connect(cmdApply_, &QPushButton::clicked, this, &frmPreView::Apply);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPreView::Cancel);
    connect(cmdRefresh_, &QPushButton::clicked, this, &frmPreView::Refresh);
    LayoutControls();
}

frmPreView::~frmPreView() = default;

bool frmPreView::NaturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Runs of digits compare by value: without leading zeros, the longer is larger.
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit()) {
                ++ei;
            }
            while (ej < b.size() && b[ej].isDigit()) {
                ++ej;
            }
            QStringView da = QStringView(a).mid(i, ei - i);
            QStringView db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da.front() == u'0') {
                da = da.mid(1);
            }
            while (db.size() > 1 && db.front() == u'0') {
                db = db.mid(1);
            }
            if (da.size() != db.size()) {
                return da.size() < db.size();
            }
            if (const int c = da.compare(db); c != 0) {
                return c < 0;
            }
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb) {
            return ca < cb;
        }
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) {
        return (a.size() - i) < (b.size() - j);
    }
    // Equal but for case: a fixed order all the same.
    return a < b;
}

QString frmPreView::FolderText(const QString& path) const {
    return QCoreApplication::translate("frmPreView", "現在のデータ保存先 【 ") + path +
           QCoreApplication::translate("frmPreView", " 】");
}

void frmPreView::SetDataPath(const QString& NewPath) {
    CFileHandling files(*context_.dialogs);
    QStringList names;
    files.GetFileList(NewPath, names, QStringLiteral("*.zlk"));
    listedPath_ = NewPath;
    // In the order a file manager shows them: numbers by value, case aside.
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return NaturalLess(a, b); });
    lblDataPath_->setText(FolderText(NewPath));
    prgLoad_->setValue(0);
    prgLoad_->show();
    stopBuilding_ = false;
    const QPointer<frmPreView> alive(this);
    if (!(names.size() == 1 && names.first().isEmpty())) {
        const qsizetype n = names.size();
        // Pictures are added in batches and events run between them (a few times a
        // second): the bar moves and Cancel is heard, without a layout per file.
        QStringList batchNames;
        QList<QImage> batchPictures;
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        for (qsizetype d = 0; d < n; ++d) {
            const QString& name = names[d];
            const QImage picture = DrawThumbnail(NewPath + u'/' + name);
            // Kept as a one-bit picture (black on white is all a thumbnail holds): 500 of
            // them take 0.6 MB, not the 20 MB of screen pixmaps, which the list's building
            // time noticeably paid for. The list shows it as its icon.
            batchNames.append(name);
            batchPictures.append(
                picture.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither));
            // The first picture shows at once; then a batch every interval; the last at once.
            if (d > 0 && d + 1 < n && sinceEvents.elapsed() < kEventsEveryMs) {
                continue;
            }
            // One insertion for the whole batch: the list takes it as one change.
            const int first = lvwPreView_->count();
            lvwPreView_->insertItems(first, batchNames);
            for (qsizetype b = 0; b < batchPictures.size(); ++b) {
                lvwPreView_->item(first + static_cast<int>(b))
                    ->setData(Qt::DecorationRole, batchPictures[b]);
            }
            batchNames.clear();
            batchPictures.clear();
            lblDataPath_->setText(
                QCoreApplication::translate("frmPreView", " 現在 < ") + name +
                QCoreApplication::translate("frmPreView", " > を読み込み中です。"));
            prgLoad_->setValue(static_cast<int>((d + 1) * 100 / n));
            QApplication::processEvents();
            sinceEvents.restart();
            if (!alive || stopBuilding_) {
                return;
            }
        }
    }
    lblDataPath_->setText(FolderText(NewPath));
    dataPath_ = NewPath;
    prgLoad_->hide();
}

QImage frmPreView::DrawThumbnail(const QString& path) {
    CZelkData& figure = *figure_;
    // A file that cannot be read is told once, by the browser's own message.
    // The reader's own notice becomes the reason given in it.
    const FileResult read = figure.Load(path);
    if (!read.ok) {
        const QString reason = read.reason.section(QStringLiteral("\r\n"), 0, 0);
        context_.dialogs->Message(
            QCoreApplication::translate("frmPreView", "ERROR! データファイル") + path +
                QCoreApplication::translate("frmPreView",
                                            "は破損しています。\r\n エラーの内容は「 ") +
                reason + QCoreApplication::translate("frmPreView", " 」でした。"),
            UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
        figure.ClearData();
    }
    FigureRenderer picture = FigureView::Plain(figure, QSize(kThumbnailSize, kThumbnailSize));
    // The zoom counts whole millimetres of the largest extent; an empty figure is a blank
    // picture. Kept inside int: a figure may span more than 2^31 mm.
    const CZelkData::Point& size = figure.MaxSize();
    const float largest = std::max({0.0F, size[0], size[1], size[2]});
    const int m = static_cast<int>(std::min(largest, 2.0e9F));
    if (m > 0) {
        picture.SetRatio(FigureRenderer::FitRatio(static_cast<float>(m),
                                                  static_cast<float>(picture.ScaleWidth())));
    }
    return picture.Picture();
}

void frmPreView::OnItemClicked(QListWidgetItem* item) {
    selectedName_ = item->text();
    const int index = lvwPreView_->row(item) + 1;
    if (lastMarked_ != 0 && lastMarked_ != index) {
        if (QListWidgetItem* previous = lvwPreView_->item(lastMarked_ - 1)) {
            previous->setSelected(false);
        }
    }
    item->setSelected(true);
    lastMarked_ = index;
}

bool frmPreView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvwPreView_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter opens the chosen figure, as 読み込み does.
                OnItemDoubleClicked();
                return true;
            }
            keyboardChoice_ = true;
        } else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut) {
            keyboardChoice_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPreView::Retitle() {
    setWindowTitle(UserDialogs::ShownTitle() +
                   QCoreApplication::translate("frmPreView", " 【サムネイル】"));
    cmdCancel_->setText(QCoreApplication::translate("frmPreView", "キャンセル"));
    cmdRefresh_->setText(QCoreApplication::translate("frmPreView", "再表示"));
    cmdApply_->setText(QCoreApplication::translate("frmPreView", "読み込み"));
}

void frmPreView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retitle();
    }
    QWidget::changeEvent(event);
}

void frmPreView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmPreView::OnItemDoubleClicked() {
    if (!selectedName_.isEmpty()) {
        Apply();
    }
}

void frmPreView::Apply() {
    stopBuilding_ = true;
    if (context_.controller != nullptr) {
        context_.controller->Run(CommandId::LoadByThumnail);
    }
    close();
}

void frmPreView::Cancel() {
    stopBuilding_ = true;
    selectedName_.clear();
    close();
}

void frmPreView::Refresh() {
    stopBuilding_ = true;
    close();
    if (context_.controller != nullptr) {
        context_.controller->Run(CommandId::ViewThumbnail);
    }
}

void frmPreView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutControls();
}

void frmPreView::LayoutControls() {
    const int w = width();
    const int h = height();
    // A little room on the left: the read-out's first character is never cut.
    lblDataPath_->setGeometry(4, 0, w - 8, 20);
    const int third = w / 3;
    cmdCancel_->setGeometry(0, h - 30, third, 30);
    cmdRefresh_->setGeometry(third, h - 30, third, 30);
    cmdApply_->setGeometry(2 * third, h - 30, third, 30);
    prgLoad_->setGeometry(0, h - 30, w, 30);
    lvwPreView_->setGeometry(0, 20, w, h - 20 - 30);
}
