// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The game's sound: one music stream at a time, looped, from a file.
//
// Streams are known by small integer handles from a table of our own, never by
// pointers, so a handle of 0 (a failed open) or one that was already freed is
// simply a failed call: the callers never test results and must not be able to
// crash or double-free anything by calling in the wrong order.
//
// Every call sets the code that lastError() returns: Ok when it worked, one of
// AudioError's other values when it did not. The sound library's own words for
// a failure go to stderr beside it.

#include <cstdint>
#include <string>

namespace gyrock::audio {

// The numbers are part of what the player sees ("(error code: N)"), so they
// never change meaning; new codes only ever get new numbers.
enum class AudioError : std::int32_t {
    Ok = 0,
    NoDriver = 1,            // no sound driver could be started
    DeviceOpenFailed = 2,    // a driver started but the output device would not open
    NotInitialised = 3,      // called before init() or after shutdown()
    AlreadyInitialised = 4,  // init() while already running (the first set-up stays)
    FileNotFound = 5,        // the music file does not exist
    FileNotReadable = 6,     // it exists but cannot be read (a folder, no permission)
    FileNotDecodable = 7,    // it was read but is not music we can decode
    BadHandle = 8,           // 0, never given out, or already freed
    PlayFailed = 9,          // the stream is fine but would not start playing
};

// A short English name of the code ("FileNotFound"), for logs.
const char* errorName(AudioError code);

// Starts the sound driver and opens the output at this many samples per second
// (0 or less fails as DeviceOpenFailed). False when no driver or device can be had; the program
// cannot go on then.
bool init(int frequency = 44100);

// Opens the music file as a new stream and returns its handle (never 0), or 0
// when the file is missing, unreadable or cannot be decoded.
std::int32_t openMusic(const std::string& path);

// Plays the stream from its start, looping for ever. Any other stream that was
// playing stops first: there is only ever one piece of music at a time. A
// stream that is already playing just goes on.
bool playLooped(std::int32_t handle);

// Frees the stream; if it was the one playing, the music stops. Freeing
// another stream leaves the playing one alone.
bool freeMusic(std::int32_t handle);

// Stops every sound at once. Streams stay open until freed.
void stopAll();

// Frees every stream that is still open and closes the driver. init() may be
// called again afterwards; handles from before stay invalid for good.
void shutdown();

// Closes the output while no stream is open, so that no sound thread runs
// between games; the next openMusic opens it again. Does nothing while any
// stream is open. Sets no error code.
void releaseIdleOutput();

// The outcome of the latest call above, as an AudioError number.
std::int32_t lastError();

// Where the game's music lives: the music's file name in the program's folder.
std::string musicFilePath(const std::string& programDir);

}  // namespace gyrock::audio
