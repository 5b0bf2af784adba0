"""Lateral profiles at 10 cm depth of a 10 x 10 cm field with each wedge.

    /usr/bin/python3 examples/wedge_profiles.py wedges.png
"""

import sys

import matplotlib.pyplot as plt
import numpy as np

import corvane


def main(output: str = "wedge_profiles.png") -> None:
    beam = corvane.load_beam_data()
    figure, axes = plt.subplots(figsize=(7, 4.5))
    for wedge in (None, 30, 45, 60):
        grid = corvane.dose_grid(beam, corvane.Conditions(depth=10.0, wedge=wedge))
        position, dose = corvane.profile(grid, axis="lateral", at=100)
        # The grid holds 0 beyond the computed region, which is no dose: leave it out.
        computed = np.abs(position) <= grid.base.half_width_steps
        axes.plot(position[computed] / 10, dose[computed],
                  label="open field" if wedge is None else f"{wedge}° wedge",
                  linestyle=":" if wedge is None else "-")
    axes.set_xlabel("off-axis distance (cm)")
    axes.set_ylabel("dose (% of the dose at the target)")
    axes.set_xlim(-10, 10)
    axes.grid(True, alpha=0.3)
    axes.legend()
    axes.set_title("6 MV, SSD = 100 cm, 10 x 10 cm, target at 10 cm")
    figure.tight_layout()
    figure.savefig(output, dpi=100)


if __name__ == "__main__":
    main(*sys.argv[1:2])
