#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class TReporte;

// Why a template could not be loaded: where in the file, and what is wrong there.
struct TErrorPlantilla {
  QString sLugar;    // path of the faulty value, such as "paginas[2].memos[4].rect", or the
                     // line of a syntax error; empty for the whole file
  QString sMensaje;
  QString Texto() const;
};

// Replaces the report's pages and variables by those of a JSON template. Its pictures
// name drawings that must be registered on the report beforehand. On error the
// report keeps no pages and no variables.
std::optional<TErrorPlantilla> CargaPlantilla(TReporte& Reporte, const QByteArray& Json);
