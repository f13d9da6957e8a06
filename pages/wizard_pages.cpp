// pages/wizard_pages.cpp
#include "pages/wizard_pages.h"

WizardPages::~WizardPages() = default;
