#include "report/ui/ImpresionReporte.h"

#include "report/ReportePreparado.h"

#include <QPainter>
#include <QPrinter>

void ImprimeReporte(const TReportePreparado& Reporte, QPrinter& Impresora)
{
  if (Reporte.NumeroPaginas() == 0)
    return;
  Impresora.setFullPage(true);
  Impresora.setPageLayout(Reporte.Pagina(0).layout);
  QPainter painter(&Impresora);
  for (int n = 0; n < Reporte.NumeroPaginas(); ++n) {
    if (n > 0) {
      Impresora.setPageLayout(Reporte.Pagina(n).layout);
      Impresora.newPage();
    }
    Reporte.PintaPagina(n, painter);
  }
}
