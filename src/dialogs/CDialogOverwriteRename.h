#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Asks for a new file name for an output whose target exists; the folder
// stays that of the existing file.
class CDialogOverwriteRename : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogOverwriteRename(QWidget* parent = nullptr);
    ~CDialogOverwriteRename() override = default;

    // Before exec(): the existing file. After an accepted exec(): the full
    // path chosen (same folder, new name).
    QString path;
    QString newPath;

    int exec() override;

private:
    // A name in the same folder that does not exist yet: "name (n).ext".
    static QString SuggestedName(const QString& path);
    void Accept();

    QLineEdit* editName = nullptr;
};
