#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QtGlobal>

class CUserProfile;
namespace Ui {
class CDialogFont;
}

// A small font chooser: family, size, bold, italic, underline and
// strike-out, with a sample. The caller sets the members, runs exec() and
// reads them back after an accepted result.
class CDialogFont : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogFont(QWidget* parent = nullptr);
    ~CDialogFont() override;

    // Fills the widgets from the members, then runs the dialog.
    virtual int exec() override;
    // Shows "AaBcYyZz" in the font the widgets describe.
    void UpdateFont();

    // The whole positive number in text, or 8 for anything else.
    static int SizeFromText(const QString& text);

    Ui::CDialogFont* ui = nullptr;
    CUserProfile* userProfile = nullptr;
    QString fontFamily = QStringLiteral("Arial");
    QString fontSize = QStringLiteral("12");
    quint8 fontBold = 0;
    quint8 fontItalic = 0;
    quint8 fontUnderline = 0;
    quint8 fontStrikeOut = 0;

private slots:
    void on_comboFont_currentFontChanged(const QFont& font);
    void on_comboFontSize_editTextChanged(const QString& text);
    void on_checkBold_clicked();
    void on_checkItalic_clicked();
    void on_checkUnderline_clicked();
    void on_checkStrikeOut_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
};
