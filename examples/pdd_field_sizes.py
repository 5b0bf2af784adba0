"""Percentage depth dose on the central axis for three field sizes (SSD = 100 cm).

    /usr/bin/python3 examples/pdd_field_sizes.py pdd.png
"""

import sys

import matplotlib.pyplot as plt

import corvane


def main(output: str = "pdd_field_sizes.png") -> None:
    beam = corvane.load_beam_data()
    figure, axes = plt.subplots(figsize=(7, 4.5))
    for side in (5.0, 10.0, 20.0):
        grid = corvane.dose_grid(beam, corvane.Conditions(width=side, length=side))
        depth, dose = corvane.profile(grid, axis="depth", at=0)
        pdd = 100 * dose / dose.max()  # the grid is normalised at the target; a PDD at its maximum
        figures = corvane.profile_figures(grid, axis="depth", at=0)
        axes.plot(depth / 10, pdd,
                  label=f"{side:g} x {side:g} cm  (PDD(10) = {figures.dose_100_of_maximum:.1f} %)")
    axes.set_xlabel("depth (cm)")
    axes.set_ylabel("PDD (%)")
    axes.set_xlim(0, 25)
    axes.set_ylim(0, 105)
    axes.grid(True, alpha=0.3)
    axes.legend()
    axes.set_title("6 MV, SSD = 100 cm")
    figure.tight_layout()
    figure.savefig(output, dpi=100)


if __name__ == "__main__":
    main(*sys.argv[1:2])
