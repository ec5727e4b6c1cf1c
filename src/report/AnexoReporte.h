#pragma once

#include "report/AjustesPDF.h"
#include "report/DocumentoTablas.h"

#include <QByteArray>
#include <QString>

// A document that stands beside a report (the support of its answers): shown, printed and
// exported with it, and written as data.
struct TAnexoReporte {
  TDocumentoTablas Documento;
  TAjustesPDF Ajustes;
  QByteArray Json;   // the same figures as data
  QString sResumen;  // one sentence that sums it up
};
