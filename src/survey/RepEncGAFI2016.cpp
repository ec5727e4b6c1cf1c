#include "survey/RepEncGAFI2016.h"

bool TRepEncGAFI2016::ContestaPregunta(int nNumPreg) {
  bool bExito = false;
  switch (nNumPreg) {
    case 1: bExito = Preg5(); break;
    case 2: bExito = Preg7(); break;
    case 3: bExito = Preg8(); break;
    case 4: bExito = Preg17(); break;
    case 5: bExito = Preg18(); break;
    case 6: bExito = Preg19(); break;
    case 7: bExito = Preg20(); break;
    case 8: bExito = Preg21(); break;
    case 9: bExito = Preg22(); break;
    default: break;
  }
  return bExito;
}
