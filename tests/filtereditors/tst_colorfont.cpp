// The colour button of the settings pages and the font dialog.
#include "CColorPicker.h"
#include "CDialogFont.h"
#include "TestEnv.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

class TestColorFont : public QObject
{
    Q_OBJECT

private slots:
    void setColorIsSilent()
    {
        CColorPicker button;
        QCOMPARE(button.color, QRgb(0xFF000000u));
        QSignalSpy changed(&button, &CColorPicker::ColorChanged);
        button.SetColor(0xFFBBBBFFu);
        QCOMPARE(button.color, QRgb(0xFFBBBBFFu));
        QCOMPARE(changed.count(), 0);
    }

    void colorDialog_data()
    {
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QRgb>("colorAfter");
        QTest::newRow("accepted, alpha not offered") << QColor(200, 100, 50, 40) << true << qRgb(200, 100, 50);
        QTest::newRow("same colour accepted") << QColor(0x11, 0x22, 0x33) << true << qRgb(0x11, 0x22, 0x33);
        QTest::newRow("cancelled") << QColor(10, 20, 30) << false << qRgb(0x11, 0x22, 0x33);
    }

    void colorDialog()
    {
        QFETCH(QColor, chosen);
        QFETCH(bool, accept);
        QFETCH(QRgb, colorAfter);
        CColorPicker button;
        button.show();
        button.SetColor(qRgb(0x11, 0x22, 0x33));
        QSignalSpy changed(&button, &CColorPicker::ColorChanged);
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            if (!dialog && modal)
                modal->close(); // never leave the test waiting on a dialog
            QVERIFY(dialog);
            QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
            dialog->setCurrentColor(chosen);
            accept ? dialog->accept() : dialog->reject();
        });
        button.click();
        QCOMPARE(changed.count(), accept ? 1 : 0);
        QCOMPARE(button.color, colorAfter);
    }

    void swatchHasBlackFrame()
    {
        CColorPicker button;
        button.setFixedSize(70, 24);
        button.show();
        QCOMPARE(button.swatchSize, QSize(62, 16));
        button.SetColor(qRgb(0, 200, 0));
        const QImage swatch = button.icon().pixmap(button.swatchSize).toImage();
        for (const QPoint& edge : {QPoint(0, 0), QPoint(61, 15), QPoint(30, 0), QPoint(0, 8)})
            QCOMPARE(swatch.pixel(edge), QRgb(0xFF000000u));
        QCOMPARE(swatch.pixel(1, 1), qRgb(0, 200, 0));
        QCOMPARE(swatch.pixel(60, 14), qRgb(0, 200, 0));
    }

    // Typing a size: the sample's pixel size, the item selected and what OK stores.
    void fontSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("samplePixels");
        QTest::addColumn<QString>("selectedItem");
        QTest::addColumn<QString>("stored");
        QTest::newRow("listed size selects its item") << "36" << 36 << "36" << "36";
        QTest::newRow("unlisted size keeps the text") << "20" << 20 << "24" << "20";
        QTest::newRow("letters") << "abc" << 8 << "24" << "8";
        QTest::newRow("zero") << "0" << 8 << "24" << "8";
    }

    void fontSize()
    {
        QFETCH(QString, typed);
        QFETCH(int, samplePixels);
        QFETCH(QString, selectedItem);
        QFETCH(QString, stored);
        CDialogFont dialog;
        dialog.fontSize = "24";
        QTimer::singleShot(0, &dialog, [&] {
            auto* sizes = dialog.findChild<QComboBox*>("comboFontSize");
            sizes->setEditText(typed);
            dialog.findChild<QPushButton*>("buttonOK")->click();
            QCOMPARE(sizes->itemText(sizes->currentIndex()), selectedItem);
            QCOMPARE(dialog.findChild<QLabel*>("textSample")->font().pixelSize(), samplePixels);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.fontSize, stored);
    }
};

GB_TEST_MAIN(TestColorFont)
#include "tst_colorfont.moc"
