#pragma once

#include <QWizardPage>

// Page of the first-run wizard; its widgets come from the wizard's form.
class CWizardStartSecond : public QWizardPage
{
    Q_OBJECT
public:
    explicit CWizardStartSecond(QWidget* parent = nullptr);
    ~CWizardStartSecond() override;
};
