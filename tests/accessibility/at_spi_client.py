#!/usr/bin/python3
"""The game as a screen reader finds it, played by keyboard alone.

Run on a display, inside a D-Bus session whose accessibility bus can start
(scripts/test does so): starts the game given on the command line, walks
its tree and records its focus events with pyatspi, and plays from the
splash through every settings choice to a fold and Exit with key presses
sent through the AT-SPI device event controller. Exits 77 where the
accessibility bus cannot be reached.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

SKIP = 77
try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    print(f"no pyatspi: {error}")
    sys.exit(SKIP)

WAIT = 20  # seconds for anything the game does at once
TURN_WAIT = 45  # the first hand's turns come round on the game's clock
RANKS = "two three four five six seven eight nine ten jack queen king ace".split()
CARD = r"(?:%s) of (?:clubs|diamonds|hearts|spades)" % "|".join(RANKS)
KEYS = {"space": 0x20, "Tab": 0xFF09, "ISO_Left_Tab": 0xFE20, "Return": 0xFF0D,
        "Escape": 0xFF1B, "Right": 0xFF53, "b": 0x62, "f": 0x66, "1": 0x31}

focus_log = []  # (role, name) of each object that gained the focus
notices = []  # what the game announced, as notifications


class Failed(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, timeout=WAIT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump()
        try:
            found = condition()
        except Exception:  # objects come and go while the game runs
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise Failed(f"timed out after {timeout} s waiting for {what}")


def check(condition, what):
    if not condition:
        raise Failed(what)
    print(f"ok  {what}")


def key(name):
    pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)
    time.sleep(0.05)
    pump()


def move_focus(name):
    """Tab or Shift+Tab, waiting for the focus event it brings."""
    before = len(focus_log)
    key(name)
    wait_for(f"the focus to move on {name}", lambda: len(focus_log) > before)
    return focused()[1]


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def on_focus(event):
    if event.detail1:
        focus_log.append((event.source.getRoleName(), event.source.name))


def on_showing(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        notices.append(event.source.name)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def has(node, state):
    return node.getState().contains(state)


def showing(node):
    return has(node, pyatspi.STATE_SHOWING)


def find(root, role, name=None, pattern=None):
    return [n for n in walk(root) if n.getRoleName() == role and showing(n)
            and (name is None or n.name == name)
            and (pattern is None or re.fullmatch(pattern, n.name or ""))]


def focused():
    return focus_log[-1] if focus_log else (None, None)


def focus_comes_to(role, name=None, pattern=None, timeout=WAIT):
    def arrived():
        r, n = focused()
        return r == role and (name is None or n == name) and (
            pattern is None or re.fullmatch(pattern, n or ""))
    wait_for(f"the focus on the {role} {name or pattern}", arrived, timeout)
    return focused()[1]


def window(app, role, name):
    return wait_for(f"the {role} {name!r}",
                    lambda: next((w for w in app if w is not None and w.getRoleName() == role
                                  and w.name == name and showing(w)), None))


def tab_to_number():
    """From the speed tiles: Sound on, its volume, then the optional
    tournament number."""
    key("Tab")
    focus_comes_to("check box", "Sound on")
    key("Tab")
    focus_comes_to("slider", "Volume")
    key("Tab")
    focus_comes_to("text", "Tournament number")


def settings_by_keyboard(app):
    splash = window(app, "frame", "TARVIX")
    check(splash is not None, "the splash is a frame named TARVIX")
    key("space")
    settings = window(app, "dialog", "TARVIX settings")
    focus_comes_to("text", "Player Name")
    print("ok  the settings dialog opened with the name box, labelled Player Name, focused")
    type_text("Blind Bat")
    box = find(settings, "text", "Player Name")[0]
    wait_for("the name typed", lambda: box.queryText().getText(0, -1) == "Blind Bat")

    tiles = find(settings, "radio button")
    check(len(tiles) == 15 and all(t.name for t in tiles), "all fifteen tiles are named radio buttons")
    # Each group is one Tab stop; the arrow key moves the choice along it.
    # The game is then played very fast, so that the turns come quickly.
    for first, *moves in (("Wood-panelled room", "Casino carpet room"),
                          ("Red card back", "Blue card back"),
                          ("Green table top", "Brown table top"),
                          ("Normal speed", "Fast speed", "Very fast speed")):
        key("Tab")
        focus_comes_to("radio button", first)
        for second in moves:
            key("Right")
            focus_comes_to("radio button", second)
        chosen = wait_for(f"{second} checked", lambda: next(
            (t for t in find(settings, "radio button", second) if has(t, pyatspi.STATE_CHECKED)),
            None))
        group = chosen.parent
        others = [t.name for t in group if t is not None and has(t, pyatspi.STATE_CHECKED)]
        check(others == [second], f"Tab, Right: {second} alone is chosen in {group.name!r}")
    tab_to_number()
    key("Tab")
    focus_comes_to("push button", "Ok")
    key("Return")


def table_by_keyboard(app, game):
    table = window(app, "frame", "TARVIX table")
    turn = focus_comes_to("push button", pattern=r"Your turn: (call \d+|check)", timeout=TURN_WAIT)
    print(f"ok  the turn took the keyboard: {turn!r}")

    mine = find(table, "label", pattern=f"Your cards: {CARD}, {CARD}, {CARD}")
    check(len(mine) == 1, f"the player's cards in words: {mine[0].name!r}" if mine else
          "the player's three cards in words")
    seat = re.compile(rf"(.+): (?:({CARD}) up, two cards down|no cards)")
    seats = [n.name for n in find(table, "label") if seat.fullmatch(n.name)]
    check(len(seats) == 6, f"six opponents' cards in words, one up and two down: {seats}")
    cards = re.findall(CARD, mine[0].name + " ".join(seats))
    check(len(cards) == len(set(cards)), "no card shows twice")
    check(find(table, "label", "Whose turn: you"), "whose turn it is")
    check(find(table, "label", pattern="Dealer button: .+"), "the dealer button")
    check(find(table, "label", pattern=r"Limits \d+ and \d+"), "the limits read as words")
    pot = [n.name for n in find(table, "label", pattern=r"Pot .*\d+")]
    check(pot and all(re.fullmatch(r"Pot:? \d+", n) for n in pot),
          f"the pot and its total said once each, as shown: {pot}")
    told = [n for n in notices if re.search(r" (posts|raises|bets|calls|checks|folds)\b", n)]
    check(told, f"the seats' actions were announced: {told[-1]!r}" if told else
          f"the seats' actions announced (heard: {notices[-3:]})")
    nameless = [n.getRoleName() for n in walk(table) if showing(n) and not n.name
                and n.getRoleName() in ("push button", "text", "radio button", "check box")]
    check(not nameless, f"every control has a name (nameless: {nameless})")
    gone = [w.name for w in app if w is not None and w.name in ("TARVIX", "TARVIX settings")]
    check(not gone, f"the splash and settings windows have left the tree (still there: {gone})")

    # Tab goes round the panel and on to Sit Out and Exit; Shift+Tab comes back.
    order = []
    while focused()[1] != "Exit" and len(order) < 10:
        order.append(move_focus("Tab"))
    expected = ["Fold", "Amount to bet", "Bet It", "Sit Out", "Exit"]
    check([n for n in order if n in expected] == expected, f"Tab order {order}")
    back = [move_focus("ISO_Left_Tab") for _ in range(4)]
    check(back == ["Sit Out", "Bet It", "Amount to bet", "Fold"], f"Shift+Tab order {back}")
    # A refused amount keeps the turn; Escape leaves the box and F folds.
    key("b")
    focus_comes_to("text", "Amount to bet")
    key("1")
    key("Return")
    fold = find(table, "push button", "Fold")
    check(fold, "a too small amount leaves the turn open")
    key("Escape")
    key("f")
    wait_for("the fold", lambda: not find(table, "push button", "Fold"))
    print("ok  Escape left the amount box and F folded")
    while focused()[1] != "Sit Out":
        move_focus("Tab")
    key("space")
    sit_out = wait_for("Sit Out checked", lambda: next(
        (n for n in walk(table) if n.name == "Sit Out" and has(n, pyatspi.STATE_CHECKED)), None))
    check(sit_out, f"Sit Out, pressed, is a checked {sit_out.getRoleName()}")
    while focused()[1] != "Exit":
        move_focus("Tab")
    key("space")
    # Exit asks "Leave the tournament?" first, the keyboard on Stay, so that
    # Enter never leaves by accident; Tab to Leave and Space leaves.
    focus_comes_to("push button", "Stay")
    for _ in range(4):
        if focused()[1] == "Leave":
            break
        move_focus("Tab")
    focus_comes_to("push button", "Leave")
    key("space")
    check(game.wait(WAIT) == 0, "Space on Exit, Tab to Leave, then Space, ended the game")


def run(command, app_name, play):
    """Starts command, finds it on the bus by app_name and hands it to
    play(app, process); returns the exit status."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # A data folder of its own, so that no remembered name or kept
    # tournament from an earlier game changes what the keys meet.
    env.setdefault("XDG_DATA_HOME", tempfile.mkdtemp(prefix="tarvix-at-spi-"))
    # libatspi aborts a process that cannot reach the bus: ask a child first.
    probe = subprocess.run([sys.executable, "-c", "import pyatspi\n"
                            "pyatspi.Registry.getDesktop(0).childCount"],
                           capture_output=True, text=True)
    if probe.returncode != 0:
        print("the accessibility bus cannot start here: "
              + (probe.stderr.strip().splitlines() or ["no reason given"])[-1])
        return SKIP
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    process = subprocess.Popen(command, env=env)
    try:
        app = wait_for(f"{app_name} on the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app_name),
            None))
        play(app, process)
    except (Failed, subprocess.TimeoutExpired) as failure:
        print(f"FAILED {failure}\nfocus went: {focus_log[-12:]}")
        return 1
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    return 0


def main():
    def play(app, game):
        settings_by_keyboard(app)
        table_by_keyboard(app, game)
    return run(sys.argv[1:], "TARVIX", play)


if __name__ == "__main__":
    sys.exit(main())
