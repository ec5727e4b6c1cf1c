#include "survey/RepEncGAFI2016.h"

bool TRepEncGAFI2016::Preg21() { return false; }

bool TRepEncGAFI2016::Preg21Aux(const QString&, const QString&, const QString&) { return false; }

bool TRepEncGAFI2016::Preg22() { return false; }
