#pragma once

#include <QApplication>

// The application object: every widget is drawn at the platform's small
// control size.
class NativeLookingApplication : public QApplication
{
    Q_OBJECT
public:
    NativeLookingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
