// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The engine's view of the window: clock, keys, yield, options and effects.
#include "ui/window_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "audio/audio.h"
#include "render/preview.h"
#include "ui/check_value.h"
#include "ui/endgame_window.h"
#include "ui/keyboard.h"
#include "ui/music_path.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

WindowHost::WindowHost(QWidget& window, Ui::form1& form, Game& game, std::function<void(int)> onCharacter,
                       std::function<void()> afterGame)
    : window_(window),
      ui_(form),
      game_(game),
      afterGame_(std::move(afterGame)),
      musicPath_(musicFileFor(QCoreApplication::applicationDirPath())),
      pictures_(render::Pictures::load()),
      renderer_(pictures_) {
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    // Timed where the timer fires: a click handled in the same wake-up may
    // open a question and keep the yield from returning for seconds.
    if (wakeLog_.enabled()) QObject::connect(&wake_, &QTimer::timeout, &wake_, [this] { wakeLog_.woke(); });
    keyboard_ = new Keyboard(&window_, std::move(onCharacter));
    matchDensity();
}

WindowHost::~WindowHost() = default;

Tick WindowHost::tickCount() { return static_cast<Tick>(clock_.elapsed()); }

bool WindowHost::keyHeld(Arrow key) { return keyboard_->held(key); }

void WindowHost::yield(Tick hintMs) {
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

bool WindowHost::boardTurning() { return ui_.opt_gyrock->isChecked(); }
bool WindowHost::musicOn() { return ticked(ui_.opt_mus); }
// Visible to the window, so that the answer does not depend on whether the
// window itself happens to be on screen.
bool WindowHost::newGameButtonVisible() { return ui_.Cmdstart->isVisibleTo(&window_); }

void WindowHost::setRestartEnabled(bool enabled) { ui_.cmdrestart->setEnabled(enabled); }
void WindowHost::setGameOverShown(bool shown) { ui_.gover->setVisible(shown); }
void WindowHost::setGameModeFrameShown(bool shown) { ui_.frameng->setVisible(shown); }
void WindowHost::setPausedShown(bool shown) { ui_.labelp->setVisible(shown); }

void WindowHost::setCounterText(Counter which, const std::string& text) {
    QLabel* label = ui_.Label1;
    if (which == Counter::Score) label = ui_.Label2;
    if (which == Counter::Lines) label = ui_.Label4;
    label->setText(QString::fromStdString(text));
}

std::int32_t WindowHost::openMusic() { return audio::openMusic(musicPath_); }
void WindowHost::playMusicLooped(std::int32_t handle) { audio::playLooped(handle); }
void WindowHost::freeMusic(std::int32_t handle) {
    audio::freeMusic(handle);
    // No music left: no sound thread either until the next stream.
    audio::releaseIdleOutput();
}

void WindowHost::matchDensity() { renderer_.setDevicePixelRatio(window_.devicePixelRatioF()); }

void WindowHost::paint(const QRegion& region) {
    // Everything comes from what the renderer keeps, never from "nothing
    // changed": an expose after the window was covered shows the same picture.
    matchDensity();
    QPainter painter(&window_);
    const QRect square = render::BoardRenderer::squareArea();
    const QRegion rest = region.subtracted(square);
    if (!rest.isEmpty()) {
        painter.setClipRegion(rest);
        painter.fillRect(window_.rect(), Qt::black);
        painter.drawImage(QPointF(0, 0), renderer_.background());
        painter.setClipping(false);
    }
    if (region.intersects(square)) painter.drawImage(QPointF(0, 0), renderer_.square());
    if (frameCheck_) frameCheck_->painted(region, renderer_.square());
}

void WindowHost::drawBoard() {
    if (game_.gamewon != 0) return;
    matchDensity();
    renderer_.composeBoard(game_, ticked(ui_.opt_color));
    showFrame(renderer_.showBoard(game_.angle, ticked(ui_.opt_aa)));
}

void WindowHost::markClearedCell(int column, int row) {
    matchDensity();
    renderer_.markCell(column, row);
    showFrame(renderer_.showBoard(game_.angle, ticked(ui_.opt_aa)));
}

void WindowHost::clearWindowDrawing() { showFrame(renderer_.clearBoard()); }

void WindowHost::showFrame(QRect changed) {
    // A frame like the one on the window costs no repaint at all.
    if (!changed.isEmpty())
        window_.update(changed.adjusted(repaintShrink_, repaintShrink_, -repaintShrink_, -repaintShrink_));
    if (!frameCheck_) return;
    // The frame must be on the window before it can be held against a full redraw.
    QCoreApplication::sendPostedEvents(&window_, QEvent::UpdateRequest);
    // The window never paints under its opaque controls; nobody sees the board there.
    QRegion covered;
    for (QWidget* child : window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && (child->autoFillBackground() || child->testAttribute(Qt::WA_OpaquePaintEvent))) {
            covered += child->geometry();
        }
    }
    frameCheck_->compare(renderer_.fullRedraw(), covered);
}

void WindowHost::checkFrames() {
    if (!frameCheck_) frameCheck_ = std::make_unique<FrameCheck>();
    // Starts from a window painted whole.
    window_.repaint();
}

void WindowHost::drawPreview() {
    ui_.nextpic2->setGeometry(render::previewGeometry(game_.nextpiece.n));
    ui_.nextpic2->setImage(render::composePreview(game_.nextpiece, pictures_));
}

void WindowHost::showEndGame(const std::string& text) {
    if (closing_) return;
    if (!endgame_) {
        endgame_ = std::make_unique<EndGameWindow>(&window_);
        QObject::connect(endgame_.get(), &EndGameWindow::anyTimeClicked, &window_, [this] { EndGame_Command1_Click(); });
    }
    endgame_->setText(QString::fromStdString(text));
    endgame_->showModal();
}

void WindowHost::EndGame_Command1_Click() {
    endgame_->accept();  // hides it; its modal wait ends once we return
    if (closing_) return;
    afterGame_();
}

void WindowHost::finishGame() {
    if (musicOn()) freeMusic(game_.musicstream);
    setRestartEnabled(false);
    game_.turnBack();
    if (closing_) return;
    setGameOverShown(true);
    setGameModeFrameShown(true);
    afterGame_();
}

}  // namespace gyrock::ui
