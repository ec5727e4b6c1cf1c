#pragma once

#include "tables/TablaMemoria.h"

// The data module: the catalogues carried inside the program. The entry
// creates exactly one and hands references to whoever needs it.
class TdmMain {
 public:
  TdmMain();

  TTablaMemoria vtEstados;     // states of Mexico and foreign countries
  TTablaMemoria vLocalidades;  // their localities
  TTablaMemoria vtActVul;      // activity keys of vulnerable activities
  TTablaMemoria vtEntFin;      // activity keys of financial entities
};
