#!/usr/bin/python3
"""Prints what a screen reader is told about a running Chronavell, as diff-friendly text.

One object per line, indented two spaces a level:

    role 'name' desc='description' actions=Press,SetFocus states=focusable

The description, actions and states appear only where there are some; edits=text marks an
object whose text a reader can edit; text= follows where an object's text differs from its
name (what a field holds). Only states that say what a control
is are listed: focus and activity follow the window system, and whether a control is on the
screen follows the page in front. Positions, sizes and object ids are left out: they say
nothing to a listener and differ between machines.

With --dialog the Check Date Classes dialog is opened through the action of the conversion
page's help button, as a screen reader user would press it, dumped as a second top-level, and
closed again through the action of its Close button.
"""

import argparse
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

APPLICATION_NAME = "Chronavell"
HELP_BUTTON_NAME = 'Help with "Check Date"'
DIALOG_NAME = "Check Date Classes"
CLOSE_BUTTON_NAME = "Close"

# The states that hold still for the whole run, spelt as pyatspi spells them. "disabled" is
# printed where "enabled" is missing, since a control that cannot be used is the exception.
STABLE_STATES = ("focusable", "editable", "checkable", "checked", "selected", "expandable",
                 "expanded", "modal", "multi line")

# The window's title carries a clock that ticks every second. Where a top-level's name is that
# title, its time of day is masked; the Imperial date before it is kept, since the fixed clock
# makes it known.
TIME_OF_DAY = re.compile(r"\b\d{1,2}:\d{2}:\d{2}(?:\s?[AaPp][Mm])?")
TIME_OF_DAY_MASK = "<time of day>"

POLL_SECONDS = 0.05


class DumpError(Exception):
    pass


def quote(text):
    # repr() keeps every object on one line: line breaks and other controls come out escaped.
    return repr(text)


def actions_of(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(index) for index in range(action.nActions)]


def action_index(accessible, name):
    """The index of the action called name; fails when the object offers none by that name."""
    actions = actions_of(accessible)
    if name not in actions:
        raise DumpError(f"{quote(accessible.name)} offers no {name} action, only {actions}")
    return actions.index(name)


def states_of(accessible):
    held = {pyatspi.stateToString(state) for state in accessible.getState().getStates()}
    shown = [] if "enabled" in held else ["disabled"]
    return shown + [state for state in STABLE_STATES if state in held]


def text_of(accessible):
    try:
        text = accessible.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def editable(accessible):
    try:
        accessible.queryEditableText()
    except NotImplementedError:
        return False
    return True


def line(accessible, depth, name=None, description=None):
    """The object's line; name and description, where given, stand in for its own."""
    name = accessible.name if name is None else name
    description = accessible.description if description is None else description
    parts = [accessible.getRoleName(), quote(name)]
    if description:
        parts.append("desc=" + quote(description))
    actions = actions_of(accessible)
    if actions:
        parts.append("actions=" + ",".join(actions))
    states = states_of(accessible)
    if states:
        parts.append("states=" + ",".join(states))
    if editable(accessible):
        parts.append("edits=text")
    text = text_of(accessible)
    if text is not None and text != name:
        parts.append("text=" + quote(text))
    return "  " * depth + " ".join(parts)


def dump(accessible, depth, lines, name=None):
    lines.append(line(accessible, depth, name))
    for child in accessible:
        dump(child, depth + 1, lines)


def dump_top_level(window, lines):
    dump(window, 1, lines, TIME_OF_DAY.sub(TIME_OF_DAY_MASK, window.name))


def alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    return True


def wait_for(what, check, deadline, pid):
    """Polls check() until it gives something, the deadline passes or the program ends."""
    while True:
        try:
            found = check()
        except GLib.Error:
            # The program or the registry may not answer while they are still starting.
            found = None
        if found:
            return found
        if pid is not None and not alive(pid):
            raise DumpError(f"the program ended while waiting for {what}")
        if time.monotonic() > deadline:
            raise DumpError(f"gave up waiting for {what}")
        time.sleep(POLL_SECONDS)


def find_application(pid):
    """The program's application object, once one of its windows is on the screen."""
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None or application.name != APPLICATION_NAME:
            continue
        if pid is not None and application.get_process_id() != pid:
            continue
        # The window's contents are made before it is shown, and the program answers the bus
        # only from its event loop: a window that is showing is a window that is complete.
        if any(window.getState().contains(pyatspi.STATE_SHOWING) for window in application):
            return application
    return None


def window_titles(pid):
    """The titles of the program's windows on the display, as the window system has them."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True, check=False)
    titles = []
    for window in found.stdout.split():
        named = subprocess.run(["xdotool", "getwindowname", window],
                               capture_output=True, text=True, check=False)
        if named.returncode == 0:
            titles.append(named.stdout)
    return titles


def wait_for_caption_tick(pid, deadline):
    """Waits until the caption clock has ticked since the window was found.

    The window's first caption is written before the picked day is set, and so names the
    picker's stored day; the clock's first tick writes the picked day's date in its place,
    and into whatever the window tells a screen reader of it. The caption shows the seconds,
    so a title that has changed since the window was found means a tick has come since,
    whenever the first one came. The title is read from the display, not the bus, so that
    this holds whatever the window's accessible name is.
    """
    shown = wait_for("the window on the display", lambda: window_titles(pid), deadline, pid)
    wait_for("the caption clock to tick", lambda: window_titles(pid) not in ([], shown),
             deadline, pid)


def find(accessible, role, name):
    if accessible.getRoleName() == role and accessible.name == name:
        return accessible
    for child in accessible:
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press_without_waiting(accessible, index):
    """Starts an action without waiting for its answer.

    Qt answers an action only once it has run, and the help button's runs as long as the modal
    dialog it opens stays open: waiting for that answer would wait for the dialog to close.
    The request goes out on a connection of its own, marked as expecting no reply.
    """
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1,
                                None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    message = Gio.DBusMessage.new_method_call(accessible.app.bus_name, accessible.path,
                                              "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (index,)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
    bus.flush_sync(None)
    return bus


def dump_dialog(application, lines, deadline, pid):
    windows = application.childCount
    help_button = find(application, "push button", HELP_BUTTON_NAME)
    if help_button is None:
        raise DumpError(f"no push button named {quote(HELP_BUTTON_NAME)}")
    connection = press_without_waiting(help_button, action_index(help_button, "Press"))

    def open_dialog():
        for window in application:
            if window.getRoleName() == "dialog" and window.name == DIALOG_NAME:
                return window
        return None

    dialog = wait_for(f"the dialog {quote(DIALOG_NAME)}", open_dialog, deadline, pid)
    lines.append("")
    lines.append(f"# After pressing {quote(HELP_BUTTON_NAME)}: the windows it adds")
    for window in list(application)[windows:]:
        dump_top_level(window, lines)

    close_button = find(dialog, "push button", CLOSE_BUTTON_NAME)
    if close_button is None:
        raise DumpError(f"the dialog has no push button named {quote(CLOSE_BUTTON_NAME)}")
    if not close_button.queryAction().doAction(action_index(close_button, "Press")):
        raise DumpError("the dialog's Close button refused its action")
    wait_for("the dialog to close", lambda: application.childCount == windows, deadline, pid)
    connection.close_sync(None)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pid", type=int,
                        help="the program's process id: waiting stops should it end")
    parser.add_argument("--timeout", type=float, default=60,
                        help="seconds to wait for the program, the dialog and each answer")
    parser.add_argument("--dialog", action="store_true",
                        help="also open, dump and close the Check Date Classes dialog")
    args = parser.parse_args()

    # libatspi gives up on an answer after 0.8 s by default: too short for a loaded machine.
    Atspi.set_timeout(int(args.timeout * 1000), int(args.timeout * 1000))
    deadline = time.monotonic() + args.timeout
    try:
        application = wait_for(f"{APPLICATION_NAME} on the accessibility bus",
                               lambda: find_application(args.pid), deadline, args.pid)
        wait_for_caption_tick(application.get_process_id(), deadline)
        lines = []
        # The application's description is the program's path, which differs between runs:
        # only the file name is kept.
        lines.append(line(application, 0,
                          description=os.path.basename(application.description)))
        for window in application:
            dump_top_level(window, lines)
        if args.dialog:
            dump_dialog(application, lines, time.monotonic() + args.timeout, args.pid)
    except (DumpError, GLib.Error) as error:
        print(f"dump_tree.py: {error}", file=sys.stderr)
        return 1
    print("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
