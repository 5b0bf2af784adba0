"""The errors corvane raises, and the warning of a data file that loads with
rows out of place."""

from __future__ import annotations


class BeamDataError(ValueError):
    """A beam data file that does not load.

    The message is the one ``corvane-chart`` prints for the file. ``line`` is
    the file's line of the fault (None for a fault of the whole file, such as
    a missing file), ``field`` the text of the number at fault (None where
    the fault has none).
    """

    def __init__(self, message: str, line: int | None = None, field: str | None = None) -> None:
        super().__init__(message)
        self.line = line
        self.field = field

    def __reduce__(self):  # keeps line and field through pickle
        return (type(self), (str(self), self.line, self.field))


class CalculationError(RuntimeError):
    """A calculation that fails: the dose grid, or the chart traced from it.

    ``messages`` are the two messages Corvane shows for every failure, exactly
    as its windows show them; ``detail`` says what stopped the calculation
    (for instance "reference dose is 0").
    """

    def __init__(self, detail: str, messages: tuple[str, str]) -> None:
        super().__init__(f"{messages[0].strip()} / {messages[1].strip()} ({detail})")
        self.detail = detail
        self.messages = tuple(messages)

    def __reduce__(self):  # keeps detail and messages through pickle
        return (type(self), (self.detail, self.messages))


class BeamDataWarning(UserWarning):
    """A data file that loads, with OCR rows whose position looks misplaced."""
