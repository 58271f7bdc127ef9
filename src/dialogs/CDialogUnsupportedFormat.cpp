#include "CDialogUnsupportedFormat.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CDialogUnsupportedFormat::CDialogUnsupportedFormat(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogUnsupportedFormat");
    setWindowTitle(tr("Unsupported Files"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("These files were not added because their format is not supported:"), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    textFiles = new QPlainTextEdit(this);
    textFiles->setObjectName("textFiles");
    textFiles->setReadOnly(true);
    textFiles->setLineWrapMode(QPlainTextEdit::NoWrap);
    textFiles->setMinimumSize(460, 160);
    layout->addWidget(textFiles);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

CDialogUnsupportedFormat::~CDialogUnsupportedFormat() = default;

void CDialogUnsupportedFormat::SetUnsupportedFiles(QList<QString> paths)
{
    QStringList lines;
    for (const QString& path : paths)
        lines << QDir::toNativeSeparators(path);
    textFiles->setPlainText(lines.join('\n'));
}
