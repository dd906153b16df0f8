// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The player's language: our texts from the translations built into the
// program, and Qt's own (its Yes and No, its command-line messages) from
// the system's Qt translations where they are installed.

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace gyrock::app {

// The locale the player's messages follow: the system's, but the C locale
// whenever LC_ALL, LC_MESSAGES or LANG (the first that is set) names it. Qt
// would let LANGUAGE override a C locale; gettext, and the rest of the
// desktop with it, does not.
QLocale messagesLocale();

// The language of ours that the locale asks for ("de"), or empty: under the C
// locale, in English and in a language we do not ship the texts stay as written.
QString shippedLanguage(const QLocale& locale);

// Both translations for a locale, read once. Qt keeps installed translations
// per application object, and the command line has one before the window's.
class Translations {
  public:
    explicit Translations(const QLocale& locale);
    // Into the application object that exists now; ours are looked up first.
    void install();

  private:
    QTranslator qt_;
    QTranslator ours_;
};

}  // namespace gyrock::app
