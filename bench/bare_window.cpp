// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The yardstick for the game's processor time: a bare Qt window of the
// game's size that repaints a 480 x 480 square every 25 ms, as a game with
// a board of that size and no care for what changed would.

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
  public:
    BareWindow() {
        setWindowTitle("bare window");
        setFixedSize(625, 482);
        setAttribute(Qt::WA_OpaquePaintEvent);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            ++frame_;
            update(0, 0, 480, 480);
        });
        timer_.start(25);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(0, frame_ % 64, 64));
    }

  private:
    QTimer timer_;
    int frame_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return app.exec();
}
