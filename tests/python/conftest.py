"""What the tests of the Python module share: the bundled data file, and
corvane-chart of the same build (CORVANE_CHART, else build/bin beside the
build's python/ folder) to compare with."""

import os
import subprocess
from pathlib import Path

import pytest

import corvane

ROOT = Path(__file__).resolve().parents[2]
DATA = ROOT / "data" / "6MVTMROCR.dat"
CHART = os.environ.get("CORVANE_CHART") or str(Path(corvane.__file__).resolve().parents[2] / "bin" / "corvane-chart")


def run_chart(*args: str) -> subprocess.CompletedProcess:
    return subprocess.run([CHART, *args], capture_output=True, text=True)


@pytest.fixture(scope="session")
def beam() -> corvane.BeamData:
    return corvane.load_beam_data(DATA)
