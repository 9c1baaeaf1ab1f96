#!/usr/bin/env python3
"""Compresses a file into one zlib stream: the form of the exe's "RESS" resources."""
import sys
import zlib

source, target = sys.argv[1], sys.argv[2]
with open(source, "rb") as f:
    data = f.read()
with open(target, "wb") as f:
    f.write(zlib.compress(data, 9))
