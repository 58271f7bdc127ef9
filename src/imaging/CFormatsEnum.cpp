#include "CFormatsEnum.h"

#include "Common.h"

namespace {
struct RawCamera
{
    const char* id;
    const char* description;
};

const RawCamera kRawCameras[] = {
    {"3FR", "Hasselblad Digital Camera Raw Image"},
    {"ARI", "Arriflex Digital Camera Raw Image"},
    {"ARW", "Sony Digital Camera Raw Image"},
    {"BAY", "Casio Digital Camera Raw Image"},
    {"CAP", "Phase One Digital Camera Raw Image"},
    {"CIFF", "Canon Camera Image File Format"},
    {"CR2", "Canon Digital Camera Raw Image"},
    {"CRW", "Canon Digital Camera Raw Image"},
    {"DC2", "Kodak DC25 Digital Camera Raw Image"},
    {"DCR", "Kodak Digital Camera Raw Image"},
    {"DCS", "Kodak Digital Camera Raw Image"},
    {"DNG", "Generic Digital Camera Raw Image"},
    {"DRF", "Kodak Digital Camera Raw Image"},
    {"EIP", "Phase One Digital Camera Raw Image"},
    {"ERF", "Epson Digital Camera Raw Image"},
    {"FFF", "Imacon Digital Camera Raw Image"},
    {"IIQ", "Phase One Digital Camera Raw Image"},
    {"K25", "Kodak Digital Camera Raw Image"},
    {"KC2", "Kodak Digital Camera Raw Image"},
    {"KDC", "Kodak Digital Camera Raw Image"},
    {"MDC", "Minolta Digital Camera Raw Image"},
    {"MEF", "Mamiya Digital Camera Raw Image"},
    {"MOS", "Leaf Digital Camera Raw Image"},
    {"MRW", "Minolta Digital Camera Raw Image"},
    {"NEF", "Nikon Digital Camera Raw Image"},
    {"NRW", "Nikon Digital Camera Raw Image"},
    {"OBM", "Digital Camera Raw Image"},
    {"ORF", "Olympus Digital Camera Raw Image"},
    {"PEF", "Pentax\\Samsung Digital Camera Raw Image"},
    {"PTX", "Pentax Digital Camera Raw Image"},
    {"PXN", "Logitech Digital Camera Raw Image"},
    {"QTK", "Apple QuickTake Raw Image"},
    {"RAF", "Fuji Digital Camera Raw Image"},
    {"RAW", "Generic Digital Camera Raw Image"},
    {"RDC", "Rollei Digital Camera Raw Image"},
    {"RW2", "Panasonic Digital Camera Raw Image"},
    {"RWL", "Leica Camera Raw Image"},
    {"SR2", "Sony Digital Camera Raw Image"},
    {"SRF", "Sony Digital Camera Raw Image"},
    {"SRW", "Samsung Digital Camera Raw Image"},
    {"STI", "Sinar Digital Camera Raw Image"},
};
} // namespace

void CFormatsEnum::GenerateList()
{
    SystemLogWrite("GenerateList", "");
    AddFormat("AVIF", "AVIF", true, true, 1, "Format derived from the keyframes of AV1 video", false, false);
    AddFormat("BMP", "BMP", true, true, 6, "Microsoft Windows bitmap", false, false);
    AddFormat("EPS", "EPS", false, true, 1, "Adobe Encapsulated PostScript", false, true);
    AddFormat("PICT", "PCT/PICT", true, true, 1, "Apple Macintosh QuickDraw/PICT file", false, false);
    AddFormat("GIF", "GIF", true, true, 5, "CompuServe Graphics Interchange Format", false, false);
    AddFormat("HEIF", "HEIF/HEIC", true, true, 1, "Apple's High Efficiency Image Format", false, false);
    AddFormat("JP2", "JP2", true, true, 1, "JPEG-2000 JP2 File Format Syntax", false, false);
    AddFormat("JPT", "JPT/JPC/J2C/J2K", true, true, 1, "JPEG-2000 Code Stream Syntax", false, false);
    AddFormat("JPG", "JPG/JPEG/JPE", true, true, 2, "Joint Photographic Experts Group JFIF format", false, false);
    AddFormat("PCX", "PCX", true, true, 1, "ZSoft IBM PC Paintbrush file", false, false);
    AddFormat("PDF", "PDF/PDP", false, true, 9, "Portable Document Format", false, true);
    AddFormat("PNG", "PNG", true, true, 4, "Portable Network Graphics", false, false);
    AddFormat("PSD", "PSD/PDD", true, true, 7, "Adobe Photoshop multispectral bitmap file", false, false);
    AddFormat("SGI", "SGI", true, true, 1, "Irix RGB image", false, false);
    AddFormat("TGA", "TGA/ICB/VDA/VST", true, true, 1, "Truevision Targa image", false, false);
    AddFormat("TIF", "TIF/TIFF", true, true, 3, "Tagged Image File Format", false, false);
    AddFormat("WBMP", "WBMP", true, true, 1, "Wireless bitmap", false, false);
    AddFormat("WEBP", "WEBP", true, true, 1, "Google's image format", false, false);
    for (const RawCamera& camera : kRawCameras)
        AddFormat(camera.id, camera.id, true, false, 8, camera.description, true, false);
    GenerateReadableFormats();
}

void CFormatsEnum::AddFormat(QString id, QString extensions, bool canRead, bool canWrite, int kind,
                             QString description, bool isRaw, bool needsGhostscript)
{
    SFormatRecord record;
    record.id = id;
    record.extensions = extensions;
    record.canRead = canRead;
    record.canWrite = canWrite;
    record.kind = kind;
    record.description = description;
    record.isRaw = isRaw;
    record.needsGhostscript = needsGhostscript;
    rows.append(record);
}

void CFormatsEnum::GenerateReadableFormats()
{
    QString common = "Common Formats ( ";
    QString perFormat;
    for (const SFormatRecord& row : rows) {
        if (!row.canRead)
            continue;
        perFormat += row.id + " - " + row.description + " (";
        QString patterns;
        for (const QString& part : row.extensions.split('/')) {
            patterns += "*." + part + " ";
            readableExtensions.append(part);
            if (row.isRaw)
                rawExtensions.append(part);
        }
        patterns.chop(1);
        common += patterns + " ";
        perFormat += patterns + ");;";
    }
    common.chop(1);
    common += " )";
    perFormat.chop(2);
    dialogFilter += common + ";;All Files (*.*);;" + perFormat;
}

SFormatRecord CFormatsEnum::GetRecordById(QString extension) const
{
    // Called per photo whenever a photo view is rebuilt: no copies of the
    // table's texts.
    for (const SFormatRecord& row : rows) {
        for (const QStringView piece : QStringView(row.extensions).tokenize(u'/')) {
            if (piece.compare(extension, Qt::CaseInsensitive) == 0)
                return row;
        }
    }
    return SFormatRecord();
}
