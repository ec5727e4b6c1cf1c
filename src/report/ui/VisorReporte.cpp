#include "report/ui/VisorReporte.h"

#include "report/ui/VistaPrevia.h"

void TVisorReporte::Muestra(TReporte& Reporte)
{
  TfrmVistaPrevia vista(Reporte);
  vista.PreparaMaximizada();
  vista.exec();
}
