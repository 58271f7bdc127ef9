#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

// Asks for the name and description of a profile being saved. The caller
// sets `name` and `description` before exec(), which fills the editors and
// returns 1 on OK with the edited texts left in the same members (the name
// without surrounding blanks); on Cancel the members keep what they held.
class CDialogProfileSave : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogProfileSave(QWidget* parent = nullptr);
    ~CDialogProfileSave() override;

    int exec() override;
    void accept() override;

    QString name;
    QString description;

private:
    // OK needs a name that is not blank.
    void UpdateButtons();

    QLineEdit* editName = nullptr;
    QPlainTextEdit* editDescription = nullptr;
    QDialogButtonBox* buttons = nullptr;
};
