#!/usr/bin/python3
# The program as a screen reader reads it over AT-SPI: every control of the window and of its
# dialogs named, the roles, the actions of the menu buttons, card photos and deck buttons, the info
# bar's changes, and the Tab order. Runs inside dbus-run-session, with a display (Xvfb) and an
# accessibility bus of its own; the program's files go to a folder of its own.
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TAB, SHIFT, ESCAPE = 23, 50, 9  # X key codes of Xvfb's keyboard
MENU = ["Nieuw", "Load", "Save", "Help", "Afdrukken", "Export"]
HELP_HINT = "Druk nogmaals op Help om dit venster weer te sluiten..."
failures = []


class Stop(Exception):
    """A check that the rest of the test cannot go on without."""


def fail_now(message):
    raise Stop(message)


def die_with_test():
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, flush=True)


def launcher():
    for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
        if os.access(path, os.X_OK):
            return path
    fail_now("at-spi-bus-launcher not found (Debian package at-spi2-core)")


def wait_for(find, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def start(program, folder):
    """Starts Xvfb, the accessibility bus and the program; returns the processes."""
    if not shutil.which("Xvfb"):
        fail_now("Xvfb not found (Debian package xvfb)")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL,
                            preexec_fn=die_with_test)
    os.close(write)
    os.environ["DISPLAY"] = ":" + os.read(read, 32).decode().strip()
    os.environ["XDG_RUNTIME_DIR"] = folder  # the bus's socket, private to this run
    bus = subprocess.Popen([launcher(), "--launch-immediately"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, start_new_session=True)
    # A folder with help/ beside the program keeps settings and series in it.
    os.makedirs(folder + "/program/help")
    shutil.copy(program, folder + "/program/")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANGUAGE="nl", LANG="nl_NL.UTF-8", HOME=folder)
    app = subprocess.Popen([folder + "/program/" + os.path.basename(program)], env=env,
                           preexec_fn=die_with_test)
    return [app, bus, xvfb]  # the bus's launcher second: its process group is stopped too


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def main():
    program = sys.argv[1]
    signal.signal(signal.SIGALRM, lambda *_: fail_now("the program stopped answering"))
    signal.alarm(150)
    folder = tempfile.mkdtemp(prefix="mosaret-a11y-")
    processes = []
    try:
        processes = start(program, folder)
        import pyatspi
        from gi.repository import GLib
        run(pyatspi, GLib)
    except Stop as stop:
        check(False, str(stop))
    finally:
        if len(processes) > 1:
            try:
                os.killpg(processes[1].pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in processes:
            process.kill()
        shutil.rmtree(folder, ignore_errors=True)
    print("FAIL: %d check(s) failed" % len(failures) if failures else "PASS", flush=True)
    sys.exit(1 if failures else 0)


def run(at, GLib):
    app = wait_for(lambda: next((a for a in at.Registry.getDesktop(0)
                                 if a is not None and a.name == "Mosaret Designer"), None), 30)
    if not app:
        fail_now("the program does not show on the accessibility bus")
    window = wait_for(lambda: next((w for w in app if w.name == " Mosaret Designer V2"), None))
    if not window:
        fail_now("the program shows no main window: %s" % [w.name for w in app])
    showing = lambda node: node.getState().contains(at.STATE_SHOWING)

    def controls(root):
        return [n for n in tree(root) if showing(n)]

    def named(name, root=window, role=None, needed=True):
        found = next((n for n in controls(root) if n.name == name and
                      (role or n.getRole()) == n.getRole() != at.ROLE_LABEL), None)
        if needed and not found:
            fail_now("no control named %r; the window holds %s" % (name, sorted(
                "%s %r" % (n.getRoleName(), n.name) for n in controls(root))))
        return found

    def focused():
        return next((n.name for n in controls(window) if n.getState().contains(at.STATE_FOCUSED)),
                    None)

    def press(node):
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, "%r has no press action: %s" % (node.name, names))
        if "Press" in names:
            action.doAction(names.index("Press"))

    # Labels say their text; the rest only hold other controls.
    silent = (at.ROLE_LABEL, at.ROLE_FILLER, at.ROLE_PANEL, at.ROLE_SPLIT_PANE,
              at.ROLE_LAYERED_PANE, at.ROLE_SCROLL_PANE, at.ROLE_UNKNOWN)

    def unnamed(root):
        return ["%s in %s" % (n.getRoleName(), n.parent.name) for n in controls(root)
                if not n.name and n.getRole() not in silent]

    check(window.getRole() == at.ROLE_FRAME, "the window is a %s" % window.getRoleName())
    check(not unnamed(window), "unnamed in the window: %s" % unnamed(window))

    # Tab walks in reading order from the first menu button, and Shift+Tab walks back.
    order = list(MENU)
    for card in range(1, 5):
        order += ["Onderwerp, kaart %d" % card, "Foto van kaart %d: geen foto" % card]
        order += ["Naam %d, kaart %d%s" % (line, card, ", de eigen naam van deze kaart"
                                           if line == card else "") for line in range(1, 5)]
    order += ["Normaal", "Kinder mosaret", "Exit", MENU[0]]
    named(MENU[0]).queryComponent().grabFocus()
    visited = [wait_for(lambda: focused() == MENU[0] and MENU[0])]
    for _ in order[1:]:
        last = visited[-1]
        at.Registry.generateKeyboardEvent(TAB, None, at.KEY_PRESSRELEASE)
        visited.append(wait_for(lambda: focused() != last and focused(), 5))
    check(visited == order, "Tab order %s, expected %s" % (visited, order))
    at.Registry.generateKeyboardEvent(SHIFT, None, at.KEY_PRESS)
    at.Registry.generateKeyboardEvent(TAB, None, at.KEY_PRESSRELEASE)
    at.Registry.generateKeyboardEvent(SHIFT, None, at.KEY_RELEASE)
    check(wait_for(lambda: focused() == "Exit", 5), "Shift+Tab from Nieuw went to %s" % focused())

    # Roles and states, as a screen reader announces them.
    expected = [(name, at.ROLE_PUSH_BUTTON) for name in MENU + ["Exit"]]
    expected += [("Foto van kaart %d: geen foto" % card, at.ROLE_PUSH_BUTTON) for card in (1, 4)]
    expected += [("Onderwerp, kaart 2", at.ROLE_TEXT), ("Naam 1, kaart 2", at.ROLE_TEXT),
                 ("Naam 2, kaart 2, de eigen naam van deze kaart", at.ROLE_TEXT),
                 ("Normaal", at.ROLE_RADIO_BUTTON), ("Kinder mosaret", at.ROLE_RADIO_BUTTON),
                 ("Klik op de vakken voor de foto en teksten", at.ROLE_STATUS_BAR)]
    for name, role in expected:
        node = named(name, role=role, needed=False)
        check(node is not None and node.getRole() == role,
              "%r: %s" % (name, node.getRoleName() if node else "missing"))
    checked = lambda name: named(name, role=at.ROLE_RADIO_BUTTON).getState().contains(
        at.STATE_CHECKED)
    check(checked("Normaal") and not checked("Kinder mosaret"), "the normal deck is not chosen")
    press(named("Kinder mosaret", role=at.ROLE_RADIO_BUTTON))
    check(wait_for(lambda: checked("Kinder mosaret") and not checked("Normaal")),
          "the children's deck button does not say it is chosen")
    press(named("Normaal", role=at.ROLE_RADIO_BUTTON))
    wait_for(lambda: checked("Normaal"))

    # The info bar says when it changes.
    heard = []
    listener = lambda event: heard.append(event.source.name)
    at.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    press(named("Help"))
    wait_for(lambda: (GLib.MainContext.default().iteration(False), HELP_HINT in heard)[1], 5)
    check(HELP_HINT in heard, "the info bar's new text was not announced: %s" % heard)
    at.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    press(named("Help"))
    wait_for(lambda: named("Load").getState().contains(at.STATE_ENABLED))

    # Each of these opens its windows, named throughout, and Escape closes each: New's question,
    # the load dialog, Save's name prompt, the print dialog after its note that the designs folder
    # is missing, and a card photo's file dialog.
    def escape_from(node, expected, own=True):
        press(node)
        others = lambda: [w for w in app if w != window and showing(w)]
        seen = []
        for _ in range(expected):
            shown = wait_for(lambda: next(iter(others()), None))
            if not shown:
                break
            seen.append(shown.name)
            check(not own or not unnamed(shown), "unnamed in %r: %s" % (shown.name, unnamed(shown)))
            wait_for(lambda: shown.getState().contains(at.STATE_ACTIVE), 3)
            at.Registry.generateKeyboardEvent(ESCAPE, None, at.KEY_PRESSRELEASE)
            if not wait_for(lambda: not showing(shown)):
                break
        check(len(seen) == expected and not others(), "%r opened %s" % (node.name, seen))
        return seen

    escape_from(named("Nieuw"), 1)
    check(escape_from(named("Load"), 1) == [" Puzzel laden"], "Load opened no load dialog")
    escape_from(named("Save"), 1)
    check(escape_from(named("Afdrukken"), 2)[-1:] == [" Mosaretspel afdrukken"],
          "Afdrukken opened no print dialog")
    escape_from(named("Foto van kaart 1: geen foto"), 1, own=False)  # Qt's file dialog
    # With no window manager to hand it back, the window takes the keyboard again itself.
    check(wait_for(lambda: window.getState().contains(at.STATE_ACTIVE), 5),
          "the window has not the keyboard after its dialogs closed")

if __name__ == "__main__":
    main()
