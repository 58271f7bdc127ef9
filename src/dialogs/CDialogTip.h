#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;

// One tip with an optional "Don't show this tip again" box. The answer is
// kept in the settings store under "GUI/" + key (0: do not show again).
class CDialogTip : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogTip(QWidget* parent = nullptr);
    ~CDialogTip() override;

    // Returns 1 at once, without showing anything, when the box is offered
    // and the user asked earlier not to see this tip again.
    int exec() override;

    // Whether exec() would show the tip.
    bool WillShow() const;

    QString text;
    QString key;
    bool showCheckBox = false;

protected:
    void done(int result) override;

private:
    QLabel* labelBanner = nullptr;
    QLabel* labelText = nullptr;
    QCheckBox* checkDontShow = nullptr;
};
