// The colour button of the settings pages and the font dialog.
#include "CColorPicker.h"
#include "CDialogFont.h"
#include "TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
// Answers the next colour dialog: picks `chosen` and accepts, or cancels.
void AnswerColorDialog(QColor chosen, bool accept)
{
    QTimer::singleShot(0, [chosen, accept] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        if (!dialog && modal)
            modal->close(); // never leave the test waiting on a dialog
        QVERIFY(dialog);
        QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
        dialog->setCurrentColor(chosen);
        accept ? dialog->accept() : dialog->reject();
    });
}
} // namespace

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
        QTest::addColumn<int>("emitted");
        QTest::addColumn<QRgb>("colorAfter");
        QTest::newRow("accepted") << QColor(10, 20, 30) << true << 1 << qRgb(10, 20, 30);
        QTest::newRow("same colour accepted") << QColor(0x11, 0x22, 0x33) << true << 1 << qRgb(0x11, 0x22, 0x33);
        QTest::newRow("translucent pick is opaque") << QColor(200, 100, 50, 40) << true << 1 << qRgb(200, 100, 50);
        QTest::newRow("cancelled") << QColor(10, 20, 30) << false << 0 << qRgb(0x11, 0x22, 0x33);
    }

    void colorDialog()
    {
        QFETCH(QColor, chosen);
        QFETCH(bool, accept);
        QFETCH(int, emitted);
        QFETCH(QRgb, colorAfter);
        CColorPicker button;
        button.resize(70, 24);
        button.show();
        button.SetColor(qRgb(0x11, 0x22, 0x33));
        QSignalSpy changed(&button, &CColorPicker::ColorChanged);
        AnswerColorDialog(chosen, accept);
        button.click();
        QCOMPARE(changed.count(), emitted);
        QCOMPARE(button.color, colorAfter);
        QCOMPARE(qAlpha(button.color), 255);
    }

    void swatchHasBlackFrame()
    {
        CColorPicker button;
        button.setFixedSize(70, 24);
        QVERIFY(button.ColorToIcon(qRgb(1, 2, 3)).isNull()); // size unknown before the first show
        button.show();
        QCOMPARE(button.swatchSize, QSize(62, 16));
        button.SetColor(qRgb(0, 200, 0));
        const QImage swatch = button.icon().pixmap(button.swatchSize).toImage();
        QCOMPARE(swatch.size(), QSize(62, 16));
        for (const QPoint& edge : {QPoint(0, 0), QPoint(61, 15), QPoint(30, 0), QPoint(0, 8), QPoint(61, 8)})
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
        QTest::newRow("negative") << "-12" << 8 << "24" << "8";
    }

    void fontSize()
    {
        QFETCH(QString, typed);
        QFETCH(int, samplePixels);
        QFETCH(QString, selectedItem);
        QFETCH(QString, stored);
        CDialogFont dialog;
        dialog.fontSize = "24";
        bool answered = false;
        QTimer::singleShot(0, &dialog, [&] {
            auto* sizes = dialog.findChild<QComboBox*>("comboFontSize");
            QCOMPARE(sizes->count(), 9);
            QCOMPARE(sizes->currentText(), QString("24"));
            sizes->setEditText(typed);
            QCOMPARE(sizes->itemText(sizes->currentIndex()), selectedItem);
            QCOMPARE(dialog.findChild<QLabel*>("textSample")->font().pixelSize(), samplePixels);
            QCOMPARE(dialog.findChild<QLabel*>("textSample")->text(), QString("AaBcYyZz"));
            dialog.findChild<QPushButton*>("buttonOK")->click();
            answered = true;
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(answered);
        QCOMPARE(dialog.fontSize, stored);
    }

    void fontResult()
    {
        CDialogFont dialog;
        dialog.fontFamily = "DejaVu Sans";
        dialog.fontBold = 1;
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(dialog.findChild<QLabel*>("textSample")->font().bold());
            dialog.findChild<QCheckBox*>("checkBold")->click();
            dialog.findChild<QCheckBox*>("checkStrikeOut")->click();
            QVERIFY(!dialog.findChild<QLabel*>("textSample")->font().bold());
            QVERIFY(dialog.findChild<QLabel*>("textSample")->font().strikeOut());
            dialog.findChild<QPushButton*>("buttonOK")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.fontFamily, QString("DejaVu Sans"));
        QCOMPARE(int(dialog.fontBold), 0);
        QCOMPARE(int(dialog.fontStrikeOut), 1);
        QCOMPARE(dialog.fontSize, QString("12"));
    }

    void fontCancelKeepsMembers()
    {
        CDialogFont dialog;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QComboBox*>("comboFontSize")->setEditText("48");
            dialog.findChild<QPushButton*>("buttonCancel")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(dialog.fontSize, QString("12"));
        QCOMPARE(dialog.fontFamily, QString("Arial"));
    }
};

GB_TEST_MAIN(TestColorFont)
#include "tst_colorfont.moc"
