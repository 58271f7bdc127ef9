// Filters handed to the pages of a multi-page photo run on the manager's own
// engine, so a logo (or frame, or mask) is read once per worker and not once
// per photo.
#include "CImageManager.h"
#include "MagickCompat.h"
#include "MarkTestKit.h"
#include "TestEnv.h"

#include <QFile>

class TestPageFilters : public QObject
{
    Q_OBJECT
private slots:
    void logoStaysCachedAcrossPhotos_data()
    {
        QTest::addColumn<bool>("everyPage");
        QTest::newRow("every page") << true;
        QTest::newRow("current page") << false;
    }

    void logoStaysCachedAcrossPhotos()
    {
        QFETCH(bool, everyPage);
        const QString folder = TestEnv::NewFolder("pagefilters");
        const QString logo = folder + "/logo.png";
        Magick::Image picture(Magick::Geometry(40, 30), MagickCompat::ColorRgba8(0, 0, 255));
        picture.depth(8);
        picture.write(("PNG32:" + logo).toStdString());
        const SFilterRecord record = MarkTestKit::LogoRecord(logo);

        CImageManager manager;
        auto runOnNewPhoto = [&] {
            manager.pages = {MarkTestKit::WhitePhoto(200, 150), MarkTestKit::WhitePhoto(200, 150)};
            return everyPage ? manager.ApplyFilterToMultipage(record) : manager.ApplyFilterToCurrentPage(record);
        };
        QVERIFY(runOnNewPhoto());
        // The file is gone, yet the next photo still gets the logo: it was not
        // read again.
        QVERIFY(QFile::remove(logo));
        QVERIFY(runOnNewPhoto());
        const Magick::Image& page = manager.pages.last();
        QVERIFY(MarkTestKit::NonWhiteBox(page).isValid());
    }
};

GB_TEST_MAIN(TestPageFilters)
#include "tst_pagefilters.moc"
