#pragma once

#include "AppContext.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

class CZelkData;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

// The thumbnail browser: every figure file of the data folder as a 100 × 100 picture
// seen from longitude -45, latitude 35, black on white, drawn by a hidden view
// control of its own. One is opened with "LOAD_BY_THUMNAIL".
class frmPreView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kThumbnailSize = 100;
    // While the list builds, events run at least this often.
    static constexpr int kEventsEveryMs = 100;

    explicit frmPreView(AppContext& context);
    ~frmPreView() override;

    QString DataPath() const { return dataPath_; }
    // Lists the folder and draws every picture; the window stays responsive meanwhile.
    void SetDataPath(const QString& NewPath);
    // The folder, "/" and the chosen name ("" when nothing is chosen).
    // The folder is the one listed, also while its list is still being built.
    QString SelectedFile() const { return listedPath_ + u'/' + selectedName_; }

    // The picture of one figure file (an item's Qt::DecorationRole holds it); a file that
    // cannot be read gives the damaged-file message and a blank picture.
    QImage DrawThumbnail(const QString& path);
    // The order of a file manager: digits by their value, letters without case.
    static bool NaturalLess(const QString& a, const QString& b);

    QListWidget* List() const { return lvwPreView_; }
    QLabel* PathLabel() const { return lblDataPath_; }
    QProgressBar* Progress() const { return prgLoad_; }
    QPushButton* CancelButton() const { return cmdCancel_; }
    QPushButton* RefreshButton() const { return cmdRefresh_; }
    QPushButton* ApplyButton() const { return cmdApply_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Esc closes the browser, as キャンセル does.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A switch of language retitles the window and its buttons.
    void changeEvent(QEvent* event) override;

private:
    void LayoutControls();
    void Retitle();
    void OnItemClicked(QListWidgetItem* item);
    void OnItemDoubleClicked();
    void Apply();
    void Cancel();
    void Refresh();
    QString FolderText(const QString& path) const;

    AppContext& context_;
    QString dataPath_;
    QString listedPath_;
    QString selectedName_;
    int lastMarked_ = 0;
    bool stopBuilding_ = false;
    bool keyboardChoice_ = false;
    std::unique_ptr<CZelkData> figure_;
    QLabel* lblDataPath_;
    QListWidget* lvwPreView_;
    QProgressBar* prgLoad_;
    QPushButton* cmdCancel_;
    QPushButton* cmdRefresh_;
    QPushButton* cmdApply_;
};
