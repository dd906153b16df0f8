// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// form1: the main window. It owns the one Game, shows the controls and runs
// what they do: the commands and the panels. The engine's host and the
// player's files are classes of their own that it owns.

#include <QMessageBox>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "engine/game.h"
#include "halloffame/scores_host.h"
#include "storage/player_files.h"
#include "ui/board_view.h"
#include "ui/box_guard.h"
#include "ui/game_host.h"
#include "ui/pad_input.h"

namespace Ui {
class form1;
}

namespace gyrock {
class ScoresWindow;
}

namespace gyrock::ui {

class EndGameWindow;

class MainWindow : public QWidget, public ScoresHost {
    Q_OBJECT
  public:
    // dataFolder holds scores.txt and prefs.txt; musicFile is the music loop.
    MainWindow(std::filesystem::path dataFolder, std::string musicFile,
               const PadFolders& padFolders = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up before the window is shown: the audio, then the two files.
    // False when the audio cannot start; the failure has been reported and
    // nothing was read.
    bool startUp();
    // Shows the window centred with the focus (and so the mode) on Gyrock.
    void showCentred();
    // Closes the window as the player's close does, whatever is open or
    // running. `quiet` (a signal: nobody may be there to answer) shows no
    // box. A request while the close is already under way ends any notice it
    // is showing, so the program always ends.
    void requestClose(bool quiet);
    // Brings the window, and any box open over it, to the front.
    void bringToFront();

    Game& game() { return game_; }
    Ui::form1& form() { return *ui_; }
    GameHost& host() { return host_; }
    BoardView& view() { return view_; }
    PadInput& pads() { return pads_; }
    ScoresWindow& scoresWindow();
    ScoresWindow* hallOfFameWindow() const { return scores_.get(); }
    EndGameWindow* congratulationWindow() const { return endgame_.get(); }
    // The box in front of the window, if any.
    QWidget* frontBox() const { return boxes_.frontBox(); }

    // What the controls do.
    void startNewGame();
    void askToRestart();
    void openOptions();
    void closeOptions();
    void openHelp();
    void closeHelp();
    void showHighScores();
    void restoreDefaultOptions();
    void musicOptionChanged();
    void stakkoChosen();
    void characterTyped(int keyascii);

    // ScoresHost: what the hall-of-fame window asks of the main window.
    void setGameModeFrameEnabled(bool enabled) override;
    bool newGameButtonVisible() override { return host_.newGameButtonVisible(); }
    bool remainPaused() override;
    std::int32_t currentScore() override { return game_.score; }
    void resumeGame() override;
    void saveHallOfFame() override;

  signals:
    // The window has closed and everything is saved: time to leave.
    void unloaded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    // Stops the audio and writes both files; false when a file could not be written.
    void saveAndRelease();
    void closeBoxes();
    // The frame greyed and the game paused while a panel or the table is up.
    void pauseForPanel();
    void openPanel(QWidget* panel);
    void closePanel(QWidget* panel);
    bool gameInProgress();
    // A question or a notice, shown without blocking; the answer carries the
    // action on.
    QMessageBox* openBox(QMessageBox::Icon icon, const QString& text,
                         QMessageBox::StandardButtons buttons);
    void askYesNo(const QString& text, std::function<void(bool)> answered);
    void tell(const QString& text, std::function<void()> then = {});

    // The options in the check boxes, as the options file holds them.
    void showPreferences(const Prefs& prefs);
    // A greyed box becomes an ordinary one once clicked.
    void leaveGreyedOnClicks();
    Prefs preferences() const;
    void warnNotSaved(const std::vector<std::string>& files, std::function<void()> then = {});
    void checkHallOfFame();
    void showVictory(Victory victory);

    std::unique_ptr<Ui::form1> ui_;
    PlayerFiles files_;
    BoardView view_;
    GameHost host_;
    Game game_;
    BoxGuard boxes_;
    PadInput pads_;
    std::unique_ptr<ScoresWindow> scores_;
    std::unique_ptr<EndGameWindow> endgame_;
    // Runs once the Stakko message that a restart's choice shows is gone.
    std::function<void()> afterStakkoMessage_;
    bool quietClose_ = false;
    bool audioRunning_ = false;
    bool shuttingDown_ = false;
};

}  // namespace gyrock::ui
