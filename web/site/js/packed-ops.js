// Replays the drawing operations the core recorded (web/bindings/
// PackedSurface.h) on a JavaScript surface: each operation is its code in
// the numbers array followed by its fixed number of arguments; a colour of
// -1 is "none", the surface's foreground colour; texts are indices.

const NONE = -1;
const colour = (value) => (value === NONE ? null : value);

// code: [argument count, replay(surface, numbers, at, texts)]
const OPERATIONS = [
  [0, (s) => s.cls()],
  [5, (s, n, i) => s.line(n[i], n[i + 1], n[i + 2], n[i + 3], colour(n[i + 4]))],
  [3, (s, n, i) => s.lineTo(n[i], n[i + 1], colour(n[i + 2]))],
  [4, (s, n, i) => s.box(n[i], n[i + 1], n[i + 2], n[i + 3])],
  [3, (s, n, i) => s.pset(n[i], n[i + 1], colour(n[i + 2]))],
  [4, (s, n, i) => s.circle(n[i], n[i + 1], n[i + 2], colour(n[i + 3]))],
  [2, (s, n, i) => s.move(n[i], n[i + 1])],
  [1, (s, n, i) => s.foreColor(n[i])],
  [1, (s, n, i, t) => s.print(t[n[i]])],
  [1, (s, n, i) => s.drawStyle(n[i])],
  [0, (s) => s.scaleModeMillimetres()],
  [1, (s, n, i) => s.scaleTop(n[i])],
  [1, (s, n, i) => s.scaleLeft(n[i])],
  [2, (s, n, i, t) => s.font(t[n[i]], n[i + 1])],
  [1, (s, n, i) => s.drawWidth(n[i])],
  [0, (s) => s.endDoc()],
];

export function replay(ops, surface) {
  const { numbers, texts } = ops;
  let i = 0;
  while (i < numbers.length) {
    const operation = OPERATIONS[numbers[i]];
    if (operation === undefined) throw new Error(`unknown drawing operation ${numbers[i]}`);
    operation[1](surface, numbers, i + 1, texts);
    i += 1 + operation[0];
  }
  surface.flush?.();
}
