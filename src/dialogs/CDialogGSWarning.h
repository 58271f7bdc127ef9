#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// The notice that reading EPS and PDF documents needs Ghostscript, with a
// download link and an OK button.
class CDialogGSWarning : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogGSWarning(QWidget* parent = nullptr);
    ~CDialogGSWarning() override = default;

    // Whether the notice is to be shown for `text` (a file extension). The
    // interpreter ships with the system here, so never.
    bool ShowDialog(QString text);

    // Runs the notice; an answerer installed in CPromptSeam takes note of it
    // instead of a person (a GhostscriptNotice prompt).
    int exec() override;

private:
    QLabel* textNotice = nullptr;
};
