#!/usr/bin/env python3
"""The calculator in a real browser: headless Chromium, driven by Selenium.

Opens /, types "Hello World" and sees the English Ordinal total 124 appear
without a reload; follows the link to the match, then a listed spell's link;
then, with JavaScript off, the same form gives the same total on submit. The
browser console must hold no error. Exits 77 (a skip) when Selenium,
Chromium or its driver is missing.

Usage: calculator_test.py VERIGLYPH SOURCE_DIR
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

SKIP = 77
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync"]


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    # Debian's python3-selenium belongs to Debian's Python, which another one
    # first on the PATH (a pyenv, a virtualenv) does not see.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") and \
            os.access("/usr/bin/python3", os.X_OK):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    skip("python3-selenium is not installed")
chromium = shutil.which("chromium") or shutil.which("chromium-browser")
driver_path = shutil.which("chromedriver")
if not chromium:
    skip("chromium is not installed")
if not driver_path:
    skip("chromium-driver is not installed")

veriglyph, source = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
scratch = tempfile.mkdtemp(prefix="veriglyph-browser-")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print(f"FAIL: {message}", file=sys.stderr)


def start_server():
    lists = "spellbook/DictionaryFiles/12dicts-6.0.2/International"
    os.makedirs(os.path.join(scratch, "tree", lists))
    shutil.copy(os.path.join(source, lists, "5d+2a.txt"), os.path.join(scratch, "tree", lists))
    shutil.copytree(os.path.join(source, "spellbook/Cyphers"),
                    os.path.join(scratch, "tree/spellbook/Cyphers"))
    server = subprocess.Popen([veriglyph, "--serve", "127.0.0.1:0"], cwd=os.path.join(scratch, "tree"),
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, text=True)
    line = server.stderr.readline()
    found = re.match(r"veriglyph: serving http://127\.0\.0\.1:(\d+)/ ", line)
    if not found:
        server.kill()
        sys.exit(f"FAIL: no start line, got {line!r}")
    return server, int(found.group(1))


def browser(javascript):
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.add_argument("--user-data-dir=" + tempfile.mkdtemp(dir=scratch))
    if not javascript:
        options.add_experimental_option(
            "prefs", {"profile.managed_default_content_settings.javascript": 2})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(executable_path=driver_path), options=options)


def total(driver, cypher):
    cells = driver.find_elements(By.CSS_SELECTOR, f'#totals tr[data-id="{cypher}"] td.total')
    return cells[0].text if cells else ""


def console_errors(driver):
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]


def live_calculator(port):
    driver = browser(javascript=True)
    try:
        wait = WebDriverWait(driver, 30)
        driver.get(f"http://127.0.0.1:{port}/")
        driver.execute_script("window.notReloaded = true;")
        driver.find_element(By.ID, "spell").send_keys("Hello World")
        wait.until(lambda d: total(d, "ord") == "124")
        check(driver.execute_script("return window.notReloaded === true;"),
              "the page was reloaded to show the totals")
        check(not driver.find_element(By.ID, "save").get_attribute("hidden"),
              "the save button stayed hidden with JavaScript on")
        driver.find_element(By.ID, "match-link").click()
        wait.until(lambda d: d.find_elements(By.CSS_SELECTOR, "ul.spells li a"))
        check(driver.find_element(By.TAG_NAME, "h1").text == "Match of \u201cHello World\u201d"
              or "Hello World" in driver.find_element(By.TAG_NAME, "h1").text,
              "the match page is not the match of Hello World")
        listed = driver.find_element(By.CSS_SELECTOR, "ul.spells li a")
        spell = listed.text.removesuffix("(?)")
        listed.click()
        wait.until(lambda d: spell in d.find_element(By.TAG_NAME, "h1").text)
        check(driver.find_elements(By.CSS_SELECTOR, "ul.spells li a"),
              f"the match of {spell!r} lists nothing")
        errors = console_errors(driver)
        check(not errors, f"the browser console holds errors: {errors}")
    finally:
        driver.quit()


def without_javascript(port):
    driver = browser(javascript=False)
    try:
        driver.get(f"http://127.0.0.1:{port}/")
        check(driver.find_element(By.ID, "save").get_attribute("hidden") is not None,
              "the save button shows without JavaScript")
        field = driver.find_element(By.ID, "spell")
        field.send_keys("Hello World")
        field.send_keys(Keys.ENTER)
        WebDriverWait(driver, 30).until(lambda d: "spell=Hello+World" in d.current_url)
        check(total(driver, "ord") == "124", "the submitted form shows no total of 124")
        errors = console_errors(driver)
        check(not errors, f"the browser console holds errors: {errors}")
    finally:
        driver.quit()


server, port = start_server()
try:
    live_calculator(port)
    without_javascript(port)
finally:
    server.send_signal(signal.SIGTERM)
    try:
        status = server.wait(timeout=10)
    except subprocess.TimeoutExpired:
        server.kill()
        status = None
    check(status == 0, f"the server ended with {status}, not 0")
    shutil.rmtree(scratch, ignore_errors=True)

if failures:
    sys.exit(1)
print("browser: all checks passed")
