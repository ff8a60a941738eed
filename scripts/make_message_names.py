#!/usr/bin/env python3
"""Writes src/msglog/MessageNameTables.inc, the message names of the message log, from the
MinGW-w64 headers winuser.h, commctrl.h and richedit.h.

    python3 scripts/make_message_names.py [INCLUDE_DIR]           write the tables
    python3 scripts/make_message_names.py --check [INCLUDE_DIR]   fail when the checked-in tables
                                                                  differ from what would be written

INCLUDE_DIR defaults to /usr/share/mingw-w64/include (Debian's mingw-w64-x86-64-dev).

Each table gathers the `#define NAME value` lines of some name prefixes in one header and resolves
their values: numbers, other names of the headers, `+ - * | & << >> ~` and parentheses.  The
headers are read without a preprocessor: every branch of an #if counts, except that an
`#ifndef NAME` block is skipped when NAME is already defined, as a compiler that included the
headers in order would skip it (richedit.h repeats some edit messages that way, with older
numbers).  The output depends only on the headers, so it is byte-identical from run to run.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "src", "msglog", "MessageNameTables.inc")
DEFAULT_INCLUDE = "/usr/share/mingw-w64/include"
HEADERS = ("winuser.h", "commctrl.h", "richedit.h")  # in the order a program includes them

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
PREFERRED = {
    "WM_SETTINGCHANGE",  # the documented name; WM_WININICHANGE is kept for older programs
    "EM_LIMITTEXT",  # EM_SETLIMITTEXT is defined as it, and Edit_LimitText sends it
    "CBEM_GETEXTENDEDSTYLE",  # the pair of CBEM_SETEXTENDEDSTYLE; CBEM_GETEXSTYLE is the old name
}

# A family: (header, name prefix, range).  A table holds the families in order of precedence: a
# number two families name takes its name from the first.
TABLES = [
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
CLASSES = [
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

def build(include_dir):
    by_header = read_defines(include_dir)
    bodies = {}
    for header in HEADERS:
        for name, body in by_header[header]:
            bodies.setdefault(name, set()).add(body)
    resolver = Resolver(bodies)

    left_out = {}  # name -> why
    tables = []
    for table_name, families in TABLES:
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
                chosen = [name for name in best if name in PREFERRED]
                if len(chosen) != 1:
                    sys.exit(f"{table_name}: {', '.join(best)} share 0x{number:04X}; "
                             "add the one to show to PREFERRED")
                best = chosen
            others = sorted({name for _, name, _ in candidates[number]} - set(best))
            rows.append((number, best[0], others))
        tables.append((table_name, families, rows))
    return tables, left_out


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


def preamble(script, include_dir, notes, left_out):
    """The comment a generated table file opens with, up to the tables: where it comes from, the
    script's `notes` on its tables, and the names it left out."""
    out = [f"// Generated by {script} from winuser.h, commctrl.h and richedit.h of",
           f"// MinGW-w64 {mingw_version(include_dir)}. Do not edit: change the script and run",
           f"//     python3 {script} [INCLUDE_DIR]",
           "// (`--check` tells whether this file is what the script writes)."]
    out += notes
    if left_out:
        out.append("// Left out, their values not being known from these headers:")
        out += [f"//     {name}: {left_out[name]}" for name in sorted(left_out)]
    out.append("// clang-format off")
    return out


def render(include_dir):
    tables, left_out = build(include_dir)
    out = preamble("scripts/make_message_names.py", include_dir,
                   ["// Each table is sorted by number. Where several names share a number, the others follow in a",
                    "// comment."], left_out)
    w = out.append
    for table_name, families, rows in tables:
        sources = ", ".join(f"{prefix} of {header}" for header, prefix, _ in families)
        w("")
        w(f"// {sources}: {len(rows)} names.")
        w(f"constexpr MessageNameEntry {table_name}[] = {{")
        for number, name, others in rows:
            line = f'    {{0x{number:04X}, L"{name}"}},'
            if others:
                line += " // also " + ", ".join(others)
            w(line)
        w("};")
    w("")
    w("// The classes whose messages have names of their own, and whether each is a common control")
    w("// (which also answers the CCM_ messages).")
    w("constexpr ClassMessageTable kClassMessageTables[] = {")
    for class_name, table_name, common in CLASSES:
        w(f'    {{L"{class_name}", {table_name}, {"true" if common else "false"}}},')
    w("};")
    w("// clang-format on")
    return "\n".join(out) + "\n", left_out


def write_or_check(argv, render, output, usage):
    """The command line of a table script: write `output` from render(INCLUDE_DIR), or with
    --check tell whether it is what would be written."""
    check = "--check" in argv
    rest = [a for a in argv if a != "--check"]
    if len(rest) > 1 or any(a.startswith("-") for a in rest):
        sys.exit(usage)
    include_dir = rest[0] if rest else DEFAULT_INCLUDE
    text, left_out = render(include_dir)
    output = os.path.normpath(output)
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
    sys.exit(write_or_check(sys.argv[1:], render, OUTPUT, __doc__))
