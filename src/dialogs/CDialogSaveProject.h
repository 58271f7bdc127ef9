#pragma once

#include <QDialog>

class QCheckBox;

// The question on closing a modified job that has no job file: save the
// settings as a profile (Yes), close without saving (No) or stay (Cancel).
// "Don't ask me again" stores 0 under "GUI/bShowSaveProject".
class CDialogSaveProject : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSaveProject(QWidget* parent = nullptr);
    ~CDialogSaveProject() override;

    // Accepts at once, with no flag set, when the user asked not to be asked.
    int exec() override;

    bool Yes = false;
    bool No = false;
    bool Cancel = false;

    void on_buttonYes_clicked();
    void on_buttonNo_clicked();
    void on_buttonCancel_clicked();
    // Escape or the window's close button count as Cancel: nothing is lost.
    void reject() override;

private:
    void Remember();
    QCheckBox* checkDontAsk = nullptr;
};
