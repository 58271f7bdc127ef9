#pragma once

#include <QDialog>

class QCheckBox;

// The invitation to follow the program on social networks, shown after a
// run now and then. "Don't show this again" stores 0 under
// "GUI/DialogSocial.Show".
class CDialogSocial : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSocial(QWidget* parent = nullptr);
    ~CDialogSocial() override;

    // Returns at once (Rejected) when the user asked not to see it again.
    int exec() override;

protected:
    void done(int result) override;

private:
    QCheckBox* checkDontShow = nullptr;
};
