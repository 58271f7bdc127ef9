#include "CImageCache.h"

#include <QPixmap>

#include <memory>
#include <utility>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterInterfaceResources()
{
    Q_INIT_RESOURCE(interface);
}

namespace {
// Strip row that feeds each output row of LoadIconsFromPath: output rows 1 to
// 5 follow the filter families (id / 1000) while the strips keep them in the
// order 1 marks, 5 frames, 4 effects, 3 adjustments, 2 transforms.
int SourceRow(int outputRow, int stripRows)
{
    static const int table[] = {1, 5, 4, 3, 2};
    const int row = (outputRow >= 1 && outputRow <= 5) ? table[outputRow - 1] : 0;
    // A strip too short for the table keeps its own order rather than
    // cutting empty cells below its edge.
    return row < stripRows ? row : outputRow;
}
} // namespace

void CImageCache::InitResources()
{
    static bool registered = false;
    if (registered)
        return;
    RegisterInterfaceResources();
    registered = true;
}

CImageCache::CImageCache()
{
    InitResources();
}

CImageCache::~CImageCache() = default;

QString CImageCache::GenerateImagePathName(const QString& name, bool themed, bool hiDpi) const
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString base = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    if (themed)
        base += themeDark != 0 ? QStringLiteral("-Dark") : QStringLiteral("-Light");
    if (isHighDensity && hiDpi)
        base += QStringLiteral("@2x");
    return QStringLiteral(":/") + base + extension;
}

QImage CImageCache::GetAsset(const QString& name, bool themed, bool hiDpi)
{
    const QString path = GenerateImagePathName(name, themed, hiDpi);
    for (const CImageCacheAsset& asset : std::as_const(assets)) {
        if (asset.path == path)
            return asset.image;
    }
    assets.append(CImageCacheAsset(path));
    return assets.constLast().image;
}

QPixmap CImageCache::GetPixmap(const QString& name, bool themed)
{
    QPixmap pixmap = QPixmap::fromImage(GetAsset(name, themed, true));
    pixmap.setDevicePixelRatio(CellSide(1, true));
    return pixmap;
}

int CImageCache::CellSide(int nominal, bool hiDpi) const
{
    return (isHighDensity && hiDpi) ? nominal * 2 : nominal;
}

QList<QIcon>* CImageCache::LoadIconsFromPath(const QString& stripName, bool themed, int size)
{
    auto icons = std::make_unique<QList<QIcon>>();
    const int cell = CellSide(size, true);
    if (cell < 1)
        return icons.release();
    // Decoded once: both photo lists and the profile chooser cut it.
    const QImage strip = GetAsset(stripName, themed, true);
    const int columns = strip.width() / cell;
    const int rows = strip.height() / cell;
    icons->reserve(rows * columns);
    for (int r = 0; r < rows; ++r) {
        const int y = SourceRow(r, rows) * cell;
        for (int c = 0; c < columns; ++c)
            icons->append(QIcon(QPixmap::fromImage(strip.copy(c * cell, y, cell, cell))));
    }
    return icons.release();
}

QIcon CImageCache::GetIcon(const QString& stripName, bool themed, bool hiDpi, int nominal,
                           int column, int row)
{
    const QImage strip = GetAsset(stripName, themed, hiDpi);
    const int cell = CellSide(nominal, hiDpi);
    const QRect area(column * cell, row * cell, cell, cell);
    if (strip.isNull() || cell < 1 || column < 0 || row < 0 || !strip.rect().contains(area))
        return QIcon();
    return QIcon(QPixmap::fromImage(strip.copy(area)));
}
