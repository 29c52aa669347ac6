#include "QtUserDialogs.h"

#include "FigureTurner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

UserDialogs::Answer QtUserDialogs::Message(const QString& text, const QString& caption,
                                           Buttons buttons) {
    QMessageBox box(parent_);
    // The default caption is the program's name, in the user's language.
    box.setWindowTitle(
        caption.isEmpty() ? QCoreApplication::translate("QtUserDialogs", "立体ゼルク") : caption);
    box.setText(text);
    if (buttons == Buttons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("QtUserDialogs", "はい(&Y)"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("QtUserDialogs", "いいえ(&N)"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> QtUserDialogs::OpenFile(const QString& initialFolder) {
    const QString name =
        QFileDialog::getOpenFileName(parent_, QString(), initialFolder, FileFilter());
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// The program asks before overwriting, so the dialog's own question is off.
std::optional<QString> QtUserDialogs::SaveFile(const QString& initialFolder) {
    const QString name =
        QFileDialog::getSaveFileName(parent_, QString(), initialFolder, FileFilter(), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<UserDialogs::PrintChoice> QtUserDialogs::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return PrintChoice{printer.copyCount(), printer.printerName(), printer.outputFileName()};
}

namespace {} // namespace

std::optional<UserDialogs::ExportChoice>
QtUserDialogs::ExportFile(const QString& initialFolder, const QString& baseName,
                          const std::vector<FileKind>& kinds) {
    if (kinds.empty()) {
        return std::nullopt;
    }
    QStringList filters;
    for (const FileKind& kind : kinds) {
        filters << kind.filter;
    }
    QString selected = filters.first();
    const QString start = initialFolder + u'/' +
                          (baseName.isEmpty() ? QStringLiteral("zelk") : baseName) + u'.' +
                          kinds.front().suffix;
    const QString name = QFileDialog::getSaveFileName(
        parent_, QCoreApplication::translate("QtUserDialogs", "エクスポート"), start,
        filters.join(QStringLiteral(";;")), &selected);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return SettleExport(name, selected, kinds);
}

std::optional<UserDialogs::ImportChoice> QtUserDialogs::ImportFile(const QString& initialFolder,
                                                                   const QString& filter) {
    const QString name = QFileDialog::getOpenFileName(
        parent_, QCoreApplication::translate("QtUserDialogs", "インポート"), initialFolder, filter);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    QDialog dialog(parent_);
    dialog.setWindowTitle(QCoreApplication::translate("QtUserDialogs", "インポートの設定"));
    auto* scale = new QComboBox(&dialog);
    scale->addItem(QCoreApplication::translate("QtUserDialogs", "×1（1 単位を 1 mm として）"), 1.0);
    scale->addItem(QCoreApplication::translate("QtUserDialogs", "×10（1 単位を 1 cm として）"),
                   10.0);
    scale->addItem(QCoreApplication::translate("QtUserDialogs", "×1000（1 単位を 1 m として）"),
                   1000.0);
    auto* origin = new QCheckBox(
        QCoreApplication::translate("QtUserDialogs", "いちばん小さい角を原点 (0, 0, 0) に移す"),
        &dialog);
    auto* zUp = new QCheckBox(
        QCoreApplication::translate("QtUserDialogs",
                                    "Z 軸が上のモデル（CAD・Blender など）：Z を上（Y）に向ける"),
        &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QCoreApplication::translate("QtUserDialogs", "座標の倍率"), scale);
    form->addRow(origin);
    form->addRow(zUp);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ImportChoice{name, scale->currentData().toDouble(), origin->isChecked(),
                        zUp->isChecked()};
}

namespace {

// A window-modal progress window: the main window paints on but takes no clicks.
class QtProgress : public UserDialogs::Progress {
public:
    QtProgress(QWidget* parent, const QString& text, std::function<void()> cancel)
        : dialog_(text, QCoreApplication::translate("QtUserDialogs", "キャンセル"), 0, 0, parent) {
        dialog_.setWindowTitle(UserDialogs::ShownTitle());
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        QObject::connect(&dialog_, &QProgressDialog::canceled, &dialog_,
                         [cancel = std::move(cancel)] {
                             if (cancel) {
                                 cancel();
                             }
                         });
        dialog_.show();
    }
    void SetDetail(const QString& text) override { dialog_.setLabelText(text); }

private:
    QProgressDialog dialog_;
};

} // namespace

namespace {

// Home takes the list's first choosable row (the first row is a heading, which the
// list's own Home would try and stay put).
class FirstChoice : public QObject {
public:
    explicit FirstChoice(QListWidget* list) : QObject(list), list_(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Home) {
            for (int row = 0; row < list_->count(); ++row) {
                if (list_->item(row)->flags() & Qt::ItemIsSelectable) {
                    list_->setCurrentRow(row);
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
};

} // namespace

std::optional<int> QtUserDialogs::ChooseExercise(const std::vector<ExerciseCard>& cards) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QCoreApplication::translate("QtUserDialogs", "問題を選ぶ"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setIconSize(QSize(120, 90));
    list->installEventFilter(new FirstChoice(list));
    list->setSpacing(2);
    layout->addWidget(list);
    // A heading row before each group, saying how many of it are solved, then the group's
    // cards. Headings are read, never chosen: keys and the mouse pass them by.
    for (size_t i = 0; i < cards.size();) {
        const QString heading = cards[i].heading;
        size_t end = i;
        int solved = 0;
        for (; end < cards.size() && cards[end].heading == heading; ++end) {
            solved += cards[end].solved ? 1 : 0;
        }
        // The caller's line, else how many are solved.
        auto* row = new QListWidgetItem(
            !cards[i].groupLine.isEmpty()
                ? cards[i].groupLine
                : QCoreApplication::translate("QtUserDialogs", "%1\u3000解けた数 %2 / %3")
                      .arg(heading)
                      .arg(solved)
                      .arg(end - i),
            list);
        QFont font = row->font();
        font.setBold(true);
        row->setFont(font);
        row->setBackground(QColor(230, 230, 230));
        row->setForeground(QColor(0, 0, 0));
        row->setFlags(Qt::NoItemFlags);
        for (; i < end; ++i) {
            const ExerciseCard& card = cards[i];
            auto* item = new QListWidgetItem(
                QIcon(QPixmap::fromImage(card.picture)),
                card.note.isEmpty()
                    ? card.title
                    : card.title + QCoreApplication::translate("QtUserDialogs", "　") + card.note,
                list);
            item->setData(Qt::UserRole, static_cast<int>(i));
        }
    }
    // The first exercise not yet solved is offered (Enter takes it).
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if ((item->flags() & Qt::ItemIsSelectable) &&
            !cards[static_cast<size_t>(item->data(Qt::UserRole).toInt())].solved) {
            list->setCurrentItem(item);
            break;
        }
    }
    if (list->currentItem() == nullptr && list->count() > 1) {
        list->setCurrentRow(1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // A solved exercise's kept answer opens again from here.
    QPushButton* answer =
        buttons->addButton(QCoreApplication::translate("QtUserDialogs", "前の答えを開く"),
                           QDialogButtonBox::ActionRole);
    bool openAnswer = false;
    const auto answerFor = [&cards](QListWidgetItem* item) {
        if (item == nullptr || !(item->flags() & Qt::ItemIsSelectable)) {
            return false;
        }
        const int index = item->data(Qt::UserRole).toInt();
        return index >= 0 && index < static_cast<int>(cards.size()) &&
               cards[static_cast<size_t>(index)].answerKept;
    };
    answer->setEnabled(answerFor(list->currentItem()));
    // Let go before the list empties itself on the way out.
    const QMetaObject::Connection following = QObject::connect(
        list, &QListWidget::currentItemChanged, answer,
        [answer, answerFor](QListWidgetItem* item) { answer->setEnabled(answerFor(item)); });
    QObject::connect(answer, &QPushButton::clicked, &dialog, [&dialog, &openAnswer] {
        openAnswer = true;
        dialog.accept();
    });
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog,
                     [&dialog](QListWidgetItem* item) {
                         if (item->flags() & Qt::ItemIsSelectable) {
                             dialog.accept();
                         }
                     });
    // Enter in the list takes the exercise at hand.
    QObject::connect(list, &QListWidget::itemActivated, &dialog, [&dialog](QListWidgetItem* item) {
        if (item->flags() & Qt::ItemIsSelectable) {
            dialog.accept();
        }
    });
    // On the screen whole, its buttons too (a 1280×800 screen at 2x is 640×400 here); the
    // list scrolls.
    const QScreen* screen =
        parent_ != nullptr ? parent_->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 420, 520);
    dialog.resize(std::min(420, room.width() - 24), std::min(520, room.height() - 48));
    list->setFocus();
    const int result = dialog.exec();
    QObject::disconnect(following);
    if (result != QDialog::Accepted || list->currentItem() == nullptr ||
        !(list->currentItem()->flags() & Qt::ItemIsSelectable)) {
        return std::nullopt;
    }
    const int index = list->currentItem()->data(Qt::UserRole).toInt();
    return openAnswer ? static_cast<int>(cards.size()) + index : index;
}

std::optional<QString> QtUserDialogs::AskText(const QString& caption, const QString& label,
                                              const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

void QtUserDialogs::ShowFigure(const QString& caption, const QString& text,
                               const FigureRenderer& figure) {
    ShowFigureWithDrawings(caption, text, figure, QImage());
}

void QtUserDialogs::ShowFigureWithDrawings(const QString& caption, const QString& text,
                                           const FigureRenderer& figure, const QImage& drawings) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(
        text + QCoreApplication::translate("QtUserDialogs", "\n（矢印キーかマウスで回せます）"),
        &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    // The solid (beside its drawings, to read the one against the other) scrolls where the
    // screen is smaller than they are.
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* row = new QHBoxLayout(content);
    auto* turner = new FigureTurner(figure, content);
    row->addWidget(turner, 1, Qt::AlignCenter);
    if (!drawings.isNull()) {
        auto* picture = new QLabel(content);
        picture->setPixmap(QPixmap::fromImage(drawings));
        row->addWidget(picture, 0, Qt::AlignCenter);
    }
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    turner->setFocus();
    // As large as its content, where the screen has room (it is kept on the screen).
    dialog.resize(dialog.sizeHint().expandedTo(
        content->sizeHint() +
        QSize(2 * layout->contentsMargins().left() + 4,
              label->sizeHint().height() + buttons->sizeHint().height() + 4 * layout->spacing() +
                  2 * layout->contentsMargins().top())));
    dialog.exec();
}

std::unique_ptr<UserDialogs::Progress> QtUserDialogs::ShowProgress(const QString& text,
                                                                   std::function<void()> cancel) {
    return std::make_unique<QtProgress>(parent_, text, std::move(cancel));
}
