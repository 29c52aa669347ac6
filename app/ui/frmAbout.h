#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

class QLabel;
class QPushButton;
class SoundBackend;
class UserDialogs;

// The splash screen ("SPLASH") and the version dialog ("VERSION"): a full-window
// picture of 320 × 240 and a sound played to its end; only the version dialog has OK.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(SoundBackend& sound, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog for the mode, plays the sound to its end and returns with the
    // dialog left open. Any other mode shows nothing. False when the picture could
    // not be loaded (the dialog is shown without it).
    bool ShowWithModePicSound(const QString& mode, const QString& picture, const QString& sound);
    void Terminate();

    QPushButton* OkButton() const { return bot_; }
    QLabel* Label(int index) const { return labels_[static_cast<size_t>(index)]; }
    const QPixmap& Picture() const { return picture_; }

    static constexpr int kClientWidth = 320;
    static constexpr int kClientHeight = 240;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A switch of language retitles the window.
    void changeEvent(QEvent* event) override;

private:
    SoundBackend& sound_;
    UserDialogs& dialogs_;
    QPushButton* bot_;
    std::array<QLabel*, 3> labels_{};
    QPixmap picture_;
};
