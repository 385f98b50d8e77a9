// Drawing on a board by keyboard, as in the window: Tab reaches the board, the arrows move the app
// model's cell cursor a cell and the space bar holds the pointer's button at it, through the same
// handlers as the pointer, and the cursor is framed as the window frames it.

let makeCursor = null;

// `make(width, height)` gives the module's CellCursor for a board of that size.
export function useCellCursors(make) {
  makeCursor = make;
}

const kKeys = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', ' '];

// Makes board `id`'s canvas (placed at c.left, c.top) take the keys; returns the cursor's frame,
// to be put beside the canvas.
export function listenForKeys(canvas, c, view) {
  const cursor = makeCursor(canvas.width, canvas.height);
  canvas.tabIndex = 0;
  // A click draws as ever and leaves the keyboard where it was, as in the window.
  canvas.addEventListener('mousedown', (e) => e.preventDefault());
  const frame = document.createElement('div');
  frame.className = 'cell-cursor';
  frame.hidden = true;
  const place = () => {
    const at = JSON.parse(cursor.place());
    frame.hidden = !at.shown || document.activeElement !== canvas;
    Object.assign(frame.style, {left: `${c.left + at.x1 - 1}px`, top: `${c.top + at.y1 - 1}px`,
                                width: `${at.x2 - at.x1 + 2}px`, height: `${at.y2 - at.y1 + 2}px`});
    return at;
  };
  const key = (name) => {
    const kind = cursor.key(name);
    const at = place();
    if (kind) view.act(() => view.form().mouse(c.id, kind, at.x, at.y));
  };
  canvas.addEventListener('keydown', (e) => {
    if (!kKeys.includes(e.key) || e.ctrlKey || e.altKey || e.metaKey) return;
    // Neither a scroll nor the space bar's pause while the board has the keys.
    e.preventDefault();
    e.stopPropagation();
    if (e.key === ' ' && e.repeat) return;
    key(e.key);
    frame.scrollIntoView({block: 'nearest', inline: 'nearest'});
  });
  canvas.addEventListener('keyup', (e) => {
    if (e.key === ' ') key('up');
  });
  // Shown when the keyboard brought the board, not a page switched with the mouse.
  canvas.addEventListener('focus', () => {
    cursor.shown = canvas.matches(':focus-visible');
    place();
  });
  canvas.addEventListener('blur', () => key('leave'));
  return frame;
}
