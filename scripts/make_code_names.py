#!/usr/bin/env python3
"""Writes src/msglog/details/CodeNameTables.inc, the names of the codes the message log's details
find inside a message's parameters (virtual keys, hit-test codes, system commands, the
notification codes of WM_COMMAND and WM_NOTIFY), from the MinGW-w64 headers winuser.h, commctrl.h
and richedit.h.

    python3 scripts/make_code_names.py [INCLUDE_DIR]           write the tables
    python3 scripts/make_code_names.py --check [INCLUDE_DIR]   fail when the checked-in tables
                                                               differ from what would be written

INCLUDE_DIR defaults to /usr/share/mingw-w64/include (Debian's mingw-w64-x86-64-dev).

The headers are read, and their values resolved, by the reader of scripts/make_message_names.py.
Each table gathers the names of some prefixes whose values fall in a range; a negative value is
stored as the code holds it, in 16 or 32 bits (LBN_ERRSPACE is 0xFFFE in a WM_COMMAND's wParam,
NM_CLICK 0xFFFFFFFE in a notification header).  The output depends only on the headers, so it is
byte-identical from run to run.
"""

import os
import re
import sys

import make_message_names as headers

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "src", "msglog", "details", "CodeNameTables.inc")

NEGATIVE = (-0x7FFFFFFF, -1)

# A table: (name, [(header, prefix)], (lowest, highest) of the signed values, bits of the code).
TABLES = [
    ("kVirtualKeys", [("winuser.h", "VK_")], (0x01, 0xFE), 32),
    ("kHitTestCodes", [("winuser.h", "HT")], (-2, 0xFF), 32),
    ("kSysCommands", [("winuser.h", "SC_")], (0xF000, 0xFFFF), 32),
    # The codes in a WM_COMMAND's HIWORD, by the class that sends them.
    ("kButtonCommandCodes", [("winuser.h", "BN_")], (-0x8000, 0xFFFF), 16),
    ("kEditCommandCodes", [("winuser.h", "EN_")], (-0x8000, 0xFFFF), 16),
    ("kListBoxCommandCodes", [("winuser.h", "LBN_")], (-0x8000, 0xFFFF), 16),
    ("kComboBoxCommandCodes", [("winuser.h", "CBN_")], (-0x8000, 0xFFFF), 16),
    ("kStaticCommandCodes", [("winuser.h", "STN_")], (-0x8000, 0xFFFF), 16),
    ("kAnimateCommandCodes", [("commctrl.h", "ACN_")], (-0x8000, 0xFFFF), 16),
    # The codes of WM_NOTIFY. Windows gives each family of common controls a range of its own below
    # zero, but the ranges do not quite keep apart (DTN_FORMATW is MCN_GETDAYSTATE), so a code is
    # named by the class that sends it. NM_ names the codes every common control may send.
    ("kCommonNotifications", [("commctrl.h", "NM_")], NEGATIVE, 32),
    ("kListViewNotifications", [("commctrl.h", "LVN_")], NEGATIVE, 32),
    ("kHeaderNotifications", [("commctrl.h", "HDN_")], NEGATIVE, 32),
    ("kTreeViewNotifications", [("commctrl.h", "TVN_")], NEGATIVE, 32),
    ("kToolTipNotifications", [("commctrl.h", "TTN_")], NEGATIVE, 32),
    ("kTabNotifications", [("commctrl.h", "TCN_")], NEGATIVE, 32),
    ("kToolBarNotifications", [("commctrl.h", "TBN_")], NEGATIVE, 32),
    ("kUpDownNotifications", [("commctrl.h", "UDN_")], NEGATIVE, 32),
    ("kDateTimeNotifications", [("commctrl.h", "DTN_")], NEGATIVE, 32),
    ("kMonthCalNotifications", [("commctrl.h", "MCN_")], NEGATIVE, 32),
    ("kComboBoxExNotifications", [("commctrl.h", "CBEN_")], NEGATIVE, 32),
    ("kReBarNotifications", [("commctrl.h", "RBN_")], NEGATIVE, 32),
    ("kIpAddressNotifications", [("commctrl.h", "IPN_")], NEGATIVE, 32),
    ("kStatusBarNotifications", [("commctrl.h", "SBN_")], NEGATIVE, 32),
    ("kPagerNotifications", [("commctrl.h", "PGN_")], NEGATIVE, 32),
    ("kButtonNotifications", [("commctrl.h", "BCN_")], NEGATIVE, 32),
    ("kTrackBarNotifications", [("commctrl.h", "TRBN_")], NEGATIVE, 32),
    # A rich edit's own are small positive numbers.
    ("kRichEditNotifications", [("richedit.h", "EN_")], (0x0700, 0x07FF), 32),
]

# Names under a prefix that are not codes of the table.
EXCLUDED = {
    "SC_SEPARATOR",  # the id of a separator in the window menu, never a command
}

# Where several names share a code, the one a developer expects.  Every other tie makes the script
# fail, so that a new one is decided here on purpose.
PREFERRED = {
    "VK_KANA",  # also VK_HANGUL and VK_HANGEUL: the key of the first keyboard that had it
    "VK_KANJI",  # also VK_HANJA
    "VK_OEM_NEC_EQUAL",  # also VK_OEM_FJ_JISHO
    "HTGROWBOX",  # HTSIZE is defined as it
    "HTMINBUTTON",  # HTREDUCE is defined as it
    "HTMAXBUTTON",  # HTZOOM is defined as it
    "SC_MINIMIZE",  # SC_ICON is defined as it
    "SC_MAXIMIZE",  # SC_ZOOM is defined as it
    "BN_PUSHED",  # BN_HILITE is the 16-bit name
    "BN_UNPUSHED",  # BN_UNHILITE is the 16-bit name
    "BN_DBLCLK",  # the documented name of BN_DOUBLECLICKED
    "NM_CUSTOMTEXT",  # NM_TVSTATEIMAGECHANGING only a tree view sends
    "TTN_GETDISPINFOA",  # TTN_NEEDTEXTA is its old name
    "TTN_GETDISPINFOW",  # TTN_NEEDTEXTW is its old name
}

# The classes whose WM_COMMAND codes have names, spelled as Orvex's style tables spell them.
COMMAND_CLASSES = [
    ("Button", "kButtonCommandCodes"),
    ("Edit", "kEditCommandCodes"),
    ("RICHEDIT50W", "kEditCommandCodes"),
    ("RichEdit20W", "kEditCommandCodes"),
    ("RichEdit20A", "kEditCommandCodes"),
    ("RICHEDIT", "kEditCommandCodes"),
    ("ListBox", "kListBoxCommandCodes"),
    ("ComboBox", "kComboBoxCommandCodes"),
    ("ComboBoxEx32", "kComboBoxCommandCodes"),
    ("Static", "kStaticCommandCodes"),
    ("SysAnimate32", "kAnimateCommandCodes"),
]

# The classes with WM_NOTIFY codes of their own, beside kCommonNotifications.
NOTIFICATION_CLASSES = [
    ("SysListView32", "kListViewNotifications"),
    ("SysHeader32", "kHeaderNotifications"),
    ("SysTreeView32", "kTreeViewNotifications"),
    ("tooltips_class32", "kToolTipNotifications"),
    ("SysTabControl32", "kTabNotifications"),
    ("ToolbarWindow32", "kToolBarNotifications"),
    ("msctls_updown32", "kUpDownNotifications"),
    ("SysDateTimePick32", "kDateTimeNotifications"),
    ("SysMonthCal32", "kMonthCalNotifications"),
    ("ComboBoxEx32", "kComboBoxExNotifications"),
    ("ReBarWindow32", "kReBarNotifications"),
    ("SysIPAddress32", "kIpAddressNotifications"),
    ("msctls_statusbar32", "kStatusBarNotifications"),
    ("SysPager", "kPagerNotifications"),
    ("Button", "kButtonNotifications"),
    ("msctls_trackbar32", "kTrackBarNotifications"),
    ("RICHEDIT50W", "kRichEditNotifications"),
    ("RichEdit20W", "kRichEditNotifications"),
    ("RichEdit20A", "kRichEditNotifications"),
    ("RICHEDIT", "kRichEditNotifications"),
]

IDENTIFIER = re.compile(r"^[A-Za-z_]\w*$")
# The edge of a range (LVN_FIRST, and DTN_FIRST2 of the date picker's second range), not a code.
RANGE_EDGE = re.compile(r"(FIRST|LAST|MSGMAX)\d*$")


def build(include_dir):
    by_header = headers.read_defines(include_dir)
    bodies = {}
    for header in headers.HEADERS:
        for name, body in by_header[header]:
            bodies.setdefault(name, set()).add(body)
    resolver = headers.Resolver(bodies)

    def stands_for_a_pair_or_a_type(name, seen=()):
        """An A/W pair's generic name (directly or through another name), or a structure's old
        name (`#define NM_UPDOWN NMUPDOWN`): no code of its own."""
        for body in bodies.get(name, ()):
            if headers.GENERIC_AW.match(body):
                return True
            if IDENTIFIER.match(body) and body not in seen:
                if body not in bodies or stands_for_a_pair_or_a_type(body, seen + (name,)):
                    return True
        return False

    left_out = {}
    tables = []
    for table_name, families, (lowest, highest), bits in TABLES:
        candidates = {}  # code -> names
        for header, prefix in families:
            for name, _ in by_header[header]:
                if (not name.startswith(prefix) or name in EXCLUDED or RANGE_EDGE.search(name)
                        or stands_for_a_pair_or_a_type(name)):
                    continue
                try:
                    value = resolver.value(name)
                except headers.Unresolved as why:
                    left_out[name] = str(why)
                    continue
                if lowest <= value <= highest:
                    candidates.setdefault(value & ((1 << bits) - 1), set()).add(name)
        rows = []
        for code in sorted(candidates):
            names = sorted(candidates[code])
            if len(names) > 1:
                chosen = [name for name in names if name in PREFERRED]
                if len(chosen) != 1:
                    sys.exit(f"{table_name}: {', '.join(names)} share 0x{code:X}; add the one to show to PREFERRED")
                names = chosen + [name for name in names if name != chosen[0]]
            rows.append((code, names[0], names[1:]))
        tables.append((table_name, families, bits, rows))
    return tables, left_out


def render(include_dir):
    tables, left_out = build(include_dir)
    out = headers.preamble("scripts/make_code_names.py", include_dir,
                           ["// Each table is sorted by code, a negative one as the parameter holds it. Where several names",
                            "// share a code, the others follow in a comment."], left_out)
    w = out.append
    for table_name, families, bits, rows in tables:
        prefixes = ", ".join(prefix for _, prefix in families)
        sources = ", ".join(sorted({header for header, _ in families}))
        w("")
        w(f"// {prefixes} of {sources}: {len(rows)} name{'' if len(rows) == 1 else 's'}.")
        w(f"constexpr CodeName {table_name}[] = {{")
        digits = bits // 4
        for code, name, others in rows:
            line = f'    {{0x{code:0{digits}X}, L"{name}"}},'
            if others:
                line += " // also " + ", ".join(others)
            w(line)
        w("};")
    w("")
    w("// The classes whose WM_COMMAND notification codes have names.")
    w("constexpr ClassCodeNames kCommandCodeClasses[] = {")
    for class_name, table_name in COMMAND_CLASSES:
        w(f'    {{L"{class_name}", {table_name}}},')
    w("};")
    w("")
    w("// The classes with WM_NOTIFY codes of their own, beside kCommonNotifications.")
    w("constexpr ClassCodeNames kNotificationClasses[] = {")
    for class_name, table_name in NOTIFICATION_CLASSES:
        w(f'    {{L"{class_name}", {table_name}}},')
    w("};")
    w("// clang-format on")
    return "\n".join(out) + "\n", left_out


if __name__ == "__main__":
    sys.exit(headers.write_or_check(sys.argv[1:], render, OUTPUT, __doc__))
