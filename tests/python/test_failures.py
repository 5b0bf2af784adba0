"""Every wrong input gets a typed Python error, never a crash: the data
file's faults as corvane-chart words them, the calculation's failures with
the two messages, wrong types and values with the name of what is wrong."""

import math
import pickle
import warnings

import numpy as np
import pytest
from conftest import DATA, run_chart

import corvane
from corvane import Conditions


def damaged(tmp_path, line: int, old: str, new: str):
    lines = DATA.read_bytes().split(b"\n")
    lines[line - 1] = lines[line - 1].replace(old.encode(), new.encode(), 1)
    path = tmp_path / "damaged.dat"
    path.write_bytes(b"\n".join(lines))
    return path


@pytest.mark.parametrize("line, old, new, field", [
    (None, "", "", None),  # no file at all
    (5, "0.5719", "0.57x19", "0.57x19"),
    (12, ",", ",,", None),
])
def test_data_file_that_does_not_load(tmp_path, line, old, new, field):
    path = damaged(tmp_path, line, old, new) if line else tmp_path / "missing.dat"
    with pytest.raises(corvane.BeamDataError) as error:
        corvane.load_beam_data(path)
    assert isinstance(error.value, ValueError)
    assert (error.value.line, error.value.field) == (line, field)
    assert run_chart("dose", "--data", str(path)).stderr == f"corvane-chart dose: {error.value}\n"
    assert pickle.loads(pickle.dumps(error.value)).line == line


def test_misplaced_ocr_row_is_a_warning(tmp_path):
    path = damaged(tmp_path, 47, "0.20", "0.60")
    with pytest.warns(corvane.BeamDataWarning) as warned:
        corvane.load_beam_data(str(path))
    assert run_chart("dose", "--data", str(path)).stderr.startswith(f"corvane-chart dose: warning: {warned[0].message}")


def test_calculation_error_carries_the_messages_and_the_detail(beam):
    with pytest.raises(corvane.CalculationError) as error:
        corvane.dose_grid(beam, Conditions(depth=25.1))
    assert isinstance(error.value, RuntimeError) and error.value.detail == "reference dose is 0"
    assert error.value.messages == ("  線量分布が正しく計算できませんでした  ", "  照射野サイズが大きすぎるものと思われます  ")
    assert pickle.loads(pickle.dumps(error.value)).detail == error.value.detail


GRID = object()  # stands for the default grid
WRONG = [  # the call, the error, a text its message names
    (lambda b: Conditions(depth="5"), TypeError, "depth"),
    (lambda b: Conditions(width=True), TypeError, "width"),
    (lambda b: Conditions(setup="sad"), ValueError, "'sad'"),
    (lambda b: Conditions(wedge=40), ValueError, "40"),
    (lambda b: Conditions(wedge="45"), ValueError, "'45'"),
    (lambda b: Conditions.from_entries(depth=5.0), TypeError, "depth"),
    (lambda b: corvane.load_beam_data(3), TypeError, "path"),
    (lambda b: corvane.load_beam_data(f"{DATA}\0.txt"), ValueError, "NUL"),
    (lambda b: corvane.BeamData(), TypeError, ""),
    (lambda b: corvane.dose_grid("beam", Conditions()), TypeError, "beam"),
    (lambda b: corvane.dose_grid(b, {"depth": 5}), TypeError, "conditions"),
    (lambda b: corvane.profile(GRID, at=1.5), TypeError, "float"),
    (lambda b: corvane.profile(GRID, axis="diagonal"), ValueError, "'diagonal'"),
    (lambda b: corvane.profile(GRID, "lateral", at=251), ValueError, "251"),
    (lambda b: corvane.profile(GRID, "depth", at=10**30), ValueError, "10000"),
    (lambda b: corvane.profile(np.zeros((3, 3))), ValueError, "(301, 501)"),
    (lambda b: corvane.profile("grid"), TypeError, "grid"),
    (lambda b: corvane.profile_figures(np.array(GRID)), TypeError, "dose_grid"),
    (lambda b: corvane.profile_figures(GRID[::-1]), TypeError, "dose_grid"),
    (lambda b: corvane.dose_grid(b, Conditions(depth=math.nan)), corvane.CalculationError, "target row"),
    (lambda b: corvane.dose_grid(b, Conditions(width=math.inf)), corvane.CalculationError, ""),
    (lambda b: corvane.dose_grid(b, Conditions(width=-1e308, length=1e308)), corvane.CalculationError, ""),
    (lambda b: corvane.isodose_curves(b, Conditions(width=40, length=40)), corvane.CalculationError, "chart"),
]


@pytest.mark.parametrize("call, error, named", WRONG)
def test_wrong_input_raises_a_typed_error(beam, call, error, named):
    global GRID
    GRID = corvane.dose_grid(beam, Conditions())
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        with pytest.raises(error) as raised:
            call(beam)
    assert named in str(raised.value)
