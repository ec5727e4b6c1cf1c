#pragma once

#include "report/AjustesPDF.h"
#include "report/PaginasVisor.h"

#include <QList>
#include <QString>

// A document as a viewer gets it: its pages, the name it is shown and printed under, and its
// PDF settings. Values only, so the viewer never calls back into the report.
struct TDocumentoVisor {
  QString sNombre;
  TPaginasVisor Paginas;
  TAjustesPDF Ajustes;
  QString sArchivoPropuesto;  // by the PDF save dialog; empty: the settings' file name
};

// How a prepared report is shown: the preview window, or the command line's writer.
class IVisorReporte {
 public:
  virtual ~IVisorReporte() = default;
  // Documentos[0] is the report; a further one stands beside it (the support of its
  // answers). Returns when the documents have been shown (the preview closed).
  virtual void Muestra(const QList<TDocumentoVisor>& Documentos) = 0;
};
