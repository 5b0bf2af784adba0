"""The calls of corvane: each takes Python values, checks their types and
hands them to the C++ core in corvane._core."""

from __future__ import annotations

import operator
import os
import warnings
from pathlib import Path
from typing import Literal, Union, overload

import numpy as np

from . import _core
from ._conditions import Conditions
from ._errors import BeamDataWarning
from ._records import DepthDoseFigures, IsodoseLevel, LateralFigures, Profile

BeamData = _core.BeamData
DoseCalculation = _core.DoseCalculation
Axis = Literal["depth", "lateral"]
GridLike = Union[np.ndarray, DoseCalculation]


def _read_only(array: np.ndarray) -> np.ndarray:
    array.setflags(write=False)
    return array


lateral_mm: np.ndarray = _read_only(np.arange(_core.GRID_COLUMNS) - _core.AXIS_COLUMN)
"""The off-axis position of each column of a dose grid, in mm: -250..250."""

depth_mm: np.ndarray = _read_only(np.arange(_core.GRID_ROWS))
"""The depth of each row of a dose grid, in mm: 0..300 (rows below 250 hold 0)."""


def _require(name: str, value: object, kind: type) -> None:
    if not isinstance(value, kind):
        raise TypeError(f"{name} must be a {kind.__module__.split('.')[0]}.{kind.__name__}, "
                        f"not {type(value).__name__}")


def _bundled_data_file() -> Path:
    # As corvane-chart looks for it: the working folder, then the program's
    # place (for this package its own folder, and the data folder of the
    # prefix it is installed under, wherever that tree was unpacked), then
    # the data folder of the prefix it was built for.
    name = _core.BEAM_DATA_FILE_NAME
    here = Path(__file__).resolve().parent
    candidates = (
        Path(name),
        here / name,
        Path(os.path.normpath(here / _core.DATA_FROM_PACKAGE / name)),
        Path(_core.INSTALL_DATADIR) / name,
    )
    for candidate in candidates:
        if candidate.is_file():
            return candidate
    return Path(name)


def load_beam_data(path: Union[str, os.PathLike, None] = None) -> BeamData:
    """Loads the TMR and OCR tables of a beam data file.

    Without a path, the bundled 6MVTMROCR.dat is found as corvane-chart finds
    it: in the working folder, beside this package, then in share/corvane of
    the installation. A file that does not load raises BeamDataError with the
    message corvane-chart prints; a file that loads with misplaced OCR rows
    gives a BeamDataWarning.
    """
    if path is None:
        path = _bundled_data_file()
    elif not isinstance(path, (str, os.PathLike)):
        raise TypeError(f"path must be a str, an os.PathLike or None, not {type(path).__name__}")
    encoded = os.fsencode(path)
    if b"\0" in encoded:  # as open() refuses it: the system would read a shorter name
        raise ValueError("path must not contain a NUL character")
    beam, warning = _core.load_beam_data(encoded)
    if warning is not None:
        warnings.warn(warning, BeamDataWarning, stacklevel=2)
    return beam


def dose_grid(beam: BeamData, conditions: Conditions) -> np.ndarray:
    """The dose grid of one calculation, exactly as ``corvane-chart dose`` writes it.

    A read-only, C-contiguous float64 array of shape (301, 501), indexed
    [depth_mm, lateral_index]: row J is the depth J mm, column I the off-axis
    position I - 250 mm (see depth_mm and lateral_mm). Each cell is the dose
    as a fraction of the dose at the target point (1 = 100 %), 0 outside the
    computed region. The array views the calculation's own memory; grid.base
    is that DoseCalculation.

    Raises CalculationError where the calculation fails. Releases the GIL
    while it computes.
    """
    _require("beam", beam, BeamData)
    _require("conditions", conditions, Conditions)
    return _core.dose_grid(beam, *conditions._core_arguments())


def _depth_axis(axis: object) -> bool:
    if not isinstance(axis, str) or axis not in ("depth", "lateral"):
        raise ValueError(f"axis must be 'depth' or 'lateral', not {axis!r}")
    return axis == "depth"


def profile(grid: GridLike, axis: Axis = "depth", at: int = 0) -> Profile:
    """One profile of a dose grid, the numbers of ``corvane-chart profile``.

    axis="depth": the depth dose at ``at`` mm off axis (-250..250), depths 0..250 mm.
    axis="lateral": the lateral profile at the depth ``at`` mm (0..250), positions
    -250..250 mm. Returns (position_mm, dose_percent), dose_percent = 100 x the cell.
    """
    return Profile(*_core.profile(grid, _depth_axis(axis), operator.index(at)))


@overload
def profile_figures(grid: GridLike, axis: Literal["depth"] = ..., at: int = ...) -> DepthDoseFigures: ...
@overload
def profile_figures(grid: GridLike, axis: Literal["lateral"], at: int = ...) -> LateralFigures: ...


def profile_figures(grid: GridLike, axis: Axis = "depth", at: int = 0) -> Union[DepthDoseFigures, LateralFigures]:
    """The figures the profiles window shows under a profile, None where one does not exist.

    axis="depth": DepthDoseFigures of the column ``at`` mm off axis.
    axis="lateral": LateralFigures of the row at depth ``at`` mm.
    ``grid`` is an array dose_grid returned, or its DoseCalculation: the
    figures need to know which cells were computed.
    """
    depth = _depth_axis(axis)
    values = _core.profile_figures(grid, depth, operator.index(at))
    return DepthDoseFigures(*values) if depth else LateralFigures(*values)


def isodose_curves(beam: BeamData, conditions: Conditions) -> tuple[IsodoseLevel, ...]:
    """The isodose curves of the chart, level by level from 10 % to 200 %.

    Each IsodoseLevel has the polylines the chart traces for it, in chart
    millimetres (x = lateral index 0..500 with the axis at 250, y = depth),
    and the chart's colour for it. Raises CalculationError where the chart
    fails, such as a field so wide that a level reaches the chart's edge.
    """
    _require("beam", beam, BeamData)
    _require("conditions", conditions, Conditions)
    levels = _core.isodose_curves(beam, *conditions._core_arguments())
    return tuple(IsodoseLevel(*level) for level in levels)
