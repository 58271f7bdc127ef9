// The application object: every widget is polished at the small control
// size, including widgets of dialogs and windows made later.
#include "NativeLookingApplication.h"
#include "TestEnv.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void widgetsAreSmall()
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* button = new QPushButton("OK", &dialog);
        layout->addWidget(button);
        QVERIFY(!button->testAttribute(Qt::WA_MacSmallSize));
        dialog.show();
        QVERIFY(dialog.testAttribute(Qt::WA_MacSmallSize));
        QVERIFY(button->testAttribute(Qt::WA_MacSmallSize));
        // A widget added after the window was shown is polished too.
        auto* late = new QPushButton("Late", &dialog);
        layout->addWidget(late);
        late->show();
        QVERIFY(late->testAttribute(Qt::WA_MacSmallSize));
    }
};

int main(int argc, char** argv)
{
    TestEnv::Prepare();
    NativeLookingApplication app(argc, argv);
    TestEnv::AfterApplication();
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
