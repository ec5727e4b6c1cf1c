#pragma once

#include <QString>

class TReporte;

// Every variable of the report, in template order, mapped to the text it prints
// (line breaks kept) or null when it prints nothing; one JSON object.
QByteArray VariablesComoJSON(const TReporte& Reporte);

// Writes VariablesComoJSON to sRuta; a failed write leaves no partial file.
bool ExportaJSON(const TReporte& Reporte, const QString& sRuta, QString& sError);

// Writes Datos to sRuta whole or not at all; false and a Spanish message on failure.
bool EscribeArchivo(const QString& sRuta, const QByteArray& Datos, QString& sError);
