#include "CDialogProfileSave.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDialogProfileSave::CDialogProfileSave(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogProfileSave");
    setWindowTitle(tr("Save Profile"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    editName = new QLineEdit(this);
    editName->setObjectName("editName");
    editName->setMaxLength(255);
    form->addRow(tr("Name:"), editName);
    editDescription = new QPlainTextEdit(this);
    editDescription->setObjectName("editDescription");
    editDescription->setTabChangesFocus(true);
    editDescription->setFixedHeight(80);
    form->addRow(tr("Description:"), editDescription);
    layout->addLayout(form);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttonBox");
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogProfileSave::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(editName, &QLineEdit::textChanged, this, &CDialogProfileSave::UpdateButtons);
    setMinimumWidth(380);
}

CDialogProfileSave::~CDialogProfileSave() = default;

int CDialogProfileSave::exec()
{
    editName->setText(name);
    editName->selectAll();
    editName->setFocus();
    editDescription->setPlainText(description);
    UpdateButtons();
    return QDialog::exec();
}

void CDialogProfileSave::UpdateButtons()
{
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!editName->text().trimmed().isEmpty());
}

void CDialogProfileSave::accept()
{
    const QString edited = editName->text().trimmed();
    if (edited.isEmpty())
        return;
    name = edited;
    description = editDescription->toPlainText();
    QDialog::accept();
}
