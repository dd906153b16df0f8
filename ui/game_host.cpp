// The engine's view of the window: clock, keys, yield, options and effects.
#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <algorithm>

#include "audio/audio.h"
#include "ui/check_value.h"
#include "ui/endgame_window.h"
#include "ui/keyboard.h"
#include "ui/main_window.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {
namespace {

// The board, turned any way, never leaves this square at the window's left.
const QRect kBoardArea(0, 0, 480, 480);

}  // namespace

Tick MainWindow::tickCount() { return static_cast<Tick>(clock_.elapsed()); }

bool MainWindow::keyHeld(Arrow key) { return keyboard_->held(key); }

void MainWindow::yield(Tick hintMs) {
    if (closing_) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (hintMs == 0 || closing_) return;
    // Nothing is due for a while: sleep until an event arrives or the timer
    // fires, instead of spinning on the clock.
    const Tick sleepMs = std::min<Tick>(hintMs, 1000);
    wakeLog_.sleeping(static_cast<std::int64_t>(sleepMs));
    wake_.start(static_cast<int>(sleepMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

bool MainWindow::boardTurning() { return ui_->opt_gyrock->isChecked(); }
bool MainWindow::musicOn() { return ticked(ui_->opt_mus); }
// Visible to the window, so that the answer does not depend on whether the
// window itself happens to be on screen.
bool MainWindow::newGameButtonVisible() { return ui_->Cmdstart->isVisibleTo(this); }

void MainWindow::setRestartEnabled(bool enabled) { ui_->cmdrestart->setEnabled(enabled); }
void MainWindow::setGameOverShown(bool shown) { ui_->gover->setVisible(shown); }
void MainWindow::setGameModeFrameShown(bool shown) { ui_->frameng->setVisible(shown); }
void MainWindow::setPausedShown(bool shown) { ui_->labelp->setVisible(shown); }

void MainWindow::setCounterText(Counter which, const std::string& text) {
    QLabel* label = ui_->Label1;
    if (which == Counter::Score) label = ui_->Label2;
    if (which == Counter::Lines) label = ui_->Label4;
    label->setText(QString::fromStdString(text));
}

std::int32_t MainWindow::openMusic() { return audio::openMusic(musicPath_); }
void MainWindow::playMusicLooped(std::int32_t handle) { audio::playLooped(handle); }
void MainWindow::freeMusic(std::int32_t handle) { audio::freeMusic(handle); }

void MainWindow::drawBoard() {
    if (game_.gamewon != 0) return;
    ensureLayer();
    renderer_.composeBoard(game_, ticked(ui_->opt_color));
    renderer_.putOnWindow(layer_, game_.angle, ticked(ui_->opt_aa));
    update(kBoardArea);
}

void MainWindow::markClearedCell(int column, int row) {
    ensureLayer();
    renderer_.markCell(column, row);
    renderer_.putOnWindow(layer_, game_.angle, ticked(ui_->opt_aa));
    update(kBoardArea);
}

void MainWindow::clearWindowDrawing() {
    layer_.fill(Qt::transparent);
    update();
}

void MainWindow::drawPreview() {
    ui_->nextpic2->setGeometry(render::previewGeometry(game_.nextpiece.n));
    ui_->nextpic2->setImage(render::composePreview(game_.nextpiece, pictures_));
}

void MainWindow::showEndGame(const std::string& text) {
    if (closing_) return;
    if (!endgame_) {
        endgame_ = std::make_unique<EndGameWindow>(this);
        connect(endgame_.get(), &EndGameWindow::anyTimeClicked, this, &MainWindow::EndGame_Command1_Click);
    }
    endgame_->setText(QString::fromStdString(text));
    endgame_->showModal();
}

void MainWindow::EndGame_Command1_Click() {
    endgame_->accept();  // hides it; its modal wait ends once we return
    checkHallOfFame();
}

void MainWindow::finishGame() {
    if (musicOn()) freeMusic(game_.musicstream);
    setRestartEnabled(false);
    game_.turnBack();
    if (closing_) return;
    setGameOverShown(true);
    setGameModeFrameShown(true);
    checkHallOfFame();
}

}  // namespace gyrock::ui
