#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
"""Asks a window whether its program is still answering, the way a window
manager does (_NET_WM_PING), and prints the round trip in milliseconds.
Exits 1 when no answer comes within the limit.

Usage: ping_window.py WINDOW_ID [LIMIT_SECONDS=2]   (DISPLAY from the environment)
"""
import ctypes
import ctypes.util
import select
import sys
import time

ClientMessage = 33
SubstructureNotifyMask = 1 << 19
SubstructureRedirectMask = 1 << 20


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    window = int(sys.argv[1], 0)
    limit = float(sys.argv[2]) if len(sys.argv) == 3 else 2.0
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        print("ping_window: cannot open the display", file=sys.stderr)
        return 1
    root = x11.XDefaultRootWindow(display)
    protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    ping = x11.XInternAtom(display, b"_NET_WM_PING", 0)
    # The answer is sent to the root window with these masks.
    x11.XSelectInput(display, root, SubstructureNotifyMask | SubstructureRedirectMask)

    stamp = int(time.monotonic() * 1000) & 0x7FFFFFFF
    event = XEvent()
    event.xclient.type = ClientMessage
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.data[0] = ping
    event.xclient.data[1] = stamp
    event.xclient.data[2] = window
    start = time.monotonic()
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)

    fd = x11.XConnectionNumber(display)
    reply = XEvent()
    while time.monotonic() - start < limit:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(reply))
            if (reply.type == ClientMessage and reply.xclient.message_type == protocols
                    and reply.xclient.data[0] == ping and reply.xclient.data[1] == stamp):
                print(f"{(time.monotonic() - start) * 1000:.1f}")
                return 0
        select.select([fd], [], [], max(0.0, limit - (time.monotonic() - start)))
    print("no answer", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
