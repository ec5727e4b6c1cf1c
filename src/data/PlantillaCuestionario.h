#pragma once

#include "report/AjustesPDF.h"

class TReporte;

// Fills the report with the questionnaire template: the notice page, the eight
// questionnaire pages with their pictures and memos, and the variables of the
// category "Cuestionario" with their initial values. Whatever the report held is replaced.
void CargaPlantillaCuestionario(TReporte& Reporte);

// Settings of the questionnaire's PDF exporter.
TAjustesPDF AjustesPDFCuestionario();
