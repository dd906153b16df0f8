// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace gyrock::app {

namespace {

QString ourFile(const QString& language) {
    return QStringLiteral(":/i18n/gyrock_%1.qm").arg(language);
}

}  // namespace

QLocale messagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (name.isEmpty()) continue;
        const bool c = name == QLatin1String("C") || name == QLatin1String("POSIX") ||
                       name.startsWith(QLatin1String("C."));
        return c ? QLocale::c() : QLocale::system();
    }
    return QLocale::c();
}

QString shippedLanguage(const QLocale& locale) {
    if (locale.language() == QLocale::C) return {};
    // The player's languages in their order of preference; English, or the
    // first one we ship, ends the search.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C) return {};
        const QString code = QLocale::languageToCode(language);
        if (QFile::exists(ourFile(code))) return code;
    }
    return {};
}

Translations::Translations(const QLocale& locale) {
    const QString language = shippedLanguage(locale);
    if (language.isEmpty()) return;
    // Qt has no file for some languages (Greek): ours carries the few Qt texts
    // the player sees, so a missing one is no failure.
    (void)qt_.load(QStringLiteral("qtbase_") + language,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    (void)ours_.load(ourFile(language));
}

void Translations::install() {
    for (QTranslator* translator : {&qt_, &ours_}) {
        if (!translator->isEmpty()) QCoreApplication::installTranslator(translator);
    }
}

}  // namespace gyrock::app
