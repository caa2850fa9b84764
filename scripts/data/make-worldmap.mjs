// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the world map behind the observer location dialog:
//   data/worldmap.png     640 x 320
//   data/worldmap@2x.png 1280 x 640 (the same picture for high-density screens)
//
// Plate carree (equirectangular), north up, 180 degrees west at the left edge,
// Greenwich in the middle, 90 N on the top edge and 90 S on the bottom edge:
//   x = (lonEast + 180) / 360 * 640,  y = (90 - lat) / 180 * 320   (logical pixels)
// so the dialog's pointer arithmetic (0.5625 degrees per logical pixel) holds.
//
// Land and coastlines: Natural Earth 1:50m land (public domain) as packaged by
// world-atlas. The script writes an SVG and rasterises it with rsvg-convert
// (Debian package librsvg2-bin).

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { geoEquirectangular, geoPath } from 'd3-geo';
import { feature, mesh } from 'topojson-client';

const here = dirname(fileURLToPath(import.meta.url));
const dataDir = join(here, '..', '..', 'data');
const WIDTH = 640;
const HEIGHT = 320;

const style = {
  ocean: '#b9d3e6',
  land: '#f1ecdc',
  coast: '#5d7384',
  coastWidth: 0.6,
  grid: '#3f6482',
  gridOpacity: 0.22,
  gridWidth: 0.5,
  mainGridOpacity: 0.45, // the equator and the Greenwich meridian
  mainGridWidth: 0.7,
};

const world = JSON.parse(readFileSync(join(here, 'node_modules', 'world-atlas', 'land-50m.json'), 'utf8'));
const land = feature(world, world.objects.land);

// Natural Earth closes the polygons that touch the antimeridian (Chukotka,
// Fiji, Antarctica) along the 180th meridian, and Antarctica along the South
// Pole as well. Those edges bound the data, not the land: fill them, but draw
// no coastline along them.
const EDGE = 1e-3;
const artificial = ([lon0, lat0], [lon1, lat1]) =>
  (Math.abs(Math.abs(lon0) - 180) < EDGE && Math.abs(Math.abs(lon1) - 180) < EDGE) ||
  (lat0 < -90 + 0.01 && lat1 < -90 + 0.01);

function coastlines(lines) {
  const out = [];
  for (const line of lines.coordinates) {
    let run = [line[0]];
    for (let i = 1; i < line.length; i++) {
      if (artificial(line[i - 1], line[i])) {
        if (run.length > 1) out.push(run);
        run = [line[i]];
      } else {
        run.push(line[i]);
      }
    }
    if (run.length > 1) out.push(run);
  }
  return { type: 'MultiLineString', coordinates: out };
}

// scale: 2 pi radians of longitude span the width; translate: (0, 0) at the centre.
const projection = geoEquirectangular().scale(WIDTH / (2 * Math.PI)).translate([WIDTH / 2, HEIGHT / 2]);
const path = geoPath(projection).digits(2);

// Self-check of the projection against the formula above.
for (const [lon, lat] of [[-180, 90], [0, 0], [90, -45], [179.99, -89.99]]) {
  const [x, y] = projection([lon, lat]);
  const wantX = ((lon + 180) / 360) * WIDTH;
  const wantY = ((90 - lat) / 180) * HEIGHT;
  if (Math.abs(x - wantX) > 1e-9 || Math.abs(y - wantY) > 1e-9)
    throw new Error(`projection of ${lon},${lat}: got ${x},${y}, want ${wantX},${wantY}`);
}

function graticule() {
  const lines = [];
  for (let lon = -150; lon <= 150; lon += 30) {
    const x = ((lon + 180) / 360) * WIDTH;
    lines.push({ d: `M${x},0V${HEIGHT}`, main: lon === 0 });
  }
  for (let lat = -60; lat <= 60; lat += 30) {
    const y = ((90 - lat) / 180) * HEIGHT;
    lines.push({ d: `M0,${y}H${WIDTH}`, main: lat === 0 });
  }
  return lines
    .map(({ d, main }) =>
      `<path d="${d}" stroke-opacity="${main ? style.mainGridOpacity : style.gridOpacity}" ` +
      `stroke-width="${main ? style.mainGridWidth : style.gridWidth}"/>`)
    .join('\n    ');
}

const svg = `<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" viewBox="0 0 ${WIDTH} ${HEIGHT}">
  <rect width="${WIDTH}" height="${HEIGHT}" fill="${style.ocean}"/>
  <path d="${path(land)}" fill="${style.land}" stroke="none"/>
  <g fill="none" stroke="${style.grid}" shape-rendering="crispEdges">
    ${graticule()}
  </g>
  <path d="${path(coastlines(mesh(world, world.objects.land)))}" fill="none" stroke="${style.coast}"
        stroke-width="${style.coastWidth}" stroke-linejoin="round" stroke-linecap="round"/>
</svg>
`;

// A smear across the map would show as a segment spanning a large part of the
// width anywhere but along the top or bottom edge (where a polygon around a
// pole is closed).
for (const d of svg.matchAll(/ d="([^"]+)"/g)) {
  let prev = null;
  for (const [, cmd, xs, ys] of d[1].matchAll(/([ML])(-?[\d.]+),(-?[\d.]+)/g)) {
    const [x, y] = [Number(xs), Number(ys)];
    const alongEdge = prev && ((y === 0 && prev[1] === 0) || (y === HEIGHT && prev[1] === HEIGHT));
    if (cmd === 'L' && prev && !alongEdge && Math.abs(x - prev[0]) > WIDTH / 4)
      throw new Error(`a segment crosses the map from ${prev} to ${x},${y}`);
    prev = [x, y];
  }
}

const work = mkdtempSync(join(tmpdir(), 'worldmap-'));
try {
  const svgFile = join(work, 'worldmap.svg');
  writeFileSync(svgFile, svg);
  for (const [name, scale] of [['worldmap.png', 1], ['worldmap@2x.png', 2]]) {
    const out = join(dataDir, name);
    execFileSync('rsvg-convert', ['-w', String(WIDTH * scale), '-h', String(HEIGHT * scale),
      '-b', style.ocean, '-o', out, svgFile]);
    const png = readFileSync(out);
    const w = png.readUInt32BE(16);
    const h = png.readUInt32BE(20);
    if (w !== WIDTH * scale || h !== HEIGHT * scale)
      throw new Error(`${name} is ${w} x ${h}, want ${WIDTH * scale} x ${HEIGHT * scale}`);
    console.log(`${name}: ${w} x ${h}, ${png.length} bytes`);
  }
} finally {
  rmSync(work, { recursive: true, force: true });
}
