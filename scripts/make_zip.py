#!/usr/bin/env python3
"""Writes a zip whose bytes depend on the files' names and contents alone.

    make_zip.py OUT.zip EPOCH FILE...

Every entry is stored under its base name, in name order, dated EPOCH (seconds since 1970, UTC;
the commit's time), with the same attributes and compression whoever runs it and wherever, so two
builds of one commit give the same archive.
"""

import os
import sys
import time
import zipfile


def main(argv):
    if len(argv) < 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    out, epoch, files = argv[1], int(argv[2]), argv[3:]
    # A zip cannot hold a date before 1980.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(out, 'w') as archive:
        for path in sorted(files, key=os.path.basename):
            entry = zipfile.ZipInfo(os.path.basename(path), date_time=stamp)
            entry.create_system = 0  # made on "MS-DOS": Windows shows no Unix permissions
            entry.external_attr = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, 'rb') as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
