// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The main window as it first appears, in each language, and a start
// without sound.
#include <QTimer>

#include "app/translations.h"
#include "halloffame/scores_window.h"
#include "tests/support/captions_fit.h"
#include "ui/endgame_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using StartUp = WindowTest;

// In the player's language, or as written: every caption in the font it gets
// here, with the longest texts the game puts into its counters, both
// congratulations and the hall of fame; a question's buttons are Qt's own.
TEST_F(StartUp, EveryCaptionFitsItsControlInEveryLanguage) {
    // The locale, NEW GAME and Qt's Yes in it.
    const std::tuple<const char*, const char*, const char*> languages[] = {
        {"C", "NEW GAME", "&Yes"},  {"en_GB", "NEW GAME", "&Yes"}, {"de_AT", "SPIELEN", "&Ja"},
        {"fr_FR", "JOUER", "&Oui"}, {"es_MX", "JUGAR", "&Sí"},     {"el_GR", "ΠΑΙΞΕ", "&Ναι"},
    };
    for (const auto& [locale, newGame, yes] : languages) {
        SCOPED_TRACE(locale);
        app::Translations translations{QLocale(QString::fromLatin1(locale))};
        translations.install();
        open();
        EXPECT_EQ(f().Cmdstart->text().toStdString(), newGame);
        w().host().setCounter(Counter::Level, 30);
        w().host().setCounter(Counter::Score, 999999);
        w().host().setCounter(Counter::Lines, 450);
        const auto expectCaptionsFit = [](QWidget* window) {
            EXPECT_EQ(gyrock::testing::clippedCaptions(window), std::vector<std::string>());
        };
        expectCaptionsFit(&w());
        // The preview box lies over the end of the next piece's caption box
        // and hides whatever of the caption reaches under it.
        const int nextEnd =
            f().Label3->mapTo(&w(), QPoint(0, 0)).x() +
            QFontMetrics(f().Label3->font()).boundingRect(f().Label3->text()).right();
        EXPECT_LT(nextEnd, f().centerpic->x()) << f().Label3->text().toStdString();
        for (const Victory victory : {Victory::Turning, Victory::Upright}) {
            w().host().showEndGame(victory);
            expectCaptionsFit(w().congratulationWindow());
            w().congratulationWindow()->hide();
        }
        w().showHighScores();
        expectCaptionsFit(w().hallOfFameWindow());
        w().askToRestart();
        ASSERT_NE(frontMessageBox(), nullptr);
        EXPECT_EQ(frontMessageBox()->button(QMessageBox::Yes)->text().toStdString(), yes);
        answer(QMessageBox::No);
    }
}

TEST(StartUpWithoutSound, TellsThePlayerWhyAndGoesNoFurther) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no_such_driver");
    MainWindow window(std::filesystem::temp_directory_path() / "gyrock_ui_no_sound", {});
    // The box comes before the window and waits on its own event loop.
    std::optional<SeenBox> shown;
    QTimer poll;
    poll.callOnTimeout([&] { shown = shown ? shown : answer(QMessageBox::Ok); });
    poll.start(10);
    EXPECT_FALSE(window.startUp());
    qputenv("SDL_AUDIODRIVER", driver);
    EXPECT_EQ(shown,
              (SeenBox{QStringLiteral("Can't initialize digital sound system\r\n(error code: 1)"),
                       QStringLiteral("Error"), QMessageBox::Ok, QMessageBox::Warning}));
}

}  // namespace
}  // namespace gyrock::ui::testing
