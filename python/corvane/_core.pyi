# Types of the C++ half of corvane; the package's own modules are the
# public interface.
from typing import Optional, Union

import numpy as np

BEAM_DATA_FILE_NAME: str
INSTALL_DATADIR: str
DATA_FROM_PACKAGE: str
GRID_ROWS: int
GRID_COLUMNS: int
AXIS_COLUMN: int
LAST_COMPUTED_ROW: int
FAILURE_MESSAGES: tuple[str, str]

class BeamData:
    """The measured tables of one beam data file, as load_beam_data read them."""
    @property
    def path(self) -> str: ...
    @property
    def depth_cm(self) -> np.ndarray: ...
    @property
    def field_size_cm(self) -> np.ndarray: ...
    @property
    def tmr(self) -> np.ndarray: ...
    @property
    def ocr(self) -> np.ndarray: ...

class DoseCalculation:
    """One calculation of the dose grid; the array dose_grid returns views it."""
    @property
    def grid(self) -> np.ndarray: ...
    @property
    def half_width_steps(self) -> int: ...
    @property
    def depth_steps(self) -> int: ...
    @property
    def wedged(self) -> bool: ...

def load_beam_data(path: bytes) -> tuple[BeamData, Optional[str]]: ...
def dose_grid(
    beam: BeamData, ssd: bool, depth: float, width: float, length: float, wedge: Optional[int]
) -> np.ndarray: ...
def read_entries(depth: str, width: str, length: str) -> tuple[float, float, float]: ...
def profile(
    grid: Union[np.ndarray, DoseCalculation], depth_axis: bool, at: int
) -> tuple[np.ndarray, np.ndarray]: ...
def profile_figures(
    grid: Union[np.ndarray, DoseCalculation], depth_axis: bool, at: int
) -> tuple[object, ...]: ...
def isodose_curves(
    beam: BeamData, ssd: bool, depth: float, width: float, length: float, wedge: Optional[int]
) -> list[tuple[int, str, tuple[np.ndarray, ...]]]: ...
