#!/usr/bin/python3
"""Assembles the browser edition's static site.

    build-site.py --wasm DIR --pictures DIR --icons DIR --out DIR

copies the page (web/site), the WebAssembly module (corvane-core.js and
.wasm), the bundled data file, the pictures and icons drawn at build time and
the catalogs converted to JSON into OUT, and writes the service worker with
the list of every file and a cache name made from the version and the
files' contents, so that a new build replaces the cache of the old one.
"""
import argparse
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import sys

WEB = pathlib.Path(__file__).resolve().parent.parent
ROOT = WEB.parent


def version():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    match = re.search(r"project\(Corvane VERSION ([0-9.]+)", text)
    if match is None:
        sys.exit("build-site.py: no version in the top-level CMakeLists.txt")
    return match.group(1)


def copy(source, target):
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source, target)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("wasm", "pictures", "icons", "out"):
        parser.add_argument(f"--{name}", type=pathlib.Path, required=True)
    args = parser.parse_args()
    out = args.out
    if out.exists():
        shutil.rmtree(out)
    shutil.copytree(WEB / "site", out, ignore=shutil.ignore_patterns("sw.js"))
    for name in ("corvane-core.js", "corvane-core.wasm"):
        copy(args.wasm / name, out / "wasm" / name)
    copy(ROOT / "data" / "6MVTMROCR.dat", out / "data" / "6MVTMROCR.dat")
    for picture in ["formula.png"] + [f"geometry-{lang}.png" for lang in ("en", "ja", "default")]:
        copy(args.pictures / picture, out / "pictures" / picture)
    for size in (192, 512):
        copy(args.icons / f"{size}x{size}" / "apps" / "corvane.png", out / "icons" / f"corvane-{size}.png")
    copy(args.icons / "scalable" / "apps" / "corvane.svg", out / "icons" / "corvane.svg")
    (out / "i18n").mkdir()
    subprocess.run([sys.executable, str(WEB / "tools" / "convert-catalogs.py"),
                    str(ROOT / "translations" / "corvane_en.ts"), str(ROOT / "translations" / "corvane_ja.ts"),
                    str(WEB / "i18n" / "web-texts.json"), str(out / "i18n" / "catalogs.json")], check=True)

    files = sorted(p.relative_to(out).as_posix() for p in out.rglob("*") if p.is_file())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (out / name).read_bytes())
    worker = (WEB / "site" / "sw.js").read_text(encoding="utf-8")
    worker = worker.replace("@CACHE_NAME@", f"corvane-{version()}-{digest.hexdigest()[:12]}")
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    (out / "sw.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
