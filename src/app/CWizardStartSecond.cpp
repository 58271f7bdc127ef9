#include "CWizardStartSecond.h"

CWizardStartSecond::CWizardStartSecond(QWidget* parent) : QWizardPage(parent) {}

CWizardStartSecond::~CWizardStartSecond() = default;
