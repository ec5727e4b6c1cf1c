#pragma once

#include "report/AjustesPDF.h"
#include "report/CargaPlantilla.h"

#include <optional>

class TReporte;

// Fills the report with the questionnaire template compiled into the program
// (data/cuestionario.json): the notice page, the eight questionnaire pages with their
// drawn pictures and memos, and the variables of the category "Cuestionario" with their
// initial values. Whatever the report held is replaced.
std::optional<TErrorPlantilla> CargaPlantillaCuestionario(TReporte& Reporte);

// Settings of the questionnaire's PDF exporter.
TAjustesPDF AjustesPDFCuestionario();
