#pragma once

#include "report/IIVisorReporte.h"

// Shows the report in the modal, maximised preview window.
class TVisorReporte : public IVisorReporte {
 public:
  void Muestra(const QList<TDocumentoVisor>& Documentos) override;
};
