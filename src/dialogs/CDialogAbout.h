#pragma once

#include <QDialog>

class QLabel;

// The about box: application icon, name, version and copyright.
class CDialogAbout : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogAbout(QWidget* parent = nullptr);
    ~CDialogAbout() override;

    // "Version 1.0.0" for this build.
    static QString VersionText();

private:
    QLabel* labelIcon = nullptr;
};
