#pragma once

#include <QWizard>

class CImageCache;
class CUserProfile;
namespace Ui {
class CWizardStart;
}

// The welcome wizard of the first starts: the interface is a three-step
// wizard and F1 opens help (page 0); one tutorial, with its link (page 1).
// Both pages carry "Don't show this wizard again", bound to the preference
// showStartupWizard; a click changes the preference at once, whichever
// button then closes the wizard.
class CWizardStart : public QWizard
{
    Q_OBJECT
public:
    explicit CWizardStart(QWidget* parent = nullptr);
    ~CWizardStart() override;

    void Init();
    // Returns 0 at once, showing nothing, when the wizard is not wanted.
    int exec() override;

    // The watermark: "WizardStart-Wizard.png" scaled to the wizard's height,
    // its aspect kept.
    static QPixmap Watermark(int height);

public slots:
    void CurrentPageChanged(int id);
    void on_checkShowFirst_clicked();
    void on_checkShowSecond_clicked();
    void on_linkTutorial_linkActivated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::CWizardStart* ui = nullptr;
    CUserProfile* userProfile = nullptr;
    CImageCache* imageCache = nullptr;
};
