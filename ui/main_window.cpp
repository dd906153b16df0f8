// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QPaintEvent>

#include "audio/audio.h"
#include "halloffame/scores_window.h"
#include "ui/audio_error.h"
#include "ui/check_value.h"
#include "ui/endgame_window.h"
#include "ui/ui_form1.h"
#include "widgets/fonts.h"
#include "widgets/placement.h"

namespace gyrock::ui {
namespace {

constexpr int kClientWidth = 625;
constexpr int kClientHeight = 482;

}  // namespace

MainWindow::MainWindow(std::filesystem::path dataFolder, std::string musicFile,
                       const PadFolders& padFolders, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::form1>()),
      files_(std::move(dataFolder)),
      view_(*this),
      host_(
          *this, *ui_, view_, game_, std::move(musicFile),
          [this](int keyascii) { characterTyped(keyascii); },
          GameEndings{[this](Victory victory) { showVictory(victory); },
                      [this] { checkHallOfFame(); }}),
      game_(host_),
      boxes_(this, [this](bool held) { host_.setHeld(held); }),
      pads_(*this, padFolders) {
    ui_->setupUi(this);
    host_.setPad(&pads_);
    widgets::applyFractionalPointSizes(this);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connectControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
    // Cmdstart is NEW GAME, cmdrestart RESTART; Command1 to Command6 are
    // OPTIONS, HIGH SCORES, HELP, the options' OK, Defaults and the help's OK.
    connect(ui_->Cmdstart, &QPushButton::clicked, this, &MainWindow::startNewGame);
    connect(ui_->cmdrestart, &QPushButton::clicked, this, &MainWindow::askToRestart);
    connect(ui_->Command1, &QPushButton::clicked, this, &MainWindow::openOptions);
    connect(ui_->Command2, &QPushButton::clicked, this, &MainWindow::showHighScores);
    connect(ui_->Command3, &QPushButton::clicked, this, &MainWindow::openHelp);
    connect(ui_->Command4, &QPushButton::clicked, this, &MainWindow::closeOptions);
    connect(ui_->Command5, &QPushButton::clicked, this, &MainWindow::restoreDefaultOptions);
    connect(ui_->Command6, &QPushButton::clicked, this, &MainWindow::closeHelp);
    // Every change of the value counts, whoever makes it: the player,
    // Defaults, or the preferences read at start-up.
    // A greyed box counts as clear, so greyed to ticked is a change too.
    connect(ui_->opt_mus, &QCheckBox::stateChanged, this, &MainWindow::musicOptionChanged);
    leaveGreyedOnClicks();
    connect(ui_->opt_stakko, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) stakkoChosen();
    });
    // An option button that receives the focus becomes the selected one.
    ui_->opt_gyrock->installEventFilter(this);
    ui_->opt_stakko->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a focus the player or the program moved selects: the window handing
    // the focus back after a message box or a popup is no choice, and would
    // undo one made meanwhile.
    const auto reason = event->type() == QEvent::FocusIn
                            ? static_cast<QFocusEvent*>(event)->reason()
                            : Qt::OtherFocusReason;
    // While the window goes away the focus moves about; nobody chooses a mode then.
    if (event->type() == QEvent::FocusIn && !shuttingDown_ &&
        reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        if (watched == ui_->opt_gyrock) ui_->opt_gyrock->setChecked(true);
        if (watched == ui_->opt_stakko) ui_->opt_stakko->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::startUp() {
    if (!audio::init()) {
        audio::reportAudioError(audio::kSoundInitFailedMessage);
        return false;
    }
    audioRunning_ = true;
    audio::releaseIdleOutput();  // nothing plays before a game
    showPreferences(files_.load());
    return true;
}

void MainWindow::showCentred() {
    widgets::centreOnScreen(this);
    show();
    ui_->opt_gyrock->setChecked(true);
    ui_->opt_gyrock->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void MainWindow::requestClose(bool quiet) {
    if (quiet) quietClose_ = true;
    if (shuttingDown_) {
        closeBoxes();  // a notice of the close itself: end it too, and with it the program
        return;
    }
    close();
}

void MainWindow::bringToFront() {
    if (shuttingDown_) return;
    if (isMinimized()) showNormal();
    auto activate = [this] {
        QWidget* front = frontBox() ? frontBox() : this;
        raise();
        front->raise();
        front->activateWindow();
    };
    activate();
    // The first request stamps the window with the time the window system
    // last told us, which may predate whatever took the focus since; its
    // answer brings a fresh time that the second request carries.
    QTimer::singleShot(100, this, activate);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (shuttingDown_) return;
    // Once, whatever is open or running: the game never steps again, no
    // box's answer carries anything on, everything is saved.
    shuttingDown_ = true;
    host_.stop();
    closeBoxes();
    hide();
    if (audioRunning_) {
        audio::stopAll();
        audio::freeMusic(game_.musicstream);
        audio::shutdown();
        audioRunning_ = false;
    }
    const std::vector<std::string> failed = files_.save(preferences());
    if (failed.empty()) {
        emit unloaded();
        return;
    }
    warnNotSaved(failed, [this] { emit unloaded(); });
}

void MainWindow::closeBoxes() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || !widget->isVisible()) continue;
        // Answers no longer lead anywhere, except a notice of the close itself.
        if (auto* box = qobject_cast<QMessageBox*>(widget);
            box && !box->property("shutdown").toBool()) {
            box->disconnect(this);
        }
        widget->close();
        widget->hide();  // the hall of fame refuses a close of its own
    }
}

void MainWindow::paintEvent(QPaintEvent* event) { view_.paint(event->region()); }

}  // namespace gyrock::ui
