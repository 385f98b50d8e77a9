// Pictures the module paints, put on canvases.

// Puts the module's RGBA bytes on `canvas`, a picture of its size. The bytes are only valid until
// the next call into the module; putImageData copies them at once. Seen as clamped bytes in place:
// converting them into a new array would cost ten times the redraw itself.
export function putModulePixels(canvas, rgba) {
  const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length);
  canvas.getContext('2d').putImageData(new ImageData(pixels, canvas.width, canvas.height), 0, 0);
}
