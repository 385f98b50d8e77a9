// "Badaj odporność"'s chart: the share of runs that reached the stop at each noise level, with its
// 95 % interval, laid out as the window's chart.
import {pageLanguage} from './language.js';

const kSvg = 'http://www.w3.org/2000/svg';
const kPlot = {left: 56, top: 44, right: 432, bottom: 176};
const kTicks = 4;

function svgElement(name, attributes, text) {
  const e = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
  if (text !== undefined) e.textContent = String(text);
  return e;
}

const decimal = (value, digits) => {
  const text = value.toFixed(digits);
  return pageLanguage() === 'pl' ? text.replace('.', ',') : text;
};

// `points`: [{level, value, low, high}]; `words`: {title, level, share} in the page's language.
export function drawSweepChart(svg, points, words) {
  svg.replaceChildren();
  svg.toggleAttribute('hidden', points.length === 0);
  if (points.length === 0) return;
  const lowest = Math.min(0, ...points.map((p) => p.level));
  const highest = Math.max(1, ...points.map((p) => p.level));
  const {left, top, right, bottom} = kPlot;
  const x = (level) => left + (level - lowest) / (highest - lowest) * (right - left);
  const y = (share) => bottom - share * (bottom - top);
  const text = (px, py, words, anchor, extra = {}) =>
    svg.append(svgElement('text', {x: px, y: py, 'text-anchor': anchor, 'font-size': 12, ...extra}, words));
  text(6, 14, words.title, 'start');
  text(6, 30, words.share, 'start');
  for (let i = 0; i <= kTicks; ++i) {
    const at = y(i / kTicks);
    if (i > 0) svg.append(svgElement('line', {x1: left + 1, y1: at, x2: right, y2: at, stroke: '#e0e0e0'}));
    text(left - 6, at + 4, `${100 * i / kTicks} %`, 'end');
    const level = lowest + (highest - lowest) * i / kTicks;
    svg.append(svgElement('line', {x1: x(level), y1: bottom, x2: x(level), y2: bottom + 3, stroke: 'black'}));
    text(x(level), bottom + 16, decimal(level, 2), 'middle');
  }
  svg.append(svgElement('polyline', {points: `${left},${top} ${left},${bottom} ${right},${bottom}`, fill: 'none',
                                     stroke: 'black'}));
  text((left + right) / 2, bottom + 32, words.level, 'middle');
  svg.append(svgElement('polyline', {points: points.map((p) => `${x(p.level)},${y(p.value)}`).join(' '),
                                     fill: 'none', stroke: '#3060c0', 'stroke-width': 1.5}));
  for (const p of points) {
    const px = x(p.level);
    const bar = (share) => svgElement('line', {x1: px - 4, y1: y(share), x2: px + 4, y2: y(share), stroke: 'black'});
    svg.append(svgElement('line', {x1: px, y1: y(p.low), x2: px, y2: y(p.high), stroke: 'black'}), bar(p.low),
               bar(p.high), svgElement('circle', {cx: px, cy: y(p.value), r: 3, fill: '#3060c0', class: 'level'}));
  }
}
