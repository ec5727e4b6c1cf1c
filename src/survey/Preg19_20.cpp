#include "survey/RepEncGAFI2016.h"

bool TRepEncGAFI2016::Preg19() { return false; }

bool TRepEncGAFI2016::Preg20() { return false; }
