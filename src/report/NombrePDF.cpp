#include "report/NombrePDF.h"

#include "report/Reporte.h"

#include <QRegularExpression>

namespace {

constexpr int CC_LARGO_EMPRESA = 80;

QString ParaNombreDeArchivo(QString sTexto)
{
  static const QRegularExpression reProhibidos(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
  static const QRegularExpression reBlancos(QStringLiteral("\\s+"));
  sTexto.replace(reBlancos, QStringLiteral(" ")).remove(reProhibidos).replace(reBlancos, QStringLiteral(" "));
  return sTexto.left(CC_LARGO_EMPRESA).trimmed();
}

}  // namespace

QString NombrePropuestoPDF(const TReporte& Reporte, const QDate& Fecha)
{
  const TAjustesPDF Ajustes = Reporte.AjustesPDF();
  QStringList Partes = {Ajustes.sNombreArchivo.isEmpty() ? Reporte.NombreArchivo()
                                                         : Ajustes.sNombreArchivo};
  if (!Ajustes.sVariableEmpresa.isEmpty()) {
    const QString sEmpresa =
        ParaNombreDeArchivo(Reporte.TextoImpreso(Ajustes.sVariableEmpresa).value_or(QString()));
    if (!sEmpresa.isEmpty())
      Partes << sEmpresa;
  }
  Partes << Fecha.toString(Qt::ISODate);
  return Partes.join(QStringLiteral(" - ")) + QStringLiteral(".pdf");
}
