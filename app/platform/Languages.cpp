#include "Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
QString& CurrentTranslation() {
    static QString file;
    return file;
}
} // namespace

Languages::Languages(const QString& translationsFolder) : folder_(translationsFolder) {}

QString Languages::ProgramTranslation() {
    return CurrentTranslation();
}

Languages::~Languages() {
    CurrentTranslation().clear();
    for (QTranslator* translator : {program_.get(), qt_.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

QString Languages::Normalised(const QString& language) {
    return language == QLatin1String("en") ? QStringLiteral("en") : QStringLiteral("ja");
}

bool Languages::Apply(const QString& language) {
    for (std::unique_ptr<QTranslator>* translator : {&program_, &qt_}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    CurrentTranslation().clear();
    current_ = Normalised(language);
    const bool english = current_ == QLatin1String("en");
    // Qt's own dialogs (file, print, message box buttons) in the chosen language: English
    // is their own.
    if (!english) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            qt_ = std::move(qt);
        }
        return true;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("zelk_en"), folder_)) {
        current_ = QStringLiteral("ja");
        return false;
    }
    QCoreApplication::installTranslator(program.get());
    CurrentTranslation() = program->filePath();
    program_ = std::move(program);
    return true;
}
