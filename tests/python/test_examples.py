"""The example scripts run headless, from an empty folder, and write their figures."""

import os
import subprocess
import sys

from pathlib import Path

import pytest
from conftest import ROOT

import corvane


@pytest.mark.parametrize("script", sorted((ROOT / "examples").glob("*.py")), ids=lambda p: p.stem)
def test_example_writes_its_figure(script, tmp_path):
    figure = tmp_path / f"{script.stem}.png"
    subprocess.run([sys.executable, str(script), str(figure)], cwd=tmp_path, check=True,
                   env={**os.environ, "MPLBACKEND": "Agg", "PYTHONPATH": str(Path(corvane.__file__).parents[1])})
    assert figure.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
