#include "frmPreView.h"

#include "CFileHandling.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "NumberText.h"
#include "UserDialogs.h"
#include "ctlZelkView.h"

#include <QApplication>
#include <QElapsedTimer>
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
      cmdCancel_(new QPushButton(QStringLiteral("キャンセル"), this)),
      cmdRefresh_(new QPushButton(QStringLiteral("再表示"), this)),
      cmdApply_(new QPushButton(QStringLiteral("読み込み"), this)),
      view_(ctlZelkView::CreateControl(ctlZelkView::CreationIdentifier(), this)) {
    setObjectName(QStringLiteral("frmPreView"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(UserDialogs::ProgramTitle() + QStringLiteral(" 【サムネイル】"));
    view_->hide();
    view_->SetViewAxis(false);
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
    connect(lvwPreView_, &QListWidget::itemDoubleClicked, this, [this] { OnItemDoubleClicked(); });
    connect(cmdApply_, &QPushButton::clicked, this, &frmPreView::Apply);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPreView::Cancel);
    connect(cmdRefresh_, &QPushButton::clicked, this, &frmPreView::Refresh);
    LayoutControls();
}

frmPreView::~frmPreView() = default;

QString frmPreView::FolderText(const QString& path) const {
    return QStringLiteral("現在のデータ保存先 【 ") + path + QStringLiteral(" 】");
}

void frmPreView::SetDataPath(const QString& NewPath) {
    CFileHandling files(*context_.dialogs);
    QStringList names;
    files.GetFileList(NewPath, names, QStringLiteral("*.zlk"));
    lblDataPath_->setText(FolderText(NewPath));
    prgLoad_->setValue(0);
    prgLoad_->show();
    stopBuilding_ = false;
    const QPointer<frmPreView> alive(this);
    if (!(names.size() == 1 && names.first().isEmpty())) {
        const qsizetype n = names.size();
        // Pictures are added in batches and events run between them (a few times a
        // second): the bar moves and Cancel is heard, without a layout per file.
        QList<QListWidgetItem*> batch;
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        for (qsizetype d = 0; d < n; ++d) {
            const QString& name = names[d];
            const QImage picture = DrawThumbnail(NewPath + u'/' + name);
            batch.append(new QListWidgetItem(QIcon(QPixmap::fromImage(picture)), name));
            // The first picture shows at once; then a batch every interval; the last at once.
            if (d > 0 && d + 1 < n && sinceEvents.elapsed() < kEventsEveryMs) {
                continue;
            }
            for (QListWidgetItem* item : batch) {
                lvwPreView_->addItem(item);
            }
            batch.clear();
            lblDataPath_->setText(QStringLiteral(" 現在 < ") + name +
                                  QStringLiteral(" > を読み込み中です。"));
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
    ctlZelkView& view = *view_;
    view.SetControlWidth(kThumbnailSize);
    view.SetControlHeight(kThumbnailSize);
    view.SetControlScaleWidth(view.ControlWidth());
    view.SetControlScaleHeight(view.ControlHeight());
    view.SetFigColor(0x000000);
    view.SetBackColor(0xFFFFFF);
    view.SetViewAxis(false);
    view.SetViewsubAxis(false);
    view.SetViewCoordinates(false);
    view.SetViewPointerFrom(false);
    view.SetViewPointerTo(false);
    view.ViewTempLine(false);
    view.ViewTempLine2(false);

    if (!figure.LoadData(path)) {
        context_.dialogs->Message(QStringLiteral("ERROR! データファイル") + path +
                                      QStringLiteral("は破損しています。\r\n エラーの内容は「 ") +
                                      QStringLiteral("ファイルを読み込めませんでした。") +
                                      QStringLiteral(" 」でした。"),
                                  UserDialogs::ProgramTitle(), UserDialogs::Buttons::Ok);
        figure.ClearData();
    }
    // The largest extent sets the zoom; an empty figure is a blank picture.
    float size[3] = {0, 0, 0};
    NumberText::ToSingles(figure.GetMaxSize(), size, 3);
    const float largest = std::max({0.0F, size[0], size[1], size[2]});
    // Kept inside int: a figure may span more than 2^31 mm, and the zoom only needs the size.
    const int m = static_cast<int>(std::min(largest, 2.0e9F));
    CZelkController::SendFigure(figure, view);
    int32_t latitude = 35;
    int32_t longitude = -45;
    view.SetLatitude(latitude);
    view.SetLongitude(longitude);
    if (m > 0) {
        view.SetRatio(
            1.0F / ((static_cast<float>(m) * 1.8F) / static_cast<float>(view.ControlScaleWidth())));
    }
    view.Draw();
    return view.ViewImage();
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

void frmPreView::OnItemDoubleClicked() {
    if (!selectedName_.isEmpty()) {
        Apply();
    }
}

void frmPreView::Apply() {
    stopBuilding_ = true;
    if (context_.controller != nullptr) {
        context_.controller->SetCommand(QStringLiteral("LOAD_BY_THUMNAIL"));
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
        context_.controller->SetCommand(QStringLiteral("VIEW_THUMBNAIL"));
    }
}

void frmPreView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutControls();
}

void frmPreView::LayoutControls() {
    const int w = width();
    const int h = height();
    lblDataPath_->setGeometry(0, 0, w, 20);
    const int third = w / 3;
    cmdCancel_->setGeometry(0, h - 30, third, 30);
    cmdRefresh_->setGeometry(third, h - 30, third, 30);
    cmdApply_->setGeometry(2 * third, h - 30, third, 30);
    prgLoad_->setGeometry(0, h - 30, w, 30);
    lvwPreView_->setGeometry(0, 20, w, h - 20 - 30);
}
