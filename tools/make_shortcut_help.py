#!/usr/bin/env python3
"""Generates data/SHORTCUT.HLP, the Shortcut Keys help text.

Source: the menu tables below, which give every menu item that has a
shortcut key in the main window, the Data window and the Chartwheels
window, with the keys the windows define ("+" Shift, "^" Ctrl).
Output: plain text, lines of at most 76 characters, CR LF line ends.
Rerun after a menu's shortcut keys change:

    python3 tools/make_shortcut_help.py [--out FOLDER]
"""

import sys
from pathlib import Path

# (menu, item, key) in menu order. Captions without their "&" markers.
MAIN_WINDOW = [
    ("File", "Exit", "F12"),
    ("Houses", "Placidus", "+F7"),
    ("Houses", "Regiomontanus", "+F8"),
    ("Houses", "Koch", "+F9"),
    ("Houses", "Equal - Asc", "+F11"),
    ("Houses", "Meridian", "+F12"),
    ("Data", "Natal Data", "F2"),
    ("Data", "Natal Aspects", "F3"),
    ("Data", "Church of Light Aspects", "F4"),
    ("Data", "Natal Cosmodynes", "^D"),
    ("Data", "Least Aspected Planet", "^L"),
    ("Data", "Magi Society Aspects (natal)", "^Q"),
    ("Data", "Cosmic State", "^E"),
    ("Data", "Cosmic States and Cosmodynes", "^W"),
    ("Data", "Transit Data", "F5"),
    ("Data", "Transit Aspects to Natal", "F6"),
    ("Data", "Transit Aspects to Transits", "F7"),
    ("Data", "Transit Interpretations", "+^F7"),
    ("Data", "Dual Cosmodynes", "^C"),
    ("Data", "Dual Cosmodynes with indiv. aspects", "^V"),
    ("Data", "Composite", "^S"),
    ("Data", "Magi Society Aspects", "^M"),
    ("Wheels", "Natal", "F9"),
    ("Wheels", "Natal declinations", "^F9"),
    ("Wheels", "Heliocentric", "^F11"),
    ("Wheels", "Natal helio latitudes", "^F12"),
    ("Wheels", "Transits", "F8"),
    ("Wheels", "Composite", "+^F9"),
    ("Wheels", "Transits vs Natal", "F11"),
    ("Wheels", "Display dual wheel", "^F5"),
    ("Wheels", "Display dual wheel - declinations", "+^F4"),
    ("Wheels", "Display helio dual wheel", "+^F5"),
    ("Wheels", "Display dual wheel - helio latitudes", "+^F6"),
    ("Wheels", "Display Moon in dual charts", "+F1"),
    ("Wheels", "Display NN in dual charts", "+F2"),
    ("Wheels", "Display SN in dual charts", "+F3"),
    ("Wheels", "Display P of F in dual charts", "+F4"),
    ("Wheels", "Display Asc in dual charts", "+F5"),
    ("Wheels", "Display MC in dual charts", "+F6"),
    ("Wheels", "All Major Aspects", "^F1"),
    ("Wheels", "150 deg Aspects", "^F2"),
    ("Wheels", "60 and 120 deg Aspects", "^F3"),
    ("Wheels", "90 and 180 deg Aspects", "^F4"),
    ("Meanings", "Natal", "^F6"),
    ("Meanings", "Composite", "^F7"),
    ("Meanings", "Synastry", "^F8"),
    ("Keywords", "General", "+^F12"),
    ("Keywords", "Keywords - Part 2", "+^F11"),
    ("Keywords", "Keyword System", "+^F8"),
    ("Help", "Tip of the Day", "^T"),
    ("Help", "Orvanta8 Main Menu", "F1"),
    ("Help", "About", "^A"),
]

DATA_WINDOW = [
    ("File", "Save", "F5"),
    ("File", "Save As", "F6"),
    ("Font", "Increase", "F7"),
    ("Font", "Decrease", "F8"),
    ("Font", "Bold", "F11"),
    ("Font", "Italic", "F12"),
    ("More", "Forward", "F2"),
    ("More", "Backward", "F3"),
    ("More", "New Date", "F4"),
]

WHEELS_WINDOW = [
    ("Update", "Add a Natal Day", "+F1"),
    ("Update", "Go back a Natal day", "+F2"),
    ("Update", "Add a Natal hour", "+F3"),
    ("Update", "Go back a Natal hour", "+F4"),
    ("Update", "Add a Natal minute", "+F5"),
    ("Update", "Go back a Natal minute", "+F6"),
    ("Update", "Add a Natal Week", "+F7"),
    ("Update", "Go back a Natal Week", "+F8"),
    ("Update", "Add a Natal Month", "+F11"),
    ("Update", "Go back a Natal Month", "+F12"),
    ("Update", "Add a Natal Year", "+^F1"),
    ("Update", "Go back a Natal Year", "+^F2"),
    ("Update", "Add a Transit Day", "^F1"),
    ("Update", "Go back a Transit day", "^F2"),
    ("Update", "Add a Transit hour", "^F3"),
    ("Update", "Go back a Transit hour", "^F4"),
    ("Update", "Add a Transit minute", "^F5"),
    ("Update", "Go back a Transit minute", "^F6"),
    ("Update", "Add a Transit Week", "^F7"),
    ("Update", "Go back a Transit Week", "^F8"),
    ("Update", "Add a Transit Month", "^F11"),
    ("Update", "Go back a Transit Month", "^F12"),
    ("Update", "Add a Transit Year", "+^F3"),
    ("Update", "Go back a Transit Year", "+^F4"),
    ("Orbs", "Select new orb file", "F11"),
    ("Orbs", "Edit orb file", "F12"),
    ("Options", "Toggle Option #230", "^L"),
    ("Type", "American", "F7"),
    ("Type", "European", "F8"),
]

SECTIONS = [
    ("MAIN WINDOW", MAIN_WINDOW),
    ("DATA WINDOW", DATA_WINDOW),
    ("CHARTWHEELS WINDOW", WHEELS_WINDOW),
]

INTRO = [
    "SHORTCUT KEYS",
    "=============",
    "",
    "The keys below run a menu command of the window that has the focus.",
    "Shift and Ctrl are held down while the function key or letter is",
    "pressed. Commands not listed here, such as the Houses items Campanus,",
    "Porphyry, Equal - MC and Morinus, are chosen with the mouse or with",
    "Alt and the underlined letters.",
    "",
    "Each window's own keys belong to that window while it has the focus:",
    "in the Data window F5 saves the page and F7 makes the font larger,",
    "and F2, F3 and F4 step the transit days while its More menu shows. A",
    "main window key that the window with the focus does not use itself",
    "runs the main window's command from there too: after a calculation,",
    "with the Data window in front, F3 lists the natal aspects and Ctrl+D",
    "the natal cosmodynes. Dialogs that wait for an answer keep every key.",
]

OUTRO = [
    "OTHER KEYS",
    "  Esc in the Data window, the Chartwheels window or the Enabled",
    "  Planets window brings the main window to the front; so does a right",
    "  click. In the input windows the Up and Down arrows move between the",
    "  time and place fields, and entering a field selects its text.",
    "",
    "When chart 2 is a second person, the Data items on F5, F6 and F7 read",
    "\"Natal Data - 2nd person\", \"Interchart Aspects\" and \"Natal Aspects -",
    "2nd person\", and Wheels F8 and F11 read \"2nd Person\" and \"2nd Person",
    "Natal vs Natal\"; their keys stay the same.",
]

KEY_COLUMN = 16


def key_text(code):
    """'+^F7' -> 'Shift+Ctrl+F7'."""
    parts = []
    while code[0] in "+^":
        parts.append("Shift" if code[0] == "+" else "Ctrl")
        code = code[1:]
    return "+".join(parts + [code])


def section_lines(title, items):
    lines = [title]
    menu = None
    for menu_name, item, code in items:
        if menu_name != menu:
            lines.append("  " + menu_name)
            menu = menu_name
        lines.append("    " + key_text(code).ljust(KEY_COLUMN) + item)
    return lines


def main():
    lines = list(INTRO)
    for title, items in SECTIONS:
        lines.append("")
        lines.extend(section_lines(title, items))
    lines.append("")
    lines.extend(OUTRO)
    assert all(len(line) <= 76 for line in lines), "a line is too long"
    folder = Path(__file__).resolve().parent.parent / "data"
    if sys.argv[1:2] == ["--out"]:  # tools/check_generated.py writes elsewhere
        folder = Path(sys.argv[2])
    target = folder / "SHORTCUT.HLP"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
