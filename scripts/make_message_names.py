#!/usr/bin/env python3
"""Writes src/common/MessageNameTables.inc, the names the Windows headers give to messages and to
the codes inside their parameters (virtual keys, hit-test codes, system commands, the notification
codes of WM_COMMAND and WM_NOTIFY), from the MinGW-w64 headers winuser.h, commctrl.h and
richedit.h.

    python3 scripts/make_message_names.py [INCLUDE_DIR]           write the tables
    python3 scripts/make_message_names.py --check [INCLUDE_DIR]   fail when the checked-in tables
                                                                  differ from what would be written

INCLUDE_DIR defaults to /usr/share/mingw-w64/include (Debian's mingw-w64-x86-64-dev).

Each table gathers the `#define NAME value` lines of some name prefixes and resolves their values:
numbers, other names of the headers, `+ - * | & << >> ~` and parentheses.  The headers are read
without a preprocessor: every branch of an #if counts, except that an `#ifndef NAME` block is
skipped when NAME is already defined, as a compiler that included the headers in order would skip
it (richedit.h repeats some edit messages that way, with older numbers).  A code's negative value
is stored as the parameter holds it, in 16 or 32 bits (LBN_ERRSPACE is 0xFFFE in a WM_COMMAND's
wParam, NM_CLICK 0xFFFFFFFE in a notification header).  The output depends only on the headers,
so it is byte-identical from run to run.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "src", "common", "MessageNameTables.inc")
DEFAULT_INCLUDE = "/usr/share/mingw-w64/include"
HEADERS = ("winuser.h", "commctrl.h", "richedit.h")  # in the order a program includes them

# --------------------------------------------------------------------------------------------
# Messages
# --------------------------------------------------------------------------------------------

WM_USER = 0x0400

# Which numbers a family of names may take.  Below WM_USER lie the window messages and the
# messages of the six classic controls; under the classic prefixes 0 and the negative values are
# return codes (LB_OKAY, LB_ERR, CB_ERRSPACE), not messages.  The common controls and the rich edit
# number their messages from WM_USER up; the smaller values under their prefixes are scroll codes
# and ids (TB_LINEUP, SB_SIMPLEID).
WINDOW_RANGE = (0x0000, WM_USER - 1)
CLASSIC_RANGE = (0x0001, WM_USER - 1)
CONTROL_RANGE = (WM_USER, 0x7FFF)

# A name ending so marks the edge of a range of numbers (WM_KEYFIRST, LVM_FIRST, LB_MSGMAX), not a
# message: it is mentioned beside the message of its number, and a number only it names is left
# out.  Some have a value per version of Windows (WM_KEYLAST); those are not mentioned at all.
MARKER = re.compile(r"(FIRST|LAST|MSGMAX)$")

# Where several message names share a number in one table, the one a developer expects.  Every
# other tie makes the script fail, so that a new one is decided here on purpose.
PREFERRED_MESSAGES = {
    "WM_SETTINGCHANGE",  # the documented name; WM_WININICHANGE is kept for older programs
    "EM_LIMITTEXT",  # EM_SETLIMITTEXT is defined as it, and Edit_LimitText sends it
    "CBEM_GETEXTENDEDSTYLE",  # the pair of CBEM_SETEXTENDEDSTYLE; CBEM_GETEXSTYLE is the old name
}

# A family: (header, name prefix, range).  A table holds the families in order of precedence: a
# number two families name takes its name from the first.
MESSAGE_TABLES = [
    # DM_POINTERHITTEST is a window message any window can get; the other DM_ are a dialog's.
    ("kWindowMessages", [("winuser.h", "WM_", WINDOW_RANGE), ("winuser.h", "DM_", WINDOW_RANGE)]),
    ("kCommonControlMessages", [("commctrl.h", "CCM_", CONTROL_RANGE)]),
    ("kDialogMessages", [("winuser.h", "DM_", CONTROL_RANGE)]),
    ("kButtonMessages", [("winuser.h", "BM_", CLASSIC_RANGE), ("commctrl.h", "BCM_", CONTROL_RANGE)]),
    ("kStaticMessages", [("winuser.h", "STM_", CLASSIC_RANGE)]),
    ("kEditMessages", [("winuser.h", "EM_", CLASSIC_RANGE), ("commctrl.h", "EM_", CONTROL_RANGE)]),
    ("kListBoxMessages", [("winuser.h", "LB_", CLASSIC_RANGE)]),
    ("kComboBoxMessages", [("winuser.h", "CB_", CLASSIC_RANGE), ("commctrl.h", "CB_", CONTROL_RANGE)]),
    ("kScrollBarMessages", [("winuser.h", "SBM_", CLASSIC_RANGE)]),
    # A rich edit answers the edit's messages and its own.
    ("kRichEditMessages", [("winuser.h", "EM_", CLASSIC_RANGE), ("commctrl.h", "EM_", CONTROL_RANGE),
                           ("richedit.h", "EM_", CONTROL_RANGE)]),
    ("kListViewMessages", [("commctrl.h", "LVM_", CONTROL_RANGE)]),
    ("kTreeViewMessages", [("commctrl.h", "TVM_", CONTROL_RANGE)]),
    ("kTabMessages", [("commctrl.h", "TCM_", CONTROL_RANGE)]),
    ("kToolBarMessages", [("commctrl.h", "TB_", CONTROL_RANGE)]),
    ("kReBarMessages", [("commctrl.h", "RB_", CONTROL_RANGE)]),
    ("kStatusBarMessages", [("commctrl.h", "SB_", CONTROL_RANGE)]),
    ("kToolTipMessages", [("commctrl.h", "TTM_", CONTROL_RANGE)]),
    ("kTrackBarMessages", [("commctrl.h", "TBM_", CONTROL_RANGE)]),
    ("kUpDownMessages", [("commctrl.h", "UDM_", CONTROL_RANGE)]),
    ("kProgressMessages", [("commctrl.h", "PBM_", CONTROL_RANGE)]),
    ("kHeaderMessages", [("commctrl.h", "HDM_", CONTROL_RANGE)]),
    ("kAnimateMessages", [("commctrl.h", "ACM_", CONTROL_RANGE)]),
    ("kMonthCalMessages", [("commctrl.h", "MCM_", CONTROL_RANGE)]),
    ("kDateTimeMessages", [("commctrl.h", "DTM_", CONTROL_RANGE)]),
    ("kPagerMessages", [("commctrl.h", "PGM_", CONTROL_RANGE)]),
    ("kLinkMessages", [("commctrl.h", "LM_", CONTROL_RANGE)]),
    # A combo box ex passes the combo box's messages on to its combo box; one of its own is a
    # combo box number (CBEM_DELETEITEM is CB_DELETESTRING).
    ("kComboBoxExMessages", [("commctrl.h", "CBEM_", (0x0001, 0x7FFF)), ("winuser.h", "CB_", CLASSIC_RANGE),
                             ("commctrl.h", "CB_", CONTROL_RANGE)]),
    ("kHotKeyMessages", [("commctrl.h", "HKM_", CONTROL_RANGE)]),
    ("kIpAddressMessages", [("commctrl.h", "IPM_", CONTROL_RANGE)]),
]

# The classes of Orvex's style tables, spelled as there; the flag says whether the class is a
# common control of commctrl.h, which also answers the CCM_ messages.
MESSAGE_CLASSES = [
    ("#32770", "kDialogMessages", False),
    ("Button", "kButtonMessages", False),
    ("Static", "kStaticMessages", False),
    ("Edit", "kEditMessages", False),
    ("ListBox", "kListBoxMessages", False),
    ("ComboBox", "kComboBoxMessages", False),
    ("ScrollBar", "kScrollBarMessages", False),
    ("RICHEDIT50W", "kRichEditMessages", False),
    ("RichEdit20W", "kRichEditMessages", False),
    ("RichEdit20A", "kRichEditMessages", False),
    ("RICHEDIT", "kRichEditMessages", False),
    ("SysListView32", "kListViewMessages", True),
    ("SysTreeView32", "kTreeViewMessages", True),
    ("SysTabControl32", "kTabMessages", True),
    ("ToolbarWindow32", "kToolBarMessages", True),
    ("ReBarWindow32", "kReBarMessages", True),
    ("msctls_statusbar32", "kStatusBarMessages", True),
    ("tooltips_class32", "kToolTipMessages", True),
    ("msctls_trackbar32", "kTrackBarMessages", True),
    ("msctls_updown32", "kUpDownMessages", True),
    ("msctls_progress32", "kProgressMessages", True),
    ("SysHeader32", "kHeaderMessages", True),
    ("SysAnimate32", "kAnimateMessages", True),
    ("SysMonthCal32", "kMonthCalMessages", True),
    ("SysDateTimePick32", "kDateTimeMessages", True),
    ("SysPager", "kPagerMessages", True),
    ("SysLink", "kLinkMessages", True),
    ("ComboBoxEx32", "kComboBoxExMessages", True),
    ("msctls_hotkey32", "kHotKeyMessages", True),
    ("SysIPAddress32", "kIpAddressMessages", True),
]

# The first numbers of the ranges a program numbers its own messages in: what lies above them is
# named by its offset (WM_USER+1), not looked up.
RANGE_STARTS = [("kFirstUserMessage", "WM_USER"), ("kFirstAppMessage", "WM_APP")]

# --------------------------------------------------------------------------------------------
# Codes inside a message's parameters
# --------------------------------------------------------------------------------------------

NEGATIVE = (-0x7FFFFFFF, -1)

# A table: (name, [(header, prefix)], (lowest, highest) of the signed values, bits of the code).
CODE_TABLES = [
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
EXCLUDED_CODES = {
    "SC_SEPARATOR",  # the id of a separator in the window menu, never a command
}

# Where several names share a code, the one a developer expects.  Every other tie makes the script
# fail, so that a new one is decided here on purpose.
PREFERRED_CODES = {
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


# --------------------------------------------------------------------------------------------
# Reading the headers
# --------------------------------------------------------------------------------------------

class Unresolved(Exception):
    pass


# --------------------------------------------------------------------------------------------
# Reading the headers
# --------------------------------------------------------------------------------------------

DIRECTIVE = re.compile(r"^\s*#\s*(\w+)\s*(.*)$")
DEFINE = re.compile(r"^([A-Za-z_]\w*)(\(?)\s*(.*)$")


def logical_lines(text):
    """The header's lines with comments removed and continued lines joined."""
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    text = re.sub(r"//[^\n]*", "", text)
    text = text.replace("\\\n", " ")
    return text.split("\n")


def read_defines(include_dir):
    """Every object-like #define of the headers, in order: {header: [(name, body)]}."""
    defined = set()
    by_header = {}
    for header in HEADERS:
        path = os.path.join(include_dir, header)
        try:
            with open(path, encoding="latin-1") as f:
                lines = logical_lines(f.read())
        except OSError as error:
            sys.exit(f"cannot read {path}: {error.strerror} (apt-get install mingw-w64-x86-64-dev, "
                     "or give the folder of the MinGW-w64 headers)")
        found = []
        skipping = []  # one entry per open conditional: does it hide its lines?
        for line in lines:
            m = DIRECTIVE.match(line)
            if not m:
                continue
            word, rest = m.group(1), m.group(2).strip()
            if word in ("if", "ifdef"):
                skipping.append(False)
            elif word == "ifndef":
                skipping.append(rest.split()[0] in defined if rest else False)
            elif word in ("else", "elif"):
                if skipping:
                    skipping[-1] = False
            elif word == "endif":
                if skipping:
                    skipping.pop()
            elif word == "define" and not any(skipping):
                d = DEFINE.match(rest)
                if not d or d.group(2):  # function-like macros are not values
                    if d:
                        defined.add(d.group(1))
                    continue
                defined.add(d.group(1))
                found.append((d.group(1), d.group(3).strip()))
        by_header[header] = found
    return by_header


# --------------------------------------------------------------------------------------------
# Resolving values
# --------------------------------------------------------------------------------------------

# A number's U and L suffixes are read and dropped: every value here fits in 32 bits.
TOKEN = re.compile(r"(?:(0[xX][0-9A-Fa-f]+|\d+)[uUlL]*|([A-Za-z_]\w*|<<|>>|[-+*|&~()]))")


def tokenize(body):
    tokens, pos = [], 0
    body = body.strip()
    while pos < len(body):
        m = TOKEN.match(body, pos)
        if not m:
            raise Unresolved(f"cannot read '{body}'")
        tokens.append(m.group(1) or m.group(2))
        pos = m.end()
        while pos < len(body) and body[pos].isspace():
            pos += 1
    return tokens


class Resolver:
    """Values of names, evaluated on demand: a small expression grammar over the definitions."""

    def __init__(self, bodies):
        self.bodies = bodies  # name -> set of bodies (a name may be defined in several branches)
        self.values = {}
        self.busy = set()

    def value(self, name):
        if name in self.values:
            return self.values[name]
        if name not in self.bodies:
            raise Unresolved(f"{name} is not defined in these headers")
        if name in self.busy:
            raise Unresolved(f"{name} is defined through itself")
        self.busy.add(name)
        try:
            results = {self.evaluate(body) for body in sorted(self.bodies[name])}
        finally:
            self.busy.discard(name)
        if len(results) != 1:
            raise Unresolved(f"{name} has several values: " + ", ".join(hex(v) for v in sorted(results)))
        self.values[name] = results.pop()
        return self.values[name]

    def evaluate(self, body):
        tokens = tokenize(body)
        if not tokens:
            raise Unresolved("empty definition")
        self.tokens, self.pos = tokens, 0
        result = self.parse_or()
        if self.pos != len(self.tokens):
            raise Unresolved(f"cannot read '{body}'")
        return result

    def peek(self):
        return self.tokens[self.pos] if self.pos < len(self.tokens) else None

    def take(self, expected=None):
        token = self.peek()
        if token is None or (expected is not None and token != expected):
            raise Unresolved(f"expected {expected or 'more'} in '{' '.join(self.tokens)}'")
        self.pos += 1
        return token

    def binary(self, operators, operand):
        left = operand()
        while self.peek() in operators:
            op = self.take()
            right = operand()
            left = {"|": lambda a, b: a | b, "&": lambda a, b: a & b, "<<": lambda a, b: a << b,
                    ">>": lambda a, b: a >> b, "+": lambda a, b: a + b, "-": lambda a, b: a - b,
                    "*": lambda a, b: a * b}[op](left, right)
        return left

    def parse_or(self):
        return self.binary(("|",), self.parse_and)

    def parse_and(self):
        return self.binary(("&",), self.parse_shift)

    def parse_shift(self):
        return self.binary(("<<", ">>"), self.parse_sum)

    def parse_sum(self):
        return self.binary(("+", "-"), self.parse_product)

    def parse_product(self):
        return self.binary(("*",), self.parse_unary)

    def parse_unary(self):
        token = self.take()
        if token == "-":
            return -self.parse_unary()
        if token == "~":
            return ~self.parse_unary()
        if token == "(":
            inner = self.parse_or()
            self.take(")")
            return inner
        if token[0].isdigit():
            return int(token, 0) if not re.fullmatch(r"0\d+", token) else int(token, 8)
        if token == "__MSABI_LONG":  # a long literal: the value in parentheses
            self.take("(")
            inner = self.parse_or()
            self.take(")")
            return inner
        # A name: resolved on its own, so its tokens are parsed apart from ours.
        saved = (self.tokens, self.pos)
        try:
            return self.value(token)
        finally:
            self.tokens, self.pos = saved


# The generic name of an A/W pair (`#define LVM_INSERTITEM __MINGW_NAME_AW(LVM_INSERTITEM)`): it
# stands for one of the two names the table already holds.
GENERIC_AW = re.compile(r"^__MINGW_NAME_AW(_EXT)?\s*\(")


# --------------------------------------------------------------------------------------------
# Building the tables
# --------------------------------------------------------------------------------------------

def build_messages(by_header, resolver, left_out):
    tables = []
    for table_name, families in MESSAGE_TABLES:
        candidates = {}  # number -> [(rank, name, marker)]
        for rank, (header, prefix, (lowest, highest)) in enumerate(families):
            seen = set()
            for name, body in by_header[header]:
                if not name.startswith(prefix) or name in seen:
                    continue
                seen.add(name)
                if GENERIC_AW.match(body):
                    continue
                marker = bool(MARKER.search(name))
                try:
                    number = resolver.value(name)
                except Unresolved as why:
                    if not marker:
                        left_out[name] = str(why)
                    continue
                if lowest <= number <= highest:
                    candidates.setdefault(number, []).append((rank, name, marker))
        rows = []
        for number in sorted(candidates):
            names = [(rank, name) for rank, name, marker in candidates[number] if not marker]
            if not names:
                continue
            first_rank = min(rank for rank, _ in names)
            best = sorted({name for rank, name in names if rank == first_rank})
            if len(best) > 1:
                chosen = [name for name in best if name in PREFERRED_MESSAGES]
                if len(chosen) != 1:
                    sys.exit(f"{table_name}: {', '.join(best)} share 0x{number:04X}; "
                             "add the one to show to PREFERRED_MESSAGES")
                best = chosen
            others = sorted({name for _, name, _ in candidates[number]} - set(best))
            rows.append((number, best[0], others))
        tables.append((table_name, families, rows))
    return tables


def build_codes(by_header, bodies, resolver, left_out):

    def stands_for_a_pair_or_a_type(name, seen=()):
        """An A/W pair's generic name (directly or through another name), or a structure's old
        name (`#define NM_UPDOWN NMUPDOWN`): no code of its own."""
        for body in bodies.get(name, ()):
            if GENERIC_AW.match(body):
                return True
            if IDENTIFIER.match(body) and body not in seen:
                if body not in bodies or stands_for_a_pair_or_a_type(body, seen + (name,)):
                    return True
        return False

    tables = []
    for table_name, families, (lowest, highest), bits in CODE_TABLES:
        candidates = {}  # code -> names
        for header, prefix in families:
            for name, _ in by_header[header]:
                if (not name.startswith(prefix) or name in EXCLUDED_CODES or RANGE_EDGE.search(name)
                        or stands_for_a_pair_or_a_type(name)):
                    continue
                try:
                    value = resolver.value(name)
                except Unresolved as why:
                    left_out[name] = str(why)
                    continue
                if lowest <= value <= highest:
                    candidates.setdefault(value & ((1 << bits) - 1), set()).add(name)
        rows = []
        for code in sorted(candidates):
            names = sorted(candidates[code])
            if len(names) > 1:
                chosen = [name for name in names if name in PREFERRED_CODES]
                if len(chosen) != 1:
                    sys.exit(f"{table_name}: {', '.join(names)} share 0x{code:X}; add the one to show to PREFERRED_CODES")
                names = chosen + [name for name in names if name != chosen[0]]
            rows.append((code, names[0], names[1:]))
        tables.append((table_name, families, bits, rows))
    return tables


def mingw_version(include_dir):
    parts = []
    try:
        with open(os.path.join(include_dir, "_mingw_mac.h"), encoding="latin-1") as f:
            text = f.read()
        for part in ("MAJOR", "MINOR", "BUGFIX"):
            m = re.search(rf"#define __MINGW64_VERSION_{part} (\d+)", text)
            parts.append(m.group(1) if m else "?")
    except OSError:
        return "unknown"
    return ".".join(parts)


def render(include_dir):
    by_header = read_defines(include_dir)
    bodies = {}
    for header in HEADERS:
        for name, body in by_header[header]:
            bodies.setdefault(name, set()).add(body)
    resolver = Resolver(bodies)
    left_out = {}  # name -> why
    message_tables = build_messages(by_header, resolver, left_out)
    code_tables = build_codes(by_header, bodies, resolver, left_out)

    out = [f"// Generated by scripts/make_message_names.py from winuser.h, commctrl.h and richedit.h of",
           f"// MinGW-w64 {mingw_version(include_dir)}. Do not edit: change the script and run",
           f"//     python3 scripts/make_message_names.py [INCLUDE_DIR]",
           "// (`--check` tells whether this file is what the script writes).",
           "// Each table is sorted by number, a negative code as the parameter holds it. Where several",
           "// names share a number, the others follow in a comment."]
    if left_out:
        out.append("// Left out, their values not being known from these headers:")
        out += [f"//     {name}: {left_out[name]}" for name in sorted(left_out)]
    out.append("// clang-format off")
    w = out.append

    w("")
    w("// The first numbers of the ranges a program numbers its own messages in.")
    for constant, name in RANGE_STARTS:
        w(f"inline constexpr std::uint32_t {constant} = 0x{resolver.value(name):04X}; // {name}")

    def table(table_name, heading, digits, rows):
        w("")
        w(f"// {heading}: {len(rows)} name{'' if len(rows) == 1 else 's'}.")
        w(f"inline constexpr NameEntry {table_name}[] = {{")
        for number, name, others in rows:
            line = f'    {{0x{number:0{digits}X}, L"{name}"}},'
            if others:
                line += " // also " + ", ".join(others)
            w(line)
        w("};")

    for table_name, families, rows in message_tables:
        table(table_name, ", ".join(f"{prefix} of {header}" for header, prefix, _ in families), 4, rows)
    w("")
    w("// The classes whose messages have names of their own, and whether each is a common control")
    w("// (which also answers the CCM_ messages).")
    w("inline constexpr ClassNames kClassMessageTables[] = {")
    for class_name, table_name, common in MESSAGE_CLASSES:
        w(f'    {{L"{class_name}", {table_name}, {"true" if common else "false"}}},')
    w("};")

    for table_name, families, bits, rows in code_tables:
        prefixes = ", ".join(prefix for _, prefix in families)
        sources = ", ".join(sorted({header for header, _ in families}))
        table(table_name, f"{prefixes} of {sources}", bits // 4, rows)
    for heading, table_name, classes in (
            ("The classes whose WM_COMMAND notification codes have names.", "kCommandCodeClasses",
             COMMAND_CLASSES),
            ("The classes with WM_NOTIFY codes of their own, beside kCommonNotifications.",
             "kNotificationClasses", NOTIFICATION_CLASSES)):
        w("")
        w(f"// {heading}")
        w(f"inline constexpr ClassNames {table_name}[] = {{")
        for class_name, codes in classes:
            w(f'    {{L"{class_name}", {codes}, false}},')
        w("};")
    w("// clang-format on")
    return "\n".join(out) + "\n", left_out


def main(argv):
    check = "--check" in argv
    rest = [a for a in argv if a != "--check"]
    if len(rest) > 1 or any(a.startswith("-") for a in rest):
        sys.exit(__doc__)
    include_dir = rest[0] if rest else DEFAULT_INCLUDE
    text, left_out = render(include_dir)
    output = os.path.normpath(OUTPUT)
    if check:
        try:
            with open(output, encoding="utf-8", newline="") as f:
                current = f.read()
        except OSError:
            current = None
        if current != text:
            print(f"{output} differs from what {sys.argv[0]} writes; run it without --check",
                  file=sys.stderr)
            return 1
        print(f"{output} is up to date")
        return 0
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    for name in sorted(left_out):
        print(f"left out {name}: {left_out[name]}", file=sys.stderr)
    print(f"wrote {output}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
