#pragma once

#include <QString>

class TReporte;

// Every variable of the report, in template order, mapped to the text it prints
// (line breaks kept) or null when it prints nothing; one JSON object.
QByteArray VariablesComoJSON(const TReporte& Reporte);

// Writes VariablesComoJSON to sRuta; a failed write leaves no partial file.
bool ExportaJSON(const TReporte& Reporte, const QString& sRuta, QString& sError);
