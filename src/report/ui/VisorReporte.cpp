#include "report/ui/VisorReporte.h"

#include "report/ui/VistaPrevia.h"

void TVisorReporte::Muestra(const QList<TDocumentoVisor>& Documentos)
{
  TfrmVistaPrevia vista(Documentos);
  vista.PreparaMaximizada();
  vista.exec();
}
