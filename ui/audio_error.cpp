// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/audio_error.h"

#include <QMessageBox>

#include "audio/audio.h"

namespace gyrock::audio {

QString audioErrorText(const QString& message, std::int32_t code) {
    return message + QStringLiteral("\r\n(error code: ") + QString::number(code) +
           QStringLiteral(")");
}

void reportAudioError(const QString& message, QWidget* parent) {
    // Read the code first: nothing below may touch the sound layer, but the
    // box's own event loop could run handlers that do.
    const std::int32_t code = lastError();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), audioErrorText(message, code),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace gyrock::audio
