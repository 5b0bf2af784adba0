"""The page against corvane-chart: the same numbers, the same failures, the
printed page at true scale, offline and accessible."""
import base64
import decimal
import re
import struct
import subprocess
import xml.etree.ElementTree as ET

import pytest
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.print_page_options import PrintOptions
from selenium.webdriver.support.ui import Select, WebDriverWait

from conftest import AXE, ROOT, Site, open_page, tool

WEDGED = {"setup": "std", "depth": "8.5", "width": "12", "length": "7.5", "wedge": "45"}


def options(conditions):
    return [a for key, value in conditions.items() for a in (f"--{key}", value)]


def enter(driver, conditions):
    """Types the conditions into the page as a student would, then OK."""
    for key in ("setup", "wedge"):
        driver.find_element(By.CSS_SELECTOR, f'input[name="{key}"][value="{conditions[key]}"]').click()
    for key in ("depth", "width", "length"):
        entry = driver.find_element(By.ID, key)
        entry.clear()
        entry.send_keys(conditions[key])
    driver.find_element(By.ID, "ok").click()


@pytest.mark.parametrize("conditions,mesh", [
    ({}, 0), (WEDGED, 1), ({"setup": "ssd", "depth": "3", "width": "25", "length": "4", "wedge": "60"}, 0)])
def test_ops_are_the_tools_byte_for_byte(page, conditions, mesh):
    code, expected, _ = tool("ops", *options(conditions), "--mesh", str(mesh))
    assert code == 0
    assert page.execute_script("return corvane.ops(arguments[0], arguments[1])", conditions, mesh) == expected


def test_dose_and_a_failure_through_the_scripting_functions(page):
    _, text, _ = tool("dose", *options(WEDGED))
    expected = [float(v) for line in text.splitlines() for v in line.split(",")]
    assert page.execute_script("return Array.from(corvane.dose(arguments[0]))", WEDGED) == expected
    code, _, messages = tool("dose", "--setup", "std", "--depth", "20")
    assert code == 1
    failure = page.execute_script(
        "try { corvane.dose({setup: 'std', depth: '20'}); } catch (e) { return [e.constructor.name, e.message]; }")
    assert failure == ["Error", messages.rstrip("\n")]


def f32(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def chart_cell(offset, size, first, units):
    """The desktop's rule: single precision, the offset times the units over the size, rounded down."""
    value = f32(first + f32(f32(f32(offset) * units) / f32(size)))
    return None if value < 0 or value > (500 if first == -80 else 250) else int(value // 1)


def dose_box(d):
    if not d > 0:
        return ""
    return str(decimal.Decimal(d * 100).quantize(decimal.Decimal("0.1"), rounding=decimal.ROUND_HALF_UP))


def test_readouts_under_the_mouse_and_a_tap_follow_the_desktop_rule(page):
    _, text, _ = tool("dose", *options(WEDGED))
    dose = [[float(v) for v in line.split(",")] for line in text.splitlines()]
    enter(page, WEDGED)
    chart = page.find_element(By.ID, "chart")
    page.execute_script("arguments[0].addEventListener('pointermove', e => { window.seen = [e.clientX, e.clientY]; });"
                        "arguments[0].addEventListener('pointerdown', e => { window.seen = [e.clientX, e.clientY]; });",
                        chart)
    readouts = [page.find_element(By.ID, i) for i in ("readout-x", "readout-depth", "readout-dose")]
    touch = PointerInput("touch", "finger")

    def readout_at(ix, iy, tap=False):
        left, top, width, height = page.execute_script(
            "const r = arguments[0].getBoundingClientRect(); return [r.left, r.top, r.width, r.height]", chart)
        # A whole pixel of the window whose chart cell is (ix, iy) by the rule.
        x = next(x for x in range(int(left), int(left + width)) if chart_cell(x - left, width, -80, 661) == ix)
        y = next(y for y in range(int(top), int(top + height)) if chart_cell(y - top, height, -150, 450) == iy)
        actions = ActionBuilder(page, mouse=touch) if tap else ActionBuilder(page)
        actions.pointer_action.move_to_location(x, y)
        if tap:
            actions.pointer_action.pointer_down().pointer_up()
        actions.perform()
        cx, cy = page.execute_script("return window.seen")
        cell = chart_cell(cx - left, width, -80, 661), chart_cell(cy - top, height, -150, 450)
        expected = [str(cell[0] - 250), str(cell[1]), dose_box(dose[cell[1]][cell[0]])]
        assert [r.text for r in readouts] == expected
        return expected

    assert readout_at(250, 85) == ["0", "85", "100.0"]  # the target point
    readout_at(230, 0)
    readout_at(310, 160)
    assert readout_at(20, 240)[2] == ""  # beyond the computed region
    # The arrow keys step the cross-hair as the chart window's do.
    page.find_element(By.TAG_NAME, "body").send_keys(Keys.ARROW_RIGHT)
    assert readouts[0].text == "-229"
    # A tablet: the whole chart in sight, and a tap places the cross-hair.
    page.set_window_size(1024, 768)
    WebDriverWait(page, 5).until(lambda d: chart.rect["x"] + chart.rect["width"] <= 1024)
    assert page.execute_script("const r = arguments[0].getBoundingClientRect();"
                               "return r.bottom <= innerHeight && r.right <= innerWidth", chart)
    readout_at(280, 30, tap=True)


def test_a_failing_field_shows_the_two_messages_and_hides_the_chart(page):
    depth = page.find_element(By.ID, "depth")
    depth.clear()
    depth.send_keys("0.5", Keys.ENTER)  # the entry's clamp, then on to the width
    assert depth.get_attribute("value") == "1.5"
    assert page.switch_to.active_element.get_attribute("id") == "width"
    enter(page, {"setup": "std", "depth": "20", "width": "10", "length": "10", "wedge": "non"})
    _, _, messages = tool("dose", "--setup", "std", "--depth", "20")
    failure = page.find_element(By.ID, "failure")
    assert failure.get_attribute("role") == "alert" and failure.is_displayed()
    shown = [p.get_attribute("textContent") for p in failure.find_elements(By.TAG_NAME, "p")]
    assert shown == messages.splitlines()
    assert not page.find_element(By.ID, "chart").is_displayed()


def damaged_file(tmp_path, kind):
    text = (ROOT / "data" / "6MVTMROCR.dat").read_bytes()
    if kind == "letters in a number":
        text = text.replace(b"0.9790", b"0.97x0", 1)
    else:  # a binary file of one long line
        text = bytes(range(256)) * 300
    path = tmp_path / "damaged.dat"
    path.write_bytes(text)
    return path


@pytest.mark.parametrize("kind", ["letters in a number", "binary"])
def test_a_damaged_data_file_gives_the_loaders_message_and_the_page_goes_on(page, tmp_path, kind):
    path = damaged_file(tmp_path, kind)
    code, _, message = tool("dose", "--data", path.name, cwd=tmp_path)
    assert code == 2
    # In English the page words the loader's message as the tool does.
    Select(page.find_element(By.ID, "language")).select_by_value("en")
    page.find_element(By.ID, "data-file").send_keys(str(path))
    shown = page.find_element(By.ID, "data-message")
    WebDriverWait(page, 5).until(lambda d: shown.is_displayed())
    assert shown.get_attribute("role") == "alert"
    assert shown.text == message.removeprefix("corvane-chart dose: ").rstrip("\n")
    assert page.find_element(By.ID, "data-file-name").text == "6MVTMROCR.dat"
    enter(page, WEDGED)
    assert page.find_element(By.ID, "chart").is_displayed()
    # A file of one's own that loads is named with its first heading line.
    mine = tmp_path / "mine.dat"
    mine.write_bytes(b"My linac\n" + (ROOT / "data" / "6MVTMROCR.dat").read_bytes().partition(b"\n")[2])
    page.find_element(By.ID, "data-file").send_keys(str(mine))
    WebDriverWait(page, 5).until(lambda d: d.find_element(By.ID, "data-file-name").text == "mine.dat")
    assert page.find_element(By.ID, "data-heading").text == "My linac"
    assert not shown.is_displayed()


def grid_lines(pdf, tmp_path):
    """The x of each vertical line of the page's 0.1 mm grid, in mm from the paper's left edge."""
    (tmp_path / "page.pdf").write_bytes(pdf)
    subprocess.run(["pdftocairo", "-svg", str(tmp_path / "page.pdf"), str(tmp_path / "page.svg")], check=True)
    svg = (tmp_path / "page.svg").read_text()
    grid = re.search(r'<path style="[^"]*stroke-width:0\.1;[^"]*" d="([^"]*)" transform="matrix\(([^)]*)\)"', svg)
    a, _, _, _, e, _ = (float(v) for v in grid.group(2).split(","))
    points = re.findall(r"M (\S+) \S+ L (\S+) \S+", grid.group(1))
    return sorted((a * float(x) + e) * 25.4 / 72 for x, x2 in points if x == x2)


def test_the_printed_page_is_true_to_scale(page, tmp_path):
    enter(page, {"setup": "ssd", "depth": "5.0", "width": "10.0", "length": "10.0", "wedge": "non"})
    print_options = PrintOptions()
    print_options.page_width, print_options.page_height = 21.0, 29.7
    print_options.margin_top = print_options.margin_bottom = 0
    print_options.margin_left = print_options.margin_right = 0
    print_options.shrink_to_fit = False
    pdf = base64.b64decode(page.print_page(print_options))
    info = subprocess.run(["pdfinfo", "-"], input=pdf, capture_output=True, check=True).stdout.decode()
    assert re.search(r"^Pages: +1$", info, re.M)
    # Chart columns 150..350 every 10 mm, 0..200 mm from the paper's left edge.
    lines = grid_lines(pdf, tmp_path)
    assert len(lines) == 21
    spacing = (lines[-1] - lines[0]) / 20
    # Chromium itself writes an A4 page 0.012 % small (594.96 pt wide, also
    # for a page of nothing but a line); the page draws 1 mm to 1 mm.
    assert abs(spacing - 10) < 0.002, f"grid spacing {spacing:.4f} mm"
    assert all(abs(x - 10 * k) < 0.05 for k, x in enumerate(lines))


def test_a_reload_while_offline_works(chromium):
    site = Site()
    try:
        open_page(chromium, site.url)
        chromium.execute_async_script(
            "const done = arguments[0]; navigator.serviceWorker.ready.then(() => {"
            " if (navigator.serviceWorker.controller) done(); "
            " else navigator.serviceWorker.addEventListener('controllerchange', () => done()); });")
    finally:
        site.stop()
    open_page(chromium, chromium.current_url)
    assert chromium.execute_async_script(
        "fetch('not-cached').then(() => arguments[0]('online'), () => arguments[0]('offline'))") == "offline"
    enter(chromium, WEDGED)
    assert chromium.find_element(By.ID, "chart").is_displayed()


def test_axe_finds_no_serious_violation(page):
    if not AXE.is_file():
        pytest.skip(f"{AXE} is missing: scripts/test-web.sh installs axe-core with npm ci")
    page.execute_script(AXE.read_text(encoding="utf-8"))
    enter(page, WEDGED)
    page.find_element(By.ID, "profiles-toggle").click()
    found = []
    for language in ("default", "ja"):
        page.execute_script("const s = document.getElementById('language'); s.value = arguments[0];"
                            "s.dispatchEvent(new Event('change'));", language)
        for dialog in (None, "method-open"):
            if dialog:
                page.find_element(By.ID, dialog).click()
            violations = page.execute_async_script(
                "axe.run(document).then(r => arguments[0](r.violations.map(v => [v.id, v.impact, v.nodes.length])))")
            found += [v for v in violations if v[1] in ("serious", "critical")]
            if dialog:
                page.find_element(By.CSS_SELECTOR, "[data-close=method]").click()
    assert found == []


def translation(language, context, source):
    root = ET.parse(ROOT / "translations" / f"corvane_{language}.ts").getroot()
    return next(m.findtext("translation") for c in root.iter("context") if c.findtext("name") == context
                for m in c.iter("message") if m.findtext("source") == source)


def test_the_language_follows_the_catalogs_and_is_remembered(page):
    def choose(language):
        Select(page.find_element(By.ID, "language")).select_by_value(language)

    label = page.find_element(By.CSS_SELECTOR, "label[for=depth]")
    assert label.text == "Depth of target"  # the designed mix keeps the designed captions
    choose("ja")
    assert page.find_element(By.TAG_NAME, "html").get_attribute("lang") == "ja"
    assert label.text == translation("ja", "corvane::Form2", "Depth of target")
    choose("en")
    enter(page, {"setup": "std", "depth": "20", "width": "10", "length": "10", "wedge": "non"})
    shown = [p.get_attribute("textContent") for p in page.find_elements(By.CSS_SELECTOR, "#failure p")]
    _, _, messages = tool("dose", "--setup", "std", "--depth", "20")
    assert shown == [translation("en", "corvane::Module1", m) for m in messages.splitlines()]
    page.refresh()
    WebDriverWait(page, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
    assert page.find_element(By.CSS_SELECTOR, "label[for=depth]").text == translation("en", "corvane::Form2", "Depth of target")
