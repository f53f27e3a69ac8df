#!/usr/bin/python3
# Reads the game's windows over the real accessibility bus as a screen reader does: what is missed.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""atspi_check.py [options] STATE [STATE...]

Starts a private D-Bus session, the AT-SPI bus and an X server (xvfb-run), opens each STATE with
veloria_window_state (its --list names them) and walks the accessible tree of the window:

- every focusable object with its role, name and states;
- faults: a window whose role is not a window's (frame, dialog), focusable objects without a
  name, names shared by two focusable objects of a window, focusable objects that are not showing
  or that a later sibling covers (the focus could land where nothing is seen), and, with --tab N,
  the Tab stops that are not showing or covered;
- tables: size, column headers, the first rows' cells and the chosen rows; texts: their lines.

Exit status: 0 when it ran (1 with --strict when it found a fault), 77 when no bus or display can
be started here (ctest counts that as skipped), 2 on a usage error or a window that never opened.
Run with Debian's /usr/bin/python3 (python3-pyatspi).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
INSIDE = "VELORIA_ATSPI_INSIDE"
HERE = os.path.dirname(os.path.abspath(__file__))


# The roles of the entries inside a list or a table, which are not controls of their own.
ITEM_ROLES = {"list item", "table cell", "table column header", "table row header"}

def skip(why):
    print("atspi_check: skipped: " + why)
    sys.exit(SKIP)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[1],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("states", nargs="+", metavar="STATE")
    parser.add_argument("--bin", default=os.path.join(HERE, "..", "..", "build", "ci", "bin"),
                        help="the folder with veloria_window_state (build/ci/bin)")
    parser.add_argument("--rows", type=int, default=3, help="table rows to print (3)")
    parser.add_argument("--lines", type=int, default=40, help="text lines to print (40)")
    parser.add_argument("--tab", type=int, default=0, metavar="N",
                        help="also press Tab N times (xdotool) and report where the focus goes")
    parser.add_argument("--all", action="store_true",
                        help="list every object of the tree, not only the focusable ones")
    parser.add_argument("--json", metavar="FILE", help="also write the findings as JSON")
    parser.add_argument("--strict", action="store_true", help="exit 1 when a fault is found")
    return parser.parse_args()


# ---- the private session -------------------------------------------------------------------

def enter_session(arguments):
    """Runs this script again inside dbus-run-session and xvfb-run; returns its exit status."""
    for tool in ("dbus-run-session", "xvfb-run", "xauth"):
        if shutil.which(tool) is None:
            skip(tool + " is not installed")
    if not os.path.exists(launcher()):
        skip("at-spi-bus-launcher is not installed (at-spi2-core)")
    probe = subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"], capture_output=True)
    if probe.returncode != 0:
        skip("python3-pyatspi is not installed")
    program = os.path.join(os.path.abspath(arguments.bin), "veloria_window_state")
    if not os.access(program, os.X_OK):
        print("atspi_check: no " + program + " (build it, or give --bin)", file=sys.stderr)
        return 2
    runtime = tempfile.mkdtemp(prefix="veloria-atspi-")
    os.chmod(runtime, 0o700)
    env = dict(os.environ)
    env.update({INSIDE: "1", "XDG_RUNTIME_DIR": runtime, "NO_AT_BRIDGE": "0"})
    env.pop("QT_QPA_PLATFORM", None)
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp",
               "/usr/bin/python3", os.path.abspath(__file__)] + sys.argv[1:]
    try:
        return subprocess.run(command, env=env, timeout=600).returncode
    except subprocess.TimeoutExpired:
        print("atspi_check: timed out", file=sys.stderr)
        return 2
    finally:
        shutil.rmtree(runtime, ignore_errors=True)


def launcher():
    for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
        if os.path.exists(path):
            return path
    return "/usr/libexec/at-spi-bus-launcher"


def start_bus():
    """Starts the accessibility bus of this session and turns accessibility on; None on failure."""
    bus = subprocess.Popen([launcher(), "--launch-immediately"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    for _ in range(50):
        reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               capture_output=True, text=True)
        if reply.returncode == 0 and "unix:" in reply.stdout:
            subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                            "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                            "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true"],
                           capture_output=True)
            return bus
        time.sleep(0.1)
    bus.kill()
    return None


# ---- reading the tree ----------------------------------------------------------------------

def state_names(obj):
    import pyatspi
    states = obj.getState()
    wanted = [("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
              ("showing", pyatspi.STATE_SHOWING), ("visible", pyatspi.STATE_VISIBLE),
              ("enabled", pyatspi.STATE_ENABLED), ("selected", pyatspi.STATE_SELECTED)]
    return [name for name, state in wanted if states.contains(state)]


def describe(obj):
    name = obj.name or ""
    text = "[%s] %s" % (obj.getRoleName(), json.dumps(name, ensure_ascii=False))
    if obj.description:
        text += " (" + json.dumps(obj.description, ensure_ascii=False) + ")"
    return text


def is_container_of_many(obj):
    import pyatspi
    return obj.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
                             pyatspi.ROLE_TREE) and obj.childCount > 40


def walk(obj, depth=0, above=()):
    """Yields (object, depth, above) for the tree under obj; tables of many cells are not entered,
    nor combo boxes, whose children are the items of their closed list (a reader reaches them by
    opening it). `above` holds the later siblings of the object and of its ancestors: Qt stacks a
    widget's children in their order, so these are what is painted over it."""
    import pyatspi
    yield obj, depth, above
    if is_container_of_many(obj) or obj.getRole() == pyatspi.ROLE_COMBO_BOX:
        return
    children = [obj.getChildAtIndex(index) for index in range(obj.childCount)]
    for index, child in enumerate(children):
        if child is not None:
            later = tuple(c for c in children[index + 1:] if c is not None)
            yield from walk(child, depth + 1, above + later)


def extents(obj):
    import pyatspi
    try:
        box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height
    except Exception:
        return None


def covered_by(obj, above):
    """The showing object painted over the middle of obj, if any."""
    import pyatspi
    box = extents(obj)
    if box is None or box[2] <= 0 or box[3] <= 0:
        return None
    x, y = box[0] + box[2] // 2, box[1] + box[3] // 2
    for other in above:
        states = other.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        cover = extents(other)
        if cover and cover[0] <= x < cover[0] + cover[2] and cover[1] <= y < cover[1] + cover[3]:
            return other
    return None


def read_table(obj, rows):
    result = {"role": obj.getRoleName(), "name": obj.name or ""}
    try:
        table = obj.queryTable()
    except NotImplementedError:
        return None
    result["rows"] = table.nRows
    result["columns"] = table.nColumns
    headers = []
    for column in range(table.nColumns):
        header = table.getColumnHeader(column)
        headers.append(header.name if header is not None else table.getColumnDescription(column))
    result["headers"] = headers
    result["cells"] = []
    for row in range(min(rows, table.nRows)):
        result["cells"].append([cell_text(table, row, c) for c in range(table.nColumns)])
    result["selectedRows"] = list(table.getSelectedRows())
    result["chosen"] = [[cell_text(table, r, c) for c in range(table.nColumns)]
                        for r in result["selectedRows"][:3]]
    return result


def cell_text(table, row, column):
    cell = table.getAccessibleAt(row, column)
    return cell.name if cell is not None else None


def read_text(obj, lines):
    try:
        text = obj.queryText()
    except NotImplementedError:
        return None
    whole = text.getText(0, -1)
    return {"role": obj.getRoleName(), "name": obj.name or "", "characters": text.characterCount,
            "lines": whole.splitlines()[:lines]}


def find_application(pid, timeout=20.0):
    import pyatspi
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def check_window(window, arguments, pid):
    import pyatspi
    report = {"window": window.name or "", "role": window.getRoleName(), "focusable": [],
              "faults": [], "tables": [], "texts": [], "objects": [], "tab": []}
    focusable = []
    for obj, depth, above in walk(window):
        states = state_names(obj)
        entry = {"role": obj.getRoleName(), "name": obj.name or "",
                 "description": obj.description or "", "states": states, "depth": depth}
        if arguments.all:
            report["objects"].append(entry)
        if "focusable" in states and obj.getRole() != pyatspi.ROLE_TABLE_CELL:
            if "visible" in states:
                cover = covered_by(obj, above)
                if cover is not None:
                    entry["coveredBy"] = "[%s] %s" % (cover.getRoleName(), cover.name or "")
            focusable.append((obj, entry))
            if "visible" in states or arguments.all:
                report["focusable"].append(entry)
        if obj.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            table = read_table(obj, arguments.rows)
            if table is not None:
                report["tables"].append(table)
        elif obj.getRole() not in (pyatspi.ROLE_TABLE_CELL,):
            if obj.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PARAGRAPH, pyatspi.ROLE_DOCUMENT_TEXT,
                                 pyatspi.ROLE_TERMINAL, pyatspi.ROLE_STATIC):
                text = read_text(obj, arguments.lines)
                if text is not None and text["characters"] > 0:
                    report["texts"].append(text)
    # A window is told as one: a frame, a dialog or an alert, not a plain filler or panel.
    if window.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW,
                                pyatspi.ROLE_ALERT, pyatspi.ROLE_FILE_CHOOSER):
        report["faults"].append({"kind": "window role " + window.getRoleName(),
                                 "object": {"role": window.getRoleName(), "name": window.name or "",
                                            "states": []}})
    names = {}
    # A hidden control cannot take the focus: only the visible ones are judged. A list's items and
    # a table's cells are named by what they hold (a folder "/" beside the drive "/"): they must
    # have a name, but only the controls themselves must be told apart.
    for obj, entry in focusable:
        if "visible" not in entry["states"]:
            continue
        if not entry["name"].strip():
            report["faults"].append({"kind": "unnamed", "object": entry})
        elif entry["role"] not in ITEM_ROLES:
            names.setdefault(entry["name"], []).append(entry)
        if "showing" not in entry["states"]:
            report["faults"].append({"kind": "not showing", "object": entry})
        elif "coveredBy" in entry:
            report["faults"].append({"kind": "covered by " + entry["coveredBy"], "object": entry})
    for name, entries in names.items():
        # A Qt tab bar reads as its current tab: the two are one control, told apart by role.
        if sorted(e["role"] for e in entries) == ["page tab", "page tab list"]:
            continue
        if len(entries) > 1:
            report["faults"].append({"kind": "shared name", "name": name, "count": len(entries),
                                     "roles": [e["role"] for e in entries]})
    if arguments.tab > 0:
        walk_tab(window, arguments.tab, pid, report)
    return report


def walk_tab(window, presses, pid, report):
    """Presses Tab and follows the focus by the bus's own focus events, as a screen reader does."""
    import pyatspi
    from gi.repository import GLib
    if shutil.which("xdotool") is None:
        report["tab"].append({"error": "xdotool is not installed"})
        return
    focused = []

    def on_focus(event):
        if event.detail1 == 1:
            focused.append(event.source)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
    if windows:
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[-1]], capture_output=True)
    context = GLib.MainContext.default()
    try:
        for _ in range(presses):
            focused.clear()
            subprocess.run(["xdotool", "key", "Tab"], capture_output=True)
            end = time.time() + 0.4
            while time.time() < end:
                if not context.iteration(False):
                    time.sleep(0.02)
            obj = focused[-1] if focused else None
            if obj is None:
                report["tab"].append({"role": None, "name": None, "states": []})
                continue
            entry = {"role": obj.getRoleName(), "name": obj.name or "", "states": state_names(obj)}
            report["tab"].append(entry)
            cover = covered_by(obj, above_of(window, obj))
            if "showing" not in entry["states"]:
                report["faults"].append({"kind": "tab stop not showing", "object": entry})
            elif cover is not None:
                report["faults"].append({"kind": "tab stop covered by [%s] %s" % (
                    cover.getRoleName(), cover.name or ""), "object": entry})
    finally:
        pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")


def above_of(window, target):
    for obj, _, above in walk(window):
        if obj == target:
            return above
    return ()


def open_state(program, state):
    process = subprocess.Popen([program, state], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                   QT_ACCESSIBILITY="1"))
    line = process.stdout.readline()
    if not line.startswith("ready"):
        process.kill()
        return None, None
    return process, line.split()[1] if len(line.split()) > 1 else ""


def close_state(process):
    try:
        process.stdin.close()
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def print_report(state, report):
    print("== %s: %s %s" % (state, report["role"], json.dumps(report["window"], ensure_ascii=False)))
    print("focusable objects, visible (%d):" % len(report["focusable"]))
    for entry in report["focusable"]:
        print("  [%s] %s%s  {%s}" % (entry["role"], json.dumps(entry["name"], ensure_ascii=False),
                                     " (" + json.dumps(entry["description"], ensure_ascii=False) + ")"
                                     if entry["description"] else "", " ".join(entry["states"])))
    for entry in report["objects"]:
        print("  %s[%s] %s  {%s}" % ("  " * entry["depth"], entry["role"],
                                     json.dumps(entry["name"], ensure_ascii=False),
                                     " ".join(entry["states"])))
    for table in report["tables"]:
        print("table %s: %d rows, %d columns" % (json.dumps(table["name"], ensure_ascii=False),
                                                 table["rows"], table["columns"]))
        print("  headers: " + " | ".join(str(h) for h in table["headers"]))
        for number, row in enumerate(table["cells"]):
            print("  row %d: %s" % (number, " | ".join(str(c) for c in row)))
        print("  chosen rows: %s" % table["selectedRows"])
        for row in table["chosen"]:
            print("    " + " | ".join(str(c) for c in row))
    for text in report["texts"]:
        print("text [%s] %s, %d characters:" % (text["role"], json.dumps(text["name"], ensure_ascii=False),
                                               text["characters"]))
        for line in text["lines"]:
            print("  | " + line)
    if report["tab"]:
        print("Tab order:")
        for entry in report["tab"]:
            print("  [%s] %s  {%s}" % (entry.get("role"), json.dumps(entry.get("name"), ensure_ascii=False),
                                       " ".join(entry.get("states", []))))
    print("faults (%d):" % len(report["faults"]))
    for fault in report["faults"]:
        if fault["kind"] == "shared name":
            print("  shared name %s: %d objects (%s)" % (json.dumps(fault["name"], ensure_ascii=False),
                                                         fault["count"], ", ".join(fault["roles"])))
        else:
            entry = fault["object"]
            print("  %s: [%s] %s" % (fault["kind"], entry["role"],
                                     json.dumps(entry["name"], ensure_ascii=False)))
    print()


def run_inside(arguments):
    program = os.path.join(os.path.abspath(arguments.bin), "veloria_window_state")
    bus = start_bus()
    if bus is None:
        skip("the accessibility bus did not start")
    try:
        import pyatspi  # noqa: F401 (after the bus is up: it connects on import)
    except Exception as error:  # a bus that went away between the probe and here
        skip("pyatspi cannot reach the bus: %s" % error)
    results = {}
    faults = 0
    for state in arguments.states:
        process, window_name = open_state(program, state)
        if process is None:
            print("atspi_check: %s did not open" % state, file=sys.stderr)
            return 2
        try:
            app = find_application(process.pid)
            if app is None:
                print("atspi_check: %s is not on the accessibility bus" % state, file=sys.stderr)
                return 2
            time.sleep(0.3)
            windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
            shown = [w for w in windows if w is not None and "showing" in state_names(w)] or windows
            reports = [check_window(w, arguments, process.pid) for w in shown if w is not None]
        finally:
            close_state(process)
        results[state] = reports
        for report in reports:
            print_report(state, report)
            faults += len(report["faults"])
    if arguments.json:
        with open(arguments.json, "w", encoding="utf-8") as out:
            json.dump(results, out, ensure_ascii=False, indent=1)
    print("atspi_check: %d fault(s) in %s" % (faults, ", ".join(arguments.states)))
    bus.terminate()
    return 1 if arguments.strict and faults else 0


def main():
    arguments = parse_arguments()
    if os.environ.get(INSIDE) != "1":
        return enter_session(arguments)
    return run_inside(arguments)


if __name__ == "__main__":
    sys.exit(main())
