// The arrow of the heading "Start" will give, under the run buttons: strong while the robot is
// held at its start and pale once it runs, as the window draws it.

const kStrong = 'rgb(20, 60, 200)';
const kPale = 'rgb(170, 170, 170)';

export function drawHeadingArrow(canvas, degrees, strong) {
  const size = canvas.width;
  const r = size / 2 - 1.5;
  const g = canvas.getContext('2d');
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, size, size);
  g.translate(size / 2, size / 2);
  g.strokeStyle = 'rgb(200, 200, 200)';
  g.lineWidth = 1;
  g.beginPath();
  g.arc(0, 0, r, 0, 2 * Math.PI);
  g.stroke();
  // The canvas's y points down, so a positive rotation turns clockwise, as the heading does.
  g.rotate(degrees * Math.PI / 180);
  const colour = strong ? kStrong : kPale;
  g.strokeStyle = colour;
  g.lineWidth = size / 14;
  g.lineCap = 'round';
  g.beginPath();
  g.moveTo(0, r * 0.6);
  g.lineTo(0, -r * 0.35);
  g.stroke();
  g.fillStyle = colour;
  g.beginPath();
  g.moveTo(0, -r * 0.9);
  g.lineTo(r * 0.35, -r * 0.3);
  g.lineTo(-r * 0.35, -r * 0.3);
  g.closePath();
  g.fill();
}
