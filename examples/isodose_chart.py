"""Corvane's isodose chart drawn with matplotlib, beside plt.contour of the
same dose grid: 10 x 10 cm, target at 10 cm, SSD = 100 cm, 45° wedge.

    /usr/bin/python3 examples/isodose_chart.py isodose.png
"""

import sys

import matplotlib.pyplot as plt

import corvane


def main(output: str = "isodose_chart.png") -> None:
    beam = corvane.load_beam_data()
    conditions = corvane.Conditions(depth=10.0, wedge=45)
    figure, (chart, contour) = plt.subplots(1, 2, figsize=(11, 5), sharey=True)

    # The curves as the chart traces them, in chart mm (x = 250 on the axis),
    # and a label for each level reached, in a column at the right as on the chart.
    for level in corvane.isodose_curves(beam, conditions):
        for line in level.polylines:
            chart.plot(line[:, 0] - 250, line[:, 1], color=level.colour, linewidth=0.8)
        if level.polylines:
            chart.text(150, 250 - 1.5 * level.percent, f"{level.percent}%", color=level.colour,
                       fontsize=6, va="center")
    chart.set_title("isodose_curves: Corvane's chart")

    grid = corvane.dose_grid(beam, conditions)
    lines = contour.contour(corvane.lateral_mm, corvane.depth_mm[:251], 100 * grid[:251],
                            levels=range(10, 201, 10), cmap="viridis", linewidths=0.8)
    contour.clabel(lines, lines.levels[1::2], fontsize=7)
    contour.set_title("plt.contour of dose_grid")

    for axes in (chart, contour):
        axes.plot(0, conditions.depth * 10, "o", color="#ff0000", markersize=4, fillstyle="none")
        axes.set_xlim(-150, 190)
        axes.set_ylim(250, -40)  # depth grows downwards, as on the chart
        axes.set_aspect("equal")
        axes.set_xlabel("off-axis distance (mm)")
        axes.grid(True, alpha=0.3)
    chart.set_ylabel("depth (mm)")
    figure.tight_layout()
    figure.savefig(output, dpi=100)


if __name__ == "__main__":
    main(*sys.argv[1:2])
