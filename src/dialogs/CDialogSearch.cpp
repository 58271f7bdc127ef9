#include "CDialogSearch.h"

#include "Common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDialogSearch::CDialogSearch(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogSearch");
    setWindowTitle(tr("Search & Add Photos"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    layout->addLayout(form);

    auto* folderRow = new QHBoxLayout();
    editFolder = new QLineEdit(this);
    editFolder->setObjectName("editFolder");
    editFolder->setMinimumWidth(300);
    folderRow->addWidget(editFolder);
    auto* buttonBrowse = new QPushButton(tr("&Browse..."), this);
    buttonBrowse->setObjectName("buttonBrowse");
    folderRow->addWidget(buttonBrowse);
    form->addRow(tr("Search in:"), folderRow);

    comboMask = new QComboBox(this);
    comboMask->setObjectName("comboMask");
    comboMask->addItems(Masks());
    form->addRow(tr("File names:"), comboMask);

    checkSubfolders = new QCheckBox(tr("Include &subfolders"), this);
    checkSubfolders->setObjectName("checkSubfolders");
    layout->addWidget(checkSubfolders);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonOk = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttonBrowse, &QPushButton::clicked, this, &CDialogSearch::Browse);
    connect(editFolder, &QLineEdit::textChanged, this, &CDialogSearch::UpdateOk);
}

CDialogSearch::~CDialogSearch() = default;

QStringList CDialogSearch::Masks()
{
    return {"*.*", "*.JPG", "*.JPEG", "*.TIF", "*.TIFF", "*.PNG", "*.GIF", "*.BMP", "*.HEIC", "*.WEBP"};
}

void CDialogSearch::Browse()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Browse For Folder"), editFolder->text(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        editFolder->setText(folder);
}

void CDialogSearch::UpdateOk()
{
    buttonOk->setEnabled(!editFolder->text().trimmed().isEmpty());
}

int CDialogSearch::exec()
{
    editFolder->setText(GetRegistryString("GUI/SearchAdd.Path", GetMyPictures()));
    const int mask = GetRegistryInt("GUI/SearchAdd.Mask", 0);
    comboMask->setCurrentIndex(mask >= 0 && mask < comboMask->count() ? mask : 0);
    checkSubfolders->setChecked(GetRegistryInt("GUI/SearchAdd.InSubfolders", 0) != 0);
    UpdateOk();

    const int result = QDialog::exec();
    QString folder = editFolder->text().trimmed();
    folder.replace('\\', '/');
    if (result != QDialog::Accepted || folder.isEmpty())
        return 0;
    searchPath = folder;
    searchMask = comboMask->currentText();
    searchSubfolders = checkSubfolders->isChecked();
    SetRegistryString("GUI/SearchAdd.Path", searchPath);
    SetRegistryInts({{"GUI/SearchAdd.Mask", comboMask->currentIndex()},
                     {"GUI/SearchAdd.InSubfolders", searchSubfolders ? 1 : 0}});
    return 1;
}
