#include "CWizardStartFirst.h"

CWizardStartFirst::CWizardStartFirst(QWidget* parent) : QWizardPage(parent) {}

CWizardStartFirst::~CWizardStartFirst() = default;
