#!/usr/bin/env python3
"""Counts test results over the presets and prints one line: "N passed, N failed".

Each ctest test that writes a GoogleTest-style XML to results/<test>.xml counts
once per test case in it; a test without such a file counts once, by its ctest
result. A ctest failure that the XML does not show (a crash after the cases, a
timeout) adds one failure. A preset whose build failed adds one failure.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def cases(xml_path):
    root = ET.parse(xml_path).getroot()
    passed = failed = 0
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.find("skipped") is not None:
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        else:
            passed += 1
    return passed, failed


def main(argv):
    passed = failed = 0
    details = []
    for build in map(Path, argv[1:]):
        junit = build / "ctest-junit.xml"
        if (build / "BUILD_FAILED").exists() or not junit.exists():
            failed += 1
            details.append(f"{build.name}: build or test run failed")
            continue
        for test in ET.parse(junit).getroot().iter("testcase"):
            name = test.get("name")
            ctest_failed = test.get("status") == "fail" or test.find("failure") is not None
            result = build / "results" / f"{name}.xml"
            p = f = 0
            if result.exists():
                try:
                    p, f = cases(result)
                except ET.ParseError:
                    f = 1
            if p + f == 0:
                p, f = (0, 1) if ctest_failed else (1, 0)
            elif ctest_failed and f == 0:
                f = 1
            passed += p
            failed += f
            if f:
                details.append(f"{build.name}: {name}: {f} failed")
    for line in details:
        print(line)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
