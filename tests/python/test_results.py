"""The module's numbers are corvane-chart's: the grid, the profiles and the
curves of the chart; and the array is the calculation's own, read-only."""

import io

import numpy as np
import pytest
from conftest import DATA, run_chart

import corvane
from corvane import Conditions

GRIDS = [  # corvane-chart's options, and the same conditions for the module
    ([], Conditions()),
    (["--setup", "std", "--depth", "8", "--width", "12", "--wedge", "45"],
     Conditions(setup="std", depth=8, width=12, wedge=45)),
    (["--width", "30", "--length", "30", "--wedge", "60"], Conditions(width=30, length=30, wedge=60)),
    (["--depth", " 2.5cm", "--width", "4x", "--length", "7.5.3", "--wedge", "30"],
     Conditions.from_entries(depth=" 2.5cm", width="4x", length="7.5.3", wedge=30)),
    (["--setup", "std", "--depth", "20"], Conditions(setup="std", depth=20)),  # fails
    (["--depth", "1e999"], Conditions.from_entries(depth="1e999")),  # fails
]


@pytest.mark.parametrize("options, conditions", GRIDS)
def test_dose_grid_is_the_dose_command(beam, options, conditions):
    tool = run_chart("dose", "--data", str(DATA), *options)
    if tool.returncode == 1:
        with pytest.raises(corvane.CalculationError) as failure:
            corvane.dose_grid(beam, conditions)
        assert tool.stderr.splitlines() == list(failure.value.messages)
        return
    assert tool.returncode == 0
    assert np.array_equal(corvane.dose_grid(beam, conditions), np.loadtxt(io.StringIO(tool.stdout), delimiter=","))


@pytest.mark.parametrize("axis, at, wedge", [("depth", -40, 60), ("depth", 250, None), ("lateral", 100, 45)])
def test_profile_is_the_profile_command(beam, axis, at, wedge):
    options = ["--axis", axis, "--at", str(at)] + (["--wedge", str(wedge)] if wedge else [])
    expected = np.loadtxt(io.StringIO(run_chart("profile", "--data", str(DATA), *options).stdout),
                          delimiter=",", skiprows=1)
    grid = corvane.dose_grid(beam, Conditions(wedge=wedge))
    for profile in (corvane.profile(grid, axis, at), corvane.profile(np.array(grid), axis=axis, at=at)):
        assert np.array_equal(profile.position_mm, expected[:, 0])
        assert np.array_equal(profile.dose_percent, expected[:, 1])


def test_isodose_curves_are_the_charts_segments_level_by_level(beam):
    conditions = Conditions(depth=10, wedge=45)
    colours = {"0": "#000000", "9": "#0000ff", "12": "#ff0000"}
    drawn, current = [], None
    for operation in run_chart("ops", "--data", str(DATA), "--depth", "10", "--wedge", "45").stdout.splitlines():
        name, *values = operation.split(" ")
        if name not in ("Line", "PSet", "LineTo") or values[-1] not in colours:
            continue
        points = [float(v) for v in values[:-1]]
        if name == "Line":
            drawn.append((*points, colours[values[-1]]))
        elif name == "LineTo":
            drawn.append((*current, *points, colours[values[-1]]))
        current = points[-2:]

    grid = corvane.dose_grid(beam, conditions)
    traced = []
    for level in corvane.isodose_curves(beam, conditions):
        for line in level.polylines:
            traced += [(*a, *b, level.colour) for a, b in zip(line[:-1].tolist(), line[1:].tolist())]
            for x, y in line:  # every point lies where the grid crosses the level
                if y == int(y):
                    row, i = grid[int(y)], min(int(x), 499)
                    value = row[i] + (x - i) * (row[i + 1] - row[i])
                else:
                    column, j = grid[:, int(x)], int(y)
                    value = column[j] + (y - j) * (column[j + 1] - column[j])
                assert value == pytest.approx(level.percent / 100, abs=1e-9)
    assert sorted(traced) == sorted(drawn) and len(drawn) > 1000


def test_dose_grid_is_a_read_only_view_of_the_calculation(beam):
    grid = corvane.dose_grid(beam, Conditions())
    assert grid.shape == (301, 501) and grid.dtype == np.float64
    assert grid.flags.c_contiguous and not grid.flags.writeable and not grid.flags.owndata
    calculation = grid.base
    assert isinstance(calculation, corvane.DoseCalculation) and np.shares_memory(grid, calculation.grid)
    assert (calculation.half_width_steps, calculation.depth_steps, calculation.wedged) == (86, 250, False)
    with pytest.raises(ValueError):
        grid[50, 250] = 2
    with pytest.raises(ValueError):
        grid.flags.writeable = True
    del grid
    assert calculation.grid[50, 250] == 1.0
    assert corvane.lateral_mm[[0, 250, 500]].tolist() == [-250, 0, 250]
    assert corvane.depth_mm.tolist() == list(range(301))


def test_profile_figures_are_the_profiles_windows(beam):
    open_field = corvane.dose_grid(beam, Conditions())
    depth = corvane.profile_figures(open_field, axis="depth", at=0)
    assert depth.depth_of_maximum_mm == 15
    assert (round(depth.dose_100_of_maximum, 1), round(depth.dose_200_of_maximum, 1)) == (66.5, 39.1)
    assert corvane.profile_figures(open_field.base, "depth", at=-100) == corvane.DepthDoseFigures(*[None] * 6)
    wedged = corvane.profile_figures(corvane.dose_grid(beam, Conditions(wedge=45)), "lateral", at=100)
    assert wedged.width_50_mm is not None and wedged.penumbrae_withheld_for_wedge
    assert (wedged.left_penumbra_mm, wedged.right_penumbra_mm) == (None, None)
