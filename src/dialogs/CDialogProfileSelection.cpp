#include "CDialogProfileSelection.h"

#include "CImageCache.h"
#include "CListThumb.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "Platform.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMutexLocker>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {
const char* const kUserDefined = "User-Defined";
// Room of one profile: its 64-pixel icon and up to three lines of name.
const QSize kCell(130, 118);
// The general profile icon (the first cell of the filter icons): a profile
// without an icon of its own, such as one the user saved, shows it.
constexpr int kGeneralIcon = 0;
} // namespace

CDialogProfileSelection::CDialogProfileSelection(QWidget* parent) : QDialog(parent)
{
    setObjectName("CDialogProfileSelection");
    setWindowTitle(tr("Select Profile"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    userProfile = CUserProfile::GetInstance();
    imageCache = CImageCache::GetInstance();

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Choose a profile to start from; its filters and settings replace "
                                "those of the current job, the photos stay."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    listProfiles = new CListThumb(this);
    listProfiles->setObjectName("listProfiles");
    layout->addWidget(listProfiles, 1);
    labelDescription = new QLabel(this);
    labelDescription->setObjectName("labelDescription");
    labelDescription->setWordWrap(true);
    labelDescription->setTextFormat(Qt::PlainText); // a profile file's own text
    labelDescription->setMinimumHeight(40);
    labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(labelDescription);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("buttonBox");
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogProfileSelection::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(660, 520);

    Init();
}

CDialogProfileSelection::~CDialogProfileSelection() = default;

QString CDialogProfileSelection::BuiltInFolder()
{
    return GetResourcesFolder() + "/Profiles";
}

QString CDialogProfileSelection::UserFolder()
{
    return GetMyDocuments() + "/Glimmerbox/Profiles/";
}

QList<CDialogProfileSelection::SProfileEntry> CDialogProfileSelection::ReadProfiles(const QString& folder)
{
    QList<SProfileEntry> found;
    const QDir dir(folder);
    const QStringList files = dir.entryList({"*.gbf"}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& file : files) {
        SProfileEntry entry;
        entry.path = dir.absoluteFilePath(file);
        CScripts header(entry.path);
        if (!header.LoadProfileHeader()) {
            SystemLogWrite("CDialogProfileSelection", "not listed: " + entry.path);
            continue;
        }
        entry.name = header.profileName.trimmed();
        if (entry.name.isEmpty())
            entry.name = QFileInfo(file).completeBaseName();
        entry.description = header.profileDescription;
        entry.category = header.profileCategory;
        entry.icon = header.profileIcon;
        entry.builtIn = entry.category != QLatin1String(kUserDefined);
        found.append(entry);
    }
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(found.begin(), found.end(), [&collator](const SProfileEntry& a, const SProfileEntry& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return found;
}

void CDialogProfileSelection::Init()
{
    listProfiles->Initialize(CListThumb::TypeProfiles, userProfile->themeId != 0, false);
    listProfiles->LoadDefaultThumbnails("Icons-Filters-64.png", false, 1);
    {
        const std::unique_ptr<QList<QIcon>> formats(
            imageCache->LoadIconsFromPath("Icons-Formats-64.png", false, 64));
        QMutexLocker locker(listProfiles->Mutex());
        if (formats && listProfiles->Icons())
            *listProfiles->Icons() += *formats;
    }
    listProfiles->ChangeView(2);
    listProfiles->setDragDropMode(QAbstractItemView::NoDragDrop);
    listProfiles->setSelectionMode(QAbstractItemView::SingleSelection);
    listProfiles->setWordWrap(true);
    listProfiles->setTextElideMode(Qt::ElideNone);
    listProfiles->setGridSize(kCell + QSize(10, 10));
    listProfiles->setMovement(QListView::Static);
    listProfiles->setResizeMode(QListView::Adjust);

    // Ours first, then the user's own.
    AddEntries(ReadProfiles(BuiltInFolder()));
    AddEntries(ReadProfiles(UserFolder()));

    connect(listProfiles, &QListWidget::itemSelectionChanged, this,
            &CDialogProfileSelection::OnSelectionChanged);
    connect(listProfiles, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    OnSelectionChanged();
}

void CDialogProfileSelection::AddEntries(const QList<SProfileEntry>& found)
{
    int iconCount = 0;
    {
        QMutexLocker locker(listProfiles->Mutex());
        iconCount = listProfiles->Icons() ? int(listProfiles->Icons()->size()) : 0;
    }
    for (SProfileEntry entry : found) {
        if (entry.icon < 0 || entry.icon >= iconCount)
            entry.icon = kGeneralIcon;
        // The list keeps no path: a profile is XML, not a photo to look into.
        listProfiles->AddItem(entry.name, entry.description, QString(), true, entry.icon, true);
        if (QListWidgetItem* item = listProfiles->item(listProfiles->count() - 1))
            item->setSizeHint(kCell);
        entries.append(entry);
    }
}

int CDialogProfileSelection::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = listProfiles->selectedItems();
    const int row = selected.isEmpty() ? -1 : listProfiles->row(selected.first());
    return row < entries.size() ? row : -1;
}

void CDialogProfileSelection::OnSelectionChanged()
{
    const int row = SelectedRow();
    buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0);
    labelDescription->setText(row >= 0 ? entries[row].description : QString());
}

void CDialogProfileSelection::accept()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    profilePath = entries[row].path;
    userProfile->builtInProfile = entries[row].builtIn;
    QDialog::accept();
}

void CDialogProfileSelection::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        HelpPages::Open(this, "user-interface_profiles.htm");
        return;
    }
    QDialog::keyPressEvent(event);
}
