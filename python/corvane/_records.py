"""The small records corvane returns."""

from __future__ import annotations

from typing import NamedTuple, Optional

import numpy as np


class Profile(NamedTuple):
    """One profile of a dose grid, as ``corvane-chart profile`` writes it."""

    position_mm: np.ndarray
    """Depths 0..250 (axis "depth") or off-axis positions -250..250 (axis "lateral"), in mm."""
    dose_percent: np.ndarray
    """100 x the grid's cell at each position; 0 outside the computed region."""


class DepthDoseFigures(NamedTuple):
    """The profiles window's figures under the depth dose of one column.

    Doses are in percent of the target dose; the two ``*_of_maximum`` in
    percent of the largest dose in the column (PDD(10) and PDD(20) in the SSD
    set-up on the central axis). None where a figure does not exist.
    """

    depth_of_maximum_mm: Optional[int]
    dose_100: Optional[float]
    dose_200: Optional[float]
    ratio_200_to_100: Optional[float]
    dose_100_of_maximum: Optional[float]
    dose_200_of_maximum: Optional[float]


class LateralFigures(NamedTuple):
    """The profiles window's figures under the lateral profile at one depth.

    Measured against the dose on the central axis at that depth. None where a
    level is not crossed inside the computed region; the penumbrae are None
    for a wedged field, and ``penumbrae_withheld_for_wedge`` says so.
    """

    width_50_mm: Optional[float]
    left_penumbra_mm: Optional[float]
    right_penumbra_mm: Optional[float]
    penumbrae_withheld_for_wedge: bool


class IsodoseLevel(NamedTuple):
    """The curves of one isodose level as the chart traces them."""

    percent: int
    """10, 20, ..., 200 (% of the target dose)."""
    colour: str
    """The chart's colour for the level, as "#rrggbb"."""
    polylines: tuple[np.ndarray, ...]
    """Arrays of (x, y) points in chart mm: x the lateral index (250 on the
    axis), y the depth. The left flank, the right flank and the lines across
    the top and the bottom, those the level has; none when it is not reached."""
