#include "CDialogOverwriteRename.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CDialogOverwriteRename::CDialogOverwriteRename(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Rename"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("New file name:"), this));
    editName = new QLineEdit(this);
    layout->addWidget(editName);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogOverwriteRename::Accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int CDialogOverwriteRename::exec()
{
    newPath = path;
    editName->setText(QFileInfo(SuggestedName(path)).fileName());
    return QDialog::exec();
}

void CDialogOverwriteRename::Accept()
{
    const QString name = editName->text().trimmed();
    if (name.isEmpty() || name.contains('/') || name == "." || name == "..")
        return; // stays open until a usable name is typed
    newPath = QFileInfo(path).absolutePath() + '/' + name;
    accept();
}

QString CDialogOverwriteRename::SuggestedName(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath() + '/';
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    for (int n = 2;; ++n) {
        QString candidate = folder + base + " (" + QString::number(n) + ")";
        if (!suffix.isEmpty())
            candidate += '.' + suffix;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
