#pragma once

#include "report/AjustesPDF.h"

#include <QString>
#include <functional>

class TReportePreparado;

using TProgresoPDF = std::function<void(int nPagina, int nTotal)>;

// Writes every page to a PDF file (no password, every permission). False and a
// Spanish message when the file cannot be written.
bool EscribePDF(const TReportePreparado& Reporte, const TAjustesPDF& Ajustes,
                const QString& sRuta, QString& sError, const TProgresoPDF& Progreso = {});
