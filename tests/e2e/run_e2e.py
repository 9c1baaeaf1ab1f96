#!/usr/bin/env python3
"""Runs the end-to-end tests of Tikolvo.exe under Wine.

Needs TIKOLVO_EXE, PROBE_EXE, WINEPREFIX and DISPLAY (an X server with a
compositing manager) and a running wineserver; SCREENS_DIR receives a
screenshot of each window the tests open. Exits non-zero on any failure and
ends with a line "N passed, M failed".
"""
import os
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    sys.path.insert(0, HERE)
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    suite = unittest.defaultTestLoader.discover(HERE, pattern=pattern, top_level_dir=HERE)
    started = time.monotonic()
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    skipped = len(result.skipped)
    passed = result.testsRun - failed - skipped
    print("e2e suite took %.1f s" % (time.monotonic() - started))
    if skipped:
        print("%d skipped" % skipped)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or result.testsRun == 0 or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
