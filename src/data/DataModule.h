#pragma once

#include "report/AjustesPDF.h"
#include "report/Reporte.h"
#include "tables/TablaMemoria.h"

// The data module: the questionnaire template, its PDF exporter settings and
// the catalogues carried inside the program. The entry creates exactly one and
// hands references to whoever needs it.
class TdmMain {
 public:
  TdmMain();

  TReporte repGeneral;         // the questionnaire template
  TAjustesPDF frxPDFExport;    // the PDF exporter's fixed document settings
  TTablaMemoria vtEstados;     // states of Mexico and foreign countries
  TTablaMemoria vLocalidades;  // their localities
  TTablaMemoria vtActVul;      // activity keys of vulnerable activities
  TTablaMemoria vtEntFin;      // activity keys of financial entities
};
