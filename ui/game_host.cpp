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
Tick MainWindow::tickCount() { return static_cast<Tick>(clock_.elapsed()); }

bool MainWindow::keyHeld(Arrow key) { return keyboard_->held(key); }

void MainWindow::yield(Tick hintMs) {
    if (closing_) return;
    if (hintMs == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // Nothing is due for a while: one pass that handles what is waiting or,
    // with nothing waiting, sleeps until an event arrives or the timer fires.
    // A timer still armed to fire in time is kept: re-arming it on every pass
    // costs more than the rare early wake-up, after which the loop reads the
    // clock afresh anyway.
    const Tick sleepMs = std::min<Tick>(hintMs, 1000);
    const auto remaining = static_cast<Tick>(std::max(wake_.remainingTime(), 0));
    if (!wake_.isActive() || remaining > sleepMs) {
        wakeLog_.sleeping(static_cast<std::int64_t>(sleepMs));
        wake_.start(static_cast<int>(sleepMs));
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
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
void MainWindow::freeMusic(std::int32_t handle) {
    audio::freeMusic(handle);
    // No music left: no sound thread either until the next stream.
    audio::releaseIdleOutput();
}

void MainWindow::drawBoard() {
    if (game_.gamewon != 0) return;
    matchDensity();
    renderer_.composeBoard(game_, ticked(ui_->opt_color));
    showFrame(renderer_.showBoard(game_.angle, ticked(ui_->opt_aa)));
}

void MainWindow::markClearedCell(int column, int row) {
    matchDensity();
    renderer_.markCell(column, row);
    showFrame(renderer_.showBoard(game_.angle, ticked(ui_->opt_aa)));
}

void MainWindow::clearWindowDrawing() { showFrame(renderer_.clearBoard()); }

void MainWindow::showFrame(QRect changed) {
    // A frame like the one on the window costs no repaint at all.
    if (!changed.isEmpty()) update(changed.adjusted(repaintShrink_, repaintShrink_, -repaintShrink_, -repaintShrink_));
    if (!frameCheck_) return;
    // The frame must be on the window before it can be held against a full redraw.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    // The window never paints under its opaque controls; nobody sees the board there.
    QRegion covered;
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && (child->autoFillBackground() || child->testAttribute(Qt::WA_OpaquePaintEvent))) {
            covered += child->geometry();
        }
    }
    frameCheck_->compare(renderer_.fullRedraw(), covered);
}

void MainWindow::checkFrames() {
    if (!frameCheck_) frameCheck_ = std::make_unique<FrameCheck>();
    // Starts from a window painted whole.
    repaint();
}

QImage MainWindow::drawingLayer() const {
    QImage layer(QSize(625, 482) * renderer_.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(renderer_.devicePixelRatio());
    layer.fill(Qt::transparent);
    if (renderer_.boardShown()) renderer_.putOnWindow(layer, renderer_.shownAngle(), renderer_.shownAntialiased());
    return layer;
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
