#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The monkey's eyes on the X display (monkey.sh runs it once, beside the program): which windows
a process shows, and whether it still answers them, as a window manager asks before it offers to
end a program that hangs. For that it sends _NET_WM_PING to each of the process's windows; the
program, once its event loop gets to the message, sends it back to the root window.

Reads one request a line from stdin and answers on stdout:
  answers PID   "answered MS" once one of the process's windows has answered, "ended" once the
                process has, or "silent" if none of its windows has answered within the time given
                as the one argument, in seconds; its windows are looked up afresh while it waits,
                since windows come and go
  windows PID   one line "ID X Y WIDTH HEIGHT TITLE" for each window of the process that is
                shown, in screen coordinates, then an empty line
Needs only the X library, through ctypes."""
import ctypes
import ctypes.util
import select
import sys
import time

RETRY = 0.25  # seconds between two rounds of pings to the windows found then
IsViewable = 2

ClientMessage = 33
StructureNotifyMask = 1 << 17
SubstructureNotifyMask = 1 << 19
XA_CARDINAL = 6
Window = ctypes.c_ulong
Atom = ctypes.c_ulong


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", Window), ("message_type", Atom),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", Window), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", XClientMessageEvent),
                ("pad", ctypes.c_long * 24)]


x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = Window
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XInternAtom.restype = Atom
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSelectInput.argtypes = [ctypes.c_void_p, Window, ctypes.c_long]
x.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                         ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)]
x.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
x.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long,
                         ctypes.POINTER(XEvent)]
x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(XWindowAttributes)]
x.XTranslateCoordinates.argtypes = [
    ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]
x.XFree.argtypes = [ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XPending.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
x.XConnectionNumber.argtypes = [ctypes.c_void_p]

# A window may be gone by the time it is asked: the X errors that brings are no news.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
x.XSetErrorHandler(ERROR_HANDLER)

display = x.XOpenDisplay(None)
if not display:
    sys.exit("answers.py: cannot open the display")
root = x.XDefaultRootWindow(display)
WM_PROTOCOLS = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
NET_WM_PING = x.XInternAtom(display, b"_NET_WM_PING", 0)
NET_WM_PID = x.XInternAtom(display, b"_NET_WM_PID", 0)
NET_WM_NAME = x.XInternAtom(display, b"_NET_WM_NAME", 0)
UTF8_STRING = x.XInternAtom(display, b"UTF8_STRING", 0)
# The answers are sent to the root window, to whoever watches it (Qt's) or its children (as the
# EWMH, the window managers' convention, has it).
x.XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask)


def read_property(window, name, kind, length, read):
    """What `read` makes of a window's property and its length in items, or None."""
    actual, size, count, left = Atom(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
    data = ctypes.c_void_p()
    if x.XGetWindowProperty(display, window, name, 0, length, 0, kind, ctypes.byref(actual),
                            ctypes.byref(size), ctypes.byref(count), ctypes.byref(left),
                            ctypes.byref(data)) != 0 or not data.value:
        return None
    value = read(data, count.value) if count.value else None
    x.XFree(data)
    return value


def process_of(window):
    return read_property(window, NET_WM_PID, XA_CARDINAL, 1,
                         lambda data, _: ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0])


def title_of(window):
    return read_property(window, NET_WM_NAME, UTF8_STRING, 256,
                         lambda data, count: ctypes.string_at(data, count).decode()) or ""


def windows_of(pid, window):
    """The windows of the process under `window`, its own among them (a window manager's frames
    hold them one level down)."""
    found = [window] if process_of(window) == pid else []
    parent, top = Window(), Window()
    children, count = ctypes.POINTER(Window)(), ctypes.c_uint()
    if x.XQueryTree(display, window, ctypes.byref(top), ctypes.byref(parent),
                    ctypes.byref(children), ctypes.byref(count)):
        ids = [children[i] for i in range(count.value)]
        if children:
            x.XFree(children)
        for child in ids:
            found += windows_of(pid, child)
    return found


def ping(window, stamp):
    event = XEvent()
    event.xclient.type = ClientMessage
    event.xclient.window = window
    event.xclient.message_type = WM_PROTOCOLS
    event.xclient.format = 32
    event.xclient.l[0], event.xclient.l[1], event.xclient.l[2] = NET_WM_PING, stamp, window
    x.XSendEvent(display, window, 0, 0, ctypes.byref(event))


def answered(stamps):
    event = XEvent()
    while x.XPending(display):
        x.XNextEvent(display, ctypes.byref(event))
        message = event.xclient
        if (event.type == ClientMessage and message.message_type == WM_PROTOCOLS
                and message.l[0] == NET_WM_PING and message.l[1] in stamps):
            return True
    return False


def running(pid):
    """Whether the process runs: an ended one stays a zombie until its parent collects it."""
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8", errors="replace") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def ask(pid, limit, stamp):
    """The answer to give and the last stamp used."""
    start = time.monotonic()
    stamps = set()
    while True:
        now = time.monotonic()
        if not running(pid):
            return "ended", stamp
        if now - start >= limit:
            return "silent", stamp
        stamp += 1
        stamps.add(stamp)
        for window in windows_of(pid, root):
            ping(window, stamp)
        x.XSync(display, 0)
        round_end = min(now + RETRY, start + limit)
        while True:
            if answered(stamps):
                return f"answered {(time.monotonic() - start) * 1000:.0f}", stamp
            wait = round_end - time.monotonic()
            if wait <= 0:
                break
            select.select([x.XConnectionNumber(display)], [], [], wait)


def shown(pid):
    lines = []
    for window in windows_of(pid, root):
        seen = XWindowAttributes()
        at_x, at_y, child = ctypes.c_int(), ctypes.c_int(), Window()
        if (x.XGetWindowAttributes(display, window, ctypes.byref(seen))
                and seen.map_state == IsViewable and seen.width > 0 and seen.height > 0
                and x.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(at_x),
                                            ctypes.byref(at_y), ctypes.byref(child))):
            lines.append(f"{window} {at_x.value} {at_y.value} {seen.width} {seen.height} "
                         f"{title_of(window)}\n")
    return "".join(lines) + "\n"


def main():
    limit = float(sys.argv[1])
    stamp = 0
    print("ready", flush=True)
    for line in sys.stdin:
        request, pid = line.split()
        if request == "windows":
            print(shown(int(pid)), end="", flush=True)
            continue
        answer, stamp = ask(int(pid), limit, stamp)
        print(answer, flush=True)


main()
