#!/usr/bin/env python3
"""Prepares the coasts of the weather map once, for a developer to run.

Reads Natural Earth's land polygons at 1:50m and 1:10m as the npm package
`world-atlas` ships them (TopoJSON; install it outside the source tree, for
example `npm install --prefix /tmp/coast world-atlas`), clips them to the map's
area with a margin, rounds the points to a hundredth of a degree and writes them
as a C++ table into weather/view/CoastlineData.cpp, compiled into the program.

The 1:50m land leaves out small islands, and the German Bight's and the western
Baltic's islands are where the coastal stations stand. In the few areas below,
the islands come from 1:10m instead; everywhere else 1:50m keeps the table small.

Usage: make_coastline.py <land-50m.json> <land-10m.json> <output.cpp>
"""
import json
import sys

# Generous around what the map shows (50-66 N, 5 W-31 E), so that no edge of
# the land shows in a window wider or taller than the area.
SOUTH, NORTH, WEST, EAST = 46.0, 70.0, -16.0, 42.0
STEP = 100  # points per degree

# South, north, west, east: islands lying wholly inside one are taken from 1:10m.
ISLAND_AREAS = (
    (53.2, 55.3, 4.5, 9.0),     # the Frisian islands, Helgoland, Sylt, Amrum, Foehr, the Halligen
    (54.0, 55.0, 10.0, 11.6),   # Fehmarn and the Danish islands south of Funen
    (54.4, 54.7, 13.0, 13.2),   # Hiddensee
    (54.9, 55.4, 14.6, 15.3),   # Bornholm
)


def write_array(out, declaration, items):
    """A C++ array of the items, wrapped to lines of at most 118 characters."""
    out.write(declaration + " = {\n")
    line = ""
    for item in items:
        if len(line) + len(item) > 118:
            out.write(line + "\n")
            line = ""
        line += item
    out.write(line + "\n};\n\n")


def decode_arcs(topology):
    scale_x, scale_y = topology["transform"]["scale"]
    shift_x, shift_y = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale_x + shift_x, y * scale_y + shift_y))
        arcs.append(points)
    return arcs


def ring_points(arcs, ring):
    points = []
    for index in ring:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        # Each arc after the first starts where the one before ended.
        points.extend(arc if not points else arc[1:])
    return points


def clip(points, inside, cross):
    """One Sutherland-Hodgman step against one edge of the box."""
    out = []
    for i, current in enumerate(points):
        previous = points[i - 1]
        if inside(current):
            if not inside(previous):
                out.append(cross(previous, current))
            out.append(current)
        elif inside(previous):
            out.append(cross(previous, current))
    return out


def at_x(x):
    return lambda a, b: (x, a[1] + (b[1] - a[1]) * (x - a[0]) / (b[0] - a[0]))


def at_y(y):
    return lambda a, b: (a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1]), y)


def clip_to_box(points):
    for inside, cross in ((lambda p: p[0] >= WEST, at_x(WEST)), (lambda p: p[0] <= EAST, at_x(EAST)),
                          (lambda p: p[1] >= SOUTH, at_y(SOUTH)), (lambda p: p[1] <= NORTH, at_y(NORTH))):
        if not points:
            break
        points = clip(points, inside, cross)
    return points


def quantised(points):
    out = []
    for lon, lat in points:
        point = (round(lon * STEP), round(lat * STEP))
        if not out or out[-1] != point:
            out.append(point)
    while len(out) > 1 and out[0] == out[-1]:
        out.pop()
    return out


def land_rings(path):
    """Every ring of the land, clipped and rounded, in the file's order."""
    topology = json.load(open(path, encoding="utf-8"))
    arcs = decode_arcs(topology)
    rings = []
    for geometry in topology["objects"]["land"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            for ring in polygon:
                points = quantised(clip_to_box(ring_points(arcs, ring)))
                if len(points) >= 3:
                    rings.append(points)
    return rings


def in_island_area(ring):
    lons = [lon for lon, _ in ring]
    lats = [lat for _, lat in ring]
    return any(min(lats) >= s * STEP and max(lats) <= n * STEP and min(lons) >= w * STEP and max(lons) <= e * STEP
               for s, n, w, e in ISLAND_AREAS)


def inside(point, ring):
    """Even-odd test: whether the point lies inside the closed ring."""
    x, y = point
    result = False
    for i, (x1, y1) in enumerate(ring):
        x0, y0 = ring[i - 1]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            result = not result
    return result


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    coarse = [ring for ring in land_rings(sys.argv[1]) if not in_island_area(ring)]
    # An island that touches the coarse coast would cut a hole into it under the even-odd fill.
    islands = [ring for ring in land_rings(sys.argv[2])
               if in_island_area(ring) and not any(inside(point, land) for land in coarse for point in ring)]
    rings = coarse + islands

    with open(sys.argv[3], "w", encoding="utf-8", newline="\n") as out:
        out.write("// Generated by tools/coastline/make_coastline.py; do not edit.\n"
                  "// Land polygons of Natural Earth (naturalearthdata.com), public domain: 1:50m, and\n"
                  "// 1:10m for the islands of the German Bight and the western Baltic, as packaged in\n"
                  "// TopoJSON (land-50m.json, land-10m.json) by the npm package world-atlas 2.0 (ISC\n"
                  f"// licence), clipped to {SOUTH:g}..{NORTH:g} N, {WEST:g}..{EAST:g} E, points in hundredths of a degree.\n"
                  "#include \"weather/view/CoastlineData.h\"\n\nnamespace weather::coastline {\n\n")
        write_array(out, "const std::int16_t kPoints[]",
                    (f"{lon},{lat}," for ring in rings for lon, lat in ring))
        ends, total = [], 0
        for ring in rings:
            total += len(ring)
            ends.append(total)
        write_array(out, "const std::uint32_t kRingEnds[]", (f"{end}," for end in ends))
        out.write("const std::size_t kRingCount = sizeof kRingEnds / sizeof kRingEnds[0];\n\n"
                  "}  // namespace weather::coastline\n")
    print(f"{len(rings)} rings ({len(islands)} islands at 1:10m), {sum(len(r) for r in rings)} points")


if __name__ == "__main__":
    main()
