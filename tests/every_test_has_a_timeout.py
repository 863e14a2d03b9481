#!/usr/bin/env python3
"""Fails when a CTest test has no TIMEOUT of its own, so that a hang can
never stall a run. Usage: every_test_has_a_timeout.py CTEST BUILD_DIR"""
import json
import subprocess
import sys

listing = subprocess.run([sys.argv[1], "--test-dir", sys.argv[2], "--show-only=json-v1"],
                         check=True, capture_output=True, text=True).stdout
untimed = [test["name"] for test in json.loads(listing)["tests"]
           if not any(p["name"] == "TIMEOUT" and p["value"] > 0
                      for p in test.get("properties", []))]
for name in untimed:
    print(f"no TIMEOUT: {name}")
sys.exit(1 if untimed else 0)
