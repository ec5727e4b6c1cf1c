#pragma once

#include <QDate>
#include <QString>

class TReporte;

// The file name the PDF save dialog proposes: the exporter's name (or the report's),
// then the company that the settings' variable prints and the date, as in
// "CuestionarioCNBV_2015 - Casa de Cambio, S.A. de C.V. - 2016-03-31.pdf".
// Characters that some system refuses in a file name are left out.
QString NombrePropuestoPDF(const TReporte& Reporte, const QDate& Fecha);
