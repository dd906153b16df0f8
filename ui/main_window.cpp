// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QPaintEvent>

#include "audio/audio.h"
#include "audio/error_report.h"
#include "halloffame/scores_window.h"
#include "ui/check_value.h"
#include "ui/fonts.h"
#include "ui/frame_check.h"
#include "ui/placement.h"
#include "ui/shutdown.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {
namespace {

constexpr int kClientWidth = 625;
constexpr int kClientHeight = 482;

}  // namespace

MainWindow::MainWindow(std::filesystem::path dataFolder, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::form1>()),
      files_(std::move(dataFolder)),
      host_(*this, *ui_, game_, [this](int keyascii) { Form_KeyPress(keyascii); }, [this] { checkHallOfFame(); }),
      game_(host_) {
    ui_->setupUi(this);
    applyFractionalPointSizes(this);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (FrameCheck::requested()) host_.checkFrames();
    connectControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
    connect(ui_->Cmdstart, &QPushButton::clicked, this, &MainWindow::Cmdstart_Click);
    connect(ui_->cmdrestart, &QPushButton::clicked, this, &MainWindow::cmdrestart_Click);
    connect(ui_->Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(ui_->Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(ui_->Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(ui_->Command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(ui_->Command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
    connect(ui_->Command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
    // Every change of the value counts, whoever makes it: the player,
    // Defaults, or the preferences read at start-up.
    // A greyed box counts as clear, so greyed to ticked is a change too.
    connect(ui_->opt_mus, &QCheckBox::stateChanged, this, &MainWindow::opt_mus_Click);
    const std::initializer_list<QCheckBox*> options = {ui_->opt_mus, ui_->opt_aa, ui_->opt_color, ui_->opt_remainp};
    for (QCheckBox* box : options) leaveGreyedOnClick(box);
    connect(ui_->opt_stakko, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) opt_stakko_Click();
    });
    // An option button that receives the focus becomes the selected one.
    ui_->opt_gyrock->installEventFilter(this);
    ui_->opt_stakko->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a focus the player or the program moved selects: the window handing
    // the focus back after a message box or a popup is no choice, and would
    // undo one made meanwhile.
    const auto reason = event->type() == QEvent::FocusIn ? static_cast<QFocusEvent*>(event)->reason()
                                                         : Qt::OtherFocusReason;
    if (event->type() == QEvent::FocusIn && !host_.closing() && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        if (watched == ui_->opt_gyrock) ui_->opt_gyrock->setChecked(true);
        if (watched == ui_->opt_stakko) ui_->opt_stakko->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::Form_Load() {
    if (!audio::init()) {
        audio::reportAudioError(QString::fromUtf8(audio::kSoundInitFailedMessage));
        return false;
    }
    audioRunning_ = true;
    audio::releaseIdleOutput();  // nothing plays before a game
    showPreferences(files_.load());
    return true;
}

void MainWindow::showCentred() {
    centreOnScreen(this);
    show();
    // Qt drops a window manager's close while a box blocks the window.
    closeEvenWhenBlocked(this, winId(), [this] { requestClose(false); });
    ui_->opt_gyrock->setChecked(true);
    ui_->opt_gyrock->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void MainWindow::requestClose(bool quiet) {
    if (quiet) quietClose_ = true;
    if (host_.closing()) {
        closeModalWindows();  // a notice of the close itself: end it too
        return;
    }
    close();
}

void MainWindow::bringToFront() {
    if (host_.closing()) return;
    if (isMinimized()) showNormal();
    auto activate = [this] {
        QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
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
    if (host_.closing()) return;
    host_.startClosing();
    closeModalWindows();
    hide();
    Form_Unload();
    closeModalWindows();
    emit unloaded();
}

void MainWindow::Form_Unload() {
    if (audioRunning_) {
        audio::stopAll();
        audio::freeMusic(game_.musicstream);
        audio::shutdown();
        audioRunning_ = false;
    }
    const QStringList failed = files_.save(preferences());
    if (!failed.isEmpty()) warnNotSaved(failed);
}

void MainWindow::closeModalWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || !widget->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialog->done(QDialog::Rejected);  // also ends a modal wait that ignores Escape
        } else {
            widget->hide();
        }
    }
}

void MainWindow::paintEvent(QPaintEvent* event) { host_.paint(event->region()); }

}  // namespace gyrock::ui
