#include "CImageManager.h"
#include "FilterTestKit.h"
#include "MarkGeometry.h"
#include "MarkTestKit.h"
#include "TestEnv.h"
#include "TestThreads.h"
#include "TraceCapture.h"

#include <QElapsedTimer>
#include <QFile>

#include <cmath>
#include <vector>

using namespace MarkTestKit;
using FilterTestKit::WithParams;

namespace {
// A text mark drawn as a solid black box (box on, margin 0).
SFilterRecord BoxRecord(const QString& text)
{
    SFilterRecord record = WithParams(TextRecord(text), {{22, 1}, {23, 0}});
    return record;
}

// The box of a mark at placement 0 without margins on a large white photo.
QRect MeasureBox(const SFilterRecord& record)
{
    Magick::Image photo = WhitePhoto(1600, 1200);
    if (!Apply(photo, record))
        return QRect();
    return NonWhiteBox(photo);
}

// Start positions of the black runs along one row or one column.
QList<int> RunStarts(const Magick::Image& image, bool alongRow, int at)
{
    QList<int> starts;
    const int length = int(alongRow ? image.columns() : image.rows());
    bool inside = false;
    for (int i = 0; i < length; ++i) {
        const bool black = IsBlack(alongRow ? Pixel(image, i, at) : Pixel(image, at, i));
        if (black && !inside)
            starts.append(i);
        inside = black;
    }
    return starts;
}
} // namespace

class TestTextMark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_folder = TestEnv::NewFolder("textmark");
    }

    void tagsExpand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("signs") << "[Copyright] [Registered][Trademark][Servicemark]"
                               << QString::fromUtf8("\u00a9 \u00ae\u2122\u2120");
        QTest::newRow("no tags") << "Holiday 2024 [not a tag]" << "Holiday 2024 [not a tag]";
        QTest::newRow("name parts") << "[Filename].[Ext] in [Folder]" << "IMG_1.JPG in trip";
        QTest::newRow("path") << "[Path]" << "/photos/trip/IMG_1.JPG";
        QTest::newRow("dimensions") << "[ImageDimensions]" << "4000 x 3000";
        QTest::newRow("resolution %g") << "[ImageResolution]" << "72 dpi x 72.5 dpi";
        QTest::newRow("camera") << "[CameraMaker] [CameraModel] [CameraFstop] [CameraExposure] [CameraISO]"
                                << "NIKON D300 f/5.6 1/500 sec ISO-200";
        QTest::newRow("lens and flash") << "[CameraFocalLength]/[CameraFlash]" << "50/1/16";
        QTest::newRow("gps") << "[GPSLatitude] [GPSLongitude] [GPSAltitude]"
                             << QString::fromUtf8("52\u00b031'12\"N 13\u00b024'0\"E 34.0 m");
        QTest::newRow("origin") << "[OriginArtist], [OriginCopyright], [OriginDate]"
                                << "Ann, Ann Ltd, 2019:07:04 18:30:12";
        QTest::newRow("case matters") << "[filename]" << "[filename]";
        QTest::newRow("repeated") << "[Ext][Ext]" << "JPGJPG";
    }

    void tagsExpand()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        SImageProperties p;
        p.width = 4000;
        p.height = 3000;
        p.densityX = 72;
        p.densityY = 72.5;
        p.cameraMake = "NIKON";
        p.cameraModel = "D300";
        p.fNumber = "f/5.6";
        p.exposure = "1/500 sec";
        p.iso = "ISO-200";
        p.focalLength = "50/1";
        p.flash = "16";
        p.gpsLatitude = QString::fromUtf8("52\u00b031'12\"N");
        p.gpsLongitude = QString::fromUtf8("13\u00b024'0\"E");
        p.gpsAltitude = "34.0 m";
        p.artist = "Ann";
        p.copyright = "Ann Ltd";
        p.dateTimeOriginal = "2019:07:04 18:30:12";
        QCOMPARE(MarkGeometry::ExpandTags(text, "/photos/trip/IMG_1.JPG", p), expected);
    }

    void tagsExpandOnce()
    {
        // Texts from the photo (EXIF) and from its name are printed as they are,
        // never searched for tags again.
        SImageProperties p;
        p.artist = "[Path]";
        p.copyright = "[Filename]";
        QCOMPARE(MarkGeometry::ExpandTags("by [OriginArtist] / [OriginCopyright]", "/home/ann/private/x.jpg", p),
                 QString("by [Path] / [Filename]"));
        QCOMPARE(MarkGeometry::ExpandTags("[Filename]", "/photos/[Ext].jpg", p), QString("[Ext]"));
        // The extension is searched from the end of the whole path.
        QCOMPARE(MarkGeometry::ExpandTags("[Filename]|[Ext]|[Folder]", "/photos/set.2/IMG", p),
                 QString("IMG|2/IMG|set.2"));
        // A value cannot join the text around it into a tag.
        QCOMPARE(MarkGeometry::ExpandTags("[[Filename]t]", "/p/Ex.jpg", p), QString("[Ext]"));
    }

    void tagsRenderAsTheirText_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("literal");
        const QString lens = "jpg/tests/32-lens_data.jpeg";
        const QString nokia = "jpg/mobile/HMD_Nokia_8.3_5G.jpg";
        QTest::newRow("file name") << lens << "[Filename]" << "32-lens_data";
        QTest::newRow("extension") << lens << "[Ext]" << "jpeg";
        QTest::newRow("folder") << lens << "[Folder]" << "tests";
        QTest::newRow("copyright sign") << lens << "[Copyright] 2024" << QString::fromUtf8("\u00a9 2024");
        QTest::newRow("artist") << lens << "[OriginArtist]" << "Ilya Kurikhin";
        QTest::newRow("copyright") << lens << "[OriginCopyright]" << "Ilya Kurikhin";
        QTest::newRow("camera") << lens << "[CameraModel]" << "NIKON D300";
        QTest::newRow("exposure") << lens << "[CameraFstop] [CameraExposure] [CameraISO]" << "f/5.6 1/500 sec ISO-200";
        QTest::newRow("gps") << nokia << "[GPSLatitude]" << "";
        QTest::newRow("date") << nokia << "[OriginDate]" << "";
        QTest::newRow("dimensions") << nokia << "[ImageDimensions]" << "";
        QTest::newRow("resolution") << nokia << "[ImageResolution]" << "";
    }

    void tagsRenderAsTheirText()
    {
        QFETCH(QString, photo);
        QFETCH(QString, tag);
        QFETCH(QString, literal);
        const QString shared = TestEnv::SharedPhotos();
        if (shared.isEmpty())
            QSKIP("the shared photos are not there");
        const QString path = shared + "/" + photo;
        if (!QFile::exists(path))
            QSKIP("photo missing");

        CImageManager manager;
        QVERIFY(manager.Read(path));
        const SImageProperties& p = manager.properties;
        if (literal.isEmpty()) {
            // Fields whose text the photo properties give: check their shape.
            if (tag == "[GPSLatitude]")
                literal = p.gpsLatitude;
            else if (tag == "[OriginDate]")
                literal = p.dateTimeOriginal;
            else if (tag == "[ImageDimensions]")
                literal = QString("%1 x %2").arg(p.width).arg(p.height);
            else
                literal = QString::asprintf("%g dpi x %g dpi", p.densityX, p.densityY);
            QVERIFY2(!literal.trimmed().isEmpty() && literal != " x ", qPrintable(tag));
        }

        Magick::Image tagged = WhitePhoto(900, 120);
        Magick::Image plain = WhitePhoto(900, 120);
        QVERIFY(Apply(tagged, TextRecord(tag), nullptr, path, p));
        QVERIFY(Apply(plain, TextRecord(literal), nullptr, path, p));
        QVERIFY(!NonWhiteBox(plain).isEmpty());
        QCOMPARE(FilterTestKit::MaxDifference8(tagged, plain), 0);
    }

    void fontSizeInPixelsAtFixedResolution()
    {
        // Size 20 is a 50-pixel font whatever the screen: DejaVu Sans lines are
        // about 1.16 em high, so one line of box is 58 or 59 pixels.
        SFilterRecord record = WithParams(BoxRecord("Hg"), {{9, 20}});
        const QRect box = MeasureBox(record);
        QVERIFY2(box.height() >= 57 && box.height() <= 60, qPrintable(QString::number(box.height())));
        QCOMPARE(MarkGeometry::FontPixelSize(20), 50);
        QCOMPARE(MarkGeometry::FontPixelSize(-7.9), 17);
        QCOMPARE(MarkGeometry::FontPixelSize(0), 1);
    }

    void placementOnGrid_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<double>("mx");
        QTest::addColumn<double>("my");
        for (int placement = 0; placement <= 8; ++placement)
            QTest::addRow("placement %d", placement) << placement << 10.0 << 20.0;
        QTest::newRow("centre, no margins") << 4 << 0.0 << 0.0;
        QTest::newRow("outside the grid counts as 0") << 12 << 10.0 << 20.0;
    }

    void placementOnGrid()
    {
        QFETCH(int, placement);
        QFETCH(double, mx);
        QFETCH(double, my);
        const int width = 1000;
        const int height = 800;
        SFilterRecord record = BoxRecord("Mark");
        const QRect size = MeasureBox(record);
        QVERIFY(!size.isEmpty());
        const int pw = size.width();
        const int ph = size.height();

        record = WithParams(record, {{1, placement}, {2, mx}, {3, my}});
        Magick::Image photo = WhitePhoto(width, height);
        QVERIFY(Apply(photo, record));
        const QRect box = NonWhiteBox(photo);
        QCOMPARE(box.size(), QSize(pw, ph));

        const int column = placement > 8 ? 0 : placement % 3;
        const int row = placement > 8 ? 0 : placement / 3;
        const int fx = width - pw;
        const int fy = height - ph;
        const int x = column == 0 ? int(mx) : column == 1 ? int(mx + fx / 2.0) : int(fx - mx);
        const int y = row == 0 ? int(my) : row == 1 ? int(my + fy / 2.0) : int(fy - my);
        QCOMPARE(box.topLeft(), QPoint(x, y));
        if (placement == 8)
            QCOMPARE(box.bottomRight(), QPoint(width - 1 - int(mx), height - 1 - int(my)));
        if (placement == 4 && mx == 0.0) {
            QVERIFY(qAbs((box.left() + box.right() + 1) - width) <= 1);
            QVERIFY(qAbs((box.top() + box.bottom() + 1) - height) <= 1);
        }
    }

    void boxMarginAndLineSpacing()
    {
        const QRect plain = MeasureBox(BoxRecord("Mark"));
        SFilterRecord margin = WithParams(BoxRecord("Mark"), {{25, 50}});
        const QRect wide = MeasureBox(margin);
        // The margin grows the box to the right and downwards only.
        QCOMPARE(wide.topLeft(), plain.topLeft());
        QCOMPARE(wide.width(), plain.width() + plain.width() * 50 / 100);
        const int lineHeight = plain.height() + 1;
        QCOMPARE(wide.height(), plain.height() + lineHeight * 50 / 100);

        // The margin counts only when the box setting is exactly 1.
        margin.params[22] = 2;
        QCOMPARE(MeasureBox(margin).size(), plain.size());

        SFilterRecord twoLines = BoxRecord("Mark\nMark");
        const QRect tight = MeasureBox(twoLines);
        QCOMPARE(tight.height(), 2 * lineHeight - 1);
        twoLines.params[5] = 15;
        QCOMPARE(MeasureBox(twoLines).height(), 2 * (lineHeight + 15) - 1);

        // A text ending in a line feed has an empty last line.
        QCOMPARE(MeasureBox(BoxRecord("Mark\n")).height(), 2 * lineHeight - 1);

        // Italic widens the layout by 5 percent.
        SFilterRecord italic = WithParams(BoxRecord("Mark"), {{11, 1}});
        const int italicWidth = MeasureBox(italic).width();
        QVERIFY(italicWidth >= int(plain.width() * 1.04) && italicWidth <= int(plain.width() * 1.06) + 1);
    }

    void lineAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        for (const auto& [tag, alignment] : {std::pair{"left", 0}, {"centre", 1}, {"right", 2}})
            QTest::newRow(tag) << alignment;
    }

    void lineAlignment()
    {
        QFETCH(int, alignment);
        const SFilterRecord record = WithParams(TextRecord("II\nIIIIII"), {{0, alignment}, {5, 10}, {9, 16}, {2, 50}, {3, 50}});
        Magick::Image photo = WhitePhoto(600, 300);
        QVERIFY(Apply(photo, record));
        const QRect all = NonWhiteBox(photo);
        const int middle = (all.top() + all.bottom()) / 2;
        const auto dark = [](QRgb c) { return qRed(c) < 128; };
        const QRect first = BoundingBox(photo, dark, QRect(0, 0, 600, middle));
        const QRect second = BoundingBox(photo, dark, QRect(0, middle, 600, 300 - middle));
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(second.width() > 2 * first.width());
        if (alignment == 0)
            QVERIFY(qAbs(first.left() - second.left()) <= 1);
        else if (alignment == 2)
            QVERIFY(qAbs(first.right() - second.right()) <= 1);
        else
            QVERIFY(qAbs((first.left() + first.right()) - (second.left() + second.right())) <= 2);
    }

    void rotationTurnsTheBox()
    {
        SFilterRecord record = WithParams(BoxRecord("Wide mark"), {{2, 300}, {3, 300}});
        const QRect flat = MeasureBox(record);
        record.params[4] = 90;
        const QRect turned = MeasureBox(record);
        QCOMPARE(turned.size(), flat.size().transposed());
        QCOMPARE(turned.topLeft(), QPoint(300, 300));

        // 45 degrees: the picture grows to the turned box's bounds.
        record.params[4] = 45;
        const QRect diagonal = MeasureBox(record);
        const double side = (flat.width() + flat.height()) / std::sqrt(2.0);
        QVERIFY(qAbs(diagonal.width() - side) <= 3);
        QVERIFY(qAbs(diagonal.height() - side) <= 3);
    }

    void strokeAndFill()
    {
        // Only the outline: the fill is invisible, the stroke red.
        SFilterRecord record =
            WithParams(TextRecord("O"), {{9, 40}, {16, 100}, {18, 1}, {19, double(0xff0000)}, {21, 4}, {2, 20}, {3, 20}});
        Magick::Image stroked = WhitePhoto(300, 300);
        QVERIFY(Apply(stroked, record));
        const QRect red = BoundingBox(stroked, IsRed);
        QVERIFY(!red.isEmpty());
        // The ring of the O: its centre stays white.
        QCOMPARE(Pixel(stroked, red.center().x(), red.center().y()), qRgba(255, 255, 255, 255));

        // A stroke below 1 pixel draws nothing, so nothing at all is visible.
        record.params[21] = 0.5;
        Magick::Image none = WhitePhoto(300, 300);
        QVERIFY(Apply(none, record));
        QVERIFY(NonWhiteBox(none).isEmpty());

        // Text colour with transparency 50 blends half way.
        Magick::Image blended = WhitePhoto(300, 100);
        QVERIFY(Apply(blended, WithParams(BoxRecord("Mark"), {{24, 50}})));
        const QRect box = NonWhiteBox(blended);
        QVERIFY(qAbs(qRed(Pixel(blended, box.left() + 1, box.top() + 1)) - 127) <= 1);
    }

    void texturedText()
    {
        const QString texture = FilterTestKit::MakeFlatPng(m_folder, "green.png", "#00ff00", 16, 16);
        SFilterRecord record = WithParams(TextRecord("HHH"), {{9, 40}, {15, 1}});
        record.texts[2] = texture;
        Magick::Image photo = WhitePhoto(400, 200);
        CImageFilters engine;
        QVERIFY(Apply(photo, record, &engine));
        const QRect green = BoundingBox(photo, [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 60; });
        QVERIFY(!green.isEmpty());
        QVERIFY(BoundingBox(photo, IsBlack).isEmpty());

        // The texture is read once per engine: the file may go away.
        QVERIFY(QFile::remove(texture));
        Magick::Image again = WhitePhoto(400, 200);
        QVERIFY(Apply(again, record, &engine));
        QCOMPARE(FilterTestKit::MaxDifference8(photo, again), 0);

        // A texture that cannot be read fills nothing.
        record.texts[2] = m_folder + "/missing.png";
        Magick::Image blank = WhitePhoto(400, 200);
        QVERIFY(Apply(blank, record));
        QVERIFY(NonWhiteBox(blank).isEmpty());
    }

    // A transparency far below 0 (job files hold any number; it is taken
    // as the lowest int) is full opacity, as -1 is: the textured fill and
    // the shadow draw as with transparency 0, and far above 100 nothing.
    void transparencyBeyondTheIntRange_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("transparency");
        QTest::addColumn<double>("sameAs");
        QTest::newRow("textured fill, far below 0") << 16 << -3e9 << 0.0;
        QTest::newRow("textured fill, lowest int") << 16 << -2147483648.0 << 0.0;
        QTest::newRow("textured fill, far above 100") << 16 << 3e9 << 100.0;
        QTest::newRow("shadow, far below 0") << 28 << -3e9 << 0.0;
        QTest::newRow("shadow, far above 100") << 28 << 3e9 << 100.0;
    }

    void transparencyBeyondTheIntRange()
    {
        QFETCH(int, index);
        QFETCH(double, transparency);
        QFETCH(double, sameAs);
        SFilterRecord record = WithParams(TextRecord("HHH"), {{9, 40}, {15, 1}, {2, 20}, {3, 20}, {26, 1},
                                                              {27, double(0xff0000)}, {29, 60}});
        record.texts[2] = FilterTestKit::MakeFlatPng(m_folder, "blue.png", "#0000ff", 16, 16);
        record.params[index] = sameAs;
        Magick::Image expected = WhitePhoto(400, 200);
        QVERIFY(Apply(expected, record));
        record.params[index] = transparency;
        Magick::Image photo = WhitePhoto(400, 200);
        QVERIFY(Apply(photo, record));
        QCOMPARE(FilterTestKit::MaxDifference8(photo, expected), 0);
        if (sameAs == 0.0)
            QVERIFY(!BoundingBox(photo, index == 16 ? IsBlue : IsRed).isEmpty());
    }

    void shadowOffsets_data()
    {
        QTest::addColumn<int>("angle");
        for (const auto& [tag, angle] : {std::pair{"below", 0}, {"left", 90}, {"above", 180}, {"right", 270},
                                         {"below right", 315}, {"upper left", 135}})
            QTest::newRow(tag) << angle;
    }

    void shadowOffsets()
    {
        QFETCH(int, angle);
        SFilterRecord record = WithParams(BoxRecord("Shadowed"), {{9, 20}, {2, 100}, {3, 100}});
        const QRect box = MeasureBox(record);
        record = WithParams(record, {{26, 1}, {27, double(0xff0000)}, {29, 60}, {30, angle}});
        Magick::Image photo = WhitePhoto(1600, 1200);
        QVERIFY(Apply(photo, record));
        const QRect all = NonWhiteBox(photo);
        const QRect black = BoundingBox(photo, IsBlack);
        QCOMPARE(black.size(), box.size());

        // Distance 60 is halved; size is a tenth of width plus height. The
        // arithmetic itself is pinned by shadowOffsetArithmetic.
        const QPoint offset = MarkGeometry::ShadowOffset(30, (box.width() + box.height()) / 10, angle);
        const int dx = offset.x(), dy = offset.y();
        QVERIFY(offset.manhattanLength() > 5);
        // The picture grows by the offset and the mark keeps its place at the
        // margins; the box moves away from the shadow.
        QCOMPARE(all.topLeft(), QPoint(100, 100));
        QCOMPARE(all.size(), box.size() + QSize(qAbs(dx), qAbs(dy)));
        QCOMPARE(black.topLeft(), QPoint(100 + qMax(-dx, 0), 100 + qMax(-dy, 0)));
        if (dx != 0 || dy != 0)
            QVERIFY(!BoundingBox(photo, IsRed).isEmpty());
    }

    void shadowOffsetArithmetic_data()
    {
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QPoint>("offset");
        // 300 x 100 text, distance 30 halved: d = trunc(15 x 40 / 100) = 6.
        QTest::newRow("315") << 15 << 40 << 315 << QPoint(4, 4);
        QTest::newRow("0") << 15 << 40 << 0 << QPoint(0, 6);
        QTest::newRow("90") << 15 << 40 << 90 << QPoint(-6, 0);
        QTest::newRow("180") << 15 << 40 << 180 << QPoint(0, -6);
        QTest::newRow("270") << 15 << 40 << 270 << QPoint(6, 0);
        QTest::newRow("logo 200 x 100") << 15 << 30 << 0 << QPoint(0, 4);
        QTest::newRow("negative angle") << 15 << 40 << -90 << QPoint(6, 0);
        QTest::newRow("30 degrees exact half") << 20 << 50 << 30 << QPoint(-5, 8);
        QTest::newRow("no size") << 15 << 0 << 315 << QPoint(0, 0);
    }

    void shadowOffsetArithmetic()
    {
        QFETCH(int, distance);
        QFETCH(int, size);
        QFETCH(int, angle);
        QFETCH(QPoint, offset);
        QCOMPARE(MarkGeometry::ShadowOffset(distance, size, angle), offset);
    }

    void tilingPeriod()
    {
        SFilterRecord record = BoxRecord("Tile");
        const QRect mark = MeasureBox(record);
        record = WithParams(record, {{6, 1}, {7, 10}, {8, 20}});
        // Placement and margins play no part in tiling.
        record = WithParams(record, {{1, 4}, {2, 33}});
        const int width = 1000;
        const int height = 800;
        Magick::Image photo = WhitePhoto(width, height);
        QVERIFY(Apply(photo, record));

        const int stepX = mark.width() + (width - mark.width()) * 10 / 100;
        const int stepY = mark.height() + (height - mark.height()) * 20 / 100;
        QList<int> columns;
        for (int x = 0; x < width; x += stepX)
            columns.append(x);
        QList<int> rows;
        for (int y = 0; y < height; y += stepY)
            rows.append(y);
        QCOMPARE(RunStarts(photo, true, 1), columns);
        QCOMPARE(RunStarts(photo, false, 1), rows);
        QCOMPARE(NonWhiteBox(photo).topLeft(), QPoint(0, 0));
    }

    void previewZoomAndPixelRatio()
    {
        SFilterRecord record = WithParams(BoxRecord("Preview"), {{1, 8}, {2, 40}, {3, 20}});
        CImageFilters engine;
        QImage full;
        QRect fullWhere;
        QVERIFY(engine.UpdateText(full, fullWhere, record, "/a/b.jpg", 1000, 800, 1.0, 0, 0, false));
        QImage half;
        QRect halfWhere;
        QVERIFY(engine.UpdateText(half, halfWhere, record, "/a/b.jpg", 500, 400, 0.5, 7, 9, true));
        // Half the picture and half the margins: the same place on the photo.
        // (Fitting the truncated size while keeping the aspect ratio may lose a
        // few pixels of width.)
        QVERIFY(qAbs(half.width() - full.width() / 2) <= 3);
        QVERIFY(qAbs(halfWhere.right() - 7 - (fullWhere.right() / 2)) <= 1);
        QVERIFY(qAbs(halfWhere.bottom() - 9 - (fullWhere.bottom() / 2)) <= 1);

        // On a screen with ratio 2 the font is drawn twice as large and placed
        // at its size in screen points.
        QImage sharp;
        QRect sharpWhere;
        QVERIFY(engine.UpdateText(sharp, sharpWhere, record, "/a/b.jpg", 1000, 800, 1.0, 0, 0, true, 2.0));
        QVERIFY(sharp.height() >= 2 * full.height() - 2);
        QCOMPARE(sharpWhere.size(), QSize(sharp.width() / 2, sharp.height() / 2));
    }

    void hugeMarginsKeepTheMarkWhole_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<double>("margin");
        QTest::addColumn<int>("offset"); // of the preview
        QTest::newRow("top left, far right") << 0 << 3e9 << 0;
        QTest::newRow("top left, far left") << 0 << -3e9 << 0;
        QTest::newRow("bottom right, far left") << 8 << 3e9 << 0;
        QTest::newRow("bottom right, far right, offset") << 8 << -3e9 << 25;
        QTest::newRow("top left, far right, offset") << 0 << 3e9 << 25;
    }

    void hugeMarginsKeepTheMarkWhole()
    {
        QFETCH(int, placement);
        QFETCH(double, margin);
        QFETCH(int, offset);
        SFilterRecord record = WithParams(BoxRecord("Far"), {{1, placement}, {2, margin}, {3, margin}});
        CImageFilters engine;
        QImage picture;
        QRect where;
        QVERIFY(engine.UpdateText(picture, where, record, "/a/b.jpg", 400, 300, 1.0, offset, offset, offset != 0));
        // Far off the photo, but a whole rectangle of the picture's size on the
        // side the margin points to.
        QCOMPARE(where.size(), picture.size());
        const bool right = (placement == 0) == (margin > 0);
        QVERIFY(right ? where.left() > 400 : where.right() < 0);
        QVERIFY(right ? where.top() > 300 : where.bottom() < 0);
    }

    void blurRadius()
    {
        QCOMPARE(MarkGeometry::BlurRadius(11), 18);
        QCOMPARE(MarkGeometry::BlurRadius(0), 0);
        QImage picture(20, 20, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        picture.setPixel(10, 10, qRgba(255, 255, 255, 255));
        QSize shift;
        QCOMPARE(CImageFilters::BlurImage(picture, 0, shift, false), picture);
        const QImage blurred = CImageFilters::BlurImage(picture, 3, shift, false);
        QCOMPARE(shift, QSize(0, 0));
        QVERIFY(qAlpha(blurred.pixel(10, 10)) < 255);
        QVERIFY(qAlpha(blurred.pixel(12, 10)) > 0);
        QVERIFY(qAlpha(blurred.pixel(10, 8)) > 0);
        // A negative radius keeps every pixel.
        QCOMPARE(CImageFilters::BlurImage(picture, -4, shift, false), picture);
    }

    void emptyTextFails()
    {
        Magick::Image photo = WhitePhoto(100, 50);
        TraceCapture capture;
        QVERIFY(!Apply(photo, TextRecord("")));
        QVERIFY(NonWhiteBox(photo).isEmpty());
        QVERIFY(capture.Contains("the text is empty"));
        // A tag that expands to nothing is empty too.
        QVERIFY(!Apply(photo, TextRecord("[OriginArtist]")));
    }

    void tinyTilesOnALargePhoto()
    {
        // A one-character mark tiled without spacing: hundreds of thousands of
        // tiles, laid row by row. The time bound guards against a cost per tile
        // that grows with the tile count; it leaves room for a busy machine.
        SFilterRecord record = WithParams(BoxRecord("."), {{9, 1}, {6, 1}, {7, 1}, {8, 0}});
        Magick::Image photo = WhitePhoto(3000, 2000);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(Apply(photo, record));
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
        const QRect covered = NonWhiteBox(photo);
        QCOMPARE(covered.topLeft(), QPoint(0, 0));
        QVERIFY(covered.width() > 2900 && covered.height() > 1990);
    }

    void sameMarkOnWorkerThreads()
    {
        const SFilterRecord record = WithParams(BoxRecord("Threads [Filename]"), {{22, 0}, {4, 30}, {17, 2}, {26, 1}, {29, 40}});
        Magick::Image expected = WhitePhoto(500, 300);
        QVERIFY(Apply(expected, record, nullptr, "/x/photo.jpg"));

        constexpr int count = 4;
        std::vector<Magick::Image> photos;
        for (int i = 0; i < count; ++i)
            photos.push_back(WhitePhoto(500, 300)); // no pixels shared between threads
        bool results[count] = {};
        TestThreads::RunTogether(count, [&](int i) {
            CImageFilters engine;
            results[i] = Apply(photos[size_t(i)], record, &engine, "/x/photo.jpg");
        });
        for (size_t i = 0; i < count; ++i) {
            QVERIFY(results[i]);
            QCOMPARE(FilterTestKit::MaxDifference8(photos[i], expected), 0);
        }
    }

    void hostileInputsDoNotCrash_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("applies"); // 1 applied, 0 failed, -1 either
        QTest::newRow("size 30000") << 9 << 30000.0 << 0;
        QTest::newRow("size 2000") << 9 << 2000.0 << -1;
        QTest::newRow("size 6600") << 9 << 6600.0 << 0;
        QTest::newRow("stroke 30000") << 21 << 30000.0 << 1;
        QTest::newRow("box margin 500") << 25 << 500.0 << 1;
        QTest::newRow("box margin 1e9") << 25 << 1e9 << 0;
        QTest::newRow("line spacing -1000") << 5 << -1000.0 << 0;
        QTest::newRow("shadow distance 1e7") << 29 << 1e7 << 0;
        QTest::newRow("shadow distance 30000") << 29 << 30000.0 << -1;
        QTest::newRow("rotation 1e12") << 4 << 1e12 << 1;
        QTest::newRow("blur 1e6") << 17 << 1e6 << 1;
        QTest::newRow("placement -3") << 1 << -3.0 << 1;
        QTest::newRow("spacing -100") << 7 << -100.0 << 1;
        QTest::newRow("spacing -1000") << 8 << -1000.0 << 1;
        QTest::newRow("margin nan is refused") << 2 << std::nan("") << 0;
    }

    void hostileInputsDoNotCrash()
    {
        QFETCH(int, index);
        QFETCH(double, value);
        QFETCH(int, applies);
        SFilterRecord record = BoxRecord("Hostile");
        record.params[6] = 1; // tiled, so the spacings take part
        record = WithParams(record, {{18, 1}, {26, 1}, {22, 1}});
        record.params[index] = value;
        Magick::Image photo = WhitePhoto(400, 300);
        QElapsedTimer timer;
        timer.start();
        const bool applied = Apply(photo, record);
        if (applies >= 0)
            QCOMPARE(applied, applies == 1);
        QVERIFY(timer.elapsed() < 20000);
    }

private:
    QString m_folder;
};

GB_TEST_MAIN(TestTextMark)
#include "tst_textmark.moc"
