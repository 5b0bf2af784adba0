"""Corvane's dose calculation in Python: the dose grid of a 6 MV photon beam
in a water phantom, its profiles and its isodose curves, as numpy arrays.

    import corvane
    beam = corvane.load_beam_data()
    grid = corvane.dose_grid(beam, corvane.Conditions(depth=10.0, width=15.0, wedge=45))

The numbers are those of Corvane's windows and of corvane-chart.
"""

from ._api import (
    BeamData,
    DoseCalculation,
    depth_mm,
    dose_grid,
    isodose_curves,
    lateral_mm,
    load_beam_data,
    profile,
    profile_figures,
)
from ._conditions import Conditions
from ._errors import BeamDataError, BeamDataWarning, CalculationError
from ._records import DepthDoseFigures, IsodoseLevel, LateralFigures, Profile

__all__ = [
    "BeamData",
    "BeamDataError",
    "BeamDataWarning",
    "CalculationError",
    "Conditions",
    "DepthDoseFigures",
    "DoseCalculation",
    "IsodoseLevel",
    "LateralFigures",
    "Profile",
    "depth_mm",
    "dose_grid",
    "isodose_curves",
    "lateral_mm",
    "load_beam_data",
    "profile",
    "profile_figures",
]

# Shown as corvane.X in messages and tracebacks, where they are looked up too.
for _public in (BeamData, BeamDataError, BeamDataWarning, CalculationError, Conditions, DepthDoseFigures,
                DoseCalculation, IsodoseLevel, LateralFigures, Profile):
    _public.__module__ = __name__
del _public
