// The tip bubble: markup parsing, the balloon drawn translucent inside its
// outline and transparent outside, and text that finds no room left out.
#include "CTextWidget.h"
#include "WindowHelpers.h"
#include "TestEnv.h"

#include <QImage>
#include <QTextCharFormat>

namespace {
// A format run as "start+length:kind" (kind bold, heading, italic or code).
QString Describe(const QTextLayout::FormatRange& run)
{
    QString kind = "bold";
    if (run.format.fontItalic())
        kind = "italic";
    else if (run.format.fontFamilies().toStringList().contains("Courier"))
        kind = "code";
    else if (run.format.fontPointSize() > 12)
        kind = "heading";
    return QString("%1+%2:%3").arg(run.start).arg(run.length).arg(kind);
}

QImage Render(CTextWidget& bubble)
{
    QImage picture(bubble.size(), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    bubble.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return picture;
}
} // namespace

class TestTextWidget : public QObject
{
    Q_OBJECT
private slots:
    void markup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QStringList>("runs");
        QTest::newRow("bold word") << "Add \\bold{photos} now" << "Add photos now" << QStringList{"4+6:bold"};
        QTest::newRow("two backslashes show one") << "a\\\\b" << "a\\b" << QStringList{};
        QTest::newRow("closing brace with nothing open") << "x}y" << "x}y" << QStringList{};
        QTest::newRow("unknown name shown as text") << "\\shout{hi}" << "\\shout{hi}" << QStringList{};
        QTest::newRow("backslash without a brace") << "C:\\code" << "C:\\code" << QStringList{};
        QTest::newRow("second marker drops the first") << "\\bold{ab\\italic{cd}e" << "abcde"
                                                        << QStringList{"2+2:italic"};
        QTest::newRow("open run closed at the end") << "\\heading{Tip" << "Tip" << QStringList{"0+3:heading"};
        QTest::newRow("code run") << "use \\code{-v}" << "use -v" << QStringList{"4+2:code"};
    }

    void markup()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QFETCH(QStringList, runs);
        CTextWidget bubble;
        bubble.SetParagraphs({text});
        QCOMPARE(bubble.Paragraphs(), QList<QString>{plain});
        QStringList described;
        for (const QTextLayout::FormatRange& run : bubble.Formats().first())
            described << Describe(run);
        QCOMPARE(described, runs);
    }

    void balloonIsTranslucentInsideOnly()
    {
        CTextWidget bubble;
        QCOMPARE(bubble.sizeHint(), QSize(100, 100));
        bubble.SetShape(GenerateInfoBaloon(2));
        QCOMPARE(bubble.sizeHint(), QSize(165, 95));
        bubble.resize(200, 80);
        bubble.SetParagraphs({"Go to Step 2 and define the edits you want to apply to your photos"});
        const QImage picture = Render(bubble);
        // Inside the outline, right of the text: the fill.
        const QColor inside = picture.pixelColor(188, 50);
        QVERIFY2(qAbs(inside.red() - 38) <= 2 && qAbs(inside.green() - 163) <= 2 && qAbs(inside.blue() - 226) <= 2
                     && qAbs(inside.alpha() - 210) <= 2,
                 qPrintable(inside.name(QColor::HexArgb)));
        QCOMPARE(picture.pixelColor(190, 5).alpha(), 0);
        QCOMPARE(picture.pixelColor(2, 78).alpha(), 0);
        // The text is placed, within the balloon.
        QVERIFY(bubble.Layouts().first()->lineCount() >= 2);
        QVERIFY(bubble.Layouts().first()->lineAt(0).position().x() < bubble.width());
    }

    void wordWiderThanBalloonIsNotPlaced()
    {
        CTextWidget bubble;
        bubble.SetShape(GenerateInfoBaloon(2));
        bubble.resize(200, 80);
        bubble.SetParagraphs({"Pneumonoultramicroscopicsilicovolcanoconiosis everywhere", "Second"});
        QCOMPARE(bubble.Layouts().size(), 1);
        const QTextLine line = bubble.Layouts().first()->lineAt(0);
        QCOMPARE(line.position(), QPointF(bubble.width(), bubble.height()));
        // Twice the size gives room for it.
        bubble.resize(400, 160);
        QVERIFY(bubble.Layouts().first()->lineAt(0).position().x() < bubble.width());
    }
};

GB_TEST_MAIN(TestTextWidget)
#include "tst_textwidget.moc"
