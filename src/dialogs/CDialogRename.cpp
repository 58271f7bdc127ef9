#include "CDialogRename.h"

#include "CFilterFilename.h"
#include "CFormatsEnum.h"
#include "CListImages.h"
#include "CUserProfile.h"
#include "Common.h"

#include "HelpPages.h"
#include "ui_CDialogRename.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {
// Clock choices: 12-hour, 24-hour, no time.
constexpr int kNoTime = 2;

bool HasTime(const SNamingSettings& settings)
{
    return (settings.ShowTime == 0 || settings.ShowTime == 1) &&
           (settings.TimeFormat == 0 || settings.TimeFormat == 1);
}

int ToSpin(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}
} // namespace

CDialogRename::CDialogRename(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogRename)
{
    ui->setupUi(this);
    userProfile = CUserProfile::GetInstance();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FillLists();

    const QList<QPair<QPushButton*, QString>> tokens = {{ui->buttonFilename, "[Filename]"},
                                                         {ui->buttonFolderName, "[FolderName]"},
                                                         {ui->buttonExtension, "[Extension]"},
                                                         {ui->buttonCounter, "[Counter]"},
                                                         {ui->buttonDateTime, "[DateTime]"}};
    for (const auto& [button, token] : tokens)
        connect(button, &QPushButton::clicked, this, [this, token = token] { InsertToken(token); });

    // Every field changes the sample.
    connect(ui->editPattern, &QLineEdit::textChanged, this, &CDialogRename::UpdateSample);
    connect(ui->editSearchFor, &QLineEdit::textChanged, this, &CDialogRename::UpdateSample);
    connect(ui->editReplaceWith, &QLineEdit::textChanged, this, &CDialogRename::UpdateSample);
    for (QSpinBox* spin : {ui->spinCounterStart, ui->spinCountStep, ui->spinCounterDigits})
        connect(spin, &QSpinBox::valueChanged, this, &CDialogRename::UpdateSample);
    for (QCheckBox* check : {ui->checkCounterReset, ui->checkSeconds, ui->checkLowerCaseExt})
        connect(check, &QCheckBox::toggled, this, &CDialogRename::UpdateSample);
    for (QComboBox* combo : {ui->comboDateType, ui->comboDateFormat, ui->comboShowTime, ui->comboCase})
        connect(combo, &QComboBox::currentIndexChanged, this, &CDialogRename::UpdateSample);

    Load(userProfile->Naming());
}

CDialogRename::~CDialogRename()
{
    delete ui;
}

void CDialogRename::FillLists()
{
    ui->comboDateType->addItems({tr("Date taken"), tr("Current date and time")});
    // The layouts of the date token, in their order (Mon: the month's
    // three-letter name).
    ui->comboDateFormat->addItems({"Mon-dd-yyyy", "Mon-dd-yy", "dd-Mon-yyyy", "dd-Mon-yy", "yyyy-Mon-dd",
                                   "yy-Mon-dd", "mm-dd-yyyy", "mm-dd-yy", "dd-mm-yyyy", "dd-mm-yy",
                                   "yyyy-mm-dd", "yy-mm-dd"});
    ui->comboShowTime->addItems({tr("12-hour clock (AM/PM)"), tr("24-hour clock"), tr("No time")});
    ui->comboCase->addItems({tr("Keep unchanged"), tr("lower case"), tr("UPPER CASE"), tr("Capitalize Each Word")});
}

void CDialogRename::Load(const SNamingSettings& settings)
{
    loaded = settings;
    {
        // One sample for the whole load.
        const QSignalBlocker blockers[] = {
            QSignalBlocker(ui->editPattern),       QSignalBlocker(ui->editSearchFor),
            QSignalBlocker(ui->editReplaceWith),   QSignalBlocker(ui->spinCounterStart),
            QSignalBlocker(ui->spinCountStep),     QSignalBlocker(ui->spinCounterDigits),
            QSignalBlocker(ui->checkCounterReset), QSignalBlocker(ui->checkSeconds),
            QSignalBlocker(ui->checkLowerCaseExt), QSignalBlocker(ui->comboDateType),
            QSignalBlocker(ui->comboDateFormat),   QSignalBlocker(ui->comboShowTime),
            QSignalBlocker(ui->comboCase)};
        ui->editPattern->setText(settings.FilenameFormat);
        ui->spinCounterStart->setValue(ToSpin(settings.CounterStart));
        ui->spinCountStep->setValue(ToSpin(settings.CountStep));
        ui->spinCounterDigits->setValue(settings.CounterDigits);
        ui->checkCounterReset->setChecked(settings.CounterReset);
        ui->comboDateType->setCurrentIndex(settings.DateType == 0 ? 0 : 1);
        ui->comboDateFormat->setCurrentIndex(settings.DateFormat >= 0 && settings.DateFormat < 12
                                                 ? settings.DateFormat
                                                 : -1);
        ui->comboShowTime->setCurrentIndex(HasTime(settings) ? settings.ShowTime : kNoTime);
        ui->checkSeconds->setChecked(settings.TimeFormat == 1);
        ui->comboCase->setCurrentIndex(settings.ChangeCase >= 0 && settings.ChangeCase <= 3 ? settings.ChangeCase
                                                                                            : 0);
        ui->checkLowerCaseExt->setChecked(settings.LowerCaseExt);
        ui->editSearchFor->setText(settings.SearchFor);
        ui->editReplaceWith->setText(settings.ReplaceWith);
    }
    UpdateEnabledStates();
    UpdateSample();
}

SNamingSettings CDialogRename::Settings() const
{
    SNamingSettings settings = loaded;
    settings.PresetRename = 3;
    settings.FilenameFormat = ui->editPattern->text();
    // A spin box shows a value from a job file that lies outside its range
    // clamped: the value stays unless it was changed.
    if (ui->spinCounterStart->value() != ToSpin(loaded.CounterStart))
        settings.CounterStart = ui->spinCounterStart->value();
    if (ui->spinCountStep->value() != ToSpin(loaded.CountStep))
        settings.CountStep = ui->spinCountStep->value();
    if (ui->spinCounterDigits->value() != qBound(1, loaded.CounterDigits, 32))
        settings.CounterDigits = ui->spinCounterDigits->value();
    settings.CounterReset = ui->checkCounterReset->isChecked();
    if (ui->comboDateType->currentIndex() != (loaded.DateType == 0 ? 0 : 1))
        settings.DateType = ui->comboDateType->currentIndex();
    if (ui->comboDateFormat->currentIndex() >= 0)
        settings.DateFormat = ui->comboDateFormat->currentIndex();
    const int clock = ui->comboShowTime->currentIndex();
    const int seconds = ui->checkSeconds->isChecked() ? 1 : 0;
    if (clock != kNoTime) {
        settings.ShowTime = clock;
        settings.TimeFormat = seconds;
    } else if (HasTime(loaded)) {
        settings.ShowTime = kNoTime;
        settings.TimeFormat = seconds;
    }
    if (ui->comboCase->currentIndex() != (loaded.ChangeCase >= 0 && loaded.ChangeCase <= 3 ? loaded.ChangeCase : 0))
        settings.ChangeCase = ui->comboCase->currentIndex();
    settings.LowerCaseExt = ui->checkLowerCaseExt->isChecked();
    settings.SearchFor = ui->editSearchFor->text();
    settings.ReplaceWith = ui->editReplaceWith->text();
    return settings;
}

void CDialogRename::InsertToken(const QString& token)
{
    ui->editPattern->insert(token);
    ui->editPattern->setFocus();
}

void CDialogRename::UpdateEnabledStates()
{
    ui->checkSeconds->setEnabled(ui->comboShowTime->currentIndex() != kNoTime);
}

void CDialogRename::UpdateSample()
{
    UpdateEnabledStates();
    if (photo.record.path.isEmpty()) {
        ui->editSample->clear();
        return;
    }
    CFilterFilename filter;
    const QString name =
        COutputNaming::Generate(filter, Settings(), userProfile->Output(), userProfile->Format(),
                                CFormatsEnum::GetInstance(), photo, int(CListImages::GetInstance()->list.size()), true);
    ui->editSample->setText(name);
}

int CDialogRename::exec()
{
    Load(userProfile->Naming());
    photo = COutputNaming::JobPhoto(previewPhoto);
    UpdateSample();
    return QDialog::exec();
}

void CDialogRename::accept()
{
    SNamingSettings settings = Settings();
    // The preset is the caller's: it turns to the custom pattern itself.
    settings.PresetRename = userProfile->PresetRename;
    userProfile->Naming() = settings;
    QDialog::accept();
}

void CDialogRename::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        HelpPages::Open(this, "user-interface_rename.htm");
        return;
    }
    QDialog::keyPressEvent(event);
}
