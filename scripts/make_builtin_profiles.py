#!/usr/bin/env python3
"""Writes the built-in profiles into resources/bundle/Profiles/.

Each profile is a job file of the same layout as a saved profile. Its header
names it by NameId and DescriptionId, whose texts the program translates; the
Name and Description properties carry the English texts for readers that do
not know the ids. A built-in profile sets the whole renaming group and the
format group, so that picking one after another gives the same result each
time, and only the destination of the output group (never a folder, server
or password).

Run from the project root: python3 scripts/make_builtin_profiles.py
"""

import os
from xml.sax.saxutils import escape

OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "bundle", "Profiles")

# Colours are 0xAARRGGBB numbers.
ORANGE = 0xFFFFA500
BLACK = 0xFF000000

# The date stamp: text mark with 32 numbers and 3 texts.
DATE_STAMP = [
    0,         # 0 line alignment: left
    8,         # 1 placement: bottom right
    30, 30,    # 2-3 margins
    0,         # 4 rotation
    0,         # 5 line spacing
    0, 0, 0,   # 6-8 no tiling
    16,        # 9 font size (40 points)
    1, 0, 0, 0,  # 10-13 bold, italic, underline, strike-out
    ORANGE,    # 14 text colour
    0,         # 15 not textured
    0,         # 16 text transparency
    0,         # 17 blur
    0, 0, 0, 0,  # 18-21 no stroke
    0, 0, 0, 0,  # 22-25 no box
    1,         # 26 drop shadow
    BLACK,     # 27 shadow colour
    40,        # 28 shadow transparency
    10,        # 29 shadow distance
    315,       # 30 shadow angle: below right
    2,         # 31 shadow blur
]


def resize(width, height):
    # Long side and short side in pixels, aspect ratio kept, never enlarged.
    return (5040, [width, height, 1, 0, 0, 1], [])


KEEP_NAMES = {"PresetRename": 0, "FilenameFormat": "[Filename].[Extension]"}

# Icons of the profile chooser: the cells of Icons-Filters-64.png as the
# program cuts them (18 a row; row 1 marks, row 2 frames and borders, row 5
# transforms), followed by the 10 cells of Icons-Formats-64.png. Effects and
# adjustments have no cells of their own and show the general filter icon.
ICON_FILTERS = 0
ICON_TEXT = 1 * 18 + 2
ICON_RAISE = 2 * 18 + 4
ICON_AUTO_ROTATE = 5 * 18 + 0
ICON_RESIZE = 5 * 18 + 5
FORMATS = 6 * 18
ICON_FILE = FORMATS + 0
ICON_JPG = FORMATS + 2
ICON_TIF = FORMATS + 3
ICON_PNG = FORMATS + 4
ICON_PDF = FORMATS + 9

# name id, file name, English name, English description, category, icon,
# filters [(id, numbers, texts)], rename overrides, format overrides,
# destination
PROFILES = [
    (14270, "ConvertToJPEGHighQuality", "Convert to JPEG with High Quality",
     "Convert to JPEG file format with high quality (90%) which will result in larger file sizes.",
     "Convert", ICON_JPG, [], {}, {"OutputFormat": "JPG", "Quality": 90}, 1),
    (14272, "ConvertToJPEGMediumQuality", "Convert to JPEG with Medium Quality",
     "Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.",
     "Convert", ICON_JPG, [], {}, {"OutputFormat": "JPG", "Quality": 75}, 1),
    (14274, "ConvertToPDFAlbum", "Convert to PDF Album",
     "Create a single PDF album from all the photos added",
     "Convert", ICON_PDF, [], {}, {"OutputFormat": "PDF", "Multipage": 1}, 1),
    (14276, "ConvertToPNG", "Convert to PNG", "Convert to PNG file format for the best quality.",
     "Convert", ICON_PNG, [], {}, {"OutputFormat": "PNG"}, 1),
    (14278, "ConvertToTIFF", "Convert to TIFF", "Convert to TIFF file format for the best quality.",
     "Convert", ICON_TIF, [], {}, {"OutputFormat": "TIF"}, 1),
    (14280, "AutoContrast", "Auto Contrast", "Automatically adjusts contrast",
     "Adjust", ICON_FILTERS, [(4000, [], [])], {}, {}, 1),
    (14282, "AutoRotate", "Auto Rotate",
     "Automatically rotates photos based on the information embedded by the digital camera",
     "Adjust", ICON_AUTO_ROTATE, [(5000, [], [])], {}, {}, 1),
    (14284, "AddDateAndTime", "Add Date and Time", "Stamps picture with date and time information",
     "Adjust", ICON_TEXT, [(1000, DATE_STAMP, ["[OriginDate]", "DejaVu Sans", ""])], {}, {}, 1),
    (14286, "ReduceNoise", "Reduce Noise",
     "Reduces noise caused by poor lighting conditions or mobile digital cameras",
     "Adjust", ICON_FILTERS, [(4070, [1], [])], {}, {}, 1),
    (14288, "AdjustSharpness", "Adjust Sharpness", "Sharpens picture by enhancing edge contrast",
     "Adjust", ICON_FILTERS, [(4080, [50], [])], {}, {}, 1),
    (14290, "EffectBlackAndWhite", "Effect Black & White",
     "Transforms from true colors to grayscale colors",
     "Effects", ICON_FILTERS, [(3060, [], [])], {}, {}, 1),
    (14292, "EffectCharcoal", "Effect Charcoal", "Transforms picture to a charcoal sketch",
     "Effects", ICON_FILTERS, [(3020, [20, 20], [])], {}, {}, 1),
    (14294, "EffectImplode", "Effect Implode",
     "Creates an implosion effect in the center of the image",
     "Effects", ICON_FILTERS, [(3070, [40], [])], {}, {}, 1),
    (14296, "EffectOilPainting", "Effect Oil Painting", "Makes picture look like an oil painting",
     "Effects", ICON_FILTERS, [(3100, [6], [])], {}, {}, 1),
    (14298, "EffectRaise", "Effect Raise",
     "Lightens or darkens image edges to give a 3D raised or lowered effect",
     "Effects", ICON_RAISE, [(2010, [10, 1], [])], {}, {}, 1),
    (14300, "EffectSepia", "Effect Sepia", "Makes picture look older, in warmer colors",
     "Effects", ICON_FILTERS, [(3120, [50, 90], [])], {}, {}, 1),
    (14302, "EffectShade", "Effect Shade",
     "Makes picture look like a sculpture in grayscale or true colors",
     "Effects", ICON_FILTERS, [(3140, [40, 40, 0], [])], {}, {}, 1),
    (14304, "EffectSpread", "Effect Spread", "Makes picture blurry by spreading pixels randomly",
     "Effects", ICON_FILTERS, [(3150, [15], [])], {}, {}, 1),
    (14306, "EffectSwirl", "Effect Swirl", "Creates a twisting motion",
     "Effects", ICON_FILTERS, [(3160, [120], [])], {}, {}, 1),
    (14308, "EffectWave", "Effect Wave", "Creates a horizontal wave effect",
     "Effects", ICON_FILTERS, [(3170, [10, 5], [])], {}, {}, 1),
    (14310, "RenameToFolderName", "Rename to Folder's Name",
     "If photos are organized into a folder with a meaningful name, this profile will rename all "
     "contained pictures to the folder's name",
     "Rename", ICON_FILE, [], {"PresetRename": 1, "FilenameFormat": "[FolderName] [Counter].[Extension]"},
     {"OutputFormat": "Original"}, 1),
    (14312, "RenameToPhotoDate", "Rename to Photo's Date",
     "Change the names for a set of photos to the original dates when they were taken and also "
     "adds a counter to differentiate between photos taken at the same time",
     "Rename", ICON_FILE, [],
     {"PresetRename": 3, "FilenameFormat": "[DateTime] [Counter].[Extension]",
      "CounterDigits": 2, "DateFormat": 10, "ShowTime": 1, "TimeFormat": 1},
     {"OutputFormat": "Original"}, 1),
    (14314, "ResizeForAuctionSite", "Resize for Auction Site",
     "Make photos very small (400x300) for uploading to auction sites like eBay",
     "Resize", ICON_RESIZE, [resize(400, 300)], {}, {}, 1),
    (14316, "ResizeForEmail", "Resize for Sending via Email",
     "Make photos smaller (1280x960) for sending as attachment via email",
     "Resize", ICON_RESIZE, [resize(1280, 960)], {}, {}, 1),
    (14318, "ResizeForUploadingOnline", "Resize for Uploading Online",
     "Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for "
     "sharing with friends",
     "Resize", ICON_RESIZE, [resize(1600, 1200)], {}, {}, 1),
    (14321, "SendViaEmail", "Send via E-mail", "Send photos via E-mail",
     "Share", ICON_JPG, [], {}, {"OutputFormat": "JPG"}, 2),
]

RENAME_DEFAULTS = [
    ("FilenameFormat", "[Filename].[Extension]"), ("CounterStart", 1), ("CountStep", 1),
    ("CounterDigits", 3), ("CounterReset", 0), ("DateType", 0), ("DateFormat", 0),
    ("ShowTime", 0), ("TimeFormat", 0), ("PresetRename", 0), ("ChangeCase", 0),
    ("LowerCaseExt", 1),
]

# Without CustomProfile and DefaultFormat, which stay the user's.
FORMAT_DEFAULTS = [
    ("OutputFormat", "Original"), ("Quality", 90), ("FileSize", 100), ("FixedSize", 0),
    ("Interlaced", 0), ("PNGComp", 1), ("PdfAlg", 0), ("TiffAlg", 0), ("TiffType", 2),
    ("JpegType", 1), ("Multipage", 0),
]


def number(value):
    return "%f" % value


def properties(lines, cls, pairs):
    lines.append('\t<Properties Class="%s">' % cls)
    for key, value in pairs:
        lines.append('\t\t<Property Name="%s">%s</Property>' % (key, escape(str(value), {'"': "&quot;", "'": "&apos;"})))
    lines.append("\t</Properties>")
    lines.append("")


def profile_text(p):
    name_id, _, name, description, category, icon, filters, rename, fmt, destination = p
    lines = ['<?xml version="1.0" encoding="utf-16"?>', '<Profile Version="1">', ""]
    properties(lines, "Profile", [("Name", name), ("Description", description),
                                  ("Category", category), ("NameId", name_id),
                                  ("DescriptionId", name_id + 1), ("Icon", icon)])
    lines.append("\t<Filters>")
    for filter_id, numbers, texts in filters:
        lines.append('\t\t<Filter Id="%d">' % filter_id)
        for value in numbers:
            lines.append('\t\t\t<Param Type="float">%s</Param>' % number(value))
        for text in texts:
            lines.append('\t\t\t<Param Type="string">%s</Param>' % escape(text))
        lines.append("\t\t</Filter>")
    lines.append("\t</Filters>")
    lines.append("")
    properties(lines, "Rename", [(k, rename.get(k, v)) for k, v in RENAME_DEFAULTS])
    properties(lines, "Output", [("Destination", destination)])
    properties(lines, "Format", [(k, fmt.get(k, v)) for k, v in FORMAT_DEFAULTS])
    lines.append("</Profile>")
    lines.append("")
    return "\n".join(lines) + "\n"


def main():
    os.makedirs(OUT, exist_ok=True)
    for p in PROFILES:
        with open(os.path.join(OUT, p[1] + ".gbf"), "w", encoding="utf-8", newline="\n") as f:
            f.write(profile_text(p))


if __name__ == "__main__":
    main()
