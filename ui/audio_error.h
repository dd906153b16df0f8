// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Telling the player that the sound system failed: a warning box with the
// message and the sound layer's error code.

#include <QString>
#include <QtGlobal>
#include <cstdint>

class QWidget;

namespace gyrock::audio {

// Shown when the sound system cannot be started at all; the program ends after it.
// Marked for translation; reportAudioError translates it.
inline constexpr const char* kSoundInitFailedMessage =
    QT_TRANSLATE_NOOP("AudioError", "Can't initialize digital sound system");

// The box's text: the message, a line break, then "(error code: N)", in the
// player's language.
QString audioErrorText(const char* message, std::int32_t code);

// Shows audioErrorText(message, lastError()) in a modal box captioned "Error"
// with a warning icon and an OK button; returns once the player has closed it.
void reportAudioError(const char* message, QWidget* parent = nullptr);

}  // namespace gyrock::audio
