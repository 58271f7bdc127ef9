#include "CDialogFilterSelection.h"

#include "CFiltersEnum.h"
#include "CImageCache.h"
#include "CListThumb.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "WindowHelpers.h"

#include "ui_CDialogFilterSelection.h"

#include <QKeyEvent>

namespace {
constexpr int kButtonCell = 48;
const int kCategories[] = {0, 1, 2, 5};
} // namespace

CDialogFilterSelection::CDialogFilterSelection(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogFilterSelection)
{
    ui->setupUi(this);
    filtersEnum = CFiltersEnum::GetInstance();
    userProfile = CUserProfile::GetInstance();
    imageCache = CImageCache::GetInstance();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Init();
}

CDialogFilterSelection::~CDialogFilterSelection()
{
    delete ui;
}

void CDialogFilterSelection::Init()
{
    selectedFilterName.clear();
    for (int category : kCategories) {
        QToolButton* button = ButtonOfCategory(category);
        button->setCheckable(true);
        MacToolbuttonAutoraise(button);
    }
    setMinimumSize(585, 475);
    setMaximumSize(585, 475);

    // Every item is added as loaded, with its icon from the strip: the
    // picker never starts the thumbnail loader.
    ui->listFilters->Initialize(1, userProfile->themeId != 0, false);
    ui->listFilters->setIconSize(QSize(64, 64));
    ui->listFilters->LoadDefaultThumbnails("Icons-Filters-64.png", false, 1);
    ui->listFilters->AddWatermarkImage("Overlay-Symbol.png", true, -5, -5, true, 1);

    InitImages();
    ChangeCategory(0);
    ui->listFilters->setFocus();
}

void CDialogFilterSelection::InitImages()
{
    const QImage strip = imageCache->GetAsset("Icons-Filters-48.png", false, true);
    // The cells of the strip as loaded: 48 pixels, or 96 in its "@2x" twin
    // (also on a screen of ratio 3, which has no strip of its own). The
    // columns and rows are counted in those cells, so that the icon index of
    // a gallery item is right on every screen.
    const int cell = imageCache->CellSide(kButtonCell, true);
    const QList<QPair<QToolButton*, QPoint>> cells = {{ui->buttonAllFilters, {0, 0}},
                                                      {ui->buttonMarks, {0, 1}},
                                                      {ui->buttonDecorations, {2, 5}},
                                                      {ui->buttonTransform, {5, 2}}};
    for (const auto& [button, at] : cells) {
        const QImage icon = strip.copy(at.x() * cell, at.y() * cell, cell, cell);
        button->setIcon(QIcon(QPixmap::fromImage(icon)));
        button->setIconSize(QSize(kButtonCell, kButtonCell));
    }
    iconColumns = strip.width() / cell;
    iconRows = strip.height() / cell;
}

void CDialogFilterSelection::AddFilters(int category)
{
    // The records go with the items, so that rows and records stay paired.
    ui->listFilters->RemoveAll();
    ui->listFilters->clear();
    int row = 0;
    for (const SFilterTypeRecord& type : filtersEnum->Rows()) {
        const int typeCategory = type.id / 1000;
        if (category != 0 && typeCategory != category)
            continue;
        const int iconIndex = iconColumns * typeCategory + type.iconIndex;
        ui->listFilters->AddItem(type.name, type.description, QString(), true, iconIndex, true);
        if (QListWidgetItem* item = ui->listFilters->item(row)) {
            item->setSizeHint(QSize(105, 100));
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        ++row;
    }
}

QToolButton* CDialogFilterSelection::ButtonOfCategory(int category) const
{
    switch (category) {
    case 0:
        return ui->buttonAllFilters;
    case 1:
        return ui->buttonMarks;
    case 2:
        return ui->buttonDecorations;
    case 5:
        return ui->buttonTransform;
    default:
        return nullptr;
    }
}

void CDialogFilterSelection::ChangeCategory(int category)
{
    for (int code : kCategories)
        ButtonOfCategory(code)->setChecked(code == category);
    AddFilters(category);
}

void CDialogFilterSelection::on_buttonAllFilters_clicked()
{
    ChangeCategory(0);
}

void CDialogFilterSelection::on_buttonMarks_clicked()
{
    ChangeCategory(1);
}

void CDialogFilterSelection::on_buttonDecorations_clicked()
{
    ChangeCategory(2);
}

void CDialogFilterSelection::on_buttonTransform_clicked()
{
    ChangeCategory(5);
}

void CDialogFilterSelection::on_listFilters_activated()
{
    on_Ok_clicked();
}

void CDialogFilterSelection::on_Ok_clicked()
{
    const QList<QListWidgetItem*> selected = ui->listFilters->selectedItems();
    if (!selected.isEmpty())
        selectedFilterName = selected.first()->text();
    if (selectedFilterName.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    QDialog::accept();
}

void CDialogFilterSelection::on_Cancel_clicked()
{
    QDialog::reject();
}

void CDialogFilterSelection::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        HelpPages::Open(this, "user-interface_select-filter.htm");
        return;
    }
    QDialog::keyPressEvent(event);
}
