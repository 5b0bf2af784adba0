"""The irradiation conditions of a calculation."""

from __future__ import annotations

import dataclasses
import numbers
from typing import Literal, Optional

from . import _core

Setup = Literal["ssd", "std"]
Wedge = Optional[Literal[30, 45, 60]]

_SETUPS = ("ssd", "std")
_WEDGES = (None, 30, 45, 60)


def _number(name: str, value: object) -> float:
    if isinstance(value, bool) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name} must be a number, not {type(value).__name__}")
    return float(value)


def _text(name: str, value: object) -> str:
    if not isinstance(value, str):
        raise TypeError(f"{name} must be a str, not {type(value).__name__}")
    return value


@dataclasses.dataclass(frozen=True)
class Conditions:
    """The conditions of one calculation, as the conditions window sets them.

    setup:  "ssd" (SSD = 100 cm) or "std" (STD = 100 cm, the target at the isocentre)
    depth:  depth of the target in cm, where the dose is 100 %
    width:  field width at the SAD in cm, across the plotted plane
    length: field length at the SAD in cm
    wedge:  None, 30, 45 or 60 (degrees)

    The numbers are taken as they are, NaN and infinity included: the
    calculation decides which fail, as it does for the windows' entries.
    To read the entries' texts as the windows do, use Conditions.from_entries.
    """

    setup: Setup = "ssd"
    depth: float = 5.0
    width: float = 10.0
    length: float = 10.0
    wedge: Wedge = None

    def __post_init__(self) -> None:
        if not isinstance(self.setup, str) or self.setup not in _SETUPS:
            raise ValueError(f"setup must be 'ssd' or 'std', not {self.setup!r}")
        if isinstance(self.wedge, bool) or self.wedge not in _WEDGES:
            raise ValueError(f"wedge must be None, 30, 45 or 60, not {self.wedge!r}")
        for name in ("depth", "width", "length"):
            object.__setattr__(self, name, _number(name, getattr(self, name)))
        if self.wedge is not None:
            object.__setattr__(self, "wedge", int(self.wedge))

    @classmethod
    def from_entries(
        cls,
        depth: str = "5.0",
        width: str = "10.0",
        length: str = "10.0",
        setup: Setup = "ssd",
        wedge: Wedge = None,
    ) -> Conditions:
        """The conditions from the entry texts, read as the conditions window
        reads them: the number at the start of each text, blanks before it
        skipped, "." as the decimal point; 0 when a text does not begin with a
        number. So Conditions.from_entries(depth="5cm") has a depth of 5.0 and
        from_entries(width="") a width of 0, which then fails as it does in
        the windows."""
        numbers_read = _core.read_entries(
            _text("depth", depth), _text("width", width), _text("length", length)
        )
        return cls(setup, *numbers_read, wedge)

    def _core_arguments(self) -> tuple:
        return (self.setup == "ssd", self.depth, self.width, self.length, self.wedge)
