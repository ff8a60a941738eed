#!/usr/bin/env python3
"""Prints the terms of use exactly as the about box's terms dialog shows them.

    licence_text.py PRODUCT_TEXTS_H VERSION

The text lives once, in the program (kTermsOfUse in src/app/ProductTexts.h, a run of wide string
literals with the version macro among them); the release's LICENSE.txt is made from it here.
"""

import re
import sys


def terms(header, version):
    body = re.search(r'kTermsOfUse\[\]\s*=(.*?);', header, re.S)
    if not body:
        raise SystemExit('kTermsOfUse not found')
    pieces = []
    for token in re.finditer(r'L"((?:[^"\\]|\\.)*)"|(ORVEX_VERSION_TEXT)', body.group(1)):
        if token.group(2):
            pieces.append(version)
        else:
            pieces.append(token.group(1).encode('ascii').decode('unicode_escape'))
    return ''.join(pieces)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(argv[1], encoding='utf-8') as source:
        text = terms(source.read(), argv[2])
    sys.stdout.buffer.write(text.encode('utf-8') + b'\r\n')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
