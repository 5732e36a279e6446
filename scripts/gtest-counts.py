#!/usr/bin/env python3
"""Prints "PASSED FAILED" for a GoogleTest XML report (skipped and not-run tests count as neither)."""
import sys
import xml.etree.ElementTree as ET

passed = failed = 0
for case in ET.parse(sys.argv[1]).iter("testcase"):
    if case.get("status") == "notrun" or case.get("result") == "skipped":
        continue
    if case.find("failure") is not None or case.find("error") is not None:
        failed += 1
    else:
        passed += 1
print(passed, failed)
