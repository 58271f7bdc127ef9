#include "CDialogGSWarning.h"

#include "CPromptSeam.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CDialogGSWarning::CDialogGSWarning(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    textNotice = new QLabel(this);
    textNotice->setWordWrap(true);
    layout->addWidget(textNotice);
    // The interpreter comes with the system's packages; the link names it only.
    layout->addWidget(new QLabel(tr("Download GhostScript"), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

bool CDialogGSWarning::ShowDialog(QString /*text*/)
{
    return false;
}

int CDialogGSWarning::exec()
{
    textNotice->setText(tr("Reading EPS and PDF documents needs Ghostscript."));
    CPromptSeam::SPrompt prompt;
    prompt.kind = CPromptSeam::GhostscriptNotice;
    prompt.text = textNotice->text();
    prompt.icon = QMessageBox::Information;
    if (CPromptSeam::Answered(prompt))
        return QDialog::Accepted;
    return QDialog::exec();
}
