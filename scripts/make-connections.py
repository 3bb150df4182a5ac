#!/usr/bin/env python3
"""Makes a drawing of many connections for the sample library, and ties each macro to its
standard: a line of the standard's mapping file keyed by the macro's name.

    scripts/make-connections.py COUNT DRAWING LIBRARY

COUNT connections of five kinds in turn (end plate, fin plate, base plate, bolted flange
splice, web cleats), with member sizes and forces varied the way a real building varies
them. The mapping files of LIBRARY/Connection Standards/ keep their other lines; lines of
macros this script made before are replaced. The sample drawing Connections.json of the
examples folder is made with COUNT 50.
"""
import json
import sys
from pathlib import Path

BULLET, FLORIN, PAIR = b"\x95", b"\x83", b"\xbf"

# Beam sizes (depth, flange width, flange thickness) and column sizes (depth, width).
BEAMS = [(240, 120, 9.8), (270, 135, 10.2), (300, 150, 10.7), (360, 170, 12.7),
         (400, 180, 13.5), (450, 190, 14.6), (500, 200, 16.0)]
COLUMNS = [(190, 200), (230, 240), (250, 260), (290, 300), (330, 300)]
BOLTS = [16, 20, 24]


def variable(name, value, is_input):
    return [["variable.name", "text", name], ["variable.value", "real", float(value)],
            ["variable.input", "bool", is_input], ["variable.flexFix", "bool", False],
            ["variable.flexible", "bool", False]]


def module(name, group, variables):
    fields = [["module.type", "int", 230], ["module.name", "text", name],
              ["module.group", "text", group], ["variables", "int", len(variables)]]
    for var in variables:
        fields += variable(*var)
    return fields + [["cuts", "int", 0], ["prpls", "int", 0]]


def macro(handle, name, modules):
    fields = [["hasMacro", "bool", True], ["macro.name", "text", name],
              ["modules", "int", len(modules)]]
    for fields_of_module in modules:
        fields += fields_of_module
    fields += [["genVars", "int", 0], ["baseProfs", "int", 0]]
    return {"handle": format(handle, "X"), "class": "Mdx_DbMacro", "fields": fields}


# Each kind: its standard, the prefix of its macros' names, its modules and how the
# standard's variables map to the macro's dialog variables (all in one module group).
def end_plate(i):
    depth, _, _ = BEAMS[i % len(BEAMS)]
    return [module("EndPlate", "Plate", [("L1", 10 + 5 * (i % 3), True), ("L2", 15, True),
                                         ("Thickness", 0, False), ("Width", 0, False)]),
            module("BeamEnd", "Plate", [("Clearance", 2 + i % 2, True)])]


def fin_plate(i):
    depth, _, _ = BEAMS[i % len(BEAMS)]
    return [module("FinPlate", "Fin", [("BeamDepth", depth, True), ("Shear", 80 + 20 * (i % 9), True),
                                       ("BoltD", BOLTS[i % 3], True), ("NrBolts", 0, False),
                                       ("Length", 0, False), ("Thickness", 0, False)])]


def base_plate(i):
    depth, width = COLUMNS[i % len(COLUMNS)]
    return [module("BasePlate", "Base", [("ColumnDepth", depth, True), ("ColumnWidth", width, True),
                                         ("Axial", 600 + 150 * (i % 11), True), ("Length", 0, False),
                                         ("Width", 0, False), ("Thickness", 0, False)])]


def splice(i):
    _, flange, tf = BEAMS[i % len(BEAMS)]
    return [module("FlangeSplice", "Splice", [("FlangeWidth", flange, True),
                                              ("FlangeThickness", tf, True),
                                              ("BoltD", BOLTS[1 + i % 2], True), ("NrBolts", 0, False),
                                              ("CoverLength", 0, False),
                                              ("CoverThickness", 0, False)])]


def web_cleat(i):
    depth, _, _ = BEAMS[i % len(BEAMS)]
    return [module("WebCleats", "Cleat", [("BeamDepth", depth, True), ("Shear", 60 + 25 * (i % 7), True),
                                          ("BoltD", BOLTS[i % 2], True), ("NrBolts", 0, False),
                                          ("Length", 0, False), ("Leg", 0, False)])]


KINDS = [
    ("EndPlate", "EP", end_plate, "Plate",
     ["L1", "L2", "Clearance", "Thickness", "Width"]),
    ("FinPlate", "FP", fin_plate, "Fin",
     ["BeamDepth", "Shear", "BoltD", "NrBolts", "Length", "Thickness"]),
    ("BasePlate", "BP", base_plate, "Base",
     ["ColumnDepth", "ColumnWidth", "Axial", "Length", "Width", "Thickness"]),
    ("BoltedSplice", "SP", splice, "Splice",
     ["FlangeWidth", "FlangeThickness", "BoltD", "NrBolts", "CoverLength", "CoverThickness"]),
    ("WebCleat", "WC", web_cleat, "Cleat",
     ["BeamDepth", "Shear", "BoltD", "NrBolts", "Length", "Leg"]),
]


def mapping_line(key, group, names):
    pairs = [name.encode() + FLORIN + group.encode() + BULLET + b"Distance " + name.encode()
             for name in names]
    return key.encode() + b"=" + PAIR.join(pairs)


def update_mapping(path, lines, prefix):
    old = path.read_bytes().split(b"\r\n") if path.exists() else [b"Mapping version 1.0"]
    kept = [line for line in old if line and not line.startswith(prefix.encode() + b"-")]
    path.write_bytes(b"\r\n".join(kept + lines) + b"\r\n")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    count, drawing, library = int(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    objects, lines = [], {kind[0]: [] for kind in KINDS}
    width = max(2, len(str(count)))
    for i in range(count):
        standard, prefix, make, group, names = KINDS[i % len(KINDS)]
        name = f"{prefix}-{i // len(KINDS) + 1:0{width}d}"
        objects.append(macro(i + 1, name, make(i // len(KINDS))))
        lines[standard].append(mapping_line(name, group, names))
    document = {"format": "meridox-drawing", "version": 1,
                "nextHandle": format(count + 1, "X"), "objects": objects}
    drawing.write_text(json.dumps(document, indent=1) + "\n")
    for standard, prefix, *_ in KINDS:
        update_mapping(library / "Connection Standards" / f"{standard}.map", lines[standard], prefix)


if __name__ == "__main__":
    main()
