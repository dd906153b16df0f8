#pragma once
// form1: the main window. It owns the one Game and is the engine's host: the
// clock, the keys, the yield, the options read straight from the controls,
// the drawing layer, the music and the end of a game.

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "engine/game.h"
#include "halloffame/data_files.h"
#include "halloffame/scores_host.h"
#include "render/board_renderer.h"
#include "ui/frame_check.h"
#include "ui/wake_log.h"

namespace Ui {
class form1;
}

namespace gyrock {
class ScoresWindow;
}

namespace gyrock::ui {

class EndGameWindow;
class Keyboard;

class MainWindow : public QWidget, public GameHost, public ScoresHost {
    Q_OBJECT
public:
    // dataFolder holds scores.txt and prefs.txt.
    explicit MainWindow(std::filesystem::path dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up before the window is shown: the audio, then the two files.
    // False when the audio cannot start; the failure has been reported and
    // nothing was read.
    bool Form_Load();
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
    // The board as the window shows it, over a transparent client area.
    QImage drawingLayer() const;
    ScoresWindow& scoresWindow();
    ScoresWindow* hallOfFameWindow() const { return scores_.get(); }
    // Compares every frame with a full redraw from now on (as GYROCK_CHECK_FRAMES=1 does).
    void checkFrames();
    const FrameCheck* frameCheck() const { return frameCheck_.get(); }
    // Repaints that many pixels less on every side than a frame changed: a
    // deliberately wrong repaint, for showing that the check catches one.
    void shrinkRepaintsForTesting(int pixels) { repaintShrink_ = pixels; }

    // The handlers, under the names the controls give them.
    void Cmdstart_Click();
    void cmdrestart_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void opt_mus_Click();
    void opt_stakko_Click();
    void Form_KeyPress(int keyascii);

    // ScoresHost: what the hall-of-fame window asks of the main window.
    void setGameModeFrameEnabled(bool enabled) override;
    bool remainPaused() override;
    std::int32_t currentScore() override { return game_.score; }
    void resumeGame() override;
    void saveHallOfFame() override;

    // GameHost.
    Tick tickCount() override;
    bool keyHeld(Arrow key) override;
    void yield(Tick hintMs) override;
    bool closing() override { return closing_; }
    bool boardTurning() override;
    bool musicOn() override;
    bool newGameButtonVisible() override;
    void setRestartEnabled(bool enabled) override;
    void setGameOverShown(bool shown) override;
    void setGameModeFrameShown(bool shown) override;
    void setPausedShown(bool shown) override;
    void setCounterText(Counter which, const std::string& text) override;
    std::int32_t openMusic() override;
    void playMusicLooped(std::int32_t handle) override;
    void freeMusic(std::int32_t handle) override;
    void drawBoard() override;
    void drawPreview() override;
    void markClearedCell(int column, int row) override;
    void clearWindowDrawing() override;
    void showEndGame(const std::string& text) override;
    void finishGame() override;

signals:
    // The window has closed and everything is saved: time to leave.
    void unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void Form_Unload();
    void closeModalWindows();
    // The frame greyed and the game paused while a panel or the table is up.
    void pauseForPanel();
    void openPanel(QWidget* panel);
    void closePanel(QWidget* panel);
    bool gameInProgress();
    // A question or a notice, answered modally; No when the window closes meanwhile.
    bool askYesNo(const QString& text);
    void tell(const QString& text);
    void matchDensity();
    void showFrame(QRect changed);
    void EndGame_Command1_Click();

    void loadHallOfFame();
    void loadPreferences();
    bool writeHallOfFame();
    bool savePreferences();
    void warnNotSaved(const QStringList& files);
    void checkHallOfFame();
    void showHighScores();

    std::unique_ptr<Ui::form1> ui_;
    std::filesystem::path dataFolder_;
    std::string musicPath_;
    render::Pictures pictures_;
    render::BoardRenderer renderer_;
    Game game_;
    std::unique_ptr<FrameCheck> frameCheck_;
    int repaintShrink_ = 0;
    QElapsedTimer clock_;
    QTimer wake_;
    WakeLog wakeLog_;
    Keyboard* keyboard_ = nullptr;
    std::unique_ptr<EndGameWindow> endgame_;
    std::unique_ptr<ScoresWindow> scores_;
    HallOfFame hallOfFame_;
    FileState scoresState_;
    FileState prefsState_;
    bool closing_ = false;
    bool quietClose_ = false;
    // Nothing is saved over the player's files before they have been read.
    bool filesLoaded_ = false;
    bool audioRunning_ = false;
};

}  // namespace gyrock::ui
