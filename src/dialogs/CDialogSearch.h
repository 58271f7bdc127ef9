#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The photo search of step 1: a folder, a name mask and whether to search
// the subfolders too. The choices are kept in the settings store under
// "GUI/SearchAdd.Path", "GUI/SearchAdd.Mask" (the mask's index) and
// "GUI/SearchAdd.InSubfolders".
class CDialogSearch : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSearch(QWidget* parent = nullptr);
    ~CDialogSearch() override;

    // Runs the dialog with the stored choices; 1 only when the user accepted
    // with a folder given, and then the three fields below are set.
    int exec() override;

    // The name masks offered, in order.
    static QStringList Masks();

    QString searchPath;           // "/" as separator
    QString searchMask;           // e.g. "*.JPG"
    bool searchSubfolders = false;

private slots:
    void Browse();
    void UpdateOk();

private:
    QLineEdit* editFolder = nullptr;
    QComboBox* comboMask = nullptr;
    QCheckBox* checkSubfolders = nullptr;
    QPushButton* buttonOk = nullptr;
};
