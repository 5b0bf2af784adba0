"""Calculations on several threads at once give the serial results."""

from concurrent.futures import ThreadPoolExecutor

import numpy as np

import corvane
from corvane import Conditions


def test_threads_give_the_serial_results(beam):
    conditions = [Conditions(setup=setup, depth=depth, width=width, wedge=wedge)
                  for setup in ("ssd", "std") for depth, width in ((5, 10), (10, 4), (2.5, 25))
                  for wedge in (None, 60)]
    serial = [(corvane.dose_grid(beam, c), corvane.isodose_curves(beam, c)) for c in conditions]
    with ThreadPoolExecutor(4) as pool:
        for _ in range(3):
            parallel = pool.map(lambda c: (corvane.dose_grid(beam, c), corvane.isodose_curves(beam, c)), conditions)
            for (grid, curves), (serial_grid, serial_curves) in zip(parallel, serial):
                assert np.array_equal(grid, serial_grid)
                assert [[p.tolist() for p in level.polylines] for level in curves] == \
                       [[p.tolist() for p in level.polylines] for level in serial_curves]
