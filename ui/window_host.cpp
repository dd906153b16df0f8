// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The engine's view of the window: clock, keys, the stepping timer, options
// and effects.
#include "ui/window_host.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "audio/audio.h"
#include "ui/check_value.h"
#include "ui/keyboard.h"
#include "ui/music_path.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

WindowHost::WindowHost(QWidget& window, Ui::form1& form, Game& game, std::function<void(int)> onCharacter,
                       GameEndings endings)
    : window_(window),
      ui_(form),
      game_(game),
      endings_(std::move(endings)),
      musicPath_(musicFileFor(QCoreApplication::applicationDirPath())),
      pictures_(render::Pictures::load()),
      renderer_(pictures_) {
    clock_.start();
    stepTimer_.setSingleShot(true);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stepTimer_, &QTimer::timeout, &window_, [this] { stepGame(); });
    // A press or release may make a tick due sooner (Down) or wake idle move
    // ticks; the game hears of it before it next steps.
    keyboard_ = new Keyboard(&window_, std::move(onCharacter), [this] {
        game_.keysChanged();
        schedule();
    });
    matchDensity();
}

WindowHost::~WindowHost() = default;

Tick WindowHost::tickCount() { return static_cast<Tick>(clock_.elapsed()); }

bool WindowHost::keyHeld(Arrow key) { return keyboard_->held(key); }

void WindowHost::stepGame() {
    wakeLog_.woke();
    game_.step();
    schedule();
}

void WindowHost::schedule() {
    const auto due = held_ || stopped_ ? std::nullopt : game_.untilDue();
    if (!due) {
        stepTimer_.stop();
        return;
    }
    wakeLog_.sleeping(static_cast<std::int64_t>(*due));
    stepTimer_.start(static_cast<int>(std::min<Tick>(*due, 1000000)));
}

void WindowHost::setHeld(bool held) {
    held_ = held;
    schedule();
}

void WindowHost::stop() {
    stopped_ = true;
    stepTimer_.stop();
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

void WindowHost::setCounter(Counter which, std::int32_t value) {
    // The counters: Label1 the level, Label2 the score, Label4 the lines.
    switch (which) {
        case Counter::Level: ui_.Label1->setText(QStringLiteral("Level : %1").arg(value)); return;
        case Counter::Score: ui_.Label2->setText(QStringLiteral("Score : %1").arg(value)); return;
        case Counter::Lines: ui_.Label4->setText(QStringLiteral("Lines : %1").arg(value)); return;
    }
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

QImage WindowHost::drawingLayer() const {
    QImage layer(window_.size() * renderer_.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(renderer_.devicePixelRatio());
    layer.fill(Qt::transparent);
    if (renderer_.boardShown()) renderer_.putOnWindow(layer, renderer_.shownAngle(), renderer_.shownAntialiased());
    return layer;
}

void WindowHost::drawPreview() {
    ui_.nextpic2->setGeometry(render::previewGeometry(game_.nextpiece.n));
    ui_.nextpic2->setImage(render::composePreview(game_.nextpiece, pictures_));
}

void WindowHost::showEndGame(Victory victory) { endings_.showVictory(victory); }

void WindowHost::finishGame() {
    if (musicOn()) freeMusic(game_.musicstream);
    setRestartEnabled(false);
    game_.turnBack();
}

void WindowHost::turnedBack() {
    setGameOverShown(true);
    setGameModeFrameShown(true);
    endings_.afterLostGame();
}

}  // namespace gyrock::ui
