#pragma once

#include <QWizardPage>

// Page of the first-run wizard; its widgets come from the wizard's form.
class CWizardStartFirst : public QWizardPage
{
    Q_OBJECT
public:
    explicit CWizardStartFirst(QWidget* parent = nullptr);
    ~CWizardStartFirst() override;
};
