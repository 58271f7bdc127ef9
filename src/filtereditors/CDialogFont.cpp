#include "CDialogFont.h"

#include "CUserProfile.h"

#include "ui_CDialogFont.h"

namespace {
const char* const kSizes[] = {"8", "10", "12", "14", "18", "24", "36", "48", "72"};
const char* const kSample = "AaBcYyZz";
} // namespace

CDialogFont::CDialogFont(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogFont)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    userProfile = CUserProfile::GetInstance();
    ui->textSample->setStyleSheet(userProfile->themeId != 0 ? "background-color: rgb( 30, 30, 30 );"
                                                            : "background-color: rgb( 255, 255, 255 );");
}

CDialogFont::~CDialogFont()
{
    delete ui;
}

int CDialogFont::exec()
{
    // Filling the widgets runs their change slots; each ends in UpdateFont,
    // which only redraws the sample.
    ui->comboFontSize->clear();
    for (const char* size : kSizes)
        ui->comboFontSize->addItem(QString::fromLatin1(size));
    ui->comboFontSize->setCurrentIndex(5);
    ui->comboFontSize->setEditText(fontSize);
    QFont font;
    font.fromString(fontFamily);
    ui->comboFont->setCurrentFont(font);
    ui->checkBold->setChecked(fontBold != 0);
    ui->checkItalic->setChecked(fontItalic != 0);
    ui->checkUnderline->setChecked(fontUnderline != 0);
    ui->checkStrikeOut->setChecked(fontStrikeOut != 0);
    UpdateFont();
    return QDialog::exec();
}

int CDialogFont::SizeFromText(const QString& text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    return ok && size > 0 ? size : 8;
}

void CDialogFont::UpdateFont()
{
    QFont font = ui->comboFont->currentFont();
    font.setWeight(ui->checkBold->isChecked() ? QFont::Bold : QFont::Normal);
    font.setItalic(ui->checkItalic->isChecked());
    font.setUnderline(ui->checkUnderline->isChecked());
    font.setStrikeOut(ui->checkStrikeOut->isChecked());
    font.setPixelSize(SizeFromText(ui->comboFontSize->currentText()));
    ui->textSample->setFont(font);
    ui->textSample->setText(QString::fromLatin1(kSample));
}

void CDialogFont::on_comboFont_currentFontChanged(const QFont&)
{
    ui->checkBold->setEnabled(true);
    ui->checkItalic->setEnabled(true);
    UpdateFont();
}

void CDialogFont::on_comboFontSize_editTextChanged(const QString& text)
{
    // Typing one of the listed sizes selects its item; any other text stays
    // as typed.
    const int index = ui->comboFontSize->findText(text, Qt::MatchExactly);
    if (index >= 0 && index != ui->comboFontSize->currentIndex()) {
        const QSignalBlocker block(ui->comboFontSize);
        ui->comboFontSize->setCurrentIndex(index);
    }
    UpdateFont();
}

void CDialogFont::on_checkBold_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkItalic_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkUnderline_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkStrikeOut_clicked()
{
    UpdateFont();
}

void CDialogFont::on_buttonOK_clicked()
{
    const QString description = ui->comboFont->currentFont().toString();
    fontFamily = description.section(',', 0, 0);
    fontBold = ui->checkBold->isChecked() ? 1 : 0;
    fontItalic = ui->checkItalic->isChecked() ? 1 : 0;
    fontUnderline = ui->checkUnderline->isChecked() ? 1 : 0;
    fontStrikeOut = ui->checkStrikeOut->isChecked() ? 1 : 0;
    const QString size = ui->comboFontSize->currentText();
    bool whole = false;
    const bool positive = size.toInt(&whole) > 0;
    fontSize = whole && positive ? size : QStringLiteral("8");
    accept();
}

void CDialogFont::on_buttonCancel_clicked()
{
    reject();
}
