#pragma once

#include <QString>
#include <memory>

class QTranslator;

// The language of the user interface: Japanese (the program's own texts, the default
// whatever the system's locale) or English (the program's translation, built from
// translations/zelk_en.ts). Qt's own dialogs follow the choice.
class Languages {
public:
    explicit Languages(const QString& translationsFolder);
    ~Languages();
    Languages(const Languages&) = delete;
    Languages& operator=(const Languages&) = delete;

    // "ja" or "en"; anything else is Japanese. False when the translation cannot be
    // read (the texts then stay Japanese).
    bool Apply(const QString& language);
    QString Current() const { return current_; }

    static QString Normalised(const QString& language);
    // The program's translation file now in use ("" for Japanese): helper processes (the
    // model reader) load it too, so that what they say reads in the same language.
    static QString ProgramTranslation();

private:
    QString folder_;
    QString current_ = QStringLiteral("ja");
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};
