// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/audio_error.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "audio/audio.h"

namespace gyrock::audio {

QString audioErrorText(const char* message, std::int32_t code) {
    return QCoreApplication::translate("AudioError", message) + QStringLiteral("\r\n") +
           QCoreApplication::translate("AudioError", "(error code: %1)").arg(code);
}

void reportAudioError(const char* message, QWidget* parent) {
    // Read the code first: nothing below may touch the sound layer, but the
    // box's own event loop could run handlers that do.
    const std::int32_t code = lastError();
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("AudioError", "Error"),
                    audioErrorText(message, code), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace gyrock::audio
