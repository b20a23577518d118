#!/usr/bin/python3
"""The game as Orca speaks it, at Very fast.

Run on a display, inside a D-Bus session (scripts/test does so): starts a
window manager, speech-dispatcher with a private configuration whose only
voice writes each utterance as a line of a file, and Orca; then plays the
game given on the command line by keyboard and checks what was spoken:
every hand log line of two hands, the cards of each street, and
nothing but the hand's story while the player is all in. Exits 77 where
Orca or speech-dispatcher cannot start.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import at_spi_client as client
from at_spi_client import CARD, Failed, check, find, focus_comes_to, key, wait_for, window

SKIP = client.SKIP
ORCA_WAIT = 40  # Orca takes a few seconds to come up and say so
TURN = r"Your turn: (call \d+|check)"  # the button the turn opens on
# The hands whose every line must be spoken: the first hand's opening lines
# come while the table window is still being shown, before Orca follows it.
HANDS_HEARD = (2, 3)
TOURNAMENT = "4183775"  # the same deal every run
SPEECHD_CONF = """AudioOutputMethod "alsa"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "en"
"""
# Each utterance one line of the file; the text arrives as $DATA. The
# module escapes nothing, so the line is printed from the environment.
MODULE_CONF = """GenericExecuteSynth "printf '%%s\\\\n' \\"$DATA\\" >> %s"
AddVoice "en" "MALE1" "en"
"""

posted = []  # (time, name) of each notification the game posted
focused = []  # (time, role, name) of each object that took the focus


def on_notice(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        posted.append((time.monotonic(), event.source.name))


def on_focus(event):
    if event.detail1:
        focused.append((time.monotonic(), event.source.getRoleName(), event.source.name))


def words(text):
    """Text as compared: lower case, letters, digits and single blanks."""
    return " ".join(re.findall(r"[a-z0-9]+", text.lower()))


class Speech:
    """What speech-dispatcher wrote, a line an utterance, with the time each
    line was first seen."""

    def __init__(self, path):
        self.path = path
        self.lines = []  # (time, text)

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            return self.lines
        now = time.monotonic()
        for line in text.splitlines()[len(self.lines):]:
            self.lines.append((now, line))
        return self.lines

    def wait_quiet(self, quiet=1.0, timeout=20):
        """Waits until nothing new has been said for quiet seconds: a key
        pressed while Orca speaks cuts the speech short, as it should."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            client.pump()
            lines = self.read()
            if not lines or time.monotonic() - lines[-1][0] >= quiet:
                return
            time.sleep(0.1)

    def reading(self, condition):
        """condition, the file read at each test: an utterance is timed
        as it is read."""
        return lambda: self.read() is not None and condition()

    def since(self, moment):
        return [t for (when, t) in self.read() if when >= moment]


def start_speech(scratch, speech):
    """speech-dispatcher on a private socket, then Orca; returns the
    processes, or None where either cannot start."""
    conf = os.path.join(scratch, "speechd")
    os.makedirs(os.path.join(conf, "modules"))
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write(SPEECHD_CONF)
    with open(os.path.join(conf, "modules", "file.conf"), "w") as f:
        f.write(MODULE_CONF % speech.path)
    home = os.path.join(scratch, "home")
    os.makedirs(home)
    with open(os.path.join(home, ".asoundrc"), "w") as f:
        f.write("pcm.!default { type null }\n")
    runtime = os.path.join(scratch, "run")
    os.makedirs(runtime, mode=0o700)
    socket = os.path.join(runtime, "speechd.sock")
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
               SPEECHD_ADDRESS=f"unix_socket:{socket}")
    log = open(os.path.join(scratch, "services.log"), "w")
    processes = [subprocess.Popen(["openbox"], env=env, stdout=log, stderr=log)]
    subprocess.run(["speech-dispatcher", "-d", "-t", "0", "-C", conf, "-S", socket],
                   env=env, stdout=log, stderr=log)
    processes.append(subprocess.Popen(
        ["orca", "-u", os.path.join(scratch, "orca"),
         f"--debug-file={os.path.join(scratch, 'orca-debug.log')}"],
        env=env, stdout=log, stderr=log))
    end = time.monotonic() + ORCA_WAIT
    while time.monotonic() < end:
        if any("screen reader on" in words(t) for (_, t) in speech.read()):
            return processes
        time.sleep(0.2)
    stop(processes)
    return None


def stop(processes):
    for process in processes:
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def settings_very_fast(app):
    window(app, "frame", "TARVIX")
    key("space")
    window(app, "dialog", "TARVIX settings")
    focus_comes_to("text", "Player Name")
    client.type_text("Orca Listener")
    for first, *moves in (("Wood-panelled room",), ("Red card back",), ("Green table top",),
                          ("Normal speed", "Fast speed", "Very fast speed")):
        key("Tab")
        focus_comes_to("radio button", first)
        for move in moves:
            key("Right")
            focus_comes_to("radio button", move)
    client.tab_to_number()
    client.type_text(TOURNAMENT)
    key("Tab")
    focus_comes_to("push button", "Ok")
    key("Return")


def log_hands(table):
    """The hand log's lines, grouped by hand: {hand number: [lines]}."""
    logs = [n for n in client.walk(table) if n.getRoleName() == "text" and n.name == "Hand log"]
    if not logs:
        return {}
    text = logs[0].queryText()
    hands, current = {}, None
    for line in text.getText(0, -1).splitlines():
        line = line.strip()
        heading = re.fullmatch(r"Hand (\d+)", line)
        if heading:
            current = int(heading.group(1))
            hands[current] = []
        elif line and current is not None:
            hands[current].append(line)
    return hands


def play_until(table, speech, condition, what):
    """Checks, or else folds, at every turn until condition() holds: the
    player stays in the tournament to go all in later."""
    taken = [len(focused)]  # the focus events already answered

    def step():
        if condition():
            return True
        if len(focused) > taken[0]:
            taken[0] = len(focused)
            _, role, name = focused[-1]
            if role == "push button" and re.fullmatch(TURN, name or ""):
                speech.wait_quiet()
                key("space" if name.endswith("check") else "f")
        return False
    wait_for(what, step, timeout=240)


def heard_in_order(lines, spoken):
    """The lines not found in the speech, in order: each line's first words
    (its seat or street and what happened) in an utterance after the last
    line's, and a street's cards said in words."""
    missing, at = [], 0
    for line in lines:
        head = " ".join(words(re.split(r"[:(]", line)[0]).split()[:4])
        found = next((i for i in range(at, len(spoken)) if head and head in words(spoken[i])), None)
        if found is None:
            missing.append(line)
            continue
        at = found
        # Seventh street may deal only cards down, said as such.
        street = re.match(r"(Third|Fourth|Fifth|Sixth|Seventh) street", line)
        if street and not re.search(CARD, spoken[found]) and "card down" not in spoken[found]:
            missing.append(f"{line} (its cards in words: {spoken[found]!r})")
    return missing


def play_and_listen(app, game, speech):
    settings_very_fast(app)
    table = window(app, "frame", "TARVIX table")
    opened = time.monotonic()
    after = HANDS_HEARD[-1] + 1
    play_until(table, speech, lambda: after in log_hands(table), f"hand {after}")
    # The last lines of a hand are spoken a moment after the next begins.
    time.sleep(2)
    hands = log_hands(table)
    spoken = speech.since(opened)
    heard_from = next(when for (when, name) in posted if name.startswith(f"Hand {HANDS_HEARD[0]}"))
    notes = [name for (when, name) in posted if when >= heard_from]
    unsaid = [n for n in notes[:len(notes) - 3] if words(n) not in words(" ".join(spoken))]
    check(not unsaid, f"every announcement was spoken ({len(notes)}; unsaid: {unsaid[:3]})")
    lines = [line for h in HANDS_HEARD for line in [f"Hand {h}"] + hands[h]]
    missing = heard_in_order(lines, spoken)
    check(not missing, f"every line of hands {HANDS_HEARD} spoken in order, {len(lines)} lines, the "
          f"streets' cards in words (missing: {missing[:4]})")

    # All in at the next turn: from then on only the hand's story is told;
    # no turn opens, the keyboard stays put and nothing else is said.
    focus_comes_to("push button", pattern=TURN, timeout=120)
    speech.wait_quiet()
    key("b")
    focus_comes_to("text", "Amount to bet")
    client.type_text("99999")
    key("Return")
    all_in = time.monotonic()
    wait_for("the player all in", speech.reading(lambda: any(
        when >= all_in and "all in" in name for (when, name) in posted)), timeout=10)
    settled = all_in + 1  # the Return itself may still be answered
    hand = max(log_hands(table))
    # The hand ends with the next one's heading, or with the tournament.
    wait_for("the all-in hand to end", speech.reading(
        lambda: game.poll() is not None or max(log_hands(table)) > hand), timeout=120)
    ended = time.monotonic()
    told = [words(n) for (when, n) in posted if when >= all_in]
    said = [(when, t) for (when, t) in speech.read() if settled <= when < ended]
    # Orca names the role before a notification's text.
    story = [re.sub(r"^notification ", "", words(t)) for (_, t) in said]
    stray = [t for t in story if not any(t and t in n for n in told)]
    check(said and not stray, f"while all in, only the hand's story was spoken ({len(said)} utterances; "
          f"else: {stray[:4]})")
    moves = [name for (when, _, name) in focused if settled <= when < ended]
    check(not moves, f"no focus moved while all in: {moves}")


def main():
    if not shutil.which("orca") or not shutil.which("speech-dispatcher"):
        print("Orca or speech-dispatcher is not installed")
        return SKIP
    scratch = tempfile.mkdtemp(prefix="tarvix-orca-")
    speech = Speech(os.path.join(scratch, "spoken.txt"))
    services = start_speech(scratch, speech)
    if services is None:
        print("Orca did not start speaking within the time allowed")
        return SKIP
    import pyatspi
    pyatspi.Registry.registerEventListener(on_notice, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    # The game keeps its tournament in a data folder of its own here.
    os.environ["XDG_DATA_HOME"] = os.path.join(scratch, "data")
    try:
        status = client.run(sys.argv[1:], "TARVIX",
                            lambda app, game: play_and_listen(app, game, speech))
    finally:
        stop(services)
    if status != 0:
        print(f"spoken ({speech.path}):")
        for (_, t) in speech.read()[-30:]:
            print(f"  {t}")
    return status


if __name__ == "__main__":
    sys.exit(main())
