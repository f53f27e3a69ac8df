// Program-wide set-up of the windows.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/application.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTranslator>

#include "ui/art/art.h"
#include "ui/base/game_style.h"
#include "ui/base/key_filters.h"

// Q_INIT_RESOURCE must be used outside any namespace. The translations are a library's resource,
// which the program keeps only when something calls for it.
static bool registerTranslations() {
    Q_INIT_RESOURCE(translations);
    return true;
}

namespace {

// The translators installTranslation puts in place, owned by the application object.
const QString kGameTranslator = QStringLiteral("veloriaTranslator");
const QString kQtTranslator = QStringLiteral("veloriaQtTranslator");

QString gameTranslationFile(const QString& language) {
    static const bool registered = registerTranslations();
    (void)registered;
    return QStringLiteral(":/i18n/veloria_%1.qm").arg(language);
}

struct LanguageChoice {
    QString tag;      // as the locale asked for it, "en-GB"
    QString language; // the translation that serves it, "en"
};

LanguageChoice chooseLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        if (QLocale(tag).language() == QLocale::Russian) {
            return {};
        }
        // "en-Latn-GB" is served by "en_Latn_GB", "en_Latn" or "en", the most particular first.
        QString name = QString(tag).replace(u'-', u'_');
        for (;;) {
            if (QFile::exists(gameTranslationFile(name))) {
                return {tag, name};
            }
            const qsizetype cut = name.lastIndexOf(u'_');
            if (cut <= 0) {
                break;
            }
            name.truncate(cut);
        }
    }
    return {};
}

void removeTranslators() {
    QCoreApplication* application = QCoreApplication::instance();
    for (auto* translator :
         application->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (translator->objectName() == kGameTranslator ||
            translator->objectName() == kQtTranslator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

// Installs the translator from `load`, or drops it when there is nothing to load.
template <typename Load> bool installTranslator(const QString& name, Load load) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(name);
    if (!load(*translator)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

void prepareApplication() {
    // The player's data folder is named after the program, whatever its file is called.
    QCoreApplication::setApplicationName(QStringLiteral("veloria"));
    // The menu entry's name: a Wayland compositor finds the window's entry, and its icon, by it.
    // On X11 the window's class is the application's name, the entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.veloria"));
    QApplication::setStyle(new GameStyle);
    initArtResources();
    QApplication::setWindowIcon(veloriaIcon());
    // Enter on a focused button presses it, in every window of the game.
    QCoreApplication::instance()->installEventFilter(
        new EnterPressesButton(QCoreApplication::instance()));
    // The style caches what it paints under keys that carry each widget's palette, and Qt keeps
    // a key after dropping its picture: every new main window's coloured controls would leave a
    // few kilobytes behind for good. Painting these few controls afresh costs far less.
    QPixmapCache::setCacheLimit(0);
}

QString translationLanguage(const QStringList& uiLanguages) {
    return chooseLanguage(uiLanguages).language;
}

QString installTranslation(const QLocale& locale, const QString& qtTranslations) {
    removeTranslators();
    const LanguageChoice choice = chooseLanguage(locale.uiLanguages());
    if (choice.language.isEmpty() ||
        !installTranslator(kGameTranslator, [&](QTranslator& translator) {
            return translator.load(gameTranslationFile(choice.language));
        })) {
        return {};
    }
    // Qt's own texts for the language the locale asked for, or the nearest Qt has.
    installTranslator(kQtTranslator, [&](QTranslator& translator) {
        return translator.load(QLocale(choice.tag), QStringLiteral("qtbase"), QStringLiteral("_"),
                               qtTranslations);
    });
    return choice.language;
}

QString installTranslation(const QLocale& locale) {
    return installTranslation(locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
