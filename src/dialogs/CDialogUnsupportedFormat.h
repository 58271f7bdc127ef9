#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QPlainTextEdit;

// Lists the files that were not added to the job because their format
// cannot be read, one path per line.
class CDialogUnsupportedFormat : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogUnsupportedFormat(QWidget* parent = nullptr);
    ~CDialogUnsupportedFormat() override;

    void SetUnsupportedFiles(QList<QString> paths);

private:
    QPlainTextEdit* textFiles = nullptr;
};
