#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Speaks to an X11 window the way a window manager does (DISPLAY from the
# environment):
#   xwindow.py close WINDOW_ID
#     asks it to close (WM_DELETE_WINDOW). Without a window manager (Xvfb)
#     this is the only way to reach the program's own close handling;
#     destroying the window would skip it.
#   xwindow.py ping WINDOW_ID [LIMIT_SECONDS=2]
#     asks whether its program still answers (_NET_WM_PING) and prints the
#     round trip in milliseconds; exits 1 when no answer comes in time.
import ctypes
import ctypes.util
import select
import sys
import time

ClientMessage = 33
# A window manager hears the answers to its pings on the root window so.
SubstructureNotifyAndRedirectMask = 3 << 19


class Event(ctypes.Structure):
    # An XEvent, read as the XClientMessageEvent it is here and padded to its 24 longs.
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
# The display is a pointer and must not be cut to an int; windows, atoms and
# masks all fit one, as ctypes passes plain numbers.
x11.XOpenDisplay.restype = ctypes.c_void_p


def send_protocol(display, window, *data):
    # Sends the window a WM_PROTOCOLS message carrying data; returns that atom.
    event = Event()
    event.type = ClientMessage
    event.window = window
    event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[:len(data)] = data
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    return event.message_type


def ping(display, window, limit):
    atom = x11.XInternAtom(display, b"_NET_WM_PING", 0)
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), SubstructureNotifyAndRedirectMask)
    stamp = int(time.monotonic() * 1000) & 0x7FFFFFFF
    start = time.monotonic()
    protocols = send_protocol(display, window, atom, stamp, window)
    reply = Event()
    while (left := limit - (time.monotonic() - start)) > 0:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(reply))
            if reply.type == ClientMessage and reply.message_type == protocols and \
                    reply.data[:2] == [atom, stamp]:
                print(f"{(time.monotonic() - start) * 1000:.1f}")
                return 0
        select.select([x11.XConnectionNumber(display)], [], [], left)
    print("no answer", file=sys.stderr)
    return 1


def main(command, window, limit="2"):
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display.value:
        sys.exit("xwindow: cannot open the display")
    if command == "ping":
        return ping(display, int(window, 0), float(limit))
    send_protocol(display, int(window, 0), x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0), 0)  # 0: CurrentTime
    x11.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4) or sys.argv[1] not in ("close", "ping"):
        sys.exit("usage: xwindow.py close WINDOW_ID | ping WINDOW_ID [LIMIT_SECONDS]")
    sys.exit(main(*sys.argv[1:]))
