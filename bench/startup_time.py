#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
"""Time from starting the program to its window being mapped on screen, over
several runs, on the X server in DISPLAY. The window is watched through X
events (no polling), then closed the way a window manager does.

Usage: startup_time.py PROGRAM RUNS DATA_FOLDER
"""
import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import time

MapNotify = 19
SubstructureNotifyMask = 1 << 19
HERE = os.path.dirname(os.path.abspath(__file__))


class XMapEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("override_redirect", ctypes.c_int),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


def main() -> int:
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    program, runs, data = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        print("startup_time: cannot open the display", file=sys.stderr)
        return 1
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), SubstructureNotifyMask)
    x11.XFlush(display)

    times = []
    for _ in range(runs):
        start = time.monotonic()
        child = subprocess.Popen([program, "--data-dir", data],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        event = XEvent()
        while True:
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MapNotify and not event.xmap.override_redirect:
                break
        times.append((time.monotonic() - start) * 1000)
        time.sleep(0.3)  # let it settle before asking it to close
        subprocess.run([sys.executable, os.path.join(HERE, "..", "tools", "xwindow.py"), "close",
                        str(event.xmap.window)], check=True)
        child.wait(timeout=10)
    print(f"window shown after {statistics.median(times):.0f} ms median, "
          f"{min(times):.0f}-{max(times):.0f} ms over {runs} runs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
