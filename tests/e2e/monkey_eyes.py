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
Needs python3-xlib."""
import select
import sys
import time

from Xlib import X, Xatom, display as xdisplay, error, protocol

RETRY = 0.25  # seconds between two rounds of pings to the windows found then
TITLE_LENGTH = 256

display = xdisplay.Display()
# A window may be gone by the time it is asked: the X errors that brings are no news.
display.set_error_handler(lambda *_: None)
root = display.screen().root
WM_PROTOCOLS = display.intern_atom("WM_PROTOCOLS")
NET_WM_PING = display.intern_atom("_NET_WM_PING")
NET_WM_PID = display.intern_atom("_NET_WM_PID")
NET_WM_NAME = display.intern_atom("_NET_WM_NAME")
UTF8_STRING = display.intern_atom("UTF8_STRING")
# The answers are sent to the root window, to whoever watches it (Qt's) or its children (as the
# EWMH, the window managers' convention, has it).
root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)


def read_property(window, name, kind, length=1):
    """A window's property, or None when it has none or is gone."""
    try:
        found = window.get_property(name, kind, 0, length)
    except error.XError:
        return None
    return found.value if found and len(found.value) else None


def process_of(window):
    value = read_property(window, NET_WM_PID, Xatom.CARDINAL)
    return value[0] if value is not None else None


def title_of(window):
    value = read_property(window, NET_WM_NAME, UTF8_STRING, TITLE_LENGTH)
    return value.decode() if value is not None else ""


def windows_of(pid, window):
    """The windows of the process under `window`, its own among them (a window manager's frames
    hold them one level down)."""
    found = [window] if process_of(window) == pid else []
    try:
        children = window.query_tree().children
    except error.XError:
        children = []
    for child in children:
        found += windows_of(pid, child)
    return found


def ping(window, stamp):
    window.send_event(protocol.event.ClientMessage(
        window=window, client_type=WM_PROTOCOLS, data=(32, [NET_WM_PING, stamp, window.id, 0, 0])))


def answered(stamps):
    while display.pending_events():
        event = display.next_event()
        if (event.type == X.ClientMessage and event.client_type == WM_PROTOCOLS
                and event.data[1][0] == NET_WM_PING and event.data[1][1] in stamps):
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
        display.sync()
        round_end = min(now + RETRY, start + limit)
        while True:
            if answered(stamps):
                return f"answered {(time.monotonic() - start) * 1000:.0f}", stamp
            wait = round_end - time.monotonic()
            if wait <= 0:
                break
            select.select([display.fileno()], [], [], wait)


def shown(pid):
    lines = []
    for window in windows_of(pid, root):
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            size = window.get_geometry()
            at = root.translate_coords(window, 0, 0)
        except error.XError:
            continue
        if size.width > 0 and size.height > 0:
            lines.append(f"{window.id} {at.x} {at.y} {size.width} {size.height} "
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
