#!/usr/bin/python3
"""The record window as a screen reader finds it, used by keyboard alone.

Run on a display inside a D-Bus session, as at_spi_client.py is, with the
record window's look tool: record_client.py build/tools/tarvix_record_look.
Checks that the figures, the chart (its places in words) and the list of
tournaments are exposed with names, that Tab reaches every control, and that
Escape closes the window. Exits 77 where the accessibility bus cannot be
reached.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import at_spi_client as spi  # noqa: E402  (the shared AT-SPI helpers)
from at_spi_client import check, find, move_focus, pyatspi, wait_for, walk  # noqa: E402

CONTROLS = ["Chart of finishing places", "Tournaments", "Hand log of the chosen tournament",
            "Export hand log...", "Forget my record", "Close"]


def record_by_keyboard(app, tool):
    record = spi.window(app, "dialog", "Your record")
    charts = [n for n in walk(record) if n.name == "Chart of finishing places"]
    check(charts, "the chart is exposed by name")
    chart = charts[0]
    print(f"ok  the chart is a {chart.getRoleName()}: {chart.description!r}")
    check(chart.description.startswith("Finishing places, oldest first: 812th, 455th, 97th")
          and chart.description.endswith("2 tournaments abandoned."),
          "the chart's description says the places in words, the abandoned apart")
    lists = [n for n in walk(record) if n.name == "Tournaments"]
    check(lists, "the list of tournaments is exposed by name")
    rows = lists[0].queryTable().nRows
    check(rows == 13, f"the list holds every tournament, the kept one too ({rows} rows)")
    figures = [n.name for n in find(record, "label") if n.name.startswith("Median place:")]
    check(figures == ["Median place: 47.5"], f"the figures read with their names: {figures}")
    nameless = [n.getRoleName() for n in walk(record) if spi.showing(n) and not n.name
                and n.getRoleName() in ("push button", "text", "table", "tree table", "chart")]
    check(not nameless, f"every control has a name (nameless: {nameless})")

    seen = []
    for _ in range(2 * len(CONTROLS)):
        seen.append(move_focus("Tab"))
        if all(c in seen for c in CONTROLS):
            break
    missing = [c for c in CONTROLS if c not in seen]
    check(not missing, f"Tab reaches every control: {seen} (missing: {missing})")
    spi.key("Escape")
    check(tool.wait(spi.WAIT) == 0, "Escape closed the record window")


def main():
    tool = sys.argv[1]
    return spi.run([tool, "--show"], os.path.basename(tool), record_by_keyboard)


if __name__ == "__main__":
    sys.exit(main())
