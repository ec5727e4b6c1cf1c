#include "report/ExportadorPDF.h"

#include "base/ErrorSistema.h"
#include "report/MetadatosPDF.h"
#include "report/ReportePreparado.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The painter's origin must be the paper's corner: the pages place their own margins.
QPageLayout SinMargenes(QPageLayout layout)
{
  layout.setMinimumMargins(QMarginsF());
  layout.setMargins(QMarginsF());
  return layout;
}

// sCausa: why the file could not be written, when the system says it.
bool EscribePaginas(const TReportePreparado& Reporte, const TAjustesPDF& Ajustes,
                    const QString& sRuta, const TProgresoPDF& Progreso, QString& sCausa)
{
  QFile Archivo(sRuta);
  if (!Archivo.open(QIODevice::WriteOnly)) {
    sCausa = ExplicaErrorSistema(Archivo.errorString());
    return false;
  }
  QPdfWriter pdf(&Archivo);
  pdf.setTitle(Ajustes.sTitulo);
  pdf.setCreator(Ajustes.sAutor);
  pdf.setResolution(1200);
  pdf.setPageLayout(SinMargenes(Reporte.Pagina(0).layout));
  QPainter painter;
  if (!painter.begin(&pdf))
    return false;
  for (int n = 0; n < Reporte.NumeroPaginas(); ++n) {
    if (Progreso)
      Progreso(n + 1, Reporte.NumeroPaginas());
    if (n > 0) {
      pdf.setPageLayout(SinMargenes(Reporte.Pagina(n).layout));
      pdf.newPage();
    }
    Reporte.PintaPagina(n, painter);
  }
  return painter.end();
}

}  // namespace

bool EscribePDF(const TReportePreparado& Reporte, const TAjustesPDF& Ajustes,
                const QString& sRuta, QString& sError, const TProgresoPDF& Progreso)
{
  if (Reporte.NumeroPaginas() == 0) {
    sError = "El reporte no tiene páginas.";
    return false;
  }
  const QString sTemporal = sRuta + ".tmp";
  QString sCausa;
  if (!EscribePaginas(Reporte, Ajustes, sTemporal, Progreso, sCausa)) {
    QFile::remove(sTemporal);
    sError = "No se pudo escribir el archivo PDF \"" + sRuta + "\"" +
             (sCausa.isEmpty() ? QStringLiteral(".") : ": " + sCausa);
    return false;
  }
  QString sErrorInfo;
  if (!EscribeMetadatosPDF(sTemporal, sRuta, Ajustes, sErrorInfo)) {
    QFile::remove(sTemporal);
    sError = "No se pudo escribir el archivo PDF \"" + sRuta + "\": " + sErrorInfo;
    return false;
  }
  QFile::remove(sTemporal);
  return true;
}
